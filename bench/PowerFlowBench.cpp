// The power flow entry point end to end, as the editor calls it: PFLINFLO reads
// pfinput.dat and pfparam.dat from the working directory, builds the matrices,
// iterates and writes every result file and the report. Cases: the IEEE 14-bus test
// case and a made-up 39-bus grid (bench/data/thirty_nine_bus.dat: ten generators on
// step-up transformers into a 20-bus ring with two chords, nine subtransmission buses
// fed from the ring, two areas, three capacitor banks).
#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh temporary working directory holding the case and the editor's default
// settings, entered for the benchmark's lifetime.
class CaseDirectory {
public:
    explicit CaseDirectory(const fs::path& caseFile) : m_previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "tarvex-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        m_path = pattern;
        fs::current_path(m_path);
        writeAll(tarvex::files::kCaseFile, readAll(caseFile));
        writeAll(tarvex::files::kPowerFlowParameters, "   100  1.000000e-03 1.000000e-03  1\n");
    }
    ~CaseDirectory() {
        std::error_code ec;
        fs::current_path(m_previous, ec);
        fs::remove_all(m_path, ec);
    }
    CaseDirectory(const CaseDirectory&) = delete;
    CaseDirectory& operator=(const CaseDirectory&) = delete;

private:
    fs::path m_previous;
    fs::path m_path;
};

void runCase(benchmark::State& state, const fs::path& caseFile) {
    CaseDirectory dir(caseFile);
    tarvex::engine::PFLINFLO();
    const tarvex::engine::PowerFlowModule& m = tarvex::engine::powerFlowModule();
    if (m.status.failed()) {
        state.SkipWithError("the power flow failed on the benchmark case");
        return;
    }
    for (auto _ : state) {
        tarvex::engine::PFLINFLO();
        benchmark::DoNotOptimize(m.VMAG[1]);
    }
    state.counters["buses"] = m.NB;
    state.counters["half-iterations"] = m.HALFIT;
}

void BM_PowerFlowIeee14(benchmark::State& state) {
    runCase(state, fs::path(TARVEX_CASES_DIR) / "ieee14cdf.txt");
}
BENCHMARK(BM_PowerFlowIeee14)->Unit(benchmark::kMicrosecond);

void BM_PowerFlow39Bus(benchmark::State& state) {
    runCase(state, fs::path(TARVEX_BENCH_DATA_DIR) / "thirty_nine_bus.dat");
}
BENCHMARK(BM_PowerFlow39Bus)->Unit(benchmark::kMicrosecond);

} // namespace
