// Numeric LU factorization in place, step by step in the pivot sequence: the pivot row
// is scaled to a unit diagonal (U), the pivot column stays unscaled (L, with the pivot on
// its diagonal), and the rest is updated by the outer product, fill-in being appended
// wherever an update meets a missing position.
#include "engine/core/sparse/Sparse.h"

#include <cmath>
#include <cstdio>

namespace tarvex::engine {

namespace {

void dimensionTooSmall(const SparseOptions& options, std::ostream& log) {
    std::ostream& out = options.dimensionStream != nullptr ? *options.dimensionStream : log;
    out << " ERROR RETURN: DIMENSION OF [A] IS TOO SMALL\n";
}

void smallPivot(const SparseOptions& options, std::ostream& log) {
    switch (options.smallPivotText) {
    case SmallPivotText::Ordering:
        log << " WARNING: FACTORIZATION FAILED FOR THE CHOSEN ORDERING ALGORITHM\n";
        break;
    case SmallPivotText::GainMatrix:
        log << "\n          *** ERROR: ZERO PIVOT DURING FACTORIZATION *** \n";
        break;
    case SmallPivotText::Observability:
        log << " WARNING: FACTORIZATION FAILED FOR THE CHOSEN ORDERING ALGORITHM\n";
        log << "          TRY WITH FULL PIVOTING INSTEAD\n";
        break;
    }
}

// A second copy of a pivot entry would never take part in the elimination; fold every
// later copy into the first so that duplicates act as their sum here as well.
void mergePivotCopies(CSparseMatrix& M, int p) {
    const int j = M.JC[p];
    for (int e = M.ROWHD[M.IR[p]]; e > 0; e = M.NXTR[e]) {
        if (e == p || M.JC[e] != j) continue;
        M.A[p] += M.A[e];
        M.A[e] = 0.0;
    }
}

void swapRows(CSparseMatrix& M, int k, int i, int t) {
    const int kt = M.ROWPOS[t];
    M.ROWPOS[t] = k;
    M.ROWPOS[i] = kt;
    M.PIVROW[k] = t;
    M.PIVROW[kt] = i;
}

void swapColumns(CSparseMatrix& M, int k, int j, int l) {
    const int kl = M.COLPOS[l];
    M.COLPOS[l] = k;
    M.COLPOS[j] = kl;
    M.PIVCOL[k] = l;
    M.PIVCOL[kl] = j;
}

// The pivot search compares single entries, so copies of one position among the
// candidates are folded into their first copy before they are compared.
void foldColumnCopies(CSparseMatrix& M, int j, int k) {
    for (int e = M.COLHD[j]; e > 0; e = M.NXTC[e]) {
        if (M.ROWPOS[M.IR[e]] < k) continue;
        for (int f = M.NXTC[e]; f > 0; f = M.NXTC[f]) {
            if (M.IR[f] != M.IR[e]) continue;
            M.A[e] += M.A[f];
            M.A[f] = 0.0;
        }
    }
}

void foldRowCopies(CSparseMatrix& M, int i, int k) {
    for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
        if (M.COLPOS[M.JC[e]] < k) continue;
        for (int f = M.NXTR[e]; f > 0; f = M.NXTR[f]) {
            if (M.JC[f] != M.JC[e]) continue;
            M.A[e] += M.A[f];
            M.A[f] = 0.0;
        }
    }
}

// Chooses the pivot of step k by the largest entry above TOL in the nominal pivot's
// column, else in its row. Returns the pivot entry with PIVROW/PIVCOL updated, or 0 when
// neither has one (the matrix is singular at this step).
int searchPivot(CSparseMatrix& M, int k, double TOL) {
    const int i = M.PIVROW[k];
    const int j = M.PIVCOL[k];
    int best = 0;
    double largest = TOL;
    foldColumnCopies(M, j, k);
    for (int e = M.COLHD[j]; e > 0; e = M.NXTC[e]) {
        const double magnitude = std::fabs(M.A[e]);
        if (M.ROWPOS[M.IR[e]] >= k && magnitude > largest) {
            best = e;
            largest = magnitude;
        }
    }
    if (best != 0) {
        if (M.IR[best] != i) swapRows(M, k, i, M.IR[best]);
        return best;
    }
    foldRowCopies(M, i, k);
    for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
        const double magnitude = std::fabs(M.A[e]);
        if (M.COLPOS[M.JC[e]] >= k && magnitude > largest) {
            best = e;
            largest = magnitude;
        }
    }
    if (best != 0 && M.JC[best] != j) swapColumns(M, k, j, M.JC[best]);
    return best;
}

void logZeroPivot(std::ostream& log, int i, int j) {
    char text[80];
    std::snprintf(text, sizeof text, " ZERO PIVOT AT (%3d,%3d) WILL BE SET EQUAL TO 1.0", i, j);
    log << " !!!   WARNING : MATRIX IS SINGULAR\n" << text << "\n\n";
}

} // namespace

int FACTORP(CSparseMatrix& M, int N, int NSTORE, double TOL, const SparseOptions& options,
            std::ostream& log) {
    M.factored = false;
    M.NZPIV = 0;
    for (int k = 1; k <= N; ++k) {
        int p = 0;
        double r = 1.0;
        if (options.pivotSearch) {
            p = searchPivot(M, k, TOL);
            if (p == 0) {
                logZeroPivot(log, M.PIVROW[k], M.PIVCOL[k]);
                M.ZPIV[++M.NZPIV] = k;
                p = FINDEL(M, M.PIVROW[k], M.PIVCOL[k]);
                if (p == 0) {
                    dimensionTooSmall(options, log);
                    return -2;
                }
                mergePivotCopies(M, p);
                M.A[p] = 1.0;
            } else {
                mergePivotCopies(M, p);
                r = 1.0 / M.A[p];
            }
        } else {
            p = FINDEL(M, M.PIVROW[k], M.PIVCOL[k]);
            if (p == 0) {
                dimensionTooSmall(options, log);
                return -2;
            }
            mergePivotCopies(M, p);
            // The tolerance test is made in single precision, so a pivot of exactly TOL
            // passes; a pivot that is not a number fails rather than spread through x.
            const float magnitude = static_cast<float>(std::fabs(M.A[p]));
            if (!(magnitude >= static_cast<float>(TOL))) {
                smallPivot(options, log);
                return -3;
            }
            r = 1.0 / M.A[p];
        }
        M.PIVENT[k] = p;

        const int i = M.PIVROW[k];
        const int j = M.PIVCOL[k];
        for (int q = M.ROWHD[i]; q > 0; q = M.NXTR[q]) {
            const int l = M.JC[q];
            if (M.COLPOS[l] <= k) continue;
            M.A[q] *= r;
            for (int s = M.COLHD[j]; s > 0; s = M.NXTC[s]) {
                const int t = M.IR[s];
                if (M.ROWPOS[t] <= k) continue;
                const int f = FINDEL(M, t, l);
                if (f == 0) {
                    dimensionTooSmall(options, log);
                    return -2;
                }
                M.A[f] -= M.A[q] * M.A[s];
            }
        }
    }
    if (M.NZ > NSTORE) {
        dimensionTooSmall(options, log);
        return -2;
    }
    M.factored = true;
    M.factoredOrder = N;
    return 0;
}

} // namespace tarvex::engine
