#include "examples/generator/ExampleGenerator.h"

#include "examples/generator/ExampleBuilder.h"
#include "examples/generator/LayoutCheck.h"
#include "examples/generator/SourceError.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void CExampleGenerator::Build(const fs::path& path, CSkemtorDoc& doc, CSkemtorApp& app) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CSourceError(path.string(), 0, "cannot be opened");
    std::ostringstream text;
    text << in.rdbuf();
    CExampleBuilder(doc, app, path.string()).Read(text.str());
}

CExampleGenerator::Report CExampleGenerator::GenerateAll(const fs::path& sourceDir,
                                                         const fs::path& outputDir) {
    Report report;
    std::vector<fs::path> sources;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sourceDir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            sources.push_back(entry.path());
    if (ec) {
        report.errors.push_back(sourceDir.string() + ": " + ec.message());
        return report;
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
        CSkemtorDoc doc;
        CSkemtorApp app;
        try {
            Build(source, doc, app);
        } catch (const CSourceError& error) {
            report.errors.push_back(error.what());
            continue;
        }
        for (const std::string& blemish : CLayoutCheck::Check(doc))
            report.warnings.push_back(source.string() + ": " + blemish);
        const fs::path target = outputDir / source.stem().concat(".tvx");
        const CDocumentFile::Result saved = CDocumentFile::Save(target, doc, app);
        if (!saved.ok)
            report.errors.push_back(saved.message);
        else
            report.written.push_back(target);
    }
    return report;
}
