#include "engine/core/ExchangeFiles.h"
#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cmath>

// TSMAIN: read the inputs, start the machines from the solved power flow, step through
// time with the fault switched on and off, and write the swing curves to dyplot.dat.
// The status (0 on success) is the first record of tsstatus.dat; ERROR.LOG explains a
// failure in one line.
namespace tarvex::engine::stability {

namespace {

constexpr double kRadiansToDegrees = 180.0 / kPi;

void writeStatus(int code) {
    EngineFile file;
    file.open(files::kTransientStatus);
    Record record;
    record.blanks(3).integer(code, 4);
    file.write(record);
}

// PLOTOUT: voltage and angle of every plotted bus; a machine bus shows its rotor angle.
void PLOTOUT(StabilityModule& m, EngineFile& plot) {
    for (int k = 1; k <= m.NPLOT; ++k) {
        const int p = m.POS[m.IPLOT[k]];
        Record voltage;
        voltage.real(m.VM[p], 15, 6);
        plot.write(voltage);
        Record angle;
        angle.real((p <= m.NMAC ? m.DELTA[p] : m.VA[p]) * kRadiansToDegrees, 15, 6);
        plot.write(angle);
    }
}

void trackAngles(StabilityModule& m) {
    for (int i = 2; i <= m.NMAC; ++i) {
        const double d = std::fabs(m.DELTA[i] - m.DELTA[1]) * kRadiansToDegrees;
        if (d > m.MAXANGLE[i]) m.MAXANGLE[i] = d;
    }
}

} // namespace

int runStability(StabilityModule& m) {
    m.log.close();
    m.reset();
    m.log.open(files::kErrorLog);
    bool first = true;
    TSCASE(m);
    DYNRD(m);
    TSINIT(m);
    if (!m.status.failed()) {
        EngineFile plot;
        plot.open(files::kTransientPlot);
        const int steps = static_cast<int>(m.TMAX / m.DT);
        Record header;
        header.integer(m.NPLOT, 4).integer(steps + 1, 6);
        plot.write(header);
        double t = 0.0;
        while (t <= m.TMAX) {
            Record time;
            time.real(t, 8, 6);
            plot.write(time);
            if (first && t > m.TFAULT && t < m.TCLEAR) {
                m.FANY = true;
                first = false;
                m.FAULT[m.FBUS] = true;
            } else if (!first && t > m.TCLEAR) {
                m.FAULT[m.FBUS] = false;
                if (m.LFAULT) m.LTRIP = true;
            }
            if (m.FANY) FAULTSW(m);
            TSSTEP(m);
            if (m.status.failed()) break;
            PLOTOUT(m, plot);
            trackAngles(m);
            ++m.stepsRun;
            t += m.DT;
        }
    }
    m.log.close();
    writeStatus(m.status.code());
    return m.status.code();
}

StabilityModule& stabilityModule() {
    static StabilityModule module;
    return module;
}

int TSMAIN() {
    return runStability(stabilityModule());
}

} // namespace tarvex::engine::stability
