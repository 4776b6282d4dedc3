#include "engine/core/EngineLogStream.h"
#include "engine/core/sparse/Sparse.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "engine/shortcircuit/ShortCircuitStatus.h"

#include <span>

// SEQZ: the bus admittance matrix Y of one sequence network, factored once with the
// sparse package, and the impedance columns Z(:, k) = Y^-1 e_k of the faulted buses.
//
// The sparse package works in real numbers, so the complex equations Y z = c are solved
// in real form: bus i takes the two unknowns Re z_i and Im z_i at consecutive positions
// 2p-1 and 2p, where p is the bus's step in a minimum-degree order found on the bus
// graph; the factorization then runs in natural order, so each complex pivot is
// eliminated as one 2x2 block. With Y_ij = g + jb, the two rows of bus i are either
//   susceptance first:  [ b  g ] (imaginary part of the equation)
//                       [ g -b ] (real part)
//   conductance first:  [ g -b ] (real part)
//                       [ b  g ] (imaginary part)
// Networks of lines and machines are inductive, so the susceptance of every pivot is
// negative and the first form never meets a zero pivot; a purely resistive network
// meets one there, and the run then refactors in the second form.
//
// Buses of an island with no element to ground are left out (their rows hold 1 on the
// diagonal): such an island has no reference, and its columns stay zero.
namespace tarvex::engine::shortcircuit {

namespace {

Complex admittance(const SequenceNetwork& net, int k) {
    return 1.0 / Complex(net.r[k], net.x[k]);
}

bool inSolution(const SequenceNetwork& net, int bus) {
    return net.isGrounded(bus);
}

// The elimination order of the buses: the package's minimum-degree ordering run on the
// pattern of Y (one entry per bus pair).
bool orderBuses(ShortCircuitModule& m, const SequenceNetwork& net, std::ostream& log) {
    CSparseMatrix& p = m.PATTERN;
    p.clear();
    const int n = m.NBUS;
    for (int i = 1; i <= n; ++i)
        if (!p.add(i, i, 1.0)) return false;
    for (int k = 1; k <= net.count; ++k) {
        const int a = net.from[k], b = net.to[k];
        if (a == 0 || b == 0 || a == b || !inSolution(net, a)) continue;
        if (!p.add(a, b, 1.0) || !p.add(b, a, 1.0)) return false;
    }
    LINKLS(p, n);
    SparseOptions options;
    options.order = PivotOrder::MinimumDegree;
    options.stopOnOverflow = true;
    if (ORDER(p, n, p.entryCapacity(), options, log) != 0) return false;
    for (int k = 1; k <= n; ++k) {
        m.ORDERBUS[k] = p.pivotRow(k);
        m.STEP[p.pivotRow(k)] = k;
    }
    return true;
}

// Adds the 2x2 real block of Y_ij at the steps of buses i and j.
bool addBlock(CSparseMatrix& s, int p, int q, Complex y, bool susceptanceFirst) {
    const double g = y.real(), b = y.imag();
    const int r1 = 2 * p - 1, r2 = 2 * p, c1 = 2 * q - 1, c2 = 2 * q;
    if (susceptanceFirst)
        return s.add(r1, c1, b) && s.add(r1, c2, g) && s.add(r2, c1, g) && s.add(r2, c2, -b);
    return s.add(r1, c1, g) && s.add(r1, c2, -b) && s.add(r2, c1, b) && s.add(r2, c2, g);
}

bool load(ShortCircuitModule& m, const SequenceNetwork& net, bool susceptanceFirst) {
    CSparseMatrix& s = m.SOLVER;
    s.clear();
    const int n = m.NBUS;
    for (int i = 1; i <= n; ++i) m.YDIAG[i] = 0.0;
    for (int k = 1; k <= net.count; ++k) {
        const int a = net.from[k], b = net.to[k];
        const int bus = a == 0 ? b : a;
        if (!inSolution(net, bus) || a == b) continue;
        const Complex y = admittance(net, k);
        if (a != 0) m.YDIAG[a] += y;
        if (b != 0) m.YDIAG[b] += y;
        if (a != 0 && b != 0) {
            if (!addBlock(s, m.STEP[a], m.STEP[b], -y, susceptanceFirst) ||
                !addBlock(s, m.STEP[b], m.STEP[a], -y, susceptanceFirst))
                return false;
        }
    }
    for (int i = 1; i <= n; ++i) {
        const int p = m.STEP[i];
        if (inSolution(net, i)) {
            if (!addBlock(s, p, p, m.YDIAG[i], susceptanceFirst)) return false;
        } else if (!s.add(2 * p - 1, 2 * p - 1, 1.0) || !s.add(2 * p, 2 * p, 1.0)) {
            return false;
        }
    }
    return true;
}

void failSolution(ShortCircuitModule& m, const char* what) {
    Record r;
    r.text(" SHORT CIRCUIT: ").text(what);
    m.fail(kSolutionFailed, r);
}

} // namespace

void SEQZ(ShortCircuitModule& m, SequenceNetwork& net) {
    const int n = m.NBUS;
    for (int f = 1; f <= m.NFAULT; ++f)
        for (int i = 0; i <= n; ++i) net.zcol[f][i] = 0.0;
    bool needed = false;
    for (int f = 1; f <= m.NFAULT; ++f) needed = needed || inSolution(net, m.FBUS[f]);
    if (!needed) return;

    EngineLogStream log(m.log);
    if (!orderBuses(m, net, log))
        return failSolution(m, "THE ORDERING OF THE BUSES RAN OUT OF STORAGE");

    const std::span<double> rhs(m.RHS.data(), static_cast<std::size_t>(2 * n + 1));
    SparseOptions options;
    options.order = PivotOrder::Natural;
    bool susceptanceFirst = true;
    bool factored = false;
    for (int f = 1; f <= m.NFAULT; ++f) {
        const int k = m.FBUS[f];
        if (!inSolution(net, k)) continue;
        for (;;) {
            for (double& v : rhs) v = 0.0;
            // A unit real current into bus k: the real part of its equation.
            rhs[static_cast<std::size_t>(2 * m.STEP[k] - (susceptanceFirst ? 0 : 1))] = 1.0;
            int ierr = 0;
            if (!factored) {
                if (!load(m, net, susceptanceFirst))
                    return failSolution(m, "THE ADMITTANCE MATRIX EXCEEDS THE SOLVER STORAGE");
                ierr = SPARSE(m.SOLVER, rhs, 2 * n, m.SOLVER.entryCapacity(), kPivotTolerance, 1,
                              options, log);
            } else {
                ierr = SPARSE(m.SOLVER, rhs, 2 * n, m.SOLVER.entryCapacity(), kPivotTolerance, 0,
                              options, log);
            }
            if (ierr == -3 && !factored && susceptanceFirst) {
                susceptanceFirst = false;
                continue;
            }
            if (ierr != 0)
                return failSolution(m, "THE SPARSE FACTORIZATION OF THE ADMITTANCE MATRIX FAILED");
            factored = true;
            break;
        }
        for (int i = 1; i <= n; ++i) {
            const int p = m.STEP[i];
            net.zcol[f][i] = inSolution(net, i) && net.island[i] == net.island[k]
                                 ? Complex(rhs[static_cast<std::size_t>(2 * p - 1)],
                                           rhs[static_cast<std::size_t>(2 * p)])
                                 : Complex(0.0, 0.0);
        }
    }
}

} // namespace tarvex::engine::shortcircuit
