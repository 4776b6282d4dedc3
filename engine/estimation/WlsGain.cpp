#include "engine/core/Record.h"
#include "engine/estimation/Wls.h"

// WLSGAIN: the gain matrix G = H^T W H, rebuilt from scratch: for every measurement and
// every ordered pair of entries (e1, e2) of its row, e1 = e2 included, w H(e1) H(e2) is
// added at (column e1, column e2); an entry is created on first use, so the entry order
// (which the minimum-degree ordering sees) follows the rows of H. The right-hand side
// H^T W r is formed alongside.
namespace tarvex::engine {

void WLSGAIN(WlsModule& m) {
    const int n = m.N;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) m.GENTRY[r][c] = 0;
        m.RHS[r] = 0.0;
    }
    m.NG = 0;
    for (int z = 1; z <= m.M; ++z) {
        const double w = m.W[z];
        for (int e1 = m.HSTART[z]; e1 < m.HSTART[z + 1]; ++e1) {
            const int r = m.HCOL[e1];
            m.RHS[r] += m.HVAL[e1] * w * m.R[z];
            for (int e2 = m.HSTART[z]; e2 < m.HSTART[z + 1]; ++e2) {
                const int c = m.HCOL[e2];
                int& e = m.GENTRY[r][c];
                if (e == 0) {
                    // At most n * n entries, well inside the storage.
                    e = ++m.NG;
                    m.GROW[e] = r;
                    m.GCOL[e] = c;
                    m.GVAL[e] = 0.0;
                }
                m.GVAL[e] += w * m.HVAL[e1] * m.HVAL[e2];
            }
        }
    }
    for (int k = 1; k <= n; ++k) {
        if (m.GENTRY[k][k] == 0) {
            m.fail(kWlsEmptyGainRow);
            Record record;
            record.blanks(2).text("ERROR: PIVOT ROW ").integer(k, 2).text(" IS EMPTY");
            m.log.write(record);
            return;
        }
    }
    m.GAIN.clear();
    for (int e = 1; e <= m.NG; ++e) m.GAIN.add(m.GROW[e], m.GCOL[e], m.GVAL[e]);
}

} // namespace tarvex::engine
