#include "cli/CaseCommand.h"

#include "exchange/CaseFileWriter.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file of our own in the temporary folder, removed when the command ends.
class TemporaryFile {
public:
    TemporaryFile() {
        std::string pattern = (fs::temp_directory_path() / "tarvex-case-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            close(fd);
            m_path = pattern;
        }
    }
    ~TemporaryFile() {
        std::error_code ec;
        if (!m_path.empty()) fs::remove(m_path, ec);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

} // namespace

int CaseCommand::run(std::ostream& out, std::ostream& err) const {
    CSkemtorDoc doc;
    CSkemtorApp app;
    const CDocumentFile::Result loaded = CDocumentFile::Load(m_options.document, doc, app);
    if (!loaded.ok) {
        err << "tarvex-engine: " << loaded.message << "\n";
        return 1;
    }
    if (!m_options.output.empty()) {
        if (!CCaseFileWriter::WriteCaseFile(doc, app, m_options.output)) {
            err << "tarvex-engine: cannot write " << m_options.output << "\n";
            return 1;
        }
        return 0;
    }
    // The writer writes files; the standard output gets a copy of one.
    const TemporaryFile temporary;
    if (temporary.path().empty() ||
        !CCaseFileWriter::WriteCaseFile(doc, app, temporary.path().string())) {
        err << "tarvex-engine: cannot write a temporary case file\n";
        return 1;
    }
    std::ifstream in(temporary.path(), std::ios::binary);
    out << in.rdbuf();
    return out ? 0 : 1;
}
