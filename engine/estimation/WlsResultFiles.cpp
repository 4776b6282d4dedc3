#include "engine/core/Record.h"
#include "engine/estimation/Wls.h"

#include <cmath>

// WLSVHAT and WLSZHAT: the estimated state and the measured and estimated value of
// every measurement.
//   Vhat.dat, per bus in file order: 6 blanks, bus I4, 6 blanks, V F10.4, 5 blanks,
//     angle in degrees F9.2 (brought into (-180, 180]).
//   Zhat.dat: the status record 0, then per measurement in z order 2 blanks, kind I5,
//     then from, to I5 each (flows and currents) or the bus I5 and 5 blanks, then the
//     measured value (noise included) and the estimated value z - r, F12.5 each.
namespace tarvex::engine {

void WLSVHAT(WlsModule& m) {
    const double pi = 4.0 * std::atan(1.0);
    for (int i = 1; i <= m.net.NB; ++i) {
        double theta = m.TH[i];
        theta -= 2.0 * pi * std::trunc(theta / (2.0 * pi));
        if (theta > pi) {
            theta -= 2.0 * pi;
        } else if (theta < -pi) {
            theta += 2.0 * pi;
        }
        Record record;
        record.blanks(6).integer(m.net.EXTNUM[i], 4).blanks(6).real(m.V[i], 10, 4);
        record.blanks(5).real(theta * 180.0 / pi, 9, 2);
        m.vhat.write(record);
    }
}

void WLSZHAT(WlsModule& m) {
    Record record;
    record.item(0LL);
    m.zhat.write(record);
    for (int z = 1; z <= m.M; ++z) {
        const Measurement& meas = m.set.items[m.SETIDX[z]];
        record.clear();
        record.blanks(2).integer(meas.kind, 5).integer(meas.from, 5);
        if (isBranchKind(meas.kind)) {
            record.integer(meas.to, 5);
        } else {
            record.blanks(5);
        }
        record.real(m.Z[z], 12, 5).real(m.Z[z] - m.R[z], 12, 5);
        m.zhat.write(record);
    }
}

} // namespace tarvex::engine
