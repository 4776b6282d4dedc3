// libFuzzer target for the power flow case reader: the input bytes become pfinput.dat in
// the current directory and the whole power flow runs on it (reader, admittance build,
// iterations, result files). Any input must end in a status code, never a crash or a
// write outside a table.
#include "fuzz/ScratchDirectory.h"

#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    if (std::FILE* file = std::fopen(tarvex::files::kCaseFile, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    // The editor's settings with fewer iterations, so each input stays quick.
    if (std::FILE* file = std::fopen(tarvex::files::kPowerFlowParameters, "wb")) {
        std::fputs("   20  1.000000e-03 1.000000e-03  1\n", file);
        std::fclose(file);
    }
    tarvex::engine::PFLINFLO();
    return 0;
}
