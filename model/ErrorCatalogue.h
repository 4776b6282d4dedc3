#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The error catalogue tvx.err: the words for every status code the engine writes at
// the head of its result files and for the editor's own codes (100 no slack bus,
// 101 too many buses, 200 no buses for the meter cost). Each entry is an integer code,
// white space (blanks or a line break) and the message text to the end of its line;
// entries may be separated by any white space. The catalogue is read afresh for every
// lookup.
//
// It is looked for in the working directory first, then in the install directories the
// caller names (normally the executable's directory, where the build places it), so a
// program started from a folder without a catalogue still finds the shipped one.
class CErrorCatalogue {
public:
    static constexpr const char* kFileName = "tvx.err";
    static constexpr const char* kOpenError = "Error opening tvx.err";
    static constexpr const char* kNotFound = "Analysis Error.  Specific error not found in tvx.err";
    // Text taken from an entry, its line feed included.
    static constexpr std::size_t kMaxTextLength = 199;

    // The message to show for `code`: "Error: <code>.  <text>" with the entry's text
    // and its line end, or one of the two messages above.
    static std::string Message(int code, const std::vector<std::filesystem::path>& installDirs);

    // The catalogue file used: tvx.err in the working directory, else in the first
    // install directory that has one.
    static std::optional<std::filesystem::path>
    Find(const std::vector<std::filesystem::path>& installDirs);

    // The text of the first entry for `code` in catalogue content `catalogue`. A line
    // that does not start with a code is skipped; a text longer than 199 characters is
    // cut there and the rest of its line skipped, so it is never read as entries.
    static std::optional<std::string> FindText(std::string_view catalogue, int code);

    // The directory of the running executable, or nothing when it cannot be told.
    static std::optional<std::filesystem::path> ExecutableDirectory();
};
