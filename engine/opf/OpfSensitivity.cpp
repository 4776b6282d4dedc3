#include "engine/core/BranchFlows.h"
#include "engine/opf/Opf.h"

#include <cmath>
#include <cstdio>

// Limit check and sensitivities after a power flow.
//
// The Newton power flow Jacobian has the unknowns theta of every bus but the swing bus and
// V of every bus, and the rows of the real balance of the same buses and the reactive
// balance of every bus. A unit injection of control c (real output of a generator other
// than the swing, whose change the swing bus takes up, or reactive output of any
// generator) moves the state by s = J^-1 e_c; a violated quantity with gradient row r
// then moves by r . s. The Jacobian and the gradients are taken by central differences
// of the injections and branch flows the power flow itself reports (BranchFlows), so
// they follow its branch model exactly, phase shifters included.
namespace tarvex::engine {

namespace {

constexpr int kLpFailed = 70;
constexpr int kTooManyViolations = 76;
// Step of the central differences: angles in rad, voltages in p.u.
constexpr double kStep = 1.0e-6;
constexpr double kSingularPivot = 1.0e-12;

bool addViolation(OpfModule& s) {
    if (s.NVL + s.NVV < kMaxViolations) return true;
    s.fail(kTooManyViolations);
    s.log(" OPF ERROR : MORE VIOLATED LIMITS THAN THE DISPATCH PROGRAM HOLDS");
    OPFSTATUS(kTooManyViolations);
    return false;
}

// Net injections of every bus: the flows leaving it into its branches plus what its
// shunt susceptance absorbs.
void injections(const PowerFlowModule& m, Table<double, kMaxBuses>& p,
                Table<double, kMaxBuses>& q) {
    for (int i = 1; i <= m.NB; ++i) p[i] = q[i] = 0.0;
    for (int l = 1; l <= m.NBR; ++l)
        for (int end = 0; end < 2; ++end) {
            const BranchEndFlow f = branchEndFlow(m, l, end == 0);
            p[f.bus] += f.p;
            q[f.bus] += f.q;
        }
    for (int k = 1; k <= m.NSH; ++k) {
        const int i = m.SHBUS[k];
        q[i] -= m.VMAG[i] * m.VMAG[i] * m.SHB[k];
    }
}

double apparent(const PowerFlowModule& m, int l, bool fromEnd) {
    const BranchEndFlow f = branchEndFlow(m, l, fromEnd);
    return std::sqrt(f.p * f.p + f.q * f.q);
}

double& jac(OpfModule& s, int r, int c) {
    return s.JAC[static_cast<std::size_t>(r) * kMaxJacobianOrder + c];
}

// OPFJAC and OPFGRAD together for the gradient rows first..last: each unknown is
// perturbed once for both. Buses whose voltage is held (the swing bus, and with
// `generatorsHold` the voltage-controlled buses of the last power flow) have no voltage
// unknown and no reactive row, as in the power flow itself.
void jacobianAndGradients(OpfModule& s, bool generatorsHold, int first, int last) {
    PowerFlowModule& m = s.pf;
    int n = 0;
    for (int i = 1; i <= m.NB; ++i) s.THIDX[i] = i == m.SLACK ? -1 : n++;
    for (int i = 1; i <= m.NB; ++i) {
        const bool held = i == m.SLACK || (generatorsHold && m.BTYPE[i] == 3);
        s.VIDX[i] = held ? -1 : n++;
    }
    s.NJ = n;
    for (int k = first; k < last; ++k)
        for (int u = 0; u < n; ++u) s.GRAD[k][u] = 0.0;
    for (int k = 1; k <= s.NVV; ++k) {
        const int row = s.NVL + k - 1;
        const int u = s.VIDX[s.VVBUS[k]];
        if (row >= first && row < last && u >= 0) s.GRAD[row][u] = 1.0;
    }
    for (int i = 1; i <= m.NB; ++i)
        for (int kind = 0; kind < 2; ++kind) {
            const int u = kind == 0 ? s.THIDX[i] : s.VIDX[i];
            if (u < 0) continue;
            double& x = kind == 0 ? m.VANG[i] : m.VMAG[i];
            const double saved = x;
            x = saved + kStep;
            injections(m, s.PINJ1, s.QINJ1);
            std::array<double, kMaxViolations + 1> up{};
            for (int k = 1; k <= s.NVL; ++k)
                if (k - 1 >= first && k - 1 < last) up[k] = apparent(m, s.VLBR[k], s.VLSGN[k] > 0);
            x = saved - kStep;
            injections(m, s.PINJ0, s.QINJ0);
            for (int k = 1; k <= s.NVL; ++k)
                if (k - 1 >= first && k - 1 < last)
                    s.GRAD[k - 1][u] =
                        (up[k] - apparent(m, s.VLBR[k], s.VLSGN[k] > 0)) / (2.0 * kStep);
            x = saved;
            for (int b = 1; b <= m.NB; ++b) {
                if (s.THIDX[b] >= 0)
                    jac(s, s.THIDX[b], u) = (s.PINJ1[b] - s.PINJ0[b]) / (2.0 * kStep);
                if (s.VIDX[b] >= 0)
                    jac(s, s.VIDX[b], u) = (s.QINJ1[b] - s.QINJ0[b]) / (2.0 * kStep);
            }
        }
}

// LU factors in place with row pivoting; false when singular.
bool factor(OpfModule& s) {
    const int n = s.NJ;
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(jac(s, r, c)) > std::fabs(jac(s, p, c))) p = r;
        if (std::fabs(jac(s, p, c)) < kSingularPivot) return false;
        s.JPIV[c] = p;
        if (p != c)
            for (int k = 0; k < n; ++k) std::swap(jac(s, p, k), jac(s, c, k));
        for (int r = c + 1; r < n; ++r) {
            const double f = jac(s, r, c) /= jac(s, c, c);
            if (f == 0.0) continue;
            for (int k = c + 1; k < n; ++k) jac(s, r, k) -= f * jac(s, c, k);
        }
    }
    return true;
}

// JCOLV = J^-1 e_row.
void solveUnit(OpfModule& s, int row) {
    const int n = s.NJ;
    for (int i = 0; i < n; ++i) s.JCOLV[i] = i == row ? 1.0 : 0.0;
    for (int c = 0; c < n; ++c) {
        if (s.JPIV[c] != c) std::swap(s.JCOLV[c], s.JCOLV[s.JPIV[c]]);
        for (int r = c + 1; r < n; ++r) s.JCOLV[r] -= jac(s, r, c) * s.JCOLV[c];
    }
    for (int r = n - 1; r >= 0; --r) {
        double sum = s.JCOLV[r];
        for (int k = r + 1; k < n; ++k) sum -= jac(s, r, k) * s.JCOLV[k];
        s.JCOLV[r] = sum / jac(s, r, r);
    }
}

} // namespace

void OPFLIM(OpfModule& s) {
    const PowerFlowModule& m = s.pf;
    s.NVL = s.NVV = 0;
    for (int l = 1; l <= m.NBR; ++l) {
        const float sft = static_cast<float>(apparent(m, l, true));
        const float stf = static_cast<float>(apparent(m, l, false));
        const double rate = m.RATE1[l];
        int sign = 0;
        double flow = 0.0;
        if (rate < m.BASEMVA * sft) {
            sign = 1;
            flow = sft;
        } else if (rate < m.BASEMVA * stf) {
            sign = -1;
            flow = stf;
        }
        if (sign == 0) continue;
        if (!addViolation(s)) return;
        ++s.NVL;
        s.VLBR[s.NVL] = l;
        s.VLSGN[s.NVL] = sign;
        s.LMARGIN[s.NVL] = (rate - m.BASEMVA * flow) / m.BASEMVA;
    }
    for (int b = 1; b <= m.NB; ++b) {
        const double v = m.VMAG[b];
        int sign = 0;
        double margin = 0.0;
        if (v > s.VMAXO) {
            sign = 1;
            margin = s.VMAXO - v;
        } else if (v < s.VMINO) {
            sign = -1;
            margin = v - s.VMINO;
        }
        if (sign == 0) continue;
        if (!addViolation(s)) return;
        ++s.NVV;
        s.VVBUS[s.NVV] = b;
        s.VVSGN[s.NVV] = sign;
        s.VMARGIN[s.NVV] = margin;
    }
}

namespace {

// Sensitivities of gradient rows first..last to the real outputs (`real`) or to the
// reactive outputs of the generators but the swing.
bool sensitivityPass(OpfModule& s, bool real, int first, int last) {
    PowerFlowModule& m = s.pf;
    if (first >= last) return true;
    // Real outputs move with the generator voltages held as the power flow holds them;
    // reactive outputs are moved with every generator but the swing held at its output.
    jacobianAndGradients(s, real, first, last);
    if (!factor(s)) {
        s.fail(kLpFailed);
        s.log(" OPF ERROR : THE POWER FLOW JACOBIAN IS SINGULAR AT THE CURRENT DISPATCH");
        OPFSTATUS(kLpFailed);
        return false;
    }
    for (int g = 1; g <= s.NOPG; ++g) {
        const int i = s.GBUS[g];
        if (i == m.SLACK) continue;
        const int unknown = real ? s.THIDX[i] : s.VIDX[i];
        if (unknown < 0) continue;
        solveUnit(s, unknown);
        const int c = real ? g : s.NOPG + g;
        for (int k = first; k < last; ++k) {
            double sum = 0.0;
            for (int u = 0; u < s.NJ; ++u) sum += s.GRAD[k][u] * s.JCOLV[u];
            s.SENS[k][c] = sum;
        }
    }
    return true;
}

} // namespace

bool OPFSENS(OpfModule& s) {
    const int rows = s.NVL + s.NVV;
    for (int k = 0; k < rows; ++k)
        for (int c = 0; c <= 2 * s.NOPG; ++c) s.SENS[k][c] = 0.0;
    // Branch rows on the real outputs, voltage rows on the reactive outputs (OPFCTL).
    return sensitivityPass(s, true, 0, s.NVL) && sensitivityPass(s, false, s.NVL, rows);
}

} // namespace tarvex::engine
