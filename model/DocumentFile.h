#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CSkemtorApp;
class CSkemtorDoc;

// Opening and saving the .tvx document file (the object archive of CSkemtorDoc).
// Messages name the file and are meant to be shown to the user as they are.
class CDocumentFile {
public:
    struct Result {
        bool ok = false;
        std::string message; // empty on success
    };

    // Larger than any drawable network could ever need; a bigger file is refused
    // before it is read into memory.
    static constexpr std::uintmax_t kMaxFileSize = 64u * 1024 * 1024;

    // Replaces the document with the file's content and sets the application's MVA base
    // and case name from it. On failure the document is left empty and the
    // application's values unchanged.
    static Result Load(const std::filesystem::path& path, CSkemtorDoc& doc, CSkemtorApp& app);
    // The same from bytes already in memory; `fileName` is what the messages name.
    static Result LoadBytes(std::string_view bytes, const std::string& fileName, CSkemtorDoc& doc,
                            CSkemtorApp& app);
    // Writes the document through a temporary file renamed over the old one, so a
    // failed save never loses the previous document.
    static Result Save(const std::filesystem::path& path, CSkemtorDoc& doc, CSkemtorApp& app);
};
