#include "engine/core/ExchangeFiles.h"
#include "engine/placement/PlacementModule.h"
#include "engine/placement/PlacementSteps.h"
#include "engine/placement/PlacementText.h"

#include <cstdio>
#include <memory>
#include <ostream>

namespace tarvex::engine {

using placement::fixedInteger;
using placement::fixedReal;
using placement::kLineLength;
using placement::readLine;

namespace {

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, Closer>;

constexpr int kSectionEnd = -999;

void fail(PlacementModule& m, int code, std::ostream& log, const char* what) {
    if (!m.status.failed()) log << ' ' << what << '\n';
    m.status.fail(code);
}

int positionOf(const PlacementModule& m, int bus) {
    for (int p = 1; p <= m.NB; ++p)
        if (m.busNumber[p] == bus) return p;
    return 0;
}

void addAdjacent(PlacementModule& m, int p, int l, std::ostream& console) {
    if (m.adjacentCount[p] == kPlacementMaxAdjacent) {
        console << " INSUFFICIENT STORAGE FOR IADJ$NOADJ;\n"
                << " INCREASE DIMENSION AND RERUN\n\n";
        return;
    }
    m.adjacent[p][m.adjacentCount[p]++] = l;
}

// The signed index of the unmetered branch between the buses at positions i and j: +l
// when i is its from end. 0 when there is no such branch (or every one is metered).
int branchBetween(const PlacementModule& m, int i, int j, const bool* metered) {
    for (int k = 0; k < m.adjacentCount[i]; ++k) {
        const int l = m.adjacent[i][k];
        if (metered[l]) continue;
        if (m.fromPos[l] == i && m.toPos[l] == j) return l;
        if (m.fromPos[l] == j && m.toPos[l] == i) return -l;
    }
    return 0;
}

} // namespace

void readPlacementCase(PlacementModule& m, std::ostream& log, std::ostream& console) {
    File file(std::fopen(files::kCaseFile, "r"));
    if (!file) return fail(m, kPlacementCaseError, log, "CANNOT OPEN PFINPUT.DAT");
    char line[kLineLength];
    // Title card and the bus section header.
    if (!readLine(file.get(), line) || !readLine(file.get(), line))
        return fail(m, kPlacementCaseError, log, "PFINPUT.DAT ENDS BEFORE THE BUS DATA");
    while (true) {
        if (!readLine(file.get(), line))
            return fail(m, kPlacementCaseError, log, "PFINPUT.DAT ENDS IN THE BUS DATA");
        int bus = 0;
        if (!fixedInteger(line, 1, 4, bus))
            return fail(m, kPlacementCaseError, log, "BAD BUS NUMBER IN PFINPUT.DAT");
        if (bus == kSectionEnd) break;
        if (bus <= 0 || positionOf(m, bus) != 0)
            return fail(m, kPlacementCaseError, log, "BAD OR REPEATED BUS NUMBER IN PFINPUT.DAT");
        if (m.NB == kPlacementMaxBuses)
            return fail(m, kPlacementCaseError, log, "TOO MANY BUSES FOR THE METER PLACEMENT");
        m.busNumber[++m.NB] = bus;
    }
    if (!readLine(file.get(), line))
        return fail(m, kPlacementCaseError, log, "PFINPUT.DAT ENDS BEFORE THE BRANCH DATA");
    while (true) {
        if (!readLine(file.get(), line))
            return fail(m, kPlacementCaseError, log, "PFINPUT.DAT ENDS IN THE BRANCH DATA");
        int from = 0;
        if (!fixedInteger(line, 1, 4, from))
            return fail(m, kPlacementCaseError, log, "BAD BRANCH CARD IN PFINPUT.DAT");
        if (from == kSectionEnd) break;
        int to = 0;
        double r = 0.0;
        double x = 0.0;
        if (!fixedInteger(line, 6, 9, to) || !fixedReal(line, 20, 29, 6, r) ||
            !fixedReal(line, 30, 40, 6, x))
            return fail(m, kPlacementCaseError, log, "BAD BRANCH CARD IN PFINPUT.DAT");
        const int i = positionOf(m, from);
        const int j = positionOf(m, to);
        if (i == 0 || j == 0)
            return fail(m, kPlacementCaseError, log, "BRANCH TO AN UNKNOWN BUS IN PFINPUT.DAT");
        if (m.NBR == kPlacementMaxBranches)
            return fail(m, kPlacementCaseError, log, "TOO MANY BRANCHES FOR THE METER PLACEMENT");
        const int l = ++m.NBR;
        m.fromBus[l] = from;
        m.toBus[l] = to;
        m.fromPos[l] = i;
        m.toPos[l] = j;
        // A branch without reactance carries no information in the angle model (its
        // susceptance -1/x would be infinite).
        m.susceptance[l] = x != 0.0 ? -1.0 / x : 0.0;
        addAdjacent(m, i, l, console);
        if (j != i) addAdjacent(m, j, l, console);
    }
}

void readPlacementMeters(PlacementModule& m, std::ostream& log) {
    m.NFLOW = 0;
    m.NINJ = 0;
    File file(std::fopen(files::kMeasurements, "r"));
    if (!file) return fail(m, kPlacementMeasurementError, log, "CANNOT OPEN MEASURE.DAT");
    bool meteredBus[kPlacementMaxBuses + 1] = {};
    bool meteredBranch[kPlacementMaxBranches + 1] = {};
    char line[kLineLength];
    // Groups: voltages, real and reactive injections, real and reactive flows, currents.
    constexpr int kGroups = 6;
    for (int group = 1; group <= kGroups; ++group) {
        int count = 0;
        if (!readLine(file.get(), line) || !fixedInteger(line, 1, kLineLength - 1, count) ||
            count < 0 || count > kPlacementMaxRows * 4)
            return fail(m, kPlacementMeasurementError, log, "BAD GROUP COUNT IN MEASURE.DAT");
        for (int k = 0; k < count; ++k) {
            if (!readLine(file.get(), line))
                return fail(m, kPlacementMeasurementError, log, "MEASURE.DAT ENDS IN A GROUP");
            if (group == 2) {
                int bus = 0;
                int p = 0;
                if (!fixedInteger(line, 1, 3, bus) || (p = positionOf(m, bus)) == 0)
                    return fail(m, kPlacementMeasurementError, log,
                                "INJECTION METER AT AN UNKNOWN BUS IN MEASURE.DAT");
                // One meter per bus: a second one adds no row.
                if (meteredBus[p]) continue;
                meteredBus[p] = true;
                m.injectionMeter[++m.NINJ] = p;
            } else if (group == 4) {
                int from = 0;
                int to = 0;
                if (!fixedInteger(line, 1, 3, from) || !fixedInteger(line, 4, 6, to))
                    return fail(m, kPlacementMeasurementError, log,
                                "BAD FLOW METER IN MEASURE.DAT");
                const int i = positionOf(m, from);
                const int j = positionOf(m, to);
                const int l = (i && j) ? branchBetween(m, i, j, meteredBranch) : 0;
                if (l == 0) {
                    // Every branch between the two buses already has its meter.
                    bool anyBranch = false;
                    for (int b = 1; b <= m.NBR && i && j; ++b)
                        anyBranch = anyBranch || (m.fromPos[b] == i && m.toPos[b] == j) ||
                                    (m.fromPos[b] == j && m.toPos[b] == i);
                    if (anyBranch) continue;
                    return fail(m, kPlacementMeasurementError, log,
                                "FLOW METER ON NO BRANCH IN MEASURE.DAT");
                }
                meteredBranch[l < 0 ? -l : l] = true;
                m.flowMeter[++m.NFLOW] = l;
            }
        }
    }
}

void readPlacementCosts(PlacementModule& m, std::ostream& log) {
    File file(std::fopen(files::kMeterCost, "r"));
    if (!file) return fail(m, kPlacementCostError, log, "CANNOT OPEN COSTMEAS.DAT");
    const int n = m.NB + m.NBR;
    for (int r = 1; r <= n; ++r)
        if (!placement::freeInteger(file.get(), m.rowCost[r]))
            return fail(m, kPlacementCostError, log, "COSTMEAS.DAT HOLDS TOO FEW COSTS");
}

} // namespace tarvex::engine
