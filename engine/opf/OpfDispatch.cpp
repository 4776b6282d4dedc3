#include "engine/opf/Opf.h"
#include "engine/opf/la01bd.h"

#include <cmath>
#include <cstdio>

// The dispatch programs. Variables: x_l, the output of cost segment l above the
// generators' first cost points (generator-major), then y_g, the reactive output of
// generator g, all in p.u. Rows (<=): x_l <= WIDTH(l); y_g <= upper reactive limit;
// -y_g <= -lower limit; in the constrained program one row per violated branch rating and
// per violated bus voltage. Then the two balances: sum x = PDEM - SUMPMIN (load and
// losses above the first cost points) and sum y = QDEM. Costs: the segment slopes.
//
// A violated quantity u (|S| at a branch end, or a bus voltage) is linearized at the last
// power flow: u + sum_c SENS(c) (control_c - now_c) within its limit. Branch rows use the
// real outputs only; voltage rows the reactive outputs only. Reactive outputs carry no
// cost, so in a program with voltage rows only the most effective generator of each
// violated voltage moves its reactive output (with a tiny cost that keeps the move no
// larger than the row needs); the others stay where the power flow left them and the
// swing bus balances.
namespace tarvex::engine {

namespace {

constexpr int kLpFailed = 70;
constexpr int kLpTooLarge = 76;
// Segment output treated as unused when finding a generator's incremental cost, p.u.
constexpr double kUnusedSegment = 1.0e-9;
// Cost of a moving reactive output relative to the largest slope.
constexpr double kReactiveMoveCost = 1.0e-6;

double& at(OpfModule& s, int row, int col) {
    return s.LPA[static_cast<std::size_t>(row) + static_cast<std::size_t>(col) * s.LPM];
}

} // namespace

bool OPFLP(OpfModule& s, bool constrained) {
    const int nvl = constrained ? s.NVL : 0;
    const int nvv = constrained ? s.NVV : 0;
    const int nsegv = s.NSEGV;
    const int nopg = s.NOPG;
    s.LPN = nsegv + nopg;
    s.LPK = nsegv + 2 * nopg + nvl + nvv;
    s.LPM = s.LPK + 2;
    if (s.LPM > kMaxLpRows || s.LPN > kMaxLpColumns || la01bdWorkspaceSize(s.LPM) > kLpWorkspace) {
        s.fail(kLpTooLarge);
        char text[160];
        std::snprintf(text, sizeof text,
                      " OPF ERROR : DISPATCH PROGRAM OF %d ROWS AND %d COLUMNS EXCEEDS %d ROWS "
                      "AND %d COLUMNS",
                      s.LPM, s.LPN, kMaxLpRows, kMaxLpColumns);
        s.log(text);
        OPFSTATUS(kLpTooLarge);
        return false;
    }
    for (int i = 0; i < s.LPM * s.LPN; ++i) s.LPA[i] = 0.0;
    for (int j = 0; j < s.LPN; ++j) s.LPC[j] = 0.0;

    double largestSlope = 0.0;
    for (int l = 1; l <= nsegv; ++l) {
        at(s, l - 1, l - 1) = 1.0;
        s.LPB[l - 1] = s.WIDTH[l];
        s.LPC[l - 1] = s.SLOPE[l];
        largestSlope = std::fmax(largestSlope, std::fabs(s.SLOPE[l]));
    }

    // Reactive outputs that may move: all of them without voltage rows.
    std::array<int, kMaxOpfGenerators + 1> direction{}; // +1 raise, -1 lower, 2 both
    std::array<bool, kMaxOpfGenerators + 1> free{};
    for (int g = 1; g <= nopg; ++g) free[g] = nvv == 0 || s.GROW[g] == 0;
    for (int k = 1; k <= nvv; ++k) {
        int best = 0;
        for (int g = 1; g <= nopg; ++g) {
            if (s.GROW[g] == 0) continue;
            const double e = std::fabs(s.SENS[nvl + k - 1][nopg + g]);
            if (e > 0.0 && (best == 0 || e > std::fabs(s.SENS[nvl + k - 1][nopg + best]))) best = g;
        }
        if (best == 0) continue;
        free[best] = true;
        const int want = s.VVSGN[k] > 0 ? -1 : 1;
        direction[best] = direction[best] == 0 || direction[best] == want ? want : 2;
    }
    for (int g = 1; g <= nopg; ++g) {
        const int col = nsegv + g - 1;
        double hi = s.QHI[g], lo = s.QLO[g];
        if (!free[g]) hi = lo = std::fmin(std::fmax(s.QNOW[g], s.QLO[g]), s.QHI[g]);
        at(s, nsegv + g - 1, col) = 1.0;
        s.LPB[nsegv + g - 1] = hi;
        at(s, nsegv + nopg + g - 1, col) = -1.0;
        s.LPB[nsegv + nopg + g - 1] = -lo;
        if (direction[g] == 1 || direction[g] == -1)
            s.LPC[col] = direction[g] * kReactiveMoveCost * (1.0 + largestSlope);
    }

    int row = nsegv + 2 * nopg;
    for (int k = 1; k <= nvl; ++k, ++row) {
        const auto& sens = s.SENS[k - 1];
        double rhs = s.LMARGIN[k];
        for (int g = 1; g <= nopg; ++g) {
            for (int j = 1; j < s.NSEG; ++j) at(s, row, (g - 1) * (s.NSEG - 1) + j - 1) = sens[g];
            rhs += sens[g] * (s.PNOW[g] - s.PMIN[g]);
        }
        s.LPB[row] = rhs;
    }
    for (int k = 1; k <= nvv; ++k, ++row) {
        const auto& sens = s.SENS[nvl + k - 1];
        const double sign = s.VVSGN[k] > 0 ? 1.0 : -1.0;
        double rhs = s.VMARGIN[k];
        for (int g = 1; g <= nopg; ++g) {
            if (s.GROW[g] == 0) continue;
            at(s, row, nsegv + g - 1) = sign * sens[nopg + g];
            rhs += sign * sens[nopg + g] * s.QNOW[g];
        }
        s.LPB[row] = rhs;
    }
    for (int l = 0; l < nsegv; ++l) at(s, row, l) = 1.0;
    s.LPB[row] = s.PDEM - s.SUMPMIN;
    ++row;
    for (int g = 1; g <= nopg; ++g) at(s, row, nsegv + g - 1) = 1.0;
    s.LPB[row] = s.QDEM;

    double f = 0.0;
    int ifail = 0;
    la01bd(s.LPN, s.LPM, s.LPK, {s.LPA.data(), std::size_t(s.LPM) * s.LPN},
           {s.LPB.data(), std::size_t(s.LPM)}, {s.LPC.data(), std::size_t(s.LPN)},
           {s.LPX.data(), std::size_t(s.LPN)}, f, s.LPM, 0, {s.LPIND.data(), std::size_t(s.LPM)},
           s.LPW, ifail);
    if (ifail > 0) {
        s.fail(kLpFailed);
        char text[120];
        std::snprintf(text, sizeof text, " OPF ERROR : la01bd RETURNED IFAIL = %d", ifail);
        s.log(text);
        OPFSTATUS(kLpFailed);
        return false;
    }

    s.F = f;
    s.COST = 0.0;
    for (int g = 1; g <= nopg; ++g) {
        double p = s.PMIN[g];
        const int first = (g - 1) * (s.NSEG - 1) + 1;
        s.LAMBDA[g] = s.SLOPE[first];
        for (int j = 1; j < s.NSEG; ++j) {
            const int l = first + j - 1;
            const double x = s.LPX[l - 1];
            p += x;
            s.COST += s.SLOPE[l] * x;
            if (x > kUnusedSegment) s.LAMBDA[g] = s.SLOPE[l];
        }
        s.PDISP[g] = p;
        s.QDISP[g] = s.LPX[nsegv + g - 1];
    }
    s.HAVEDISP = true;
    return true;
}

bool OPFSAVE(OpfModule& s) {
    float change = 0.0F;
    for (int g = 1; g <= s.NOPG; ++g) {
        const float dp = static_cast<float>(s.PDISP[g] - s.PSAVE[g]);
        const float dq = static_cast<float>(s.QDISP[g] - s.QSAVE[g]);
        change += dp * dp + dq * dq;
        s.PSAVE[g] = s.PDISP[g];
        s.QSAVE[g] = s.QDISP[g];
    }
    return change == 0.0F;
}

} // namespace tarvex::engine
