#include "engine/core/BranchFlows.h"

#include "engine/core/PowerFlow.h"

#include <cmath>

// Flow at one end i of a branch towards j, with the pi model of the admittance build
// (off-diagonal G + jB after tap scaling, shunt leg g + jb at end i):
//   v = V_i V_j, c = v cos(t_i - t_j), s = v sin(t_i - t_j)
//   P = s B + c G + (g - G) V_i^2
//   Q = s G - (b - B) V_i^2 - c B
// A phase shifter adds correction terms, with opposite signs of its sine at the two
// ends. The branch is overloaded when its rating is below the apparent power in MVA
// (a branch rated 0 is overloaded whenever it carries power).
namespace tarvex::engine {

BranchEndFlow branchEndFlow(const PowerFlowModule& m, int l, bool fromEnd) {
    BranchEndFlow f;
    f.bus = fromEnd ? m.FROMB[l] : m.TOB[l];
    f.other = fromEnd ? m.TOB[l] : m.FROMB[l];
    const double vi = m.VMAG[f.bus];
    const double v = vi * m.VMAG[f.other];
    const double angle = m.VANG[f.bus] - m.VANG[f.other];
    const double c = v * std::cos(angle);
    const double s = v * std::sin(angle);
    const double G = m.BR_R[l];
    const double B = m.BR_X[l];
    const double g = fromEnd ? m.SHFR_G[l] : m.SHTO_G[l];
    const double b = fromEnd ? m.SHFR_B[l] : m.SHTO_B[l];
    f.p = s * B + c * G + (g - G) * vi * vi;
    f.q = s * G - (b - B) * vi * vi - c * B;
    const double phi = m.PHS[l];
    if (phi != 0.0) {
        const double sign = fromEnd ? 1.0 : -1.0;
        f.p += sign * std::sin(phi) * (c * B) - (1.0 - std::cos(phi)) * (s * B);
        f.q += sign * std::sin(phi) * (s * B) + (1.0 - std::cos(phi)) * (c * B);
    }
    const double apparent = std::sqrt(f.p * f.p + f.q * f.q);
    f.current = apparent / vi;
    f.overloaded = static_cast<double>(m.RATE1[l]) < m.BASEMVA * apparent;
    return f;
}

void BRCHN(PowerFlowModule& m) {
    for (int i = 1; i <= m.NB; ++i) m.FRHEAD[i] = m.TOHEAD[i] = -1;
    // Walk backwards so that inserting at the head leaves each chain in file order.
    for (int l = m.NBR; l >= 1; --l) {
        m.FRNEXT[l] = m.FRHEAD[m.FROMB[l]];
        m.FRHEAD[m.FROMB[l]] = l;
        m.TONEXT[l] = m.TOHEAD[m.TOB[l]];
        m.TOHEAD[m.TOB[l]] = l;
    }
}

} // namespace tarvex::engine
