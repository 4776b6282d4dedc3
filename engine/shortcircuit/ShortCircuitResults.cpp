#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"

#include <cmath>
#include <numbers>

// SCRESULT and SCOUT: phase-a quantities from the sequence ones (a = 0 + 1 + 2) and the
// two result files. Conventions: per unit and degrees; a fault current is the current
// drawn from the bus into the fault; a branch current flows from the record's first bus
// towards its second.
namespace tarvex::engine::shortcircuit {

namespace {

Complex branchCurrent(const SequenceNetwork& net, const std::array<Complex, kMaxBuses + 1>& v,
                      int k) {
    return (v[net.from[k]] - v[net.to[k]]) / Complex(net.r[k], net.x[k]);
}

// Magnitude and angle in degrees; a magnitude that is zero to rounding shows as 0 at 0.
void polar(Complex value, double& magnitude, double& degrees) {
    magnitude = std::abs(value);
    degrees = magnitude < 1.0E-12 ? 0.0 : std::arg(value) * 180.0 / std::numbers::pi;
    if (magnitude < 1.0E-12) magnitude = 0.0;
}

} // namespace

void SCRESULT(ShortCircuitModule& m) {
    const int n = m.NBUS;
    // Ground (node 0) stays at zero in every sequence.
    for (int s = 0; s < 3; ++s) m.V[s][0] = 0.0;
    for (int i = 1; i <= n; ++i) {
        Complex v1 = 1.0, v2 = 0.0, v0 = 0.0;
        for (int g = 1; g <= m.NFAULT; ++g) {
            v1 -= m.POS.zcol[g][i] * m.IFAULT[kPositive][g];
            v2 -= m.POS.zcol[g][i] * m.IFAULT[kNegative][g];
            v0 -= m.ZERO.zcol[g][i] * m.IFAULT[kZero][g];
        }
        m.V[kPositive][i] = v1;
        m.V[kNegative][i] = v2;
        m.V[kZero][i] = v0;
        m.VA[i] = v0 + v1 + v2;
        m.IA[i] = 0.0;
    }
    for (int f = 1; f <= m.NFAULT; ++f)
        m.IA[m.FBUS[f]] = m.IFAULT[kZero][f] + m.IFAULT[kPositive][f] + m.IFAULT[kNegative][f];
    for (int k = 1; k <= m.POS.count; ++k) {
        m.IBRANCH[k] = 0.0;
        if (m.POS.from[k] == 0 || m.POS.to[k] == 0) continue;
        Complex current =
            branchCurrent(m.POS, m.V[kPositive], k) + branchCurrent(m.POS, m.V[kNegative], k);
        if (const int z = m.ZMATCH[k]; z != 0) {
            // The zero-sequence record may name the pair the other way round.
            const Complex i0 = branchCurrent(m.ZERO, m.V[kZero], z);
            current += m.ZERO.from[z] == m.POS.from[k] ? i0 : -i0;
        }
        m.IBRANCH[k] = current;
    }
}

void SCOUT(ShortCircuitModule& m) {
    double magnitude = 0, angle = 0, current = 0, currentAngle = 0;
    for (int i = 1; i <= m.NBUS; ++i) {
        polar(m.VA[i], magnitude, angle);
        polar(m.IA[i], current, currentAngle);
        Record r;
        r.integer(i, 5).blanks(1).real(magnitude, 12, 6).blanks(1).real(angle, 10, 4);
        r.blanks(1).real(current, 14, 6).blanks(1).real(currentAngle, 10, 4);
        m.busFile.write(r);
    }
    for (int k = 1; k <= m.POS.count; ++k) {
        if (m.POS.from[k] == 0 || m.POS.to[k] == 0) continue;
        polar(m.IBRANCH[k], current, currentAngle);
        Record r;
        r.integer(m.POS.from[k], 5).blanks(1).integer(m.POS.to[k], 5).blanks(1);
        r.real(current, 14, 6).blanks(1).real(currentAngle, 10, 4);
        m.lineFile.write(r);
    }
}

} // namespace tarvex::engine::shortcircuit
