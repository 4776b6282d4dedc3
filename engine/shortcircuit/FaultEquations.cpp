#include "engine/shortcircuit/ShortCircuit.h"
#include "engine/shortcircuit/ShortCircuitStatus.h"

#include <cmath>
#include <utility>

// FAULTS: the sequence currents I0, I1, I2 drawn from each faulted bus into its fault.
//
// With no load current and 1.0 p.u. before the fault everywhere, the sequence voltages
// during the faults are, at any bus i (the negative network equals the positive one),
//   V1_i = 1 - sum_g Z1(i, k_g) I1_g,   V2_i = - sum_g Z1(i, k_g) I2_g,
//   V0_i = - sum_g Z0(i, k_g) I0_g,
// over the faults g at buses k_g. Each bolted fault f at bus k adds three equations:
//   three-phase (type 3), the phases joined together:  V1_k = 0, V2_k = 0, I0_f = 0;
//   line to ground on phase a (type 1):  I0_f = I1_f = I2_f and V0_k + V1_k + V2_k = 0.
// For one fault these give the textbook currents I = 1 / Z1kk and I = 3 / (2 Z1kk +
// Z0kk). A line-to-ground fault in a zero-sequence island with no path to ground sees an
// infinite Z0kk: its equations become I0_f = I1_f = I2_f = 0.
// Unknown 3(f-1) + s + 1 is the sequence-s current of fault f; the dense system is solved
// by Gaussian elimination with partial pivoting.
namespace tarvex::engine::shortcircuit {

namespace {

int unknown(int f, int s) {
    return 3 * (f - 1) + s + 1;
}

void clearRow(ShortCircuitModule& m, int row, int size) {
    for (int c = 1; c <= size; ++c) m.FA[row][c] = 0.0;
    m.FB[row] = 0.0;
}

// Row `row` := the sequence-s voltage at fault f's bus, as coefficients of the currents
// (added to what the row holds), with the pre-fault voltage moved to the right side.
void addVoltage(ShortCircuitModule& m, int row, int f, int s) {
    const SequenceNetwork& net = s == kZero ? m.ZERO : m.POS;
    const int k = m.FBUS[f];
    for (int g = 1; g <= m.NFAULT; ++g) m.FA[row][unknown(g, s)] += net.zcol[g][k];
    if (s == kPositive) m.FB[row] += 1.0;
}

bool solve(ShortCircuitModule& m, int size) {
    for (int c = 1; c <= size; ++c) {
        int pivot = c;
        for (int r = c + 1; r <= size; ++r)
            if (std::abs(m.FA[r][c]) > std::abs(m.FA[pivot][c])) pivot = r;
        if (!(std::abs(m.FA[pivot][c]) > 1.0E-12)) return false;
        std::swap(m.FA[pivot], m.FA[c]);
        std::swap(m.FB[pivot], m.FB[c]);
        for (int r = c + 1; r <= size; ++r) {
            const Complex factor = m.FA[r][c] / m.FA[c][c];
            if (factor == Complex(0.0, 0.0)) continue;
            for (int j = c; j <= size; ++j) m.FA[r][j] -= factor * m.FA[c][j];
            m.FB[r] -= factor * m.FB[c];
        }
    }
    for (int r = size; r >= 1; --r) {
        Complex sum = m.FB[r];
        for (int j = r + 1; j <= size; ++j) sum -= m.FA[r][j] * m.FB[j];
        m.FB[r] = sum / m.FA[r][r];
    }
    return true;
}

} // namespace

void FAULTS(ShortCircuitModule& m) {
    const int size = 3 * m.NFAULT;
    for (int s = 0; s < 3; ++s)
        for (int f = 0; f <= kMaxFaults; ++f) m.IFAULT[s][f] = 0.0;
    if (size == 0) return;
    for (int f = 1; f <= m.NFAULT; ++f) {
        const int r0 = unknown(f, kZero), r1 = unknown(f, kPositive), r2 = unknown(f, kNegative);
        clearRow(m, r0, size);
        clearRow(m, r1, size);
        clearRow(m, r2, size);
        if (m.FTYPE[f] == 3) {
            addVoltage(m, r1, f, kPositive);
            addVoltage(m, r2, f, kNegative);
            m.FA[r0][r0] = 1.0;
        } else if (!m.ZERO.isGrounded(m.FBUS[f])) {
            m.FA[r0][r0] = 1.0;
            m.FA[r1][r1] = 1.0;
            m.FA[r2][r2] = 1.0;
        } else {
            m.FA[r0][r0] = 1.0;
            m.FA[r0][r1] = -1.0;
            m.FA[r2][r2] = 1.0;
            m.FA[r2][r1] = -1.0;
            addVoltage(m, r1, f, kZero);
            addVoltage(m, r1, f, kPositive);
            addVoltage(m, r1, f, kNegative);
        }
    }
    if (!solve(m, size)) {
        Record r;
        r.text(" SHORT CIRCUIT: THE FAULT EQUATIONS ARE SINGULAR");
        m.fail(kSolutionFailed, r);
        return;
    }
    for (int f = 1; f <= m.NFAULT; ++f)
        for (int s = 0; s < 3; ++s) m.IFAULT[s][f] = m.FB[unknown(f, s)];
}

} // namespace tarvex::engine::shortcircuit
