// Forward and back substitution with the factors left by FACTORP, and the transposed
// solve with the same factors.
#include "engine/core/sparse/Sparse.h"

namespace tarvex::engine {

namespace {

// L y = b, in step order; y replaces b at the pivot rows.
void forward(CSparseMatrix& M, std::span<double> B, int N) {
    for (int k = 1; k <= N; ++k) {
        const int i = M.PIVROW[k];
        const int j = M.PIVCOL[k];
        B[i] /= M.A[M.PIVENT[k]];
        const double y = B[i];
        for (int e = M.COLHD[j]; e > 0; e = M.NXTC[e]) {
            const int t = M.IR[e];
            if (M.ROWPOS[t] > k) B[t] -= M.A[e] * y;
        }
    }
}

// U x = y, in reverse step order; y is read by pivot row, x written by pivot column.
// y is copied first: with row or column exchanges a variable's slot can be written
// before the row it held has been used.
void back(CSparseMatrix& M, std::span<double> B, int N) {
    for (int i = 1; i <= N; ++i) M.W[i] = B[i];
    for (int k = N; k >= 1; --k) {
        const int i = M.PIVROW[k];
        double y = M.W[i];
        for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
            const int l = M.JC[e];
            if (M.COLPOS[l] > k) y -= M.A[e] * B[l];
        }
        B[M.PIVCOL[k]] = y;
    }
}

// A^T x = b: U^T w = b along the U rows in step order (unit diagonal), then
// L^T x = w along the L columns in reverse step order, dividing by the pivot.
void transposed(CSparseMatrix& M, std::span<double> B, int N) {
    for (int k = 1; k <= N; ++k) {
        const int i = M.PIVROW[k];
        const double w = B[M.PIVCOL[k]];
        M.W[k] = w;
        for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
            const int l = M.JC[e];
            if (M.COLPOS[l] > k) B[l] -= M.A[e] * w;
        }
    }
    for (int k = N; k >= 1; --k) {
        const int j = M.PIVCOL[k];
        double v = M.W[k];
        for (int e = M.COLHD[j]; e > 0; e = M.NXTC[e]) {
            const int t = M.IR[e];
            if (M.ROWPOS[t] > k) v -= M.A[e] * B[t];
        }
        B[M.PIVROW[k]] = v / M.A[M.PIVENT[k]];
    }
}

} // namespace

void FBSUB(CSparseMatrix& M, std::span<double> B, int N, const SparseOptions& options) {
    if (options.transposed) {
        transposed(M, B, N);
        return;
    }
    if (options.forward) forward(M, B, N);
    if (options.back) back(M, B, N);
}

} // namespace tarvex::engine
