#pragma once

// A sparse matrix of order N in coordinate form with linked row and column chains, the
// working storage of the sparse solver (routines in Sparse.h). All arrays are 1-based:
// index 0 is never used, entry e = 1..NZ, node i = 1..N.
//
// This class holds no storage of its own: CSparseStorage<entries, order> (SparseStorage.h)
// owns fixed arrays and points these members at them. Keep a storage object in the
// analysis module (static lifetime; it is too large for the stack), one per matrix.
//
// Usage:
//   CSparseStorage<kMaxMatrixEntries, kMaxBuses> m;    // in the module struct
//   m.clear();                                         // NZ = 0
//   m.add(i, j, value);                                // per coordinate entry; a pair
//                                                      // may repeat off the diagonal
//   m.value(m.findEntry(k, k)) = 1.0E22;               // optional edits before factoring
//   int ierr = SPARSE(m, b, n, nstore, 1.0E-8, 1, SparseOptions::powerFlow(), log);
//   ...                                                // b[1..n] now holds x
//   ierr = SPARSE(m, b2, n, nstore, 1.0E-8, 0, ...);   // solve only, same factors
// A factoring call (IFACT = 1) overwrites the values with the factors and appends
// fill-in entries, so reload the entries (clear + add) before every factoring call.
namespace tarvex::engine {

class CSparseMatrix {
public:
    CSparseMatrix(const CSparseMatrix&) = delete;
    CSparseMatrix& operator=(const CSparseMatrix&) = delete;

    int entryCapacity() const { return m_entryCapacity; }
    int orderCapacity() const { return m_orderCapacity; }

    // Forget every entry and the factors (NZ = 0).
    void clear();
    // Appends entry (row, col, value) as entry NZ+1. Returns false, writing nothing, when
    // the entry arrays are full or row or col lies outside 1..orderCapacity().
    bool add(int row, int col, double value);
    int entryCount() const { return NZ; }
    // The first entry with this row and column in entry order, 0 when there is none.
    int findEntry(int row, int col) const;
    double& value(int e) { return A[e]; }
    double value(int e) const { return A[e]; }
    int row(int e) const { return IR[e]; }
    int column(int e) const { return JC[e]; }

    // Pivot sequence of the last factorization: step k pivots on pivotRow(k), pivotColumn(k).
    int pivotRow(int k) const { return PIVROW[k]; }
    int pivotColumn(int k) const { return PIVCOL[k]; }
    int rowStep(int i) const { return ROWPOS[i]; }
    int columnStep(int j) const { return COLPOS[j]; }
    // Steps whose pivot was replaced by 1.0 (pivot search only), in step order.
    int zeroPivotCount() const { return NZPIV; }
    int zeroPivotStep(int n) const { return ZPIV[n]; }
    // Fill-in entries counted by the last ordering.
    int fillCount() const { return NFILL; }
    // True when the last factoring call succeeded for order n and solve-only calls may run.
    bool factoredFor(int n) const { return factored && factoredOrder == n; }

    // The working arrays, named as the solver's routines use them.
    double* A = nullptr;   // value of entry e; after factorization, the factors
    int* IR = nullptr;     // row of entry e
    int* JC = nullptr;     // column of entry e
    int* NXTR = nullptr;   // next entry in the same row, -1 at the end
    int* NXTC = nullptr;   // next entry in the same column, -1 at the end
    int* ROWHD = nullptr;  // first entry of row i, 0 when empty
    int* COLHD = nullptr;  // first entry of column j, 0 when empty
    int* ROWTL = nullptr;  // last entry of row i (chains append at the end)
    int* COLTL = nullptr;  // last entry of column j
    int* DEG = nullptr;    // off-diagonal entries of row i (degree of node i)
    int* PIVROW = nullptr; // row of the k-th pivot
    int* PIVCOL = nullptr; // column of the k-th pivot
    int* ROWPOS = nullptr; // step at which row i is eliminated
    int* COLPOS = nullptr; // step at which column j is eliminated
    int* PIVENT = nullptr; // entry holding the k-th pivot after factorization
    int* ZPIV = nullptr;   // replaced zero pivots (steps)
    int* MARK = nullptr;   // ordering work: neighbour list, stamps
    int* LIST = nullptr;   // ordering work: collected neighbours
    double* W = nullptr;   // substitution work vector
    int NZ = 0;            // entries in use (grows with fill-in)
    int NZPIV = 0;
    int NFILL = 0;
    bool factored = false;
    int factoredOrder = 0;
    bool sequenced = false; // a pivot sequence exists for sequenceOrder
    int sequenceOrder = 0;

protected:
    CSparseMatrix(int entryCapacity, int orderCapacity)
        : m_entryCapacity(entryCapacity), m_orderCapacity(orderCapacity) {}
    ~CSparseMatrix() = default;

private:
    int m_entryCapacity;
    int m_orderCapacity;
};

} // namespace tarvex::engine
