#include "engine/core/EngineFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/Sparse.h"
#include "engine/placement/PlacementModule.h"
#include "engine/placement/PlacementSteps.h"

#include <cstdio>
#include <ostream>
#include <span>

namespace tarvex::engine {

namespace {

constexpr double kBasisTolerance = 1.0E-5;
// The value and deviation the rewritten measurement file gives every basis meter: only
// the meters' places matter to the second set-up.
constexpr double kPlaceholderValue = 1.0E-5;
constexpr double kPlaceholderDeviation = 0.01;

void propose(PlacementModule& m, int type, int from, int to) {
    const int n = ++m.proposalCount;
    m.proposalType[n] = type;
    m.proposalFrom[n] = from;
    m.proposalTo[n] = to;
}

void writeLine(EngineFile& file, const char* text) {
    file.writeRaw(text, std::char_traits<char>::length(text));
}

void writeCount(EngineFile& file, int count) {
    Record r;
    file.write(r.item(static_cast<long long>(count)));
}

// measure.dat with exactly the basis: one voltage record at bus 1, the basis injections
// (real and reactive groups alike) and the basis flows, no current meters.
void writeBasisMeasurements(const PlacementModule& m) {
    EngineFile file;
    file.open(files::kMeasurements);
    char line[96];
    writeCount(file, 1);
    std::snprintf(line, sizeof line, "%4d%12.5f%12.6f  %3d\n", 1, kPlaceholderValue,
                  kPlaceholderDeviation, 0);
    writeLine(file, line);
    for (int group = 0; group < 2; ++group) {
        writeCount(file, m.basisInjectionCount);
        for (int k = 1; k <= m.basisInjectionCount; ++k) {
            std::snprintf(line, sizeof line, "%3d%12.5f%12.5f%3d\n",
                          m.busNumber[m.basisInjection[k]], kPlaceholderValue,
                          kPlaceholderDeviation, 0);
            writeLine(file, line);
        }
    }
    for (int group = 0; group < 2; ++group) {
        writeCount(file, m.basisFlowCount);
        for (int k = 1; k <= m.basisFlowCount; ++k) {
            const int s = m.basisFlow[k];
            const int l = s < 0 ? -s : s;
            const int from = s > 0 ? m.fromBus[l] : m.toBus[l];
            const int to = s > 0 ? m.toBus[l] : m.fromBus[l];
            std::snprintf(line, sizeof line, "%3d%3d%12.5f%12.5f%3d\n", from, to, kPlaceholderValue,
                          kPlaceholderDeviation, 0);
            writeLine(file, line);
        }
    }
    writeCount(file, 0);
    file.close();
}

int columnCost(int cost) {
    const int charged = cost * 10;
    return charged == 0 ? 1 : charged;
}

} // namespace

void choosePlacementBasis(PlacementModule& m, std::ostream& log) {
    const int states = m.NB - 1;
    CSparseMatrix& s = m.sparse;
    s.clear();
    for (int e = 1; e <= m.NZ; ++e) s.add(m.entryRow[e], m.entryColumn[e], m.entryValue[e]);
    for (int r = 0; r <= m.NR; ++r) m.rhs[r] = 0.0;
    // Natural order with pivot search: every step takes the largest remaining entry of its
    // column; the steps past the last state column meet empty columns and get a replaced
    // pivot, so the rows pivoted at steps 1..NB-1 are a basis of the measurement matrix.
    const int ierr = SPARSE(s, std::span<double>(m.rhs, static_cast<std::size_t>(m.NR) + 1), m.NR,
                            kPlacementStorageFactor * m.NZ, kBasisTolerance, 1,
                            SparseOptions::observability(4, true), log);
    bool complete = ierr == 0;
    for (int z = 1; z <= s.zeroPivotCount() && complete; ++z)
        complete = s.zeroPivotStep(z) > states;
    for (int k = 1; k <= states && complete; ++k) complete = s.pivotColumn(k) <= states;
    if (!complete) {
        if (!m.status.failed())
            log << " THE NETWORK IS NOT OBSERVABLE WITH EVERY CANDIDATE METER (SPARSE IERR = "
                << ierr << ")\n";
        m.status.fail(kPlacementUnobservable);
        return;
    }

    for (int r = 1; r <= m.NR; ++r) m.inBasis[r] = false;
    m.basisFlowCount = m.basisInjectionCount = 0;
    for (int k = 1; k <= states; ++k) {
        const int row = s.pivotRow(k);
        m.inBasis[row] = true;
        if (const int p = m.rowPosition[row]) {
            m.basisInjection[++m.basisInjectionCount] = p;
            if (row > m.M0) propose(m, 2, m.busNumber[p], 0);
        } else if (const int b = m.rowBranch[row]) {
            m.basisFlow[++m.basisFlowCount] = b;
            const int l = b < 0 ? -b : b;
            if (row > m.M0)
                propose(m, 4, b > 0 ? m.fromBus[l] : m.toBus[l], b > 0 ? m.toBus[l] : m.fromBus[l]);
        }
    }
    writeBasisMeasurements(m);

    // The covering columns, in the order of the second set-up's candidate rows: the
    // branches outside the basis, then the buses outside it.
    m.NCAND = 0;
    for (int l = 1; l <= m.NBR; ++l)
        if (!m.inBasis[m.flowRow[l]])
            m.candidateCost[++m.NCAND] = columnCost(m.rowCost[m.flowRow[l]]);
    for (int p = 1; p <= m.NB; ++p)
        if (!m.inBasis[m.injectionRow[p]])
            m.candidateCost[++m.NCAND] = columnCost(m.rowCost[m.injectionRow[p]]);
    EngineFile file;
    file.open(files::kCandidateCosts);
    Record r;
    for (int k = 1; k <= m.NCAND; ++k) {
        r.clear();
        file.write(r.integer(m.candidateCost[k], 5));
    }
    file.close();
}

} // namespace tarvex::engine
