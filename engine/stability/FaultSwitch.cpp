#include "engine/stability/Stability.h"

#include <cmath>

// FAULTSW: a bolted three-phase fault is a very large shunt admittance on the faulted
// bus's diagonal; clearing restores the diagonal and, for a line fault, removes the
// line's series admittance from the network (its charging stays in the diagonals).
namespace tarvex::engine::stability {

void FAULTSW(StabilityModule& m) {
    for (int p = 1; p <= m.NBUS; ++p) {
        if (m.FAULT[p] && !m.APPLIED[p]) {
            m.YSAVE[p] = m.YB[p][p];
            m.YB[p][p] = Complex(-0.0, -kFaultAdmittance);
            m.APPLIED[p] = true;
        } else if (m.APPLIED[p] && !m.FAULT[p]) {
            m.APPLIED[p] = false;
            m.FANY = false;
            m.YB[p][p] = m.YSAVE[p];
            // The post-fault solution starts from the pre-fault magnitudes.
            for (int q = 1; q <= m.NBUS; ++q) m.VM[q] = m.VM0[q];
        }
    }
    if (m.LTRIP) {
        const int f = m.FBUS, t = m.TBUS;
        const Complex series = m.YB[f][t];
        for (int p : {f, t}) {
            m.YB[p][p] += series;
            if (std::abs(m.YB[p][p]) < kMinimumDiagonal)
                m.YB[p][p] = Complex(kMinimumDiagonal, 0.0);
        }
        m.YB[f][t] = Complex();
        m.YB[t][f] = Complex();
        m.LTRIP = false;
    }
}

} // namespace tarvex::engine::stability
