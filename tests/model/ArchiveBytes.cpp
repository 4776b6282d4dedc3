#include "tests/model/ArchiveBytes.h"

#include "tests/support/FileText.h"

#include <cctype>
#include <stdexcept>

namespace tarvex::test {

std::string readHexGolden(const std::filesystem::path& path) {
    const std::string source = readFileText(path);
    if (source.empty()) throw std::runtime_error("missing golden file " + path.string());
    std::string bytes;
    for (std::size_t i = 0; i < source.size();) {
        const char c = source[i];
        if (c == '#') {
            while (i < source.size() && source[i] != '\n') ++i;
        } else if (c == '"') {
            const std::size_t end = source.find('"', i + 1);
            bytes += source.substr(i + 1, end - i - 1);
            i = end + 1;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            bytes += static_cast<char>(std::stoi(source.substr(i, 2), nullptr, 16));
            i += 2;
        } else {
            ++i;
        }
    }
    return bytes;
}

} // namespace tarvex::test
