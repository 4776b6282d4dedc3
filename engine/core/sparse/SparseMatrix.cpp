#include "engine/core/sparse/SparseMatrix.h"

#include "engine/core/sparse/SparseOptions.h"

#include <iostream>

namespace tarvex::engine {

void CSparseMatrix::clear() {
    NZ = 0;
    NZPIV = 0;
    NFILL = 0;
    factored = false;
    factoredOrder = 0;
}

bool CSparseMatrix::add(int row, int col, double value) {
    if (NZ >= m_entryCapacity) return false;
    if (row < 1 || row > m_orderCapacity || col < 1 || col > m_orderCapacity) return false;
    ++NZ;
    IR[NZ] = row;
    JC[NZ] = col;
    A[NZ] = value;
    NXTR[NZ] = -1;
    NXTC[NZ] = -1;
    // New values invalidate the factors; the pivot sequence stays for KeepPrevious.
    factored = false;
    return true;
}

int CSparseMatrix::findEntry(int row, int col) const {
    for (int e = 1; e <= NZ; ++e) {
        if (IR[e] == row && JC[e] == col) return e;
    }
    return 0;
}

std::ostream& SparseOptions::consoleStream() {
    return std::cout;
}

} // namespace tarvex::engine
