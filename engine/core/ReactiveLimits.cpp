#include "engine/core/PowerFlow.h"

// QLIMIT: generators of the generator table move between voltage control (type 3) and
// load bus (type 2). A voltage-controlled generator whose reactive output passes a
// limit is held at that limit as a load bus. A held generator returns to voltage
// control at its set point when its voltage shows it no longer needs the limit: held
// at the minimum with the voltage below the set point, or at the maximum with the
// voltage above it. Every move forces a new B'' factorization.
namespace tarvex::engine {

void QLIMIT(PowerFlowModule& m) {
    m.QLIMDONE = true;
    for (int k = 1; k <= m.NGEN; ++k) {
        const int b = m.GENBUS[k];
        if (m.BTYPE[b] == 3) {
            if (m.QGEN[b] > m.QMAX[k]) {
                m.QGEN[b] = m.QMAX[k];
                m.BTYPE[b] = 2;
                m.SWITCHED = true;
                ++m.NTOPQ;
            }
            if (m.QGEN[b] < m.QMIN[k]) {
                m.QGEN[b] = m.QMIN[k];
                m.BTYPE[b] = 2;
                m.SWITCHED = true;
                ++m.NTOPQ;
            }
        } else {
            const bool atMin = m.QGEN[b] == m.QMIN[k] && m.VMAG[b] < m.GENV[k];
            const bool atMax = m.QGEN[b] == m.QMAX[k] && m.VMAG[b] > m.GENV[k];
            if (atMin || atMax) {
                m.BTYPE[b] = 3;
                m.VMAG[b] = m.GENV[k];
                m.SWITCHED = true;
                ++m.NTOPV;
            }
        }
    }
}

} // namespace tarvex::engine
