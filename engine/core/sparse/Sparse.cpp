// The driver every user of the sparse solver calls: checks the call, links the chains,
// picks the pivot sequence, factors and substitutes.
#include "engine/core/sparse/Sparse.h"

namespace tarvex::engine {

namespace {

void naturalSequence(CSparseMatrix& M, int N) {
    for (int k = 1; k <= N; ++k) {
        M.PIVROW[k] = k;
        M.PIVCOL[k] = k;
        M.ROWPOS[k] = k;
        M.COLPOS[k] = k;
    }
    M.sequenced = true;
    M.sequenceOrder = N;
}

// The checks that keep every index inside the arrays. Returns false after logging.
bool validCall(const CSparseMatrix& M, std::span<const double> B, int N, bool factoring,
               std::ostream& log) {
    if (N < 1 || N > M.orderCapacity()) {
        log << " ERROR IN SPARSE: ORDER " << N << " OUTSIDE 1.." << M.orderCapacity() << "\n";
        return false;
    }
    if (B.size() < static_cast<std::size_t>(N) + 1) {
        log << " ERROR IN SPARSE: RIGHT-HAND SIDE SHORTER THAN THE ORDER " << N << "\n";
        return false;
    }
    if (!factoring) {
        if (!M.factoredFor(N)) {
            log << " ERROR IN SPARSE: NO VALID FACTORS FOR A SOLVE-ONLY CALL\n";
            return false;
        }
        return true;
    }
    if (M.NZ < 0 || M.NZ > M.entryCapacity()) {
        log << " ERROR IN SPARSE: ENTRY COUNT " << M.NZ << " OUTSIDE 0.." << M.entryCapacity()
            << "\n";
        return false;
    }
    for (int e = 1; e <= M.NZ; ++e) {
        if (M.IR[e] < 1 || M.IR[e] > N || M.JC[e] < 1 || M.JC[e] > N) {
            log << " ERROR IN SPARSE: ENTRY " << e << " AT (" << M.IR[e] << "," << M.JC[e]
                << ") OUTSIDE THE MATRIX OF ORDER " << N << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int SPARSE(CSparseMatrix& M, std::span<double> B, int N, int NSTORE, double TOL, int IFACT,
           const SparseOptions& options, std::ostream& log) {
    const bool factoring = IFACT != 0;
    if (!validCall(M, B, N, factoring, log)) {
        if (factoring) M.factored = false;
        return -1;
    }
    if (factoring) {
        // A limit beyond the arrays would let fill-in run past them unreported.
        const int nstore =
            NSTORE < 0 ? 0 : (NSTORE > M.entryCapacity() ? M.entryCapacity() : NSTORE);
        M.factored = false;
        if (options.clearSpareStorage) {
            for (int e = M.NZ + 1; e <= nstore; ++e) {
                M.A[e] = 0.0;
                M.IR[e] = 0;
                M.JC[e] = 0;
            }
        }
        LINKLS(M, N);
        switch (options.order) {
        case PivotOrder::NaturalAfterOrdering:
            if (ORDER(M, N, nstore, options, log) < 0) return -6;
            naturalSequence(M, N);
            break;
        case PivotOrder::MinimumDegree:
            if (ORDER(M, N, nstore, options, log) < 0) return -6;
            break;
        case PivotOrder::Natural:
            naturalSequence(M, N);
            break;
        case PivotOrder::KeepPrevious:
            if (!M.sequenced || M.sequenceOrder != N) {
                log << " ERROR IN SPARSE: NO PIVOT SEQUENCE OF ORDER " << N << " TO KEEP\n";
                return -1;
            }
            break;
        }
        const int ierr = FACTORP(M, N, nstore, TOL, options, log);
        if (ierr < 0) {
            log << " ERROR RETURN FROM SUBROUTINE \"FACTORP\" \n";
            log << " SOLUTION IS TERMINATED DUE TO FATAL ERROR\n";
            return ierr;
        }
    }
    FBSUB(M, B, N, options);
    return 0;
}

} // namespace tarvex::engine
