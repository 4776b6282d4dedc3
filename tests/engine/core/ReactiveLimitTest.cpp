#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/engine/core/ResultFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tarvex::test;
using tarvex::engine::PowerFlowModule;
namespace files = tarvex::files;

namespace {

// One generator row in a given state before the check, and what the check must leave.
struct LimitCase {
    const char* name;
    int type;    // 3 voltage controlled, 2 held at a limit
    double q, v; // reactive output and voltage before the check
    int typeAfter;
    double qAfter, vAfter;
    bool switched;
};

// Limits -0.2 / 0.5 p.u., set point 1.02.
const LimitCase kLimitCases[] = {
    {"within limits stays", 3, 0.3, 1.02, 3, 0.3, 1.02, false},
    {"above maximum is held there", 3, 0.7, 1.02, 2, 0.5, 1.02, true},
    {"below minimum is held there", 3, -0.4, 1.02, 2, -0.2, 1.02, true},
    {"at maximum, voltage above set point returns", 2, 0.5, 1.03, 3, 0.5, 1.02, true},
    {"at maximum, voltage below set point stays", 2, 0.5, 0.99, 2, 0.5, 0.99, false},
    {"at minimum, voltage below set point returns", 2, -0.2, 1.01, 3, -0.2, 1.02, true},
    {"at minimum, voltage above set point stays", 2, -0.2, 1.05, 2, -0.2, 1.05, false},
};

TEST(ReactiveLimitTest, CheckMovesGeneratorsBetweenVoltageControlAndLimits) {
    for (const LimitCase& c : kLimitCases) {
        auto m = std::make_unique<PowerFlowModule>();
        m->NB = 2;
        m->NGEN = 1;
        m->GENBUS[1] = 2;
        m->GENV[1] = 1.02;
        m->QMIN[1] = -0.2;
        m->QMAX[1] = 0.5;
        m->BTYPE[2] = c.type;
        m->QGEN[2] = c.q;
        m->VMAG[2] = c.v;
        tarvex::engine::QLIMIT(*m);
        EXPECT_TRUE(m->QLIMDONE) << c.name;
        EXPECT_EQ(m->BTYPE[2], c.typeAfter) << c.name;
        EXPECT_DOUBLE_EQ(m->QGEN[2], c.qAfter) << c.name;
        EXPECT_DOUBLE_EQ(m->VMAG[2], c.vAfter) << c.name;
        EXPECT_EQ(m->SWITCHED, c.switched) << c.name;
    }
}

constexpr double kSmallGenMax = 10.0; // MVAR

// Bus 2 is a generator too small for the motors beside it: it must end held at its
// maximum. Bus 3 looks overloaded at the flat start (its neighbour starts at 1.0 p.u.),
// but the capacitor bank beyond it lifts the voltage once the iterations move, so it
// must come back to voltage control and end absorbing reactive power. The network is
// reactive only, so the limit check runs from the first iteration.
std::string limitCase() {
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.0});
    c.bus(
        {.number = 2, .type = 2, .voltage = 1.0, .loadP = 0.5, .qMax = kSmallGenMax, .qMin = -50});
    c.bus({.number = 3, .type = 2, .voltage = 1.05, .loadP = 0.5, .qMax = 10, .qMin = -100});
    c.bus({.number = 4, .loadP = 0.5, .loadQ = 40});
    c.bus({.number = 5, .loadP = 0.5, .shunt = 0.60});
    c.branch({.from = 1, .to = 2, .r = 0, .x = 0.2}).branch({.from = 2, .to = 4, .r = 0, .x = 0.1});
    c.branch({.from = 1, .to = 3, .r = 0, .x = 0.2}).branch({.from = 3, .to = 5, .r = 0, .x = 0.1});
    return c.text();
}

TEST(ReactiveLimitTest, GeneratorHeldAtMaximumAndAnotherSwitchedBack) {
    ScopedWorkDir dir;
    const PowerFlowModule& m = runPowerFlow(limitCase(), parameters(100, 0.001, 0.001, 1));
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    // Two moves to a load bus (one per generator) and one back to voltage control.
    EXPECT_EQ(m.NTOPQ, 2);
    EXPECT_EQ(m.NTOPV, 1);

    const Results r = readResults();
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.buses.size(), 5u);
    const BusResult& small = *r.bus(2);
    EXPECT_EQ(m.BTYPE[2], 2);
    EXPECT_DOUBLE_EQ(small.genQ, kSmallGenMax);
    EXPECT_LT(small.voltage, 1.0); // it cannot hold its set point
    const BusResult& hill = *r.bus(3);
    EXPECT_EQ(m.BTYPE[3], 3);
    EXPECT_DOUBLE_EQ(hill.voltage, 1.05);
    EXPECT_LT(hill.genQ, 0.0);
    EXPECT_GT(hill.genQ, -100.0);
    // The voltages are a solution of the network, not a state left over from before
    // the switch back: every bus balances.
    EXPECT_LT(largestImbalance(r, {{5, 0.60}}), 0.002);
}

TEST(ReactiveLimitTest, WithLimitsIgnoredTheGeneratorExceedsItsMaximum) {
    ScopedWorkDir dir;
    const PowerFlowModule& m = runPowerFlow(limitCase(), parameters(100, 0.001, 0.001, 0));
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(m.NTOPQ, 0);
    EXPECT_EQ(m.NTOPV, 0);
    const Results r = readResults();
    EXPECT_DOUBLE_EQ(r.bus(2)->voltage, 1.0);
    EXPECT_GT(r.bus(2)->genQ, 3 * kSmallGenMax);
    EXPECT_LT(largestImbalance(r, {{5, 0.60}}), 0.002);
}

} // namespace
