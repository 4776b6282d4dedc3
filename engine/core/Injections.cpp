#include "engine/core/PowerFlow.h"

#include <cmath>

// Net injections from the admittance matrix in polar form:
//   P_i = V_i^2 G_ii + sum_j V_i V_j (G_ij cos(t_i - t_j) + B_ij sin(t_i - t_j))
//   Q_i = -V_i^2 B_ii + sum_j V_i V_j (G_ij sin(t_i - t_j) - B_ij cos(t_i - t_j))
// summed branch by branch (G_ij, B_ij in BR_R, BR_X). The sine and cosine of each
// branch's angle difference are computed once per iteration, in the Q step, and the
// next P step reuses them. A phase shifter adds correction terms on its susceptance.
namespace tarvex::engine {

void CALCP(PowerFlowModule& m) {
    for (int i = 1; i <= m.NB; ++i) m.PCALC[i] = m.VMAG[i] * m.VMAG[i] * m.GDIAG[m.IPERM[i]];
    for (int l = 1; l <= m.NBR; ++l) {
        const int i = m.FROMB[l];
        const int j = m.TOB[l];
        const double v = m.VMAG[i] * m.VMAG[j];
        const double c = m.COSD[l];
        const double s = m.SIND[l];
        const double a = m.BR_R[l] * c * v;
        const double b = m.BR_X[l] * s * v;
        m.PCALC[i] += a + b;
        m.PCALC[j] += a - b;
        const double phi = m.PHS[l];
        if (phi != 0.0) {
            const double t =
                std::sin(phi) * (m.BR_X[l] * c * v) - (1.0 - std::cos(phi)) * (m.BR_X[l] * s * v);
            m.PCALC[i] += t;
            m.PCALC[j] -= t;
        }
    }
    m.PCALCDONE = true;
}

void CALCQ(PowerFlowModule& m) {
    for (int i = 1; i <= m.NB; ++i) m.QCALC[i] = -m.VMAG[i] * m.VMAG[i] * m.BDIAG[m.IPERM[i]];
    for (int l = 1; l <= m.NBR; ++l) {
        const int i = m.FROMB[l];
        const int j = m.TOB[l];
        const double v = m.VMAG[i] * m.VMAG[j];
        const double c = std::cos(m.VANG[i] - m.VANG[j]);
        const double s = std::sin(m.VANG[i] - m.VANG[j]);
        m.COSD[l] = c;
        m.SIND[l] = s;
        const double a = m.BR_R[l] * s * v;
        const double b = m.BR_X[l] * c * v;
        m.QCALC[i] += a - b;
        m.QCALC[j] -= a + b;
        const double phi = m.PHS[l];
        if (phi != 0.0) {
            const double u =
                std::sin(phi) * (m.BR_X[l] * s * v) + (1.0 - std::cos(phi)) * (m.BR_X[l] * c * v);
            m.QCALC[i] += u;
            m.QCALC[j] += u;
        }
    }
}

} // namespace tarvex::engine
