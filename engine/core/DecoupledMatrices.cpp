#include "engine/core/PowerFlow.h"

// BMATRX: the fast decoupled matrices in coordinate form, of order NB - 1 (the swing
// bus at position 1 is left out; matrix row r is bus position r + 1).
//   B'  : diagonal sum(1/x) over the bus's branches, off-diagonals -1/x (XB form:
//         reactances only, no resistance, charging, tap or shunt);
//   B'' : -B of the admittance matrix.
// B'' then gets 1.0E22 on the diagonal of every voltage-controlled bus, which pins its
// voltage correction to zero; VALBPP0 keeps the untreated values so the iterations can
// redo the treatment when a generator changes type.
namespace tarvex::engine {

namespace {

// A voltage-controlled bus's B'' diagonal: large enough that the correction vanishes.
constexpr double kPinnedDiagonal = 1.0E22;

void add(PowerFlowModule& m, int row, int column, double bp, double bpp) {
    if (m.NZ >= kMaxMatrixEntries) return; // cannot happen within the bus and branch limits
    const int e = ++m.NZ;
    m.IROW[e] = row;
    m.JCOL[e] = column;
    m.VALBP[e] = bp;
    m.VALBPP[e] = bpp;
}

} // namespace

void BMATRX(PowerFlowModule& m) {
    m.NZ = 0;
    for (int p = 2; p <= m.NB; ++p) add(m, p - 1, p - 1, -m.BPDG[p], -m.BDIAG[p]);
    for (int k = 1; k <= m.NMBR; ++k) {
        const int l = m.MBR[k];
        const int pf = m.IPERM[m.FROMB[l]];
        const int pt = m.IPERM[m.TOB[l]];
        if (pf == 1 || pt == 1) continue;
        add(m, pf - 1, pt - 1, -m.BPOFF[k], -m.BOFF[k]);
        add(m, pt - 1, pf - 1, -m.BPOFF[k], -m.BOFF[k]);
    }
    for (int e = 1; e <= m.NZ; ++e) {
        m.IROW0[e] = m.IROW[e];
        m.JCOL0[e] = m.JCOL[e];
        m.VALBPP0[e] = m.VALBPP[e];
    }
    for (int e = 1; e <= m.NZ; ++e) {
        if (m.IROW[e] == m.JCOL[e] && m.BTYPE[m.PERM[m.IROW[e] + 1]] == 3) {
            m.VALBPP[e] = kPinnedDiagonal;
        }
    }
    m.NZP = m.NZPP = m.NZ;
}

} // namespace tarvex::engine
