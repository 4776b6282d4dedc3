#include "engine/core/ExchangeFiles.h"
#include "engine/opf/FreeFormatReader.h"
#include "engine/opf/Opf.h"

#include <cstdio>

// opfinputgen.dat, free format:
//   NOPG NSEG NXOPG (a fourth item is ignored)
//   NOPG + NXOPG records: the bus number, then NSEG lines of power (MW) and cost ($/hr)
//   ICONS OMAXIT CTOL VMAXO VMINO
// The NXOPG records (reactive cost curves) are read and not used. Each generator record
// belongs to the generator of the bus it names, the swing bus or a voltage-controlled
// bus of the case, and every such bus needs exactly one record; the records may come in
// any order (the editor writes them in the order the generators were drawn).
namespace tarvex::engine {

namespace {

// Statuses of malformed generator data.
constexpr int kUnreadableData = 72;
constexpr int kNotAGeneratorBus = 73;
constexpr int kGeneratorRecordCount = 74;
constexpr int kCostPointsNotIncreasing = 75;

// The swing bus's reactive range in the dispatch program, MVAr.
constexpr double kSwingReactiveLimitMvar = 300.0;
// Voltage allowance added to the upper limit typed by the user, p.u.
constexpr double kUpperVoltageAllowance = 0.001;

void busError(OpfModule& s, int code, const char* what, int bus) {
    s.fail(code);
    char text[160];
    std::snprintf(text, sizeof text, " DATA ERROR : opfinputgen.dat, GENERATOR AT BUS %d %s", bus,
                  what);
    s.log(text);
}

void unreadable(OpfModule& s, const char* what) {
    s.fail(kUnreadableData);
    char text[160];
    std::snprintf(text, sizeof text, " DATA ERROR : opfinputgen.dat, %s", what);
    s.log(text);
}

bool readRecords(OpfModule& s, FreeFormatReader& in) {
    int fourth = 0;
    if (!in.readInt(s.NOPG) || !in.readInt(s.NSEG) || !in.readInt(s.NXOPG) || !in.readInt(fourth)) {
        unreadable(s, "FIRST LINE DOES NOT HOLD NOPG, NSEG AND NXOPG");
        return false;
    }
    if (s.NOPG < 1 || s.NOPG > kMaxOpfGenerators || s.NSEG < 2 || s.NSEG > kMaxCostPoints ||
        s.NXOPG < 0 || s.NXOPG > kMaxOpfGenerators) {
        unreadable(s, "NUMBER OF GENERATORS OR COST POINTS OUT OF RANGE");
        return false;
    }
    for (int g = 1; g <= s.NOPG + s.NXOPG; ++g) {
        int bus = 0;
        if (!in.readInt(bus)) {
            unreadable(s, "A GENERATOR RECORD HAS NO BUS NUMBER");
            return false;
        }
        for (int j = 1; j <= s.NSEG; ++j) {
            double p = 0.0, c = 0.0;
            if (!in.readReal(p) || !in.readReal(c)) {
                unreadable(s, "A COST POINT IS MISSING OR NOT A NUMBER");
                return false;
            }
            if (g <= s.NOPG) {
                s.PSEG[g][j] = p; // MW until the base is applied
                s.CSEG[g][j] = c;
            }
        }
        if (g <= s.NOPG) s.OGBUS[g] = bus;
    }
    double vmax = 0.0, vmin = 0.0;
    if (!in.readInt(s.ICONS) || !in.readInt(s.OMAXIT) || !in.readReal(s.CTOL) ||
        !in.readReal(vmax) || !in.readReal(vmin)) {
        unreadable(s, "LAST LINE DOES NOT HOLD ICONS, OMAXIT, CTOL, VMAX AND VMIN");
        return false;
    }
    if (s.OMAXIT < 0 || s.OMAXIT > 1000 || s.CTOL < 0.0) {
        unreadable(s, "ITERATION LIMIT (0..1000) OR COST TOLERANCE OUT OF RANGE");
        return false;
    }
    // The limits as the user typed them, in single precision.
    s.VMAXO = static_cast<double>(static_cast<float>(vmax)) + kUpperVoltageAllowance;
    s.VMINO = static_cast<double>(static_cast<float>(vmin));
    return true;
}

// Each record's bus must be the swing bus or a voltage-controlled bus (with its row of
// the generator table), and every such bus must have one record.
bool mapGenerators(OpfModule& s) {
    const PowerFlowModule& m = s.pf;
    for (int g = 1; g <= s.NOPG; ++g) {
        const int bus = s.OGBUS[g];
        const int i = bus >= 1 && bus <= kMaxBusNumber ? m.INTIDX[bus] : 0;
        int row = 0;
        for (int k = 1; k <= m.NGEN; ++k)
            if (m.GENBUS[k] == i) row = k;
        if (i == 0 || (i != m.SLACK && row == 0)) {
            busError(s, kNotAGeneratorBus,
                     "IS NOT ON THE SWING BUS OR A VOLTAGE-CONTROLLED BUS OF THE CASE", bus);
            return false;
        }
        for (int h = 1; h < g; ++h)
            if (s.GBUS[h] == i) {
                busError(s, kGeneratorRecordCount, "HAS MORE THAN ONE COST RECORD", bus);
                return false;
            }
        s.GBUS[g] = i;
        s.GROW[g] = i == m.SLACK ? 0 : row;
    }
    // Every generator of the case must have its record.
    for (int k = 0; k <= m.NGEN; ++k) {
        const int i = k == 0 ? m.SLACK : m.GENBUS[k];
        bool found = false;
        for (int g = 1; g <= s.NOPG; ++g) found = found || s.GBUS[g] == i;
        if (!found) {
            busError(s, kGeneratorRecordCount, "HAS NO COST RECORD", m.EXTNUM[i]);
            return false;
        }
    }
    return true;
}

// Cost points in p.u. on the case base; segments, widths and slopes ($/hr per p.u.).
bool buildSegments(OpfModule& s) {
    const PowerFlowModule& m = s.pf;
    const double base = m.BASEMVA;
    s.NSEGV = (s.NSEG - 1) * s.NOPG;
    s.SUMPMIN = 0.0;
    for (int g = 1; g <= s.NOPG; ++g) {
        for (int j = 1; j < s.NSEG; ++j)
            if (!(s.PSEG[g][j + 1] > s.PSEG[g][j])) {
                busError(s, kCostPointsNotIncreasing, "HAS COST POINTS NOT INCREASING IN P",
                         s.OGBUS[g]);
                return false;
            }
        for (int j = 1; j <= s.NSEG; ++j) s.PSEG[g][j] /= base;
        for (int j = 1; j < s.NSEG; ++j) {
            const int l = (g - 1) * (s.NSEG - 1) + j;
            s.WIDTH[l] = s.PSEG[g][j + 1] - s.PSEG[g][j];
            s.SLOPE[l] = (s.CSEG[g][j + 1] - s.CSEG[g][j]) / s.WIDTH[l];
        }
        s.PMIN[g] = s.PSEG[g][1];
        s.SUMPMIN += s.PMIN[g];
        if (s.GROW[g] == 0) {
            s.QLO[g] = -kSwingReactiveLimitMvar / base;
            s.QHI[g] = kSwingReactiveLimitMvar / base;
        } else {
            s.QLO[g] = m.QMIN[s.GROW[g]];
            s.QHI[g] = m.QMAX[s.GROW[g]];
        }
    }
    return true;
}

} // namespace

void OPFREAD(OpfModule& s) {
    FreeFormatReader in(files::kGeneratorCosts);
    if (!in.isOpen()) {
        unreadable(s, "FILE NOT FOUND");
        return;
    }
    if (!readRecords(s, in) || !mapGenerators(s)) return;
    buildSegments(s);
}

} // namespace tarvex::engine
