// libFuzzer target for the power flow case reader: the input bytes become pfinput.dat in
// the current directory and the reader and the admittance build run on it. Any input
// must end in a status code, never a crash or a write outside a table.
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
    tarvex::engine::PowerFlowModule& m = tarvex::engine::powerFlowModule();
    m.reset();
    m.files.openAll();
    tarvex::engine::READPF(m);
    if (!m.status.failed()) tarvex::engine::YMATRX(m);
    m.files.closeAll();
    return 0;
}
