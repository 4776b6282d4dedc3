#include "engine/core/PowerFlow.h"

// PARBR: consecutive branch cards between the same two buses in the same orientation
// become one merged branch of B' and B'' (their 1/X and B_ij summed). Parallels listed
// apart or reversed stay separate entries; the factorization adds duplicate entries,
// so both give the same matrix.
namespace tarvex::engine {

void PARBR(PowerFlowModule& m) {
    m.NMBR = 0;
    for (int l = 1; l <= m.NBR; ++l) {
        const bool sameAsPrevious =
            l > 1 && m.FROMB[l] == m.FROMB[l - 1] && m.TOB[l] == m.TOB[l - 1];
        if (sameAsPrevious) {
            m.BPOFF[m.NMBR] += m.INVX[l];
            m.BOFF[m.NMBR] += m.BR_X[l];
            continue;
        }
        const int k = ++m.NMBR;
        m.MBR[k] = l;
        m.BPOFF[k] = m.INVX[l];
        m.BOFF[k] = m.BR_X[l];
    }
}

} // namespace tarvex::engine
