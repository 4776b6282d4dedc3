#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CSkemtorApp;
class CSkemtorDoc;

// Regenerates the example documents: every source file NAME.txt in the source folder
// becomes the document file NAME.tvx in the output folder, written by the document's
// own archive exactly as File Save writes it.
class CExampleGenerator {
public:
    struct Report {
        std::vector<std::filesystem::path> written;
        std::vector<std::string> errors;   // "file:line: message"; nothing written for it
        std::vector<std::string> warnings; // diagram blemishes; the file is still written
    };

    // Reads one source file into a fresh document and application state. Throws
    // CSourceError for a fault in the file, naming it as `path` is spelt.
    static void Build(const std::filesystem::path& path, CSkemtorDoc& doc, CSkemtorApp& app);

    // Every *.txt of `sourceDir`, in name order.
    static Report GenerateAll(const std::filesystem::path& sourceDir,
                              const std::filesystem::path& outputDir);
};
