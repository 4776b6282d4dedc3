#pragma once

#include "engine/shortcircuit/ShortCircuitLimits.h"

#include <array>
#include <complex>

// The tables of one short-circuit run: the faults and the two sequence networks as read
// from short.dat, the sequence impedance columns of the faulted buses, the fault
// currents and the results. Index 0 of every bus or record table is unused (1-based).
namespace tarvex::engine::shortcircuit {

using Complex = std::complex<double>;

// One sequence network as written in short.dat: element records between two nodes, bus
// numbers 1..N with 0 for ground.
struct SequenceNetwork {
    int count = 0;
    std::array<int, kMaxRecords + 1> from{}, to{};
    std::array<double, kMaxRecords + 1> r{}, x{};
    // Island (connected part, branches only) of each bus and whether an island holds an
    // element to ground; island numbers are the lowest bus of the island.
    std::array<int, kMaxBuses + 1> island{};
    std::array<bool, kMaxBuses + 1> grounded{};
    // Impedance columns Z(:, k) of the faulted buses: column f is the bus voltage
    // response to a unit current injected at fault f's bus; zero outside its island.
    std::array<std::array<Complex, kMaxBuses + 1>, kMaxFaults + 1> zcol{};

    bool isGrounded(int bus) const { return grounded[island[bus]]; }
};

enum Sequence { kZero = 0, kPositive = 1, kNegative = 2 };

struct ShortCircuitTables {
    int NBUS = 0;
    int NFAULT = 0;
    std::array<int, kMaxFaults + 1> FBUS{}, FTYPE{};

    SequenceNetwork POS, ZERO; // the negative sequence equals the positive one
    // For each positive-sequence record, the zero-sequence record of the same branch
    // (0 when none): the k-th record of a bus pair in one section is the k-th in the other.
    std::array<int, kMaxRecords + 1> ZMATCH{};

    // Sequence currents drawn from each faulted bus into its fault, I[s][f].
    std::array<std::array<Complex, kMaxFaults + 1>, 3> IFAULT{};
    // Sequence voltages during the fault, V[s][bus].
    std::array<std::array<Complex, kMaxBuses + 1>, 3> V{};
    // Phase-a results: bus voltage, fault current into the fault (zero at an unfaulted
    // bus), and branch current from `from` towards `to` of each positive record.
    std::array<Complex, kMaxBuses + 1> VA{}, IA{};
    std::array<Complex, kMaxRecords + 1> IBRANCH{};

    // Dense fault equations A x = b in 1-based storage.
    std::array<std::array<Complex, kMaxFaultUnknowns + 1>, kMaxFaultUnknowns + 1> FA{};
    std::array<Complex, kMaxFaultUnknowns + 1> FB{};

    // Elimination order of the buses (step -> bus and bus -> step) and the right-hand
    // side in the real form of the complex equations.
    std::array<int, kMaxBuses + 1> ORDERBUS{}, STEP{};
    std::array<double, 2 * kMaxBuses + 1> RHS{};
    std::array<Complex, kMaxBuses + 1> YDIAG{};
};

} // namespace tarvex::engine::shortcircuit
