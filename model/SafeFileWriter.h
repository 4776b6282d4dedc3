#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces a file without ever leaving it half written: the new content goes to a
// temporary file in the same directory, which is then renamed over the old file (a
// rename within one directory replaces the target in one step). When anything fails
// the old file is untouched and the temporary file is removed.
class CSafeFileWriter {
public:
    // Nothing on success, otherwise what went wrong (for the caller's message).
    static std::optional<std::string> Write(const std::filesystem::path& path,
                                            std::string_view bytes);
};
