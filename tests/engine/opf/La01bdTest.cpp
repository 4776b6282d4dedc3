#include "engine/opf/la01bd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tarvex::engine {
namespace {

// A program in the routine's layout: K inequality rows, then M - K equality rows.
struct Program {
    int n = 0, m = 0, k = 0, ia = 0;
    std::vector<double> a; // by columns, leading dimension ia
    std::vector<double> b, c;
    double at(int i, int j) const { return a[i + std::size_t(j) * ia]; }
};

struct Solution {
    int ifail = -1;
    double f = 0.0;
    std::vector<double> x;
    std::vector<int> ind;
    std::string trace;
};

Solution solve(const Program& p, int iprint = 0) {
    Solution s;
    s.x.assign(p.n, -1.0);
    s.ind.assign(p.m, 0);
    std::vector<double> w(la01bdWorkspaceSize(p.m), std::nan(""));
    if (iprint > 0) testing::internal::CaptureStdout();
    la01bd(p.n, p.m, p.k, p.a, p.b, p.c, s.x, s.f, p.ia, iprint, s.ind, w, s.ifail);
    if (iprint > 0) s.trace = testing::internal::GetCapturedStdout();
    return s;
}

Program dense(int k, std::vector<std::vector<double>> rows, std::vector<double> b,
              std::vector<double> c) {
    Program p;
    p.m = static_cast<int>(rows.size());
    p.n = static_cast<int>(c.size());
    p.k = k;
    p.ia = p.m;
    p.a.assign(std::size_t(p.m) * p.n, 0.0);
    for (int i = 0; i < p.m; ++i)
        for (int j = 0; j < p.n; ++j) p.a[i + std::size_t(j) * p.ia] = rows[i][j];
    p.b = std::move(b);
    p.c = std::move(c);
    return p;
}

// ---- Independent reference: enumeration of the vertices of the standard form ----------
//
// With a slack for every inequality row the program reads E z = b, z >= 0 over N + K
// variables. Its optimum, when finite, is attained at a basic feasible solution: M
// columns of E whose square system has a non-negative solution. It is unbounded when it
// is feasible and some ray d >= 0, E d = 0 has a negative cost; the rays normalised by
// sum(d) = 1 form a polytope whose vertices are again basic solutions, of [E; 1] d = [0; 1].

enum class Verdict { Optimal, Infeasible, Unbounded };

struct Reference {
    Verdict verdict = Verdict::Infeasible;
    double f = 0.0;
};

// Solves the square system S y = r by elimination with partial pivoting; false if singular.
bool solveSquare(std::vector<std::vector<double>> s, std::vector<double> r,
                 std::vector<double>& y) {
    const int n = static_cast<int>(r.size());
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int i = col + 1; i < n; ++i)
            if (std::fabs(s[i][col]) > std::fabs(s[pivot][col])) pivot = i;
        if (std::fabs(s[pivot][col]) < 1e-9) return false;
        std::swap(s[pivot], s[col]);
        std::swap(r[pivot], r[col]);
        for (int i = 0; i < n; ++i) {
            if (i == col) continue;
            const double factor = s[i][col] / s[col][col];
            for (int j = col; j < n; ++j) s[i][j] -= factor * s[col][j];
            r[i] -= factor * r[col];
        }
    }
    y.resize(n);
    for (int i = 0; i < n; ++i) y[i] = r[i] / s[i][i];
    return true;
}

// Smallest cost over the basic feasible solutions of E z = r, z >= 0 (+inf if none).
double minOverVertices(const std::vector<std::vector<double>>& e, const std::vector<double>& r,
                       const std::vector<double>& cost) {
    const int rows = static_cast<int>(e.size());
    const int cols = static_cast<int>(cost.size());
    double best = std::numeric_limits<double>::infinity();
    if (rows > cols) return best; // the ray system of a square E: only d = 0
    std::vector<bool> chosen(cols, false);
    std::fill(chosen.begin(), chosen.begin() + rows, true);
    std::sort(chosen.begin(), chosen.end());
    do {
        std::vector<int> basis;
        for (int j = 0; j < cols; ++j)
            if (chosen[j]) basis.push_back(j);
        std::vector<std::vector<double>> s(rows, std::vector<double>(rows));
        for (int i = 0; i < rows; ++i)
            for (int q = 0; q < rows; ++q) s[i][q] = e[i][basis[q]];
        std::vector<double> y;
        if (!solveSquare(s, r, y)) continue;
        if (*std::min_element(y.begin(), y.end()) < -1e-9) continue;
        double value = 0.0;
        for (int q = 0; q < rows; ++q) value += cost[basis[q]] * y[q];
        best = std::min(best, value);
    } while (std::next_permutation(chosen.begin(), chosen.end()));
    return best;
}

Reference reference(const Program& p) {
    const int cols = p.n + p.k;
    std::vector<std::vector<double>> e(p.m, std::vector<double>(cols, 0.0));
    for (int i = 0; i < p.m; ++i) {
        for (int j = 0; j < p.n; ++j) e[i][j] = p.at(i, j);
        if (i < p.k) e[i][p.n + i] = 1.0;
    }
    std::vector<double> cost(p.c);
    cost.resize(cols, 0.0);

    Reference ref;
    const double f = minOverVertices(e, p.b, cost);
    if (std::isinf(f)) return ref;
    auto rays = e;
    rays.push_back(std::vector<double>(cols, 1.0));
    std::vector<double> rhs(p.m, 0.0);
    rhs.push_back(1.0);
    if (minOverVertices(rays, rhs, cost) < -1e-9) {
        ref.verdict = Verdict::Unbounded;
        return ref;
    }
    ref.verdict = Verdict::Optimal;
    ref.f = f;
    return ref;
}

// Random programs of up to 5 variables and 4 rows. Half have a right-hand side built
// from a non-negative point (feasible), half a random one (often infeasible); costs of
// either sign make some feasible ones unbounded. The matrix is stored with a leading
// dimension one larger than M, the padding row holding NaN, to catch a wrong stride.
Program randomProgram(std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(-1.0, 1.0), positive(0.0, 1.0);
    std::uniform_int_distribution<int> nDist(2, 5), mDist(1, 4);
    Program p;
    p.n = nDist(rng);
    p.m = mDist(rng);
    const int minK = std::max(0, p.m - p.n);
    p.k = std::uniform_int_distribution<int>(minK, p.m)(rng);
    p.ia = p.m + 1;
    p.a.assign(std::size_t(p.ia) * p.n, std::nan(""));
    for (int j = 0; j < p.n; ++j)
        for (int i = 0; i < p.m; ++i) p.a[i + std::size_t(j) * p.ia] = unit(rng);
    const bool fromPoint = positive(rng) < 0.5;
    std::vector<double> x0(p.n);
    for (double& v : x0) v = positive(rng) < 0.2 ? 0.0 : 2.0 * positive(rng);
    for (int i = 0; i < p.m; ++i) {
        if (fromPoint) {
            double sum = 0.0;
            for (int j = 0; j < p.n; ++j) sum += p.at(i, j) * x0[j];
            p.b.push_back(sum + (i < p.k ? positive(rng) : 0.0));
        } else {
            p.b.push_back(unit(rng));
        }
    }
    const bool positiveCosts = positive(rng) < 0.4;
    for (int j = 0; j < p.n; ++j) p.c.push_back(positiveCosts ? 0.1 + positive(rng) : unit(rng));
    return p;
}

void expectFeasible(const Program& p, const Solution& s) {
    double cost = 0.0;
    for (int j = 0; j < p.n; ++j) {
        EXPECT_GE(s.x[j], -1e-9) << "x" << j + 1;
        cost += p.c[j] * s.x[j];
    }
    EXPECT_NEAR(cost, s.f, 1e-8 * (1.0 + std::fabs(s.f)));
    for (int i = 0; i < p.m; ++i) {
        double lhs = 0.0;
        for (int j = 0; j < p.n; ++j) lhs += p.at(i, j) * s.x[j];
        if (i < p.k)
            EXPECT_LE(lhs, p.b[i] + 1e-8) << "row " << i + 1;
        else
            EXPECT_NEAR(lhs, p.b[i], 1e-8) << "row " << i + 1;
    }
}

TEST(La01bd, AgreesWithVertexEnumerationOnRandomPrograms) {
    std::mt19937 rng(20261211);
    int optimal = 0, infeasible = 0, unbounded = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const Program p = randomProgram(rng);
        const Reference ref = reference(p);
        const Solution s = solve(p);
        SCOPED_TRACE("trial " + std::to_string(trial) + " N=" + std::to_string(p.n) +
                     " M=" + std::to_string(p.m) + " K=" + std::to_string(p.k));
        switch (ref.verdict) {
        case Verdict::Optimal:
            ++optimal;
            ASSERT_EQ(s.ifail, kLpOptimal);
            EXPECT_NEAR(s.f, ref.f, 1e-8 * (1.0 + std::fabs(ref.f)));
            expectFeasible(p, s);
            break;
        case Verdict::Infeasible:
            ++infeasible;
            EXPECT_EQ(s.ifail, kLpInfeasible);
            break;
        case Verdict::Unbounded:
            ++unbounded;
            EXPECT_EQ(s.ifail, kLpUnbounded);
            break;
        }
        if (s.ifail != kLpOptimal) {
            EXPECT_EQ(s.f, 0.0);
            for (double v : s.x) EXPECT_EQ(v, 0.0);
        }
    }
    // Every verdict is exercised many times over.
    EXPECT_GE(optimal, 50);
    EXPECT_GE(infeasible, 30);
    EXPECT_GE(unbounded, 30);
}

// max 3x + 5y, x <= 4, 2y <= 12, 3x + 2y <= 18: the optimum is at x = 2, y = 6 with 36,
// reached from the slack basis in phase 2 alone, so after more than one pivot the basis
// is re-inverted once.
TEST(La01bd, TextbookProgramFromTheSlackBasisIsSolvedInPhaseTwoAndReinverted) {
    const Program p = dense(3, {{1, 0}, {0, 2}, {3, 2}}, {4, 12, 18}, {-3, -5});
    const Solution s = solve(p, 2);
    ASSERT_EQ(s.ifail, kLpOptimal);
    EXPECT_NEAR(s.f, -36.0, 1e-12);
    EXPECT_NEAR(s.x[0], 2.0, 1e-12);
    EXPECT_NEAR(s.x[1], 6.0, 1e-12);
    EXPECT_EQ(s.trace.find("PHASE 1"), std::string::npos) << s.trace;
    EXPECT_NE(s.trace.find("0  la01bd: PHASE 2"), std::string::npos) << s.trace;
    EXPECT_NE(s.trace.find("0  la01bd: BASIS RE-INVERTED"), std::string::npos) << s.trace;
    EXPECT_NE(s.trace.find("0  la01bd: OPTIMUM COST VALUE   -0.3600000000000000E+02"),
              std::string::npos)
        << s.trace;
    // Slack of row 1 stays basic with 2 (= 4 - x): IND names it N + 1.
    EXPECT_NE(std::find(s.ind.begin(), s.ind.end(), 3), s.ind.end());
}

// min x1 + 2 x2 with x1 + x2 >= 2 written as -x1 - x2 <= -2: the slack basis has a
// negative value, so phase 1 brings in the artificial variable (IND = N + K + 1 while it
// is basic) and the optimum is x1 = 2, cost 2.
TEST(La01bd, InfeasibleSlackBasisGoesThroughPhaseOne) {
    const Program p = dense(2, {{-1, -1}, {1, 0}}, {-2, 3}, {1, 2});
    const Solution s = solve(p, 2);
    ASSERT_EQ(s.ifail, kLpOptimal);
    EXPECT_NEAR(s.f, 2.0, 1e-12);
    EXPECT_NEAR(s.x[0], 2.0, 1e-12);
    EXPECT_NEAR(s.x[1], 0.0, 1e-12);
    EXPECT_NE(s.trace.find("0  la01bd: PHASE 1"), std::string::npos) << s.trace;
    EXPECT_NE(s.trace.find("0  la01bd: PHASE 2"), std::string::npos) << s.trace;
    for (int v : s.ind) EXPECT_NE(v, p.n + p.k + 1) << "artificial variable left basic";
}

// min x1 with x1 + x2 = 1 (one equality): the greedy start makes x1 basic (first of the
// tied columns), the first pricing step brings x2 in and the one pivot ends the solution
// without a re-inversion.
TEST(La01bd, ProgramSolvedInOneIterationIsNotReinverted) {
    const Program p = dense(0, {{1, 1}}, {1}, {1, 0});
    const Solution s = solve(p, 2);
    ASSERT_EQ(s.ifail, kLpOptimal);
    EXPECT_NEAR(s.f, 0.0, 1e-15);
    EXPECT_NEAR(s.x[1], 1.0, 1e-15);
    EXPECT_NE(s.trace.find("ITERATION NO.   1"), std::string::npos) << s.trace;
    EXPECT_EQ(s.trace.find("ITERATION NO.   2"), std::string::npos) << s.trace;
    EXPECT_EQ(s.trace.find("RE-INVERTED"), std::string::npos) << s.trace;
}

TEST(La01bd, FailureVerdictsOnHandWrittenPrograms) {
    struct Case {
        const char* what;
        Program program;
        int ifail;
    };
    const Case cases[] = {
        {"equality row of zeros", dense(0, {{0, 0}}, {1}, {1, 1}), kLpRankDeficient},
        {"two equal equality rows", dense(0, {{1, 2}, {1, 2}}, {1, 1}, {1, 1}), kLpRankDeficient},
        {"min -x1 with x1 - x2 <= 1", dense(1, {{1, -1}}, {1}, {-1, 0}), kLpUnbounded},
        {"x1 + x2 <= -1", dense(1, {{1, 1}}, {-1}, {1, 1}), kLpInfeasible},
        {"x1 + x2 = 1 and x1 + x2 <= 0.5", dense(1, {{1, 1}, {1, 1}}, {0.5, 1}, {1, 1}),
         kLpInfeasible},
    };
    for (const Case& c : cases) {
        const Solution s = solve(c.program);
        EXPECT_EQ(s.ifail, c.ifail) << c.what;
        EXPECT_EQ(s.f, 0.0) << c.what;
    }
}

TEST(La01bd, InvalidArgumentsAreRefusedWithoutTouchingTheTables) {
    const Program p = dense(1, {{1, 1}, {1, -1}}, {2, 0}, {1, 1});
    struct Case {
        const char* what;
        int n, m, k, ia;
        std::size_t workspace;
    };
    const std::size_t enough = la01bdWorkspaceSize(2);
    const Case cases[] = {
        {"no variables", 0, 2, 1, 2, enough},
        {"no rows", 2, 0, 0, 2, enough},
        {"K above M", 2, 2, 3, 2, enough},
        {"more equalities than variables", 1, 2, 0, 2, enough},
        {"leading dimension below M", 2, 2, 1, 1, enough},
        {"workspace too small", 2, 2, 1, 2, enough - 1},
        {"matrix shorter than IA x N", 2, 3, 1, 3, la01bdWorkspaceSize(3)},
    };
    for (const Case& c : cases) {
        std::vector<double> x(2, 7.0), w(c.workspace, 0.0);
        std::vector<int> ind(3, 0);
        double f = 9.0;
        int ifail = -1;
        la01bd(c.n, c.m, c.k, p.a, p.b, p.c, x, f, c.ia, 0, ind, w, ifail);
        EXPECT_EQ(ifail, kLpInvalidArgument) << c.what;
    }
}

} // namespace
} // namespace tarvex::engine
