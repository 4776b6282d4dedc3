#include "engine/placement/KovralSearch.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace tarvex::engine {

namespace {
// Slacks of real-data rows are compared with this much slack for rounding.
constexpr double kSlackTolerance = 1.0E-9;
// Keeps a bound derived from the gap strictly below it.
constexpr double kGapEpsilon = 1.0E-7;
// An incumbent is printed only when it improves by more than this.
constexpr double kReportImprovement = 0.001;

void writeVector(std::ostream& out, const double* v, int n, int perLine) {
    char buffer[32];
    for (int j = 0; j < n; ++j) {
        std::snprintf(buffer, sizeof buffer, "%8.0f", v[j]);
        out << buffer;
        if ((j + 1) % perLine == 0 || j + 1 == n) out << '\n';
    }
}
} // namespace

void KovralSearch::build(const double* A, int lda, const int* KT, const double* B, const double* C,
                         const double* U, bool useBounds, bool maximize, int m, int n, double bound,
                         double* work) {
    bool anyEquality = false;
    for (int i = 0; i < m; ++i) anyEquality = anyEquality || KT[i] == 0;
    m_rows = m + (anyEquality ? 1 : 0);
    m_n = n;
    double* p = work;
    m_d = p;
    p += static_cast<long>(m_rows) * n;
    m_s = p;
    p += m_rows;
    double** arrays[] = {&m_c,   &m_u,      &m_complemented, &m_value, &m_fixed,
                         &m_top, &m_usable, &m_incumbent,    &m_stack, &m_exhausted};
    for (double** a : arrays) {
        *a = p;
        p += n;
    }

    double constant = 0.0; // objective of the complemented variables at their bounds
    for (int j = 0; j < n; ++j) {
        m_u[j] = useBounds ? std::floor(U[j] + 0.0001) : 1.0;
        if (m_u[j] < 0.0) m_u[j] = 0.0;
        const double cost = maximize ? -C[j] : C[j];
        m_complemented[j] = cost < 0.0 ? 1.0 : 0.0;
        m_c[j] = std::fabs(cost);
        if (cost < 0.0) constant += cost * m_u[j];
        m_value[j] = m_fixed[j] = m_top[j] = m_usable[j] = m_incumbent[j] = 0.0;
        m_stack[j] = m_exhausted[j] = 0.0;
    }
    // Row i in the slack form: >= rows give s = -b + sum a x, <= and = rows s = b - sum a x.
    for (int i = 0; i < m; ++i) {
        const double sign = KT[i] < 0 ? 1.0 : -1.0;
        double r = -sign * B[i];
        for (int j = 0; j < n; ++j) {
            const double a = sign * A[static_cast<long>(j) * lda + i];
            if (m_complemented[j] != 0.0) {
                r += a * m_u[j];
                d(i, j) = -a;
            } else {
                d(i, j) = a;
            }
        }
        m_s[i] = r;
    }
    if (anyEquality) {
        // The negated sum of the equality rows: with it each equality holds as a pair of
        // opposite inequalities.
        const int e = m;
        m_s[e] = 0.0;
        for (int j = 0; j < n; ++j) d(e, j) = 0.0;
        for (int i = 0; i < m; ++i) {
            if (KT[i] != 0) continue;
            m_s[e] -= m_s[i];
            for (int j = 0; j < n; ++j) d(e, j) -= d(i, j);
        }
    }

    double total = 0.0;
    for (int j = 0; j < n; ++j) total += m_c[j] * m_u[j];
    // The caller's bound is on the objective in its own terms; internally the objective is
    // constant + cost of the partial solution (negated when maximizing).
    m_zbar = bound != 0.0 ? (maximize ? -bound : bound) - constant : total + 1.0;
    m_zs = 0.0;
    m_depth = 0;
    m_iterations = m_incumbents = m_incumbentIteration = 0;
    for (int& c : m_counters) c = 0;
}

void KovralSearch::shift(int j, double delta) {
    m_value[j] += delta;
    m_zs += m_c[j] * delta;
    for (int i = 0; i < m_rows; ++i) m_s[i] += d(i, j) * delta;
}

void KovralSearch::fix(int j, double value) {
    m_stack[m_depth++] = j;
    m_fixed[j] = 1.0;
    m_exhausted[j] = 0.0;
    shift(j, value);
}

void KovralSearch::recordIncumbent(const Controls& controls) {
    const double previous = m_zbar;
    m_zbar = m_zs;
    for (int j = 0; j < m_n; ++j) m_incumbent[j] = m_value[j];
    ++m_incumbents;
    m_incumbentIteration = m_iterations;
    if (controls.printIncumbents && previous - m_zbar > kReportImprovement && controls.out) {
        std::ostream& out = *controls.out;
        out << "INCUMBENT SOLUTION NO." << m_incumbents << "  OBJECTIVE VALUE =" << m_zbar
            << "  ITERATIONS =" << m_iterations << '\n'
            << "SOLUTION VECTOR\n";
        writeVector(out, m_incumbent, m_n, controls.width / 9);
    }
}

// Pops the exhausted variables and steps the top one to its next value. False when the
// enumeration is complete; status then holds 1 or 2.
bool KovralSearch::backtrack(int& status) {
    while (m_depth > 0) {
        const int j = static_cast<int>(m_stack[m_depth - 1]);
        if (m_exhausted[j] == 0.0) break;
        shift(j, -m_value[j]);
        m_fixed[j] = 0.0;
        --m_depth;
    }
    if (m_depth == 0) {
        status = m_incumbents > 0 ? 1 : 2;
        return false;
    }
    const int j = static_cast<int>(m_stack[m_depth - 1]);
    if (m_top[j] < 0.0) {
        // Minimum branch rule: values climb from the lower bound to the stepping bound.
        shift(j, 1.0);
        if (m_value[j] >= -m_top[j]) m_exhausted[j] = 1.0;
    } else {
        shift(j, -1.0);
        if (m_value[j] <= 0.0) m_exhausted[j] = 1.0;
    }
    return true;
}

int KovralSearch::run(const Controls& controls) {
    const double tolerance = controls.realData ? kSlackTolerance : 0.0;
    int status = 0;
    while (true) {
        if (m_iterations >= controls.iterationLimit) return 3;
        ++m_iterations;
        const int freeCount = m_n - m_depth;
        if (controls.traceEvery > 0 && m_iterations % controls.traceEvery == 0 && controls.out) {
            std::ostream& out = *controls.out;
            out << "ITERATION" << m_iterations << "  ZBAR = " << m_zbar << "  ZS =" << m_zs << '\n'
                << "IS1 = ";
            for (int k = 0; k < m_depth; ++k) {
                out << ' ' << static_cast<int>(m_stack[k]) + 1;
                if ((k + 1) % 20 == 0) out << '\n';
            }
            out << "\nX1 = ";
            writeVector(out, m_value, m_n, 8);
        }

        if (m_zbar <= m_zs) {
            ++m_counters[kIncumbentSuperior];
            if (!backtrack(status)) return status;
            continue;
        }
        bool feasible = true;
        for (int i = 0; i < m_rows && feasible; ++i) feasible = m_s[i] >= -tolerance;
        if (feasible) {
            ++m_counters[kFeasibleCompletion];
            recordIncumbent(controls);
            if (!backtrack(status)) return status;
            continue;
        }

        // A free variable may rise only as far as keeps the cost below the incumbent.
        const double gap = m_zbar - m_zs;
        for (int j = 0; j < m_n; ++j) {
            if (m_fixed[j] != 0.0) continue;
            double u = m_u[j];
            if (m_c[j] > 0.0) {
                const double limit = std::trunc(gap / m_c[j] - kGapEpsilon);
                if (limit < u) u = limit;
            }
            m_usable[j] = u < 0.0 ? 0.0 : u;
        }
        bool blocked = false;
        for (int i = 0; i < m_rows && !blocked; ++i) {
            if (m_s[i] >= -tolerance) continue;
            double best = m_s[i];
            for (int j = 0; j < m_n; ++j)
                if (m_fixed[j] == 0.0 && d(i, j) > 0.0) best += d(i, j) * m_usable[j];
            blocked = best < -tolerance;
        }
        if (blocked) {
            ++m_counters[kInfeasibleConstraint];
            if (!backtrack(status)) return status;
            continue;
        }
        if (freeCount < 1) {
            if (controls.console)
                *controls.console << "*** ALGORITHM ERROR --- ATTEMPT TO ENTER I.L.P."
                                  << " WITH NF = 0.\nITERATION COUNT =" << m_iterations << '\n';
            return 5;
        }

        int chosen = -1;
        if (controls.minimumBranchRule) {
            double smallest = 0.0;
            for (int j = 0; j < m_n; ++j) {
                if (m_fixed[j] != 0.0) continue;
                if (chosen < 0 || m_usable[j] < smallest) {
                    chosen = j;
                    smallest = m_usable[j];
                }
            }
            fix(chosen, 0.0);
            // A negative stepping bound marks the climbing direction.
            m_top[chosen] = -m_usable[chosen];
            if (m_usable[chosen] <= 0.0) m_exhausted[chosen] = 1.0;
        } else {
            double bestTotal = -1.0E20;
            for (int j = 0; j < m_n; ++j) {
                if (m_fixed[j] != 0.0) continue;
                double total = 0.0;
                for (int i = 0; i < m_rows; ++i) {
                    const double s = m_s[i] + d(i, j) * m_usable[j];
                    if (s < 0.0) total += s;
                }
                if (total > bestTotal) {
                    bestTotal = total;
                    chosen = j;
                }
            }
            fix(chosen, m_usable[chosen]);
            m_top[chosen] = m_usable[chosen];
            if (m_usable[chosen] <= 0.0) m_exhausted[chosen] = 1.0;
        }
        ++m_counters[kAugmentations];
        if (controls.out && controls.traceEvery > 0 && m_iterations % controls.traceEvery == 0)
            *controls.out << "AUGMENTATION STEP --- VARIABLE FIXED =" << chosen + 1 << '\n';
    }
}

double KovralSearch::answer(int j) const {
    const double y = m_incumbent[j];
    return m_complemented[j] != 0.0 ? std::floor(m_u[j] - y + 0.001) : std::floor(y + 0.001);
}

} // namespace tarvex::engine
