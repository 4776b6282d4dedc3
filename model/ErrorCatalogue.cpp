#include "model/ErrorCatalogue.h"

#include "model/NumericFieldReader.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

std::optional<std::string> CErrorCatalogue::FindText(std::string_view catalogue, int code) {
    std::size_t pos = 0;
    const std::size_t size = catalogue.size();
    while (true) {
        while (pos < size && isSpace(catalogue[pos])) ++pos;
        if (pos >= size) return std::nullopt;
        CNumericFieldReader reader(catalogue.substr(pos));
        const std::optional<int> entry = reader.ReadInt();
        const std::size_t lineEnd = std::min(catalogue.find('\n', pos), size);
        if (!entry) { // not an entry: skip its line
            pos = lineEnd + 1;
            continue;
        }
        pos += reader.Position();
        // The code may stand alone on its line with the text on the next.
        while (pos < size && isSpace(catalogue[pos])) ++pos;
        const std::size_t textEnd = std::min(catalogue.find('\n', pos), size);
        std::string text(catalogue.substr(pos, textEnd - pos));
        if (!text.empty() && text.back() == '\r') text.pop_back(); // CRLF catalogue
        if (textEnd < size) text += '\n';
        if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
        pos = textEnd + 1;
        if (*entry == code) return text;
    }
}

std::optional<fs::path> CErrorCatalogue::Find(const std::vector<fs::path>& installDirs) {
    std::error_code ec;
    if (fs::is_regular_file(kFileName, ec)) return fs::path(kFileName);
    for (const fs::path& dir : installDirs) {
        const fs::path candidate = dir / kFileName;
        if (fs::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

std::string CErrorCatalogue::Message(int code, const std::vector<fs::path>& installDirs) {
    const std::optional<fs::path> path = Find(installDirs);
    if (!path) return kOpenError;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return kOpenError;
    std::ostringstream content;
    content << in.rdbuf();
    const std::optional<std::string> text = FindText(content.str(), code);
    if (!text) return kNotFound;
    return "Error: " + std::to_string(code) + ".  " + *text;
}

std::optional<fs::path> CErrorCatalogue::ExecutableDirectory() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) return std::nullopt;
    return self.parent_path();
}
