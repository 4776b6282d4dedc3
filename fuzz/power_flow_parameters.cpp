// Feeds arbitrary bytes to the power flow engine as its settings file pfparam.dat, with
// a small valid case as pfinput.dat, both in the current directory. Whatever the
// settings say, the run must end with a status record in busotp.dat, never a crash.
#include "fuzz/ScratchDirectory.h"

#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Three buses, a transformer with an off-nominal tap, a generator with reactive limits.
const char* const kCase =
    "THREE BUS TEACHING CASE        100.0\n"
    "BUS DATA FOLLOWS\n"
    "   1 LOAD          1000  0 1.0000   0.00    80.00     30.00    0.00    0.00     0.0 "
    "1.0000     0.0     0.0     0.0  0.0000 0000 0000\n"
    "   2 SWING         1000  3 1.0500   0.00     0.00      0.00    0.00    0.00     0.0 "
    "1.0500     0.0     0.0     0.0  0.0000 0000 0000\n"
    "   3 HILL          1000  2 1.0200   0.00    20.00     10.00   60.00    0.00     0.0 "
    "1.0200   50.00  -20.00     0.0  0.0500 0000 0000\n"
    "-999\n"
    "BRANCH DATA FOLLOWS\n"
    "   1    2  1000 0 0  0.020000   0.060000  0.06000   100 00000 00000 0000 0  1.0000    "
    "0.00   0.0    0.0    0.0      0.0      0.0 0000\n"
    "   2    3  1000 0 1  0.000000   0.100000  0.00000    80 00000 00000 0000 0  0.9500    "
    "0.00   0.0    0.0    0.0      0.0      0.0 0000\n"
    "   1    3  1000 0 0  0.010000   0.040000  0.02000    50 00000 00000 0000 0  1.0000    "
    "0.00   0.0    0.0    0.0      0.0      0.0 0000\n"
    "-999\n"
    "LOSS ZONES FOLLOWS\n-99\nINTERCHANGE DATA FOLLOWS\n-9\nTIE LINES FOLLOWS\n-999\n"
    "END OF DATA\n";

void writeFile(const char* name, const void* data, std::size_t size) {
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

// The run iterates as often as the settings ask when the tolerances cannot be met (a
// zero tolerance, say), and writes a report line for each iteration. That is the run
// asked for, not a fault, but a billion of them does not fit a short fuzz run: such
// settings are left out. MAXIT is the first item, free format.
bool asksForLongRun(const std::uint8_t* data, std::size_t size) {
    constexpr long kMostIterations = 200;
    const auto separator = [](char c) {
        return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r';
    };
    std::size_t i = 0;
    while (i < size && separator(static_cast<char>(data[i]))) ++i;
    std::string item;
    while (i < size && !separator(static_cast<char>(data[i])) && item.size() < 63)
        item += static_cast<char>(data[i++]);
    return std::strtol(item.c_str(), nullptr, 10) > kMostIterations;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    if (asksForLongRun(data, size)) return 0;
    writeFile(tarvex::files::kCaseFile, kCase, std::strlen(kCase));
    writeFile(tarvex::files::kPowerFlowParameters, data, size);
    std::remove(tarvex::files::kBusResults);
    tarvex::engine::PFLINFLO();
    int status = -1;
    std::FILE* bus = std::fopen(tarvex::files::kBusResults, "rb");
    if (bus == nullptr) std::abort();
    const bool hasStatus = std::fscanf(bus, "%d", &status) == 1;
    std::fclose(bus);
    if (!hasStatus) std::abort();
    return 0;
}
