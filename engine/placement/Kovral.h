#pragma once

#include <iosfwd>

// KOVRAL: small integer linear programs by implicit enumeration.
//
//   minimize (or maximize) sum c(j) x(j)
//   subject to sum_j a(i, j) x(j)  <=, = or >=  b(i),   i = 1..M
//              x(j) integer, 0 <= x(j) <= U(j)          (U = 1 for zero-one problems)
//
// The routine keeps a partial solution (a stack of fixed variables), fathoms it by a
// fixed series of tests and otherwise augments it by one variable (Balas rule or minimum
// branch rule). All arrays follow the routine's column-major, 1-based description but are
// passed as ordinary 0-based C arrays: a(i, j) = A[(j - 1) * INPUT(1) + (i - 1)],
// INPUT(n) = INPUT[n - 1], OUTPUT(n) = OUTPUT[n - 1].
//
// Control values INPUT(1..21):
//   1 row dimension of A          2 column dimension of A
//   3 number of constraints M     4 number of variables N
//   5 0 minimize, 1 maximize      6 size of WORK (at least kovralWorkspace(M, N))
//   7 0 real data, 1 integer data 8 0 all zero-one, 1 bounds from U
//   9 restarted problem (0/1)    10 bound on the objective value (if non-zero)
//  11 iteration limit (<= 0: 5000)  12 near-optimality tolerance (< 0: 0)
//  13 0 Balas rule, 1 minimum branch rule   14 save restart info if unfinished (0/1)
//  15-19 report switches          20 output routing (0 console, 1 part filed, 2 all filed)
//  21 maximum output column width (clamped to 72..132)
// OUTPUT(1..4): status, iterations, incumbents found, iteration of the last incumbent.
// Statuses: 1 optimal, 2 no feasible solution, 3 iteration limit reached, 4 problem data
// error, 5 algorithm error. A status 4 call leaves X and Z untouched.
namespace tarvex::engine {

inline constexpr int kKovralControlCount = 21;
inline constexpr int kKovralOutputCount = 4;
inline constexpr int kKovralDefaultIterationLimit = 5000;

enum KovralStatus {
    kKovralOptimal = 1,
    kKovralInfeasible = 2,
    kKovralIterationLimit = 3,
    kKovralDataError = 4,
    kKovralAlgorithmError = 5,
};

// The least workspace, in words, for m constraints and n variables:
// 2n^2 + 2nm + 28n + 5m + 5.
long kovralWorkspace(int m, int n);

// The 24-character report text of a status (1..5), "" for any other value.
const char* kovralStatusText(int status);

// Solves the program. outputFile and restartFile may be blank or null (no file). Console
// lines (unit 6) go to console. Never throws; every problem is answered in OUTPUT(1).
void KOVRAL(const double* A, const int* KT, const double* B, const double* C, const double* U,
            const int* INPUT, const char* TITLE, const char* outputFile, const char* restartFile,
            double& Z, double* X, int* OUTPUT, double* WORK, std::ostream& console);

// Number of KOVRAL calls so far in this process (the call counter of its messages).
int kovralCallCount();

} // namespace tarvex::engine
