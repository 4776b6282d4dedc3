// Feeds arbitrary bytes to the error catalogue as tvx.err in the current directory and
// looks up the codes the engine and the editor report. Every lookup must end in one of
// the catalogue's messages, with an entry's text cut to its length limit.
#include "fuzz/ScratchDirectory.h"

#include "model/ErrorCatalogue.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The engine's status codes, the editor's own ones, and the ends of the integer range.
constexpr int kCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 80, 100, 101, 200, -1, INT_MAX, INT_MIN};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (std::FILE* file = std::fopen(CErrorCatalogue::kFileName, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    for (const int code : kCodes) {
        const std::optional<std::string> text = CErrorCatalogue::FindText(bytes, code);
        if (text && text->size() > CErrorCatalogue::kMaxTextLength) std::abort();
        const std::string message = CErrorCatalogue::Message(code, {});
        if (text) {
            if (message != "Error: " + std::to_string(code) + ".  " + *text) std::abort();
        } else if (message != CErrorCatalogue::kNotFound) {
            std::abort();
        }
    }
    return 0;
}
