#include "engine/opf/la01bd.h"

#include "engine/opf/La01bdTrace.h"

#include <cmath>
#include <cstddef>

namespace tarvex::engine {

namespace {

// A value of the single-precision constant the method was tuned with: a basic value
// counts as negative (phase 1 needed) only below -EPS times the largest one, and the
// artificial variable leaves on a ratio tie within this relative margin.
constexpr double kEps = static_cast<double>(1.0E-16F);
constexpr double kStartingRatio = 1.0E30;
// Largest reduced cost of a basic variable accepted after the re-inversion.
constexpr double kAccuracyLimit = 1.0E-10;
constexpr int kMaxReinversions = 1;
// Pivot limit per variable and row, so that a cycling degenerate program ends.
constexpr int kPivotsPerDimension = 50;

enum class Outcome { Optimal, ArtificialLeft, Unbounded, PivotLimit };

// One solution: views of the arguments and the workspace, 0-based throughout.
class LpRun {
public:
    LpRun(int n, int m, int k, std::span<const double> a, std::span<const double> b,
          std::span<const double> c, int ia, int iprint, std::span<int> ind, std::span<double> w)
        : N(n), M(m), K(k), IA(ia), IPRINT(iprint), A(a), B(b), C(c), IND(ind), COL(w.data()),
          XB(w.data() + (m + 1)), BINV(w.data() + 2 * (m + 1)),
          m_pivotLimit(kPivotsPerDimension * (n + m)), m_trace(n, m, k) {}

    int solve(std::span<double> X, double& F);

private:
    double& binv(int r, int s) { return BINV[static_cast<std::size_t>(r) * (M + 1) + s]; }
    double a(int i, int j) const { return A[static_cast<std::size_t>(i) + std::size_t(j) * IA]; }
    int artificial() const { return N + K + 1; }
    bool isStructural(int v) const { return v >= 1 && v <= N; }
    bool isSlack(int v) const { return v > N && v <= N + K; }

    // Row r of the inverse times the column of variable v (structural or slack).
    double rowTimesColumn(int r, int v) {
        if (isSlack(v)) return binv(r, v - N - 1);
        double sum = 0.0;
        for (int i = 0; i < M; ++i) sum += binv(r, i) * a(i, v - 1);
        return sum;
    }
    // COL = inverse times the column of variable v extended by its negated cost, over the
    // rows and the objective row (whose entry is then the d of the pricing step).
    void formColumn(int v) {
        for (int r = 0; r <= M; ++r) COL[r] = rowTimesColumn(r, v);
        if (isStructural(v)) COL[M] -= C[v - 1];
    }
    // Gauss-Jordan update of the inverse on COL(leaving).
    void pivotInverse(int leaving) {
        const double pivot = COL[leaving];
        for (int s = 0; s <= M; ++s) binv(leaving, s) /= pivot;
        for (int r = 0; r <= M; ++r) {
            if (r == leaving || COL[r] == 0.0) continue;
            const double factor = COL[r];
            for (int s = 0; s <= M; ++s) binv(r, s) -= factor * binv(leaving, s);
        }
    }
    bool isBasic(int v) const {
        for (int i = 0; i < M; ++i)
            if (IND[i] == v) return true;
        return false;
    }
    void setIdentity() {
        for (int r = 0; r <= M; ++r)
            for (int s = 0; s <= M; ++s) binv(r, s) = r == s ? 1.0 : 0.0;
    }

    bool invertInitial();
    bool invertGivenBasis();
    int computeBasicValues();
    void enterPhase1(int row);
    void buildObjectiveRow();
    Outcome iterate(int objectiveRow, bool phase1);
    double largestBasicReducedCost();

    const int N, M, K, IA, IPRINT;
    std::span<const double> A, B, C;
    std::span<int> IND;
    double* const COL;
    double* const XB;
    double* const BINV;
    const int m_pivotLimit;
    int m_iterations = 0; // since the last (re)start
    int m_pivots = 0;     // in the whole run
    La01bdTrace m_trace;
};

// The slack basis for the inequality rows; for each equality row in order the structural
// column of largest magnitude in that row of the current inverse (ties keep the first).
bool LpRun::invertInitial() {
    setIdentity();
    for (int i = 0; i < M; ++i) IND[i] = i < K ? N + i + 1 : 0;
    for (int r = K; r < M; ++r) {
        double best = 0.0;
        int chosen = 0;
        for (int j = 1; j <= N; ++j) {
            const double value = std::fabs(rowTimesColumn(r, j));
            if (value > best) {
                best = value;
                chosen = j;
            }
        }
        if (chosen == 0 || isBasic(chosen)) return false;
        formColumn(chosen);
        pivotInverse(r);
        IND[r] = chosen;
    }
    return true;
}

// Rebuilds the inverse of the current basis from the matrix itself: each basic variable
// in turn is pivoted into the not yet assigned row of largest magnitude (partial
// pivoting), which may reorder the rows of the basis.
bool LpRun::invertGivenBasis() {
    setIdentity();
    // A row whose variable has been placed is marked by negating its entry; the rows
    // still free each hold one variable not yet placed.
    for (;;) {
        int row = -1;
        for (int i = 0; i < M && row < 0; ++i)
            if (IND[i] > 0) row = i;
        if (row < 0) break;
        const int v = IND[row];
        formColumn(v);
        double best = 0.0;
        int leaving = -1;
        for (int i = 0; i < M; ++i) {
            if (IND[i] < 0) continue;
            if (std::fabs(COL[i]) > best) {
                best = std::fabs(COL[i]);
                leaving = i;
            }
        }
        if (leaving < 0) {
            for (int i = 0; i < M; ++i)
                if (IND[i] < 0) IND[i] = -IND[i];
            return false;
        }
        pivotInverse(leaving);
        // The variable that held the pivot row moves to the row just freed.
        IND[row] = IND[leaving];
        IND[leaving] = -v;
    }
    for (int i = 0; i < M; ++i) IND[i] = -IND[i];
    return true;
}

// XB = inverse times b; returns the row of the largest magnitude (first on ties).
int LpRun::computeBasicValues() {
    int rowMax = 0;
    double largest = -1.0;
    for (int i = 0; i < M; ++i) {
        double sum = 0.0;
        for (int s = 0; s < M; ++s) sum += binv(i, s) * B[s];
        XB[i] = sum;
        if (std::fabs(sum) > largest) {
            largest = std::fabs(sum);
            rowMax = i;
        }
    }
    XB[M] = 0.0;
    return rowMax;
}

// The artificial variable takes the place of the basic variable of `row`, with the
// column b minus the other basic columns, so that every basic value becomes 1.
void LpRun::enterPhase1(int row) {
    const double pivot = XB[row];
    for (int s = 0; s <= M; ++s) binv(row, s) /= pivot;
    for (int r = 0; r < M; ++r) {
        if (r == row) continue;
        const double factor = XB[r] - 1.0;
        if (factor == 0.0) continue;
        for (int s = 0; s <= M; ++s) binv(r, s) -= factor * binv(row, s);
    }
    for (int i = 0; i < M; ++i) XB[i] = 1.0;
    IND[row] = artificial();
}

// Objective row: costs of the basic variables times the inverse; XB(M) the objective.
void LpRun::buildObjectiveRow() {
    for (int s = 0; s < M; ++s) binv(M, s) = 0.0;
    binv(M, M) = 1.0;
    for (int i = 0; i < M; ++i) {
        if (!isStructural(IND[i])) continue;
        const double cost = C[IND[i] - 1];
        if (cost == 0.0) continue;
        for (int s = 0; s < M; ++s) binv(M, s) += cost * binv(i, s);
    }
    double sum = 0.0;
    for (int s = 0; s < M; ++s) sum += binv(M, s) * B[s];
    XB[M] = sum;
}

Outcome LpRun::iterate(int objectiveRow, bool phase1) {
    for (;;) {
        // Entering variable: the largest positive d, structural before slack.
        double best = 0.0;
        int entering = 0;
        for (int j = 1; j <= N; ++j) {
            const double d = rowTimesColumn(objectiveRow, j) - (phase1 ? 0.0 : C[j - 1]);
            if (d > best) {
                best = d;
                entering = j;
            }
        }
        for (int i = 0; i < K; ++i) {
            const double d = binv(objectiveRow, i);
            if (d > best) {
                best = d;
                entering = N + i + 1;
            }
        }
        if (entering == 0 || isBasic(entering)) return Outcome::Optimal;
        if (m_pivots >= m_pivotLimit) return Outcome::PivotLimit;

        formColumn(entering);
        double theta = kStartingRatio;
        int leaving = -1;
        for (int i = 0; i < M; ++i) {
            if (phase1 && i == objectiveRow) continue;
            if (COL[i] > 0.0 && XB[i] / COL[i] < theta) {
                theta = XB[i] / COL[i];
                leaving = i;
            }
        }
        if (phase1 && COL[objectiveRow] > 0.0) {
            const double own = XB[objectiveRow] / COL[objectiveRow];
            if (leaving < 0 || own * std::fabs(1.0 - kEps) <= theta) {
                theta = own;
                leaving = objectiveRow;
            }
        }
        if (leaving < 0) return Outcome::Unbounded;

        const bool artificialLeaves = IND[leaving] == artificial();
        for (int i = 0; i <= M; ++i) XB[i] -= theta * COL[i];
        XB[leaving] = theta;
        pivotInverse(leaving);
        IND[leaving] = entering;
        ++m_iterations;
        ++m_pivots;
        if (IPRINT > 1) m_trace.iteration(m_iterations, phase1 ? XB[objectiveRow] : XB[M]);
        if ((phase1 && IPRINT >= 4) || (!phase1 && IPRINT >= 3)) m_trace.basis(IND, XB, M);
        if (artificialLeaves) return Outcome::ArtificialLeft;
    }
}

double LpRun::largestBasicReducedCost() {
    double largest = 0.0;
    for (int i = 0; i < M; ++i) {
        const int v = IND[i];
        double d = 0.0;
        if (isStructural(v))
            d = rowTimesColumn(M, v) - C[v - 1];
        else if (isSlack(v))
            d = binv(M, v - N - 1);
        if (std::fabs(d) > largest) largest = std::fabs(d);
    }
    return largest;
}

int LpRun::solve(std::span<double> X, double& F) {
    if (IPRINT > 3) m_trace.sizes();
    if (!invertInitial()) return kLpRankDeficient;

    const int rowMax = computeBasicValues();
    const double largest = std::fabs(XB[rowMax]);
    bool infeasibleStart = false;
    for (int i = 0; i < M; ++i)
        if (XB[i] < -kEps * largest) infeasibleStart = true;

    if (largest != 0.0 && infeasibleStart) {
        if (IPRINT > 1) m_trace.phase(1);
        enterPhase1(rowMax);
        const Outcome outcome = iterate(rowMax, true);
        if (outcome == Outcome::PivotLimit) return kLpIterationLimit;
        if (outcome != Outcome::ArtificialLeft) return kLpInfeasible;
    }

    if (IPRINT > 1) m_trace.phase(2);
    buildObjectiveRow();
    int reinversions = 0;
    int status = kLpOptimal;
    for (;;) {
        const Outcome outcome = iterate(M, false);
        if (outcome == Outcome::Unbounded) return kLpUnbounded;
        if (outcome == Outcome::PivotLimit) return kLpIterationLimit;
        if (m_iterations < 2) break;
        if (reinversions >= kMaxReinversions) {
            status = kLpReinversionsExceeded;
            break;
        }
        if (!invertGivenBasis()) return kLpRankDeficient;
        ++reinversions;
        m_iterations = 0;
        computeBasicValues();
        buildObjectiveRow();
        if (IPRINT > 0) m_trace.reinverted();
    }

    const double accuracy = largestBasicReducedCost();
    if (status == kLpOptimal && accuracy > kAccuracyLimit) status = kLpInaccurate;

    for (int i = 0; i < M; ++i)
        if (isStructural(IND[i])) X[IND[i] - 1] = XB[i];
    F = XB[M];
    if (IPRINT != 0) m_trace.optimum(F, status, accuracy, X);
    return status;
}

} // namespace

void la01bd(int N, int M, int K, std::span<const double> A, std::span<const double> B,
            std::span<const double> C, std::span<double> X, double& F, int IA, int IPRINT,
            std::span<int> IND, std::span<double> W, int& IFAIL) {
    F = 0.0;
    const bool sizesValid = N >= 1 && M >= 1 && K >= 0 && K <= M && M <= K + N && IA >= M;
    const bool tablesFit = sizesValid && A.size() >= static_cast<std::size_t>(IA) * (N - 1) + M &&
                           B.size() >= std::size_t(M) && C.size() >= std::size_t(N) &&
                           X.size() >= std::size_t(N) && IND.size() >= std::size_t(M) &&
                           W.size() >= std::size_t(la01bdWorkspaceSize(M));
    if (!tablesFit) {
        // Error lines are not written anywhere in this system, only the verdict.
        IFAIL = kLpInvalidArgument;
        return;
    }
    for (int j = 0; j < N; ++j) X[j] = 0.0;
    LpRun run(N, M, K, A, B, C, IA, IPRINT, IND, W);
    IFAIL = run.solve(X, F);
    if (IFAIL != kLpOptimal && IFAIL != kLpReinversionsExceeded && IFAIL != kLpInaccurate) {
        for (int j = 0; j < N; ++j) X[j] = 0.0;
        F = 0.0;
    }
}

} // namespace tarvex::engine
