// Feeds arbitrary bytes to the settings reader as tvx.ini in the current directory. Any
// file must load (a damaged one leaves the values it could not read at their defaults),
// and the settings written back must read again to the very same file: the values read
// are ones the program can keep.
#include "fuzz/ScratchDirectory.h"

#include "model/Settings.h"
#include "model/SkemtorApp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    if (std::FILE* file = std::fopen(CSettings::kFileName, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    CSkemtorApp app;
    if (CSettings::LoadSettings(app)) std::abort(); // the file is there
    const std::string written = CSettings::Format(app);
    if (CSettings::SaveSettings(app)) std::abort();
    CSkemtorApp again;
    if (CSettings::LoadSettings(again) || CSettings::Format(again) != written) std::abort();
    return 0;
}
