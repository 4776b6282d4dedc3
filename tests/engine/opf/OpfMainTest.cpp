#include "engine/core/BranchFlows.h"
#include "engine/opf/Opf.h"
#include "tests/engine/opf/OpfCase.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

namespace tarvex::test {
namespace {

constexpr double kLoadMw = 280.0; // the six-bus case's loads

double reportedLossMw() {
    std::istringstream in(readFileText("lossotp.dat"));
    double p = std::nan("");
    in >> p;
    return p;
}

// Cost above the first cost points of generator output p on curve c (MW -> $/hr).
double costAbove(const CostCurve& c, double p) {
    for (int j = 0; j < 3; ++j)
        if (p <= c.p[j + 1] + 1e-9)
            return c.c[j] + (p - c.p[j]) * (c.c[j + 1] - c.c[j]) / (c.p[j + 1] - c.p[j]) - c.c[0];
    return std::numeric_limits<double>::infinity();
}

// Least cost of serving `demand` MW by brute force over the vertices of the dispatch: every
// generator but one sits on one of its cost points, the remaining one takes the rest
// within its range.
double bruteForceCost(const std::vector<CostCurve>& curves, double demand) {
    const int n = static_cast<int>(curves.size());
    double best = std::numeric_limits<double>::infinity();
    int combinations = 1;
    for (int g = 1; g < n; ++g) combinations *= 4;
    for (int free = 0; free < n; ++free)
        for (int code = 0; code < combinations; ++code) {
            double p = demand, cost = 0.0;
            int rest = code;
            for (int g = 0; g < n; ++g) {
                if (g == free) continue;
                const int j = rest % 4;
                rest /= 4;
                p -= curves[g].p[j];
                cost += curves[g].c[j] - curves[g].c[0];
            }
            const CostCurve& c = curves[free];
            if (p < c.p[0] - 1e-9 || p > c.p[3] + 1e-9) continue;
            best = std::min(best, cost + costAbove(c, p));
        }
    return best;
}

// Slope of curve c just below and just above output p, $/MWh.
void slopesAround(const CostCurve& c, double p, double& below, double& above) {
    below = -std::numeric_limits<double>::infinity();
    above = std::numeric_limits<double>::infinity();
    for (int j = 0; j < 3; ++j) {
        const double slope = (c.c[j + 1] - c.c[j]) / (c.p[j + 1] - c.p[j]);
        if (p > c.p[j] + 1e-6) below = slope;
        if (p < c.p[j + 1] - 1e-6 && above == std::numeric_limits<double>::infinity())
            above = slope;
    }
}

TEST(OpfMain, UnconstrainedDispatchEqualisesIncrementalCostsAndCoversLoadAndLosses) {
    ScopedWorkDir dir;
    const auto costs = sixBusCosts();
    ASSERT_EQ(runOpf(sixBusCase(), generatorFile(costs, {})), 0);
    const DispatchTable t = readDispatch(readFileText("opfoutput.dat"));
    ASSERT_TRUE(t.found);
    ASSERT_EQ(t.rows.size(), 3u);

    // Balance: generation = load + the losses of the reported power flow.
    double generation = 0.0;
    for (const DispatchRow& r : t.rows) generation += r.p;
    EXPECT_NEAR(generation, kLoadMw + reportedLossMw(), 0.02);

    // Optimality of a piecewise-linear dispatch: the generators inside a segment (the
    // marginal ones) share one incremental cost, and every generator on a cost point has
    // that cost between the slopes on either side of it.
    double marginal = std::nan("");
    for (std::size_t g = 0; g < 3; ++g) {
        double below, above;
        slopesAround(costs[g], t.rows[g].p, below, above);
        if (below == above) {
            if (std::isnan(marginal)) marginal = below;
            EXPECT_DOUBLE_EQ(below, marginal) << "generator at bus " << t.rows[g].bus;
            EXPECT_NEAR(t.rows[g].lambda, below, 0.005);
        }
    }
    ASSERT_FALSE(std::isnan(marginal)) << "no generator is marginal in this case";
    for (std::size_t g = 0; g < 3; ++g) {
        double below, above;
        slopesAround(costs[g], t.rows[g].p, below, above);
        EXPECT_LE(below, marginal + 1e-9) << "bus " << t.rows[g].bus;
        EXPECT_GE(above, marginal - 1e-9) << "bus " << t.rows[g].bus;
    }

    // The reported cost is the least cost of the reported generation.
    EXPECT_NEAR(t.totalCost, bruteForceCost(costs, generation), 1.0);
}

// The report reproduces the dispatch: the swing bus generates what the program gave it.
TEST(OpfMain, ReportedSwingOutputMatchesTheDispatch) {
    ScopedWorkDir dir;
    ASSERT_EQ(runOpf(sixBusCase(), generatorFile(sixBusCosts(), {})), 0);
    const engine::OpfModule& s = engine::opfModule();
    const DispatchTable t = readDispatch(readFileText("opfoutput.dat"));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[0].bus, 1);
    EXPECT_NEAR(t.rows[0].p, s.PDISP[1] * 100.0, 0.5);
    for (int g = 2; g <= 3; ++g) EXPECT_NEAR(t.rows[g - 1].p, s.PDISP[g] * 100.0, 0.005);
}

TEST(OpfMain, DispatchInMegawattsDoesNotDependOnTheCaseBase) {
    DispatchTable reference;
    for (double base : {100.0, 50.0, 1000.0}) {
        ScopedWorkDir dir;
        ASSERT_EQ(runOpf(sixBusCase(base), generatorFile(sixBusCosts(), {})), 0) << base;
        const DispatchTable t = readDispatch(readFileText("opfoutput.dat"));
        ASSERT_EQ(t.rows.size(), 3u) << base;
        if (base == 100.0) {
            reference = t;
            continue;
        }
        for (std::size_t g = 0; g < 3; ++g) {
            EXPECT_NEAR(t.rows[g].p, reference.rows[g].p, 0.011) << base;
            EXPECT_NEAR(t.rows[g].q, reference.rows[g].q, 0.011) << base;
            EXPECT_NEAR(t.rows[g].lambda, reference.rows[g].lambda, 0.005) << base;
        }
        EXPECT_NEAR(t.totalCost, reference.totalCost, 0.02) << base;
    }
}

// Records in any order belong to the generators of the buses they name.
TEST(OpfMain, GeneratorRecordsAreMappedByBusNumber) {
    DispatchTable inOrder, shuffled;
    {
        ScopedWorkDir dir;
        ASSERT_EQ(runOpf(sixBusCase(), generatorFile(sixBusCosts(), {})), 0);
        inOrder = readDispatch(readFileText("opfoutput.dat"));
    }
    {
        ScopedWorkDir dir;
        auto costs = sixBusCosts();
        std::rotate(costs.begin(), costs.begin() + 1, costs.end()); // buses 2, 3, 1
        ASSERT_EQ(runOpf(sixBusCase(), generatorFile(costs, {})), 0);
        shuffled = readDispatch(readFileText("opfoutput.dat"));
    }
    ASSERT_EQ(inOrder.rows.size(), 3u);
    ASSERT_EQ(shuffled.rows.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const DispatchRow& a = inOrder.rows[(k + 1) % 3];
        const DispatchRow& b = shuffled.rows[k];
        EXPECT_EQ(a.bus, b.bus);
        EXPECT_NEAR(a.p, b.p, 0.011);
        EXPECT_NEAR(a.lambda, b.lambda, 0.005);
    }
    EXPECT_NEAR(inOrder.totalCost, shuffled.totalCost, 0.02);
}

double apparentMva(const engine::PowerFlowModule& m, int from, int to, bool fromEnd) {
    for (int l = 1; l <= m.NBR; ++l)
        if (m.EXTNUM[m.FROMB[l]] == from && m.EXTNUM[m.TOB[l]] == to) {
            const engine::BranchEndFlow f = engine::branchEndFlow(m, l, fromEnd);
            return m.BASEMVA * std::hypot(f.p, f.q);
        }
    return std::nan("");
}

TEST(OpfMain, LimitConstraintsBringTheOverloadedLineWithinItsRatingAtHigherCost) {
    constexpr int kRating = 48;
    double unconstrainedCost = 0.0;
    {
        ScopedWorkDir dir;
        ASSERT_EQ(runOpf(sixBusCase(100.0, kRating), generatorFile(sixBusCosts(), {})), 0);
        unconstrainedCost = readDispatch(readFileText("opfoutput.dat")).totalCost;
        const engine::PowerFlowModule& m = engine::opfModule().pf;
        ASSERT_GT(apparentMva(m, 3, 5, true), kRating + 1.0) << "the line must start overloaded";
    }
    for (double base : {100.0, 50.0}) {
        ScopedWorkDir dir;
        OpfSettings limits;
        limits.constraints = 1;
        ASSERT_EQ(runOpf(sixBusCase(base, kRating), generatorFile(sixBusCosts(), limits)), 0)
            << readFileText("ERROR.LOG");
        const engine::PowerFlowModule& m = engine::opfModule().pf;
        EXPECT_LE(apparentMva(m, 3, 5, true), kRating);
        EXPECT_LE(apparentMva(m, 3, 5, false), kRating);
        for (int i = 1; i <= m.NB; ++i) {
            EXPECT_LE(m.VMAG[i], 1.051) << "bus " << m.EXTNUM[i];
            EXPECT_GE(m.VMAG[i], 0.95) << "bus " << m.EXTNUM[i];
        }
        EXPECT_GT(readDispatch(readFileText("opfoutput.dat")).totalCost, unconstrainedCost + 1.0);
    }
}

TEST(OpfMain, LimitConstraintsRaiseALowVoltageWithTheReactiveOutputs) {
    ScopedWorkDir dir;
    OpfSettings limits;
    limits.constraints = 1;
    limits.vMin = 0.965;
    ASSERT_EQ(runOpf(sixBusCase(), generatorFile(sixBusCosts(), limits)), 0)
        << readFileText("ERROR.LOG");
    const engine::PowerFlowModule& m = engine::opfModule().pf;
    for (int i = 1; i <= m.NB; ++i) EXPECT_GE(m.VMAG[i], 0.965) << "bus " << m.EXTNUM[i];
}

} // namespace
} // namespace tarvex::test
