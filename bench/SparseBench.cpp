// Factoring and solving a B' matrix of a 30-bus network, the size the power flow meets:
// a full factorization once per run, then a substitution per half-iteration.
#include "engine/core/sparse/Sparse.h"
#include "engine/core/sparse/SparseStorage.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

namespace {

using tarvex::engine::CSparseStorage;
using tarvex::engine::SPARSE;
using tarvex::engine::SparseOptions;

constexpr int kBuses = 30;
constexpr int kOrder = kBuses - 1; // the swing bus (bus 1) has no row

struct Branch {
    int from;
    int to;
    double x;
};

// A meshed 30-bus network: a ring with chords every few buses and 41 branches, about as
// many as the standard 30-bus test case, reactances spread over 0.04..0.4 p.u.
std::vector<Branch> network() {
    std::vector<Branch> branches;
    for (int i = 1; i <= kBuses; ++i) {
        branches.push_back({i, i % kBuses + 1, 0.04 + 0.01 * (i % 7)});
    }
    for (int i = 1; i + 7 <= kBuses; i += 3) branches.push_back({i, i + 7, 0.1 + 0.03 * (i % 5)});
    return branches;
}

// B' in coordinate form over buses 2..30 (matrix rows 1..29): 1/x off the diagonal with a
// minus sign, the sum on the diagonal; each branch adds its own entries (no merging).
void loadBPrime(tarvex::engine::CSparseMatrix& m, const std::vector<Branch>& branches) {
    std::vector<double> diagonal(kBuses + 1, 0.0);
    m.clear();
    for (const Branch& b : branches) {
        diagonal[b.from] += 1.0 / b.x;
        diagonal[b.to] += 1.0 / b.x;
        if (b.from == 1 || b.to == 1) continue;
        m.add(b.from - 1, b.to - 1, -1.0 / b.x);
        m.add(b.to - 1, b.from - 1, -1.0 / b.x);
    }
    for (int i = 2; i <= kBuses; ++i) m.add(i - 1, i - 1, diagonal[i]);
}

std::vector<double> rightHandSide() {
    std::vector<double> rhs(kOrder + 1, 0.0);
    for (int i = 1; i <= kOrder; ++i) rhs[i] = 0.01 * ((i * 37) % 11 - 5);
    return rhs;
}

CSparseStorage<12000, 40>& storage() {
    static CSparseStorage<12000, 40> m;
    return m;
}

void BM_FactorAndSolve(benchmark::State& state) {
    const auto branches = network();
    auto& m = storage();
    std::ostringstream log;
    for (auto _ : state) {
        loadBPrime(m, branches);
        std::vector<double> rhs = rightHandSide();
        const int ierr =
            SPARSE(m, rhs, kOrder, 30 * kBuses, 1.0E-8, 1, SparseOptions::powerFlow(), log);
        if (ierr != 0) {
            state.SkipWithError("factorization failed");
            break;
        }
        benchmark::DoNotOptimize(rhs.data());
    }
}
BENCHMARK(BM_FactorAndSolve);

void BM_SolveOnly(benchmark::State& state) {
    const auto branches = network();
    auto& m = storage();
    std::ostringstream log;
    loadBPrime(m, branches);
    std::vector<double> rhs = rightHandSide();
    if (SPARSE(m, rhs, kOrder, 30 * kBuses, 1.0E-8, 1, SparseOptions::powerFlow(), log) != 0) {
        state.SkipWithError("factorization failed");
        return;
    }
    for (auto _ : state) {
        rhs = rightHandSide();
        const int ierr =
            SPARSE(m, rhs, kOrder, 30 * kBuses, 1.0E-8, 0, SparseOptions::powerFlow(), log);
        benchmark::DoNotOptimize(ierr);
        benchmark::DoNotOptimize(rhs.data());
    }
}
BENCHMARK(BM_SolveOnly);

void BM_MinimumDegreeFactorAndSolve(benchmark::State& state) {
    const auto branches = network();
    auto& m = storage();
    std::ostringstream log;
    for (auto _ : state) {
        loadBPrime(m, branches);
        std::vector<double> rhs = rightHandSide();
        const int ierr =
            SPARSE(m, rhs, kOrder, 30 * kBuses, 1.0E-6, 1, SparseOptions::gainMatrix(true), log);
        if (ierr != 0) {
            state.SkipWithError("factorization failed");
            break;
        }
        benchmark::DoNotOptimize(rhs.data());
    }
}
BENCHMARK(BM_MinimumDegreeFactorAndSolve);

} // namespace
