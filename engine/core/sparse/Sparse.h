#pragma once

#include "engine/core/sparse/SparseMatrix.h"
#include "engine/core/sparse/SparseOptions.h"

#include <ostream>
#include <span>

// The direct sparse solver shared by the power flow, the weighted least squares
// estimator and the observability analysis: linked chains over coordinate entries, a
// minimum-degree ordering that creates the fill-in positions symbolically, an in-place
// LU factorization (U rows scaled to a unit diagonal, L columns unscaled with the pivot
// on the diagonal) and forward and back substitution. See SparseMatrix.h for how a
// caller loads a matrix; SPARSE is the one call callers need.
//
// Status values (IERR): 0 success;
//   -1 bad call: order outside 1..orderCapacity, an entry outside 1..N, B shorter than
//      N + 1, or a solve-only call without valid factors (nothing is solved);
//   -2 entries plus fill-in exceed NSTORE (or the arrays themselves);
//   -3 a pivot below TOL;
//   -6 fill-in storage exhausted during the ordering (stopOnOverflow only).
// After any failure the factors are incomplete: reload and refactor before solving.
namespace tarvex::engine {

// Solves M x = B (or M^T x = B). B is indexed by variable, B[1..N] (B[0] unused), and
// holds the solution on return. IFACT = 1 links, orders, factors and solves; IFACT = 0
// reuses the factors of the last successful factoring call and only substitutes.
// NSTORE is the entry storage limit for input plus fill-in (clamped to the arrays).
// TOL is the pivot tolerance. Messages go to log (ERROR.LOG), one line each.
int SPARSE(CSparseMatrix& M, std::span<double> B, int N, int NSTORE, double TOL, int IFACT,
           const SparseOptions& options, std::ostream& log);

// The routines SPARSE is made of, for callers that need one step alone.

// Builds the row and column chains over entries 1..NZ and the degrees.
void LINKLS(CSparseMatrix& M, int N);
// Minimum-degree ordering with symbolic fill-in; sets the pivot sequence. Returns 0, or
// -6 when stopOnOverflow is set and the fill-in storage ran out.
int ORDER(CSparseMatrix& M, int N, int NSTORE, const SparseOptions& options, std::ostream& log);
// Adds a zero entry (i, j) unless row i already has one. Returns the new entry, 0 when it
// existed, -1 when the storage limit was passed (NZ stays raised, nothing linked).
int ADDFIL(CSparseMatrix& M, int i, int j, int NSTORE, std::ostream& log);
// Finds entry (i, j) in row i's chain, appending a zero entry when absent. Returns the
// entry, or 0 when the arrays are full.
int FINDEL(CSparseMatrix& M, int i, int j);
// Numeric factorization in the current pivot sequence. Returns IERR (0, -2, -3).
int FACTORP(CSparseMatrix& M, int N, int NSTORE, double TOL, const SparseOptions& options,
            std::ostream& log);
// Substitution with the factors, as switched by options (forward, back, transposed).
void FBSUB(CSparseMatrix& M, std::span<double> B, int N, const SparseOptions& options);

} // namespace tarvex::engine
