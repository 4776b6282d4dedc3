#pragma once

#include <span>

// Linear programming by the revised simplex method with an explicit basis inverse:
//
//   minimize cᵀx  subject to  A(1..K, :) x ≤ b(1..K),  A(K+1..M, :) x = b(K+1..M),  x ≥ 0.
//
// The inverse is that of the basis extended by the objective row, (M+1) × (M+1), kept in
// the caller's workspace and updated in place by Gauss-Jordan pivots; nothing is
// allocated. The start is the slack basis, completed by a greedy pivot choice for the
// equality rows; an infeasible start brings in one artificial variable that makes every
// basic value 1 (phase 1). At the optimum the basis is re-inverted once to clean up
// rounding.
namespace tarvex::engine {

// Outcomes returned in IFAIL.
enum La01bdStatus : int {
    kLpOptimal = 0,
    // The re-inverted basis needed further pivots more than once.
    kLpReinversionsExceeded = 1,
    // Reduced costs of basic variables above the accuracy limit after the re-inversion.
    kLpInaccurate = 2,
    kLpInfeasible = 3,
    // The equality rows are linearly dependent (or a basis turned singular).
    kLpRankDeficient = 4,
    kLpUnbounded = 5,
    kLpInvalidArgument = 6,
    // The pivot count reached its limit (a cycling degenerate program); never an answer.
    kLpIterationLimit = 7,
};

// Size of the workspace W for M rows: a column work vector and the basic values, both of
// M + 1 (the last entry of the basic values is the objective), then the inverse.
constexpr int la01bdWorkspaceSize(int M) {
    return (M + 1) * (M + 3);
}

// N variables, M rows of which the first K are inequalities; A by columns with leading
// dimension IA (A(i, j) at A[i + j * IA], 0-based). IND(i) names the variable basic in
// row i: 1..N structural, N + i the slack of row i, N + K + 1 the artificial variable.
// IPRINT > 0 writes trace lines to the standard output. On any IFAIL other than 0, X and
// F are zero unless it is one of the two warnings (1, 2), which return the solution
// reached. A, B and C are not changed.
void la01bd(int N, int M, int K, std::span<const double> A, std::span<const double> B,
            std::span<const double> C, std::span<double> X, double& F, int IA, int IPRINT,
            std::span<int> IND, std::span<double> W, int& IFAIL);

} // namespace tarvex::engine
