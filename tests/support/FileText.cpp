#include "tests/support/FileText.h"

#include <fstream>
#include <sstream>

namespace tarvex::test {

std::string readFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFileText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::filesystem::path casePath(const std::string& name) {
    return std::filesystem::path(TARVEX_CASES_DIR) / name;
}

std::filesystem::path testDataPath(const std::string& name) {
    return std::filesystem::path(TARVEX_TEST_DATA_DIR) / name;
}

} // namespace tarvex::test
