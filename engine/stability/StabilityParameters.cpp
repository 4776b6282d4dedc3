#include "engine/core/CaseFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/stability/FreeFormat.h"
#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cmath>

// TSPARM: the simulation settings, one value per line (tolerance, step, time, fault
// kind, fault start and clearing, the two fault buses), then "BUS TO PLOT" with the
// count in columns 13-16 and one plotted bus per line in columns 5-8.
namespace tarvex::engine::stability {

namespace {

void shortSettings(StabilityModule& m, const char* what) {
    Record r;
    r.text(" DATA ERROR : ").text(files::kTransientParameters).text(" IS MISSING OR SHORT (");
    r.text(what).text(")");
    m.fail(kShortInput, r);
}

void badSetting(StabilityModule& m, const char* what, int value) {
    Record r;
    r.text(" DATA ERROR : ").text(files::kTransientParameters).text(": ").text(what).text(" ");
    r.number(value);
    m.fail(kShortInput, r);
}

} // namespace

void TSPARM(StabilityModule& m) {
    if (m.status.failed()) return;
    CaseFile file;
    if (!file.open(files::kTransientParameters)) {
        shortSettings(m, "NO FILE");
        return;
    }
    FreeFormatReader reader(file);
    double values[3] = {};
    int kind = 0;
    double times[2] = {};
    int fbus = 0, tbus = 0;
    if (!reader.reals(values, 3) || !reader.integer(kind) || !reader.reals(times, 2) ||
        !reader.integer(fbus) || !reader.integer(tbus)) {
        shortSettings(m, "SETTINGS");
        return;
    }
    m.TOL = values[0];
    m.DT = values[1];
    m.TMAX = values[2];
    m.LFAULT = (kind & 1) != 0;
    m.TFAULT = times[0];
    m.TCLEAR = times[1];
    m.FBUS = fbus;
    m.TBUS = m.LFAULT ? tbus : 0;
    CaseCard card;
    if (!file.next(card) || !card.readInt(13, 16, m.NPLOT)) {
        shortSettings(m, "BUS TO PLOT");
        return;
    }
    if (m.NPLOT < 0 || m.NPLOT > kMaxPlotted) {
        Record r;
        r.text(" CAPACITY : ").number(m.NPLOT).text(" PLOTTED BUSES, AT MOST ").number(kMaxPlotted);
        m.fail(kCapacity, r);
        return;
    }
    // The Variables to Plot dialog offers lines too ("Line 1-2"), which the program
    // cannot plot: a name without a bus number in columns 5-8 is passed over rather
    // than ending the run.
    const int listed = m.NPLOT;
    m.NPLOT = 0;
    for (int k = 1; k <= listed; ++k) {
        if (!file.next(card)) {
            shortSettings(m, "PLOTTED BUS");
            return;
        }
        int bus = 0;
        if (!card.readInt(5, 8, bus)) continue;
        if (bus < 1 || bus > m.NBUS) {
            badSetting(m, "PLOTTED BUS NOT IN THE CASE", bus);
            return;
        }
        m.IPLOT[++m.NPLOT] = bus;
    }
    if (m.TMAX > 10.0) m.TMAX = kTimeCap;
    // A step that is not positive would never end the run; a fault bus outside the case
    // has no row in the network.
    if (!(m.DT > 0.0) || !std::isfinite(m.TMAX) || m.TMAX / m.DT > 1.0E6) {
        shortSettings(m, "TIME STEP NOT POSITIVE OR TOO SMALL FOR THE SIMULATION TIME");
        return;
    }
    if (m.FBUS < 1 || m.FBUS > m.NBUS) {
        badSetting(m, "FAULTED BUS NOT IN THE CASE", m.FBUS);
        return;
    }
    if (m.LFAULT && (m.TBUS < 1 || m.TBUS > m.NBUS || m.TBUS == m.FBUS)) {
        badSetting(m, "FAULTED LINE END NOT IN THE CASE", m.TBUS);
        return;
    }
}

} // namespace tarvex::engine::stability
