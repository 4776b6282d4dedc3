#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/examples/ExampleFiles.h"
#include "tests/examples/PowerFlowRun.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace tarvex::test;

namespace {

// Each meter of the state estimation example holds the power flow value of what it
// measures: filling the meters from a fresh power flow (Use power flow analysis
// results) changes none of them beyond the rounding to four decimals.
TEST(StateEstimationExampleTest, MetersHoldThePowerFlowValues) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("state-estimation", doc, app), "");
    std::vector<double> before, after;
    auto collect = [&doc](std::vector<double>& values) {
        for (const auto& m : doc.VoltageArray()) values.push_back(m->m_value);
        for (const auto& m : doc.PowerInjectionArray())
            values.insert(values.end(), {m->m_p, m->m_q});
        for (const auto& m : doc.PowerFlowArray()) values.insert(values.end(), {m->m_p, m->m_q});
        for (const auto& m : doc.CurrentArray()) values.push_back(m->m_value);
    };
    collect(before);

    ScopedWorkDir dir;
    app.m_mode = CSkemtorApp::Mode::StateEstimation;
    FakeUserInterface ui;
    ui.answers.push_back(true);
    const CErrorReporter errors{{}};
    CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).UsePowerFlowResults();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    collect(after);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(before[i], after[i], 6e-5) << "measurement " << i;
}

// More measurements than states, every bus seen by some meter, and every deviation
// positive: what the estimators and the bad data analysis need.
TEST(StateEstimationExampleTest, MeterSetIsRedundant) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("state-estimation", doc, app), "");
    int measurements = 0;
    std::set<int> seen;
    for (const auto& m : doc.VoltageArray()) {
        ++measurements;
        seen.insert(m->m_bus);
        EXPECT_GT(m->m_sd, 0.0);
    }
    for (const auto& m : doc.PowerInjectionArray()) {
        measurements += m->m_pEnabled + m->m_qEnabled;
        seen.insert(m->m_bus);
        EXPECT_GT(m->m_pSd, 0.0);
        EXPECT_GT(m->m_qSd, 0.0);
    }
    for (const auto& m : doc.PowerFlowArray()) {
        measurements += m->m_pEnabled + m->m_qEnabled;
        seen.insert({m->m_bus1, m->m_bus2});
        EXPECT_GT(m->m_pSd, 0.0);
        EXPECT_GT(m->m_qSd, 0.0);
    }
    const int states = 2 * doc.GetBusCount() - 1;
    EXPECT_GE(measurements, 2 * states);
    EXPECT_EQ(static_cast<int>(seen.size()), doc.GetBusCount());
}

// The transient program takes one machine per generator bus (type 2 or 3 card), bus
// numbers up to 10, and simulates every machine with one model.
TEST(TransientExampleTest, OneMachinePerGeneratorBus) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("transient-3-machine", doc, app), "");
    std::map<int, int> machines;
    for (const auto& gen : doc.GeneratorArray()) {
        ++machines[gen->m_bus];
        EXPECT_EQ(gen->m_model, doc.GetGenerator(0)->m_model);
        EXPECT_GT(gen->m_h, 0.0);
        EXPECT_GT(gen->m_xdPrime, 0.0);
        EXPECT_LT(gen->m_xdPrime, gen->m_xd);
        EXPECT_LE(gen->m_bus, 10);
    }
    EXPECT_EQ(machines.size(), 3u);
    for (const auto& bus : doc.BusArray()) {
        const bool generatorBus = bus->m_type == CBus::kGenerator || bus->m_type == CBus::kSlack;
        EXPECT_EQ(machines.count(bus->m_number) ? machines[bus->m_number] : 0, generatorBus ? 1 : 0)
            << "bus " << bus->m_number;
    }
}

// The load flow published with the nine-bus system (Anderson and Fouad): voltage in
// p.u. and angle in degrees, given to three and one decimals.
TEST(TransientExampleTest, PowerFlowFindsThePublishedLoadFlow) {
    struct Published {
        int bus;
        double voltage, angle;
    };
    const Published published[] = {{1, 1.040, 0.0},  {2, 1.025, 9.3},  {3, 1.025, 4.7},
                                   {4, 1.026, -2.2}, {5, 0.996, -4.0}, {6, 1.013, -3.7},
                                   {7, 1.026, 3.7},  {8, 1.016, 0.7},  {9, 1.032, 2.0}};
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("transient-3-machine", doc, app), "");
    for (const auto& message : runPowerFlow(doc, app)) ADD_FAILURE() << message;
    for (const Published& expected : published) {
        const CBus& bus = *doc.FindBus(expected.bus);
        EXPECT_NEAR(bus.m_pfVoltage, expected.voltage, 0.002) << "bus " << expected.bus;
        EXPECT_NEAR(bus.m_pfAngle, expected.angle, 0.1) << "bus " << expected.bus;
    }
    // Machine 1 picks up the rest of the 315 MW load and the losses: 71.6 MW.
    EXPECT_NEAR(doc.FindBus(1)->m_pfP, 71.6, 0.5);
}

// The fault records of the short-circuit input carry no count, so the example has one
// fault; a line-to-ground fault needs a zero-sequence path from the faulted bus to a
// grounded impedance.
TEST(ShortCircuitExampleTest, TheFaultReachesGroundInTheZeroSequence) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("short-circuit", doc, app), "");
    ASSERT_EQ(doc.GetShortCount(), 1);
    EXPECT_EQ(doc.GetShort(0)->m_faultType, CShort::kSinglePhase);
    std::set<int> grounded;
    int positiveSources = 0;
    for (const auto& z : doc.ZgroundArray()) {
        if (z->m_zeroEnabled) grounded.insert(z->m_bus);
        if (z->m_posEnabled) ++positiveSources;
    }
    EXPECT_GE(positiveSources, 2);
    std::set<int> reached = {doc.GetShort(0)->m_bus};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& line : doc.LineArray()) {
            const bool oneEndReached = reached.count(line->m_bus1) != reached.count(line->m_bus2);
            if (line->m_zeroSeqDisabled != 0 || !oneEndReached) continue;
            reached.insert({line->m_bus1, line->m_bus2});
            grew = true;
        }
    }
    bool toGround = false;
    for (int bus : reached) toGround = toGround || grounded.count(bus) != 0;
    EXPECT_TRUE(toGround);
    EXPECT_EQ(static_cast<int>(reached.size()), doc.GetBusCount());
}

} // namespace
