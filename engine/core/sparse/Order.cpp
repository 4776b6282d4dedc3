// Minimum-degree ordering with symbolic fill-in. The matrix is treated as structurally
// symmetric: only row chains are walked, and every fill position is created both ways.
#include "engine/core/sparse/Sparse.h"

namespace tarvex::engine {

namespace {

// Neighbours of node i already given a step number.
int eliminatedNeighbours(const CSparseMatrix& M, int i) {
    int count = 0;
    for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
        const int c = M.JC[e];
        if (c != i && M.ROWPOS[c] != 0) ++count;
    }
    return count;
}

// Whether candidate i beats the best node so far (0 when none yet) under the tie rule.
// The scan runs by index, so "keeps the node found first" means a strict comparison.
bool better(const CSparseMatrix& M, int i, int best, TieRule tie) {
    if (best == 0) return true;
    const int d = M.DEG[i];
    const int bestDeg = M.DEG[best];
    if (d != bestDeg) return d < bestDeg;
    switch (tie) {
    case TieRule::LowestIndex:
        return false;
    case TieRule::HighestIndex:
        return true;
    case TieRule::FewestEliminated:
        return eliminatedNeighbours(M, i) < eliminatedNeighbours(M, best);
    case TieRule::LeastRecent:
        return M.MARK[i] < M.MARK[best];
    }
    return false;
}

bool listed(const CSparseMatrix& M, int count, int node) {
    for (int n = 1; n <= count; ++n) {
        if (M.LIST[n] == node) return true;
    }
    return false;
}

} // namespace

int ORDER(CSparseMatrix& M, int N, int NSTORE, const SparseOptions& options, std::ostream& log) {
    M.sequenced = false;
    M.NFILL = 0;
    for (int i = 1; i <= N; ++i) {
        M.ROWPOS[i] = 0;
        M.COLPOS[i] = 0;
        M.MARK[i] = 0; // step at which the node last became a neighbour of a pivot
    }
    int step = 0;

    // Pre-pass: nodes of degree one eliminate without fill, in index order. A node that
    // drops to degree one is taken only if the pass has not gone by it yet.
    for (int i = 1; i <= N; ++i) {
        if (M.DEG[i] != 1) continue;
        M.ROWPOS[i] = ++step;
        for (int e = M.ROWHD[i]; e > 0; e = M.NXTR[e]) {
            const int c = M.JC[e];
            if (c == i || M.ROWPOS[c] != 0) continue;
            if (options.lowerDegrees) M.DEG[c] -= 1;
            M.MARK[c] = step;
            break;
        }
    }

    while (step < N) {
        int pivot = 0;
        for (int i = 1; i <= N; ++i) {
            if (M.ROWPOS[i] == 0 && better(M, i, pivot, options.tie)) pivot = i;
        }
        M.ROWPOS[pivot] = ++step;

        // Its unnumbered neighbours, each once, in row-chain order.
        int count = 0;
        for (int e = M.ROWHD[pivot]; e > 0; e = M.NXTR[e]) {
            const int c = M.JC[e];
            if (c == pivot || M.ROWPOS[c] != 0 || listed(M, count, c)) continue;
            M.LIST[++count] = c;
            if (options.lowerDegrees) M.DEG[c] -= 1;
            M.MARK[c] = step;
        }

        // Eliminating the pivot couples every pair of its neighbours.
        for (int a = 1; a <= count; ++a) {
            for (int b = a + 1; b <= count; ++b) {
                const int u = M.LIST[a];
                const int w = M.LIST[b];
                const int made = ADDFIL(M, u, w, NSTORE, log);
                if (made < 0 && options.stopOnOverflow) return -6;
                if (made > 0) {
                    M.DEG[u] += 1;
                    M.DEG[w] += 1;
                    M.NFILL += 1;
                }
                if (ADDFIL(M, w, u, NSTORE, log) < 0 && options.stopOnOverflow) return -6;
            }
        }
    }

    for (int i = 1; i <= N; ++i) {
        M.COLPOS[i] = M.ROWPOS[i];
        M.PIVROW[M.ROWPOS[i]] = i;
        M.PIVCOL[M.ROWPOS[i]] = i;
    }
    M.sequenced = true;
    M.sequenceOrder = N;
    return 0;
}

} // namespace tarvex::engine
