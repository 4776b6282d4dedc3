#include "model/SafeFileWriter.h"

#include <fstream>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// A name beside the target that no file has yet.
std::optional<fs::path> temporaryName(const fs::path& target) {
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about the
        // chain of temporaries that operator+ makes here.
        std::string name(1, '.');
        name += target.filename().string();
        name += ".tmp";
        name += std::to_string(random());
        const fs::path candidate = directory / name;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
    return std::nullopt;
}
} // namespace

std::optional<std::string> CSafeFileWriter::Write(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    // Saving through a symbolic link replaces the file it points at, not the link.
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        target = fs::weakly_canonical(path, ec);
        if (ec) return "cannot follow the link " + path.string();
    }

    const std::optional<fs::path> temporary = temporaryName(target);
    if (!temporary) return "cannot choose a temporary file name beside " + target.string();
    {
        std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot create a file in the folder of " + target.string();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(*temporary, ec);
            return "cannot write " + temporary->string();
        }
    }
    // Keep the permissions of the file being replaced.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old))
        fs::permissions(*temporary, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(*temporary, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        std::error_code ignored;
        fs::remove(*temporary, ignored);
        return "cannot replace " + target.string() + ": " + reason;
    }
    return std::nullopt;
}
