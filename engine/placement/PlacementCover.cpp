#include "engine/core/EngineFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/placement/Kovral.h"
#include "engine/placement/PlacementModule.h"
#include "engine/placement/PlacementSteps.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace tarvex::engine {

namespace {

// A pivot of the basis matrix below this (relative to its largest entry) means the basis
// rows are dependent.
constexpr double kSingularTolerance = 1.0E-10;
// A candidate restores observability after the loss of basis row r0 when its
// coordinate on r0 exceeds this.
constexpr double kPairTolerance = 1.0E-9;

constexpr const char* kKovralTitle = "title";
constexpr const char* kKovralRestart = "restart";

// LU factors, with row exchanges, of T = B^T where B holds the basis rows 1..M0 of the
// second set-up (rows: measurements, columns: states). False when B is singular.
bool factorBasis(PlacementModule& m) {
    const int n = m.NB - 1;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m.basis[i][j] = 0.0;
    double largest = 0.0;
    for (int e = 1; e <= m.NZ; ++e) {
        const int r = m.entryRow[e];
        if (r > m.M0) continue;
        // T(column, row) = B(row, column)
        m.basis[m.entryColumn[e] - 1][r - 1] += m.entryValue[e];
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) largest = std::fmax(largest, std::fabs(m.basis[i][j]));
    if (largest == 0.0) return false;
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(m.basis[i][k]) > std::fabs(m.basis[p][k])) p = i;
        if (std::fabs(m.basis[p][k]) <= kSingularTolerance * largest) return false;
        m.basisPivot[k] = p;
        if (p != k)
            for (int j = 0; j < n; ++j) std::swap(m.basis[k][j], m.basis[p][j]);
        for (int i = k + 1; i < n; ++i) {
            const double f = m.basis[i][k] / m.basis[k][k];
            m.basis[i][k] = f;
            for (int j = k + 1; j < n; ++j) m.basis[i][j] -= f * m.basis[k][j];
        }
    }
    return true;
}

// alpha = T^-1 h: the coordinates of candidate row h in the basis rows.
void solveBasis(PlacementModule& m) {
    const int n = m.NB - 1;
    double* x = m.alpha;
    for (int k = 0; k < n; ++k)
        if (m.basisPivot[k] != k) std::swap(x[k], x[m.basisPivot[k]]);
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j) x[i] -= m.basis[i][j] * x[j];
    for (int i = n - 1; i >= 0; --i) {
        for (int j = i + 1; j < n; ++j) x[i] -= m.basis[i][j] * x[j];
        x[i] /= m.basis[i][i];
    }
}

void propose(PlacementModule& m, int type, int from, int to) {
    const int n = ++m.proposalCount;
    m.proposalType[n] = type;
    m.proposalFrom[n] = from;
    m.proposalTo[n] = to;
}

} // namespace

void findCoveringPairs(PlacementModule& m, std::ostream& log) {
    const int n = m.NB - 1;
    const int candidates = m.NR - m.M0;
    for (int r = 0; r < m.M0; ++r)
        for (int c = 0; c < candidates; ++c) m.pair[r][c] = false;
    if (!factorBasis(m)) {
        if (!m.status.failed()) log << " THE BASIS OF THE METER PLACEMENT IS SINGULAR\n";
        m.status.fail(kPlacementUnobservable);
        return;
    }
    // Losing basis row r0 leaves the other basis rows; a candidate h restores the rank
    // exactly when it does not lie in their span, that is when its coordinate on r0 in
    // the basis is non-zero.
    int e = 1;
    while (e <= m.NZ && m.entryRow[e] <= m.M0) ++e;
    for (int c = 0; c < candidates; ++c) {
        const int row = m.M0 + 1 + c;
        for (int k = 0; k < n; ++k) m.alpha[k] = 0.0;
        for (; e <= m.NZ && m.entryRow[e] == row; ++e)
            m.alpha[m.entryColumn[e] - 1] += m.entryValue[e];
        solveBasis(m);
        for (int r = 0; r < m.M0; ++r) m.pair[r][c] = std::fabs(m.alpha[r]) > kPairTolerance;
    }

    EngineFile file;
    file.open(files::kCandidatePairs);
    int count = 0;
    for (int r = 0; r < m.M0; ++r)
        for (int c = 0; c < candidates; ++c) count += m.pair[r][c] ? 1 : 0;
    Record rec;
    file.write(rec.item(static_cast<long long>(count)));
    for (int r = 0; r < m.M0; ++r)
        for (int c = 0; c < candidates; ++c) {
            if (!m.pair[r][c]) continue;
            rec.clear();
            file.write(rec.integer(r + 1, 3).integer(m.M0 + 1 + c, 3));
        }
    file.close();
}

void solvePlacementCover(PlacementModule& m, std::ostream& log, std::ostream& console) {
    const int candidates = m.NR - m.M0;
    // Covering rows: the basis measurements that have a spare at all; columns run up to
    // the last candidate that appears in a pair.
    m.NROW = 0;
    m.NCOL = 0;
    for (int r = 0; r < m.M0; ++r) {
        bool any = false;
        for (int c = 0; c < candidates; ++c)
            if (m.pair[r][c]) {
                any = true;
                if (c + 1 > m.NCOL) m.NCOL = c + 1;
            }
        if (any) ++m.NROW;
    }
    if (m.NROW > kCoveringMaxRows || m.NCOL > kCoveringMaxColumns) {
        if (!m.status.failed())
            log << " THE COVERING PROBLEM HAS " << m.NROW << " ROWS AND " << m.NCOL
                << " COLUMNS, MORE THAN 200\n";
        m.status.fail(kPlacementCoveringTooLarge);
        return;
    }

    if (m.NROW > 0) {
        const int lda = m.NROW;
        int row = 0;
        for (int r = 0; r < m.M0; ++r) {
            bool any = false;
            for (int c = 0; c < m.NCOL; ++c) any = any || m.pair[r][c];
            if (!any) continue;
            for (int c = 0; c < m.NCOL; ++c) m.cover[c * lda + row] = m.pair[r][c] ? 1.0 : 0.0;
            m.coverType[row] = -1;
            m.coverRhs[row] = 1.0;
            ++row;
        }
        for (int c = 0; c < m.NCOL; ++c) {
            m.coverCost[c] = m.candidateCost[c + 1];
            m.coverBound[c] = 1.0;
            m.coverAnswer[c] = 0.0;
        }
        const int input[kKovralControlCount] = {m.NROW,
                                                m.NCOL,
                                                m.NROW,
                                                m.NCOL,
                                                0,
                                                static_cast<int>(kovralWorkspace(m.NROW, m.NCOL)),
                                                1,
                                                1,
                                                0,
                                                0,
                                                kCoveringIterationLimit,
                                                1,
                                                0,
                                                0,
                                                0,
                                                0,
                                                0,
                                                0,
                                                0,
                                                2,
                                                92};
        double z = 0.0;
        KOVRAL(m.cover, m.coverType, m.coverRhs, m.coverCost, m.coverBound, input, kKovralTitle,
               files::kPlacementSolution, kKovralRestart, z, m.coverAnswer, m.kovralOutput, m.work,
               console);
        if (m.kovralOutput[0] != kKovralOptimal)
            log << " KOVRAL STATUS " << m.kovralOutput[0] << ": "
                << kovralStatusText(m.kovralOutput[0]) << '\n';
    }

    // The spares in words, replacing the solver's own report.
    std::FILE* solution = std::fopen(files::kPlacementSolution, "w");
    auto writeLine = [solution](const Record& record) {
        if (solution == nullptr) return;
        std::fwrite(record.data(), 1, record.size(), solution);
        std::fputc('\n', solution);
    };
    Record r;
    for (int c = 0; c < m.NCOL; ++c) {
        if (m.coverAnswer[c] < 0.5) continue;
        const int row = m.M0 + 1 + c;
        r.clear();
        if (const int p = m.rowPosition[row]) {
            writeLine(r.text("INJ ").integer(m.busNumber[p], 3));
            propose(m, 2, m.busNumber[p], 0);
        } else if (const int b = m.rowBranch[row]) {
            const int l = b < 0 ? -b : b;
            const int from = b > 0 ? m.fromBus[l] : m.toBus[l];
            const int to = b > 0 ? m.toBus[l] : m.fromBus[l];
            writeLine(r.text("FLOW ").integer(from, 3).text(" - ").integer(to, 3));
            propose(m, 4, from, to);
        }
    }
    if (solution != nullptr) std::fclose(solution);
}

} // namespace tarvex::engine
