#include "tests/examples/ExampleFiles.h"

#include "model/DocumentFile.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace tarvex::test {

fs::path examplesDir() {
    return fs::path(TARVEX_SOURCE_DIR) / "examples";
}

fs::path exampleSourceDir() {
    return examplesDir() / "source";
}

std::vector<std::string> exampleNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(examplesDir()))
        if (entry.path().extension() == ".tvx") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string openExample(const std::string& name, CSkemtorDoc& doc, CSkemtorApp& app) {
    return CDocumentFile::Load(examplesDir() / (name + ".tvx"), doc, app).message;
}

} // namespace tarvex::test
