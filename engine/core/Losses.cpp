#include "engine/core/PowerFlow.h"

// PFLOSS, the final step of the power flow: the swing bus takes the active power the
// network needs, then the system figures, in MW and MVAR:
//   active loss   = BASEMVA * sum(PGEN - PLOAD)
//   line charging = sum over branches of V_from^2 SHFR_B + V_to^2 SHTO_B
//   shunts        = sum over shunts of V^2 SHB
//   reactive loss = BASEMVA * (sum(QGEN - QLOAD) + line charging + shunts)
// lossotp.dat, three records:
//   " " F12.4 active loss, "  " F12.4 reactive loss
//   " " F12.4 line charging * BASEMVA
//   " " F12.4 shunts * BASEMVA
namespace tarvex::engine {

void PFLOSS(PowerFlowModule& m) {
    if (m.status.failed()) return;
    m.PGEN[m.SLACK] = m.PCALC[m.SLACK] + m.PLOAD[m.SLACK];
    double p = 0.0, q = 0.0, charging = 0.0, shunts = 0.0;
    for (int i = 1; i <= m.NB; ++i) {
        p += m.PGEN[i] - m.PLOAD[i];
        q += m.QGEN[i] - m.QLOAD[i];
    }
    for (int l = 1; l <= m.NBR; ++l) {
        const double vf = m.VMAG[m.FROMB[l]];
        const double vt = m.VMAG[m.TOB[l]];
        charging += vf * vf * m.SHFR_B[l] + vt * vt * m.SHTO_B[l];
    }
    for (int s = 1; s <= m.NSH; ++s) {
        const double v = m.VMAG[m.SHBUS[s]];
        shunts += v * v * m.SHB[s];
    }
    m.PLOSS = m.BASEMVA * p;
    m.QLOSS = m.BASEMVA * (q + charging + shunts);
    m.QCHARGE = m.BASEMVA * charging;
    m.QSHUNT = m.BASEMVA * shunts;

    Record r;
    r.blanks(1).real(m.PLOSS, 12, 4).blanks(2).real(m.QLOSS, 12, 4);
    m.files.loss.write(r);
    r.clear();
    r.blanks(1).real(m.QCHARGE, 12, 4);
    m.files.loss.write(r);
    r.clear();
    r.blanks(1).real(m.QSHUNT, 12, 4);
    m.files.loss.write(r);
}

} // namespace tarvex::engine
