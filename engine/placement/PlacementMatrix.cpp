#include "engine/core/EngineFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/placement/PlacementModule.h"
#include "engine/placement/PlacementSteps.h"

namespace tarvex::engine {

namespace {

// Adds value at (row, column of position p), merged with an entry of the row already
// there; the reference position 1 has no column.
void addEntry(PlacementModule& m, int row, int firstOfRow, int p, double value) {
    if (p <= 1) return;
    const int c = p - 1;
    for (int e = firstOfRow; e <= m.NZ; ++e) {
        if (m.entryColumn[e] == c) {
            m.entryValue[e] += value;
            return;
        }
    }
    if (m.NZ == kPlacementMaxEntries) return; // cannot happen within the row count
    ++m.NZ;
    m.entryRow[m.NZ] = row;
    m.entryColumn[m.NZ] = c;
    m.entryValue[m.NZ] = value;
}

void addFlowRow(PlacementModule& m, int row, int signedBranch) {
    const int l = signedBranch < 0 ? -signedBranch : signedBranch;
    const int i = signedBranch > 0 ? m.fromPos[l] : m.toPos[l];
    const int j = signedBranch > 0 ? m.toPos[l] : m.fromPos[l];
    m.flowRow[l] = row;
    m.rowBranch[row] = signedBranch;
    m.rowPosition[row] = 0;
    if (i == j) return; // a branch from a bus to itself carries no flow in this model
    const int first = m.NZ + 1;
    addEntry(m, row, first, i, -m.susceptance[l]);
    addEntry(m, row, first, j, m.susceptance[l]);
}

void addInjectionRow(PlacementModule& m, int row, int p) {
    m.injectionRow[p] = row;
    m.rowPosition[row] = p;
    m.rowBranch[row] = 0;
    const int first = m.NZ + 1;
    double diagonal = 0.0;
    for (int k = 0; k < m.adjacentCount[p]; ++k) {
        const int l = m.adjacent[p][k];
        const int q = m.fromPos[l] == p ? m.toPos[l] : m.fromPos[l];
        if (q == p) continue;
        diagonal -= m.susceptance[l];
        addEntry(m, row, first, q, m.susceptance[l]);
    }
    addEntry(m, row, first, p, diagonal);
}

} // namespace

void buildPlacementMatrix(PlacementModule& m) {
    bool meteredBus[kPlacementMaxBuses + 1] = {};
    bool meteredBranch[kPlacementMaxBranches + 1] = {};
    m.NZ = 0;
    int row = 0;
    for (int k = 1; k <= m.NFLOW; ++k) {
        const int l = m.flowMeter[k];
        meteredBranch[l < 0 ? -l : l] = true;
        addFlowRow(m, ++row, l);
    }
    for (int k = 1; k <= m.NINJ; ++k) {
        meteredBus[m.injectionMeter[k]] = true;
        addInjectionRow(m, ++row, m.injectionMeter[k]);
    }
    m.M0 = row;
    for (int l = 1; l <= m.NBR; ++l)
        if (!meteredBranch[l]) addFlowRow(m, ++row, l);
    for (int p = 1; p <= m.NB; ++p)
        if (!meteredBus[p]) addInjectionRow(m, ++row, p);
    m.NR = row;
}

void writePlacementMatrix(const PlacementModule& m) {
    EngineFile file;
    file.open(files::kPlacementMatrix);
    Record r;
    file.write(r.item(static_cast<long long>(m.NZ))
                   .item(static_cast<long long>(m.M0))
                   .item(static_cast<long long>(m.NB - 1))
                   .item(static_cast<long long>(m.NB + m.NBR)));
    for (int e = 1; e <= m.NZ; ++e) {
        r.clear();
        file.write(r.item(static_cast<long long>(m.entryRow[e]))
                       .item(static_cast<long long>(m.entryColumn[e]))
                       .item(m.entryValue[e])
                       .item(static_cast<long long>(e)));
    }
    r.clear();
    file.write(r.item(static_cast<long long>(m.NBR)));
    for (int l = 1; l <= m.NBR; ++l) {
        r.clear();
        file.write(
            r.item(static_cast<long long>(m.fromBus[l])).item(static_cast<long long>(m.toBus[l])));
    }
    r.clear();
    file.write(r.item(static_cast<long long>(m.NB)));
    for (int p = 1; p <= m.NB; ++p) {
        r.clear();
        file.write(r.item(static_cast<long long>(m.injectionRow[p])));
    }
    r.clear();
    file.write(r.item(static_cast<long long>(m.NBR)));
    for (int l = 1; l <= m.NBR; ++l) {
        r.clear();
        file.write(r.item(static_cast<long long>(m.flowRow[l])));
    }
    file.close();
}

void writePlacementBranches(const PlacementModule& m) {
    EngineFile file;
    file.open(files::kCandidateBranches);
    Record r;
    file.write(r.integer(m.NBR, 3));
    for (int l = 1; l <= m.NBR; ++l) {
        r.clear();
        file.write(r.integer(m.fromBus[l], 3).integer(m.toBus[l], 3));
    }
    r.clear();
    file.write(r.integer(m.NB, 3));
    for (int p = 1; p <= m.NB; ++p) {
        r.clear();
        file.write(r.integer(m.injectionRow[p], 3));
    }
    r.clear();
    file.write(r.integer(m.NBR, 3));
    for (int l = 1; l <= m.NBR; ++l) {
        r.clear();
        file.write(r.integer(m.flowRow[l], 3));
    }
    // The branch-analysis pairs are not computed (nothing reads them): their count is 0.
    r.clear();
    file.write(r.integer(0, 3));
    file.close();
}

} // namespace tarvex::engine
