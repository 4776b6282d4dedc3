// Row and column chains over the coordinate entries, and the two ways an entry is
// added to them: as symbolic fill-in during the ordering (ADDFIL, with the storage test)
// and on demand during the factorization (FINDEL).
#include "engine/core/sparse/Sparse.h"

namespace tarvex::engine {

namespace {

// Chains keep entries in the order they were appended, so a new entry goes at the end.
void appendToChains(CSparseMatrix& M, int e) {
    const int i = M.IR[e];
    const int j = M.JC[e];
    M.NXTR[e] = -1;
    M.NXTC[e] = -1;
    if (M.ROWHD[i] == 0) {
        M.ROWHD[i] = e;
    } else {
        M.NXTR[M.ROWTL[i]] = e;
    }
    M.ROWTL[i] = e;
    if (M.COLHD[j] == 0) {
        M.COLHD[j] = e;
    } else {
        M.NXTC[M.COLTL[j]] = e;
    }
    M.COLTL[j] = e;
}

int findInRow(const CSparseMatrix& M, int i, int j) {
    for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
        if (M.JC[e] == j) return e;
    }
    return 0;
}

} // namespace

void LINKLS(CSparseMatrix& M, int N) {
    for (int i = 1; i <= N; ++i) {
        M.ROWHD[i] = 0;
        M.COLHD[i] = 0;
        M.ROWTL[i] = 0;
        M.COLTL[i] = 0;
        M.DEG[i] = 0;
    }
    const int last = M.NZ < M.entryCapacity() ? M.NZ : M.entryCapacity();
    for (int e = 1; e <= last; ++e) {
        const int i = M.IR[e];
        const int j = M.JC[e];
        // SPARSE rejects such entries before linking; a direct caller's stray entry is
        // left out rather than written outside the node arrays.
        if (i < 1 || i > N || j < 1 || j > N) continue;
        if (i != j) M.DEG[i] += 1;
        appendToChains(M, e);
    }
}

int ADDFIL(CSparseMatrix& M, int i, int j, int NSTORE, std::ostream& log) {
    if (findInRow(M, i, j) != 0) return 0;
    M.NZ += 1;
    if (M.NZ > NSTORE || M.NZ > M.entryCapacity()) {
        log << "  ERROR DETECTED IN ORDERING\n";
        log << "  INSUFFICIENT ALLOCATION, INCREASE NZA\n";
        return -1;
    }
    const int e = M.NZ;
    M.IR[e] = i;
    M.JC[e] = j;
    M.A[e] = 0.0;
    appendToChains(M, e);
    return e;
}

int FINDEL(CSparseMatrix& M, int i, int j) {
    const int found = findInRow(M, i, j);
    if (found != 0) return found;
    // The factorization appends without the caller's storage limit (that is tested once
    // after the loop), but never past the arrays themselves.
    if (M.NZ >= M.entryCapacity()) return 0;
    const int e = ++M.NZ;
    M.IR[e] = i;
    M.JC[e] = j;
    M.A[e] = 0.0;
    appendToChains(M, e);
    return e;
}

} // namespace tarvex::engine
