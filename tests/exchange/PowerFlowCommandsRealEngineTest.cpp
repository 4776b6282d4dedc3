// The power flow commands against the real engine, in a temporary working directory, on
// a small network built here. Solved values are checked against the branch equations
// and the bus balances, not against numbers copied from an earlier run.
#include "exchange/PowerFlowCommands.h"

#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <numbers>

namespace {

namespace fs = std::filesystem;
using tarvex::test::FakeUserInterface;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;
using Mode = CSkemtorApp::Mode;
using Complex = std::complex<double>;

const char* const kCatalogue = "1 Zero impedance branch.\n"
                               "5\nA bus is not connected.\n"
                               "100 No slack bus.\n"
                               "101 Too many buses.\n";

// Slack bus 1 at 1.02 p.u., generator bus 2 (40 MW at 1.01 p.u.), load bus 3 (90 MW,
// 30 MVAr). Lines 1-2 (with charging) and 1-3, and two equal parallel branches between
// 2 and 3 drawn in opposite directions, rated low enough to be overloaded.
class RealEngineCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFileText("tvx.err", kCatalogue);
        app.SetCaseName("THREE BUS TEACHING CASE");
        app.m_mode = Mode::PowerFlow;
        addBus(CBus::kSlack, 1.02, 0, 0, 0);
        addBus(CBus::kGenerator, 1.01, 40, 0, 0);
        addBus(CBus::kLoad, 1.0, 0, 90, 30);
        addLine(1, 2, 0.02, 0.06, 0.03, 500);
        addLine(1, 3, 0.08, 0.24, 0.0, 500);
        addLine(2, 3, 0.06, 0.18, 0.0, 5);
        addLine(3, 2, 0.06, 0.18, 0.0, 5);
    }

    void addBus(int type, double voltage, double genP, double loadP, double loadQ) {
        auto bus = std::make_unique<CBus>(100 * (doc.GetBusCount() + 1), 0, 1, doc.NextBusNumber());
        bus->m_type = type;
        bus->m_voltage = voltage;
        bus->m_genP = genP;
        bus->m_loadP = loadP;
        bus->m_loadQ = loadQ;
        doc.AddBus(std::move(bus));
    }

    CLine& addLine(int from, int to, double r, double x, double b, int rating) {
        const CPointL points[2] = {{0, 0}, {10, 0}};
        auto line = std::make_unique<CLine>(points, 2, from, 1, to, 1, app);
        line->m_r = r;
        line->m_x = x;
        line->m_b = b;
        line->m_tap = 1.0;
        line->m_mvaLimit = rating;
        doc.AddLine(std::move(line));
        return *doc.GetLine(doc.GetLineCount() - 1);
    }

    CPowerFlowCommands commands(std::function<void()> engine = tarvex::engine::PFLINFLO) {
        return CPowerFlowCommands(doc, app, ui, errors, std::move(engine));
    }

    void runSuccessfully() {
        commands().RunPowerFlow();
        ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
        ASSERT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);
    }

    // Solved bus voltage as a phasor, from the stored result.
    Complex phasor(int number) const {
        const CBus& bus = *doc.FindBus(number);
        return std::polar(bus.m_pfVoltage, bus.m_pfAngle * std::numbers::pi / 180.0);
    }

    // Complex power leaving bus `from` into the pi model of `line`, per unit.
    Complex flowFromEquations(const CLine& line, int from) const {
        const int to = from == line.m_bus1 ? line.m_bus2 : line.m_bus1;
        const Complex series = 1.0 / Complex(line.m_r, line.m_x);
        const Complex vi = phasor(from);
        const Complex current = (vi - phasor(to)) * series + vi * Complex(0, line.m_b / 2);
        return vi * std::conj(current);
    }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    CErrorReporter errors{{}};
};

// Rounding of the result files (4 decimals of voltage, 2 of the angle in degrees) allows
// this much difference from the branch equations.
constexpr double kFlowTolerance = 5e-3;
// The engine stops at a mismatch of 0.001 p.u.; the bus balance holds to about that.
constexpr double kBalanceTolerance = 2e-3;

TEST_F(RealEngineCommandsTest, StoredFlowsObeyTheBranchEquationsAndTheBusBalances) {
    runSuccessfully();
    EXPECT_EQ(app.m_powerFlowBusCount, 3);
    EXPECT_FALSE(app.m_usePowerFlowResults);
    EXPECT_GT(ui.redraws, 0);
    EXPECT_EQ(ui.waitDepth, 0);

    for (const auto& bus : doc.BusArray()) EXPECT_EQ(bus->m_pfValid, 1) << bus->m_number;
    // Set points hold; the load bus sags.
    EXPECT_NEAR(doc.GetBus(0)->m_pfVoltage, 1.02, 1e-4);
    EXPECT_NEAR(doc.GetBus(1)->m_pfVoltage, 1.01, 1e-4);
    EXPECT_LT(doc.GetBus(2)->m_pfVoltage, 1.0);
    EXPECT_EQ(doc.GetBus(0)->m_pfAngle, 0.0);
    EXPECT_LT(doc.GetBus(2)->m_pfAngle, 0.0);

    // Each end of each branch holds the flow the branch equations give for the solved
    // voltages; power and sign at both ends.
    for (const auto& line : doc.LineArray()) {
        ASSERT_EQ(line->m_flowValid1 + line->m_flowValid2, 2);
        const Complex s1 = flowFromEquations(*line, line->m_bus1);
        const Complex s2 = flowFromEquations(*line, line->m_bus2);
        EXPECT_NEAR(line->m_flowP1, s1.real(), kFlowTolerance)
            << line->m_bus1 << "-" << line->m_bus2;
        EXPECT_NEAR(line->m_flowQ1, s1.imag(), kFlowTolerance)
            << line->m_bus1 << "-" << line->m_bus2;
        EXPECT_NEAR(line->m_flowP2, s2.real(), kFlowTolerance)
            << line->m_bus1 << "-" << line->m_bus2;
        EXPECT_NEAR(line->m_flowQ2, s2.imag(), kFlowTolerance)
            << line->m_bus1 << "-" << line->m_bus2;
    }

    // What leaves each bus over its branches is its generation less its load.
    for (const auto& bus : doc.BusArray()) {
        double p = 0, q = 0;
        for (const auto& line : doc.LineArray()) {
            if (line->m_bus1 == bus->m_number) p += line->m_flowP1, q += line->m_flowQ1;
            if (line->m_bus2 == bus->m_number) p += line->m_flowP2, q += line->m_flowQ2;
        }
        EXPECT_NEAR(p, (bus->m_pfP - bus->m_loadP) / app.m_mvaBase, kBalanceTolerance)
            << bus->m_number;
        EXPECT_NEAR(q, (bus->m_pfQ - bus->m_loadQ) / app.m_mvaBase, kBalanceTolerance)
            << bus->m_number;
    }
    EXPECT_NEAR(doc.GetBus(1)->m_pfP, 40.0, 0.01); // the generator bus keeps its output

    // The solution is written back as the next case's starting point.
    const CBus& load = *doc.GetBus(2);
    EXPECT_EQ(load.m_voltage, load.m_pfVoltage);
    EXPECT_EQ(load.m_angle, load.m_pfAngle);
    EXPECT_EQ(doc.GetBus(0)->m_genP, doc.GetBus(0)->m_pfP);
    EXPECT_EQ(doc.GetBus(1)->m_genQ, doc.GetBus(1)->m_pfQ);
    EXPECT_EQ(doc.GetBus(1)->m_voltage, 1.01);
}

TEST_F(RealEngineCommandsTest, ParallelBranchesTakeTheFirstRowOfEachDirectionAndTheLimitFlag) {
    runSuccessfully();
    const CLine& forward = *doc.GetLine(2); // drawn from 2 to 3
    const CLine& reverse = *doc.GetLine(3); // drawn from 3 to 2
    ASSERT_GT(std::abs(forward.m_flowP1), 0.05) << "the parallel branches must carry power";
    // The flow leaving bus 2 sits at the bus-1 end of one and the bus-2 end of the other.
    EXPECT_EQ(forward.m_flowP1, reverse.m_flowP2);
    EXPECT_EQ(forward.m_flowQ1, reverse.m_flowQ2);
    EXPECT_EQ(forward.m_flowP2, reverse.m_flowP1);
    EXPECT_EQ(forward.m_flowQ2, reverse.m_flowQ1);
    EXPECT_GT(forward.m_flowP1, 0.0); // the generator bus feeds the load bus
    EXPECT_LT(forward.m_flowP2, 0.0);

    // Rated 5 MVA, both parallel branches are over their rating; the others are not.
    EXPECT_EQ(forward.m_withinLimit, 0);
    EXPECT_EQ(reverse.m_withinLimit, 0);
    EXPECT_EQ(doc.GetLine(0)->m_withinLimit, 1);
    EXPECT_EQ(doc.GetLine(1)->m_withinLimit, 1);

    // After a rating increase and a new run the flag is gone again.
    doc.GetLine(2)->m_mvaLimit = doc.GetLine(3)->m_mvaLimit = 500;
    runSuccessfully();
    EXPECT_EQ(forward.m_withinLimit, 1);
    EXPECT_EQ(reverse.m_withinLimit, 1);
}

TEST_F(RealEngineCommandsTest, BranchesOutOfServiceTakeNoRows) {
    auto breaker = std::make_unique<CCircuitBreaker>(0, 0, 3, 1);
    breaker->Toggle(); // open
    doc.AddBreaker(std::move(breaker));
    runSuccessfully();
    EXPECT_EQ(doc.GetLine(1)->m_flowValid1 + doc.GetLine(1)->m_flowValid2, 0);
    EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 1);
}

TEST_F(RealEngineCommandsTest, BusLimitAndSlackChecksComeBeforeAnyFile) {
    while (doc.GetBusCount() < 30) addBus(CBus::kLoad, 1.0, 0, 1, 0);
    commands().RunPowerFlow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Error Message");
    EXPECT_EQ(ui.messages[0].text, "Error: 101.  Too many buses.\n");
    EXPECT_EQ(ui.waitCursors, 0);
    for (const char* name : {"pfinput.dat", "pfparam.dat", "busotp.dat", "pfoutput.dat"})
        EXPECT_FALSE(fs::exists(name)) << name;

    // One bus fewer runs: the case is written and the engine reports on the 26 buses
    // that have no branch.
    doc.RemoveBus(29);
    ui.messages.clear();
    commands().RunPowerFlow();
    EXPECT_TRUE(fs::exists("pfinput.dat"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 5.  A bus is not connected.\n");

    fs::remove("pfinput.dat");
    while (doc.GetBusCount() > 3) doc.RemoveBus(doc.GetBusCount() - 1);
    doc.GetBus(0)->m_type = CBus::kGenerator;
    ui.messages.clear();
    commands().RunPowerFlow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 100.  No slack bus.\n");
    EXPECT_FALSE(fs::exists("pfinput.dat"));
}

// A failing case after a good run: the status is shown with its catalogue text, and the
// results of the earlier run are gone from the diagram.
TEST_F(RealEngineCommandsTest, EngineStatusIsShownThroughTheCatalogue) {
    const struct {
        const char* what;
        std::function<void(CSkemtorDoc&)> damage;
        const char* message;
    } cases[] = {
        {"branch without impedance",
         [](CSkemtorDoc& d) { d.GetLine(1)->m_r = d.GetLine(1)->m_x = 0; },
         "Error: 1.  Zero impedance branch.\n"},
        {"bus without a branch",
         [](CSkemtorDoc& d) { d.AddBus(std::make_unique<CBus>(900, 0, 1, 4)); },
         "Error: 5.  A bus is not connected.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteContents();
        app = CSkemtorApp();
        ui = FakeUserInterface();
        SetUp();
        runSuccessfully();
        c.damage(doc);
        commands().RunPowerFlow();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "Error Message");
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(app.m_resultState, CSkemtorApp::kNoResults);
        EXPECT_EQ(doc.GetBus(2)->m_pfValid, 0);
        EXPECT_EQ(doc.GetBus(2)->m_voltage, 1.0); // cleared to a flat start
        EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 0);
    }
}

// The engine's files lost or damaged after it ran: the command names the file and
// leaves the diagram with the results of the earlier run.
TEST_F(RealEngineCommandsTest, MissingOrUnreadableResultFileChangesNothing) {
    const struct {
        const char* file;
        std::function<void()> afterEngine;
    } cases[] = {
        {"busotp.dat", [] { fs::remove("busotp.dat"); }},
        {"busotp.dat", [] { writeFileText("busotp.dat", "not a status\n"); }},
        {"busotp.dat", [] { writeFileText("busotp.dat", ""); }},
        {"branchotp.dat", [] { fs::remove("branchotp.dat"); }},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        runSuccessfully();
        const CBus before = *doc.GetBus(2);
        const double flowBefore = doc.GetLine(0)->m_flowP1;
        commands([&] {
            tarvex::engine::PFLINFLO();
            c.afterEngine();
        }).RunPowerFlow();
        ASSERT_EQ(ui.messages.size(), 1u) << c.file;
        EXPECT_NE(ui.messages[0].text.find(c.file), std::string::npos) << ui.messages[0].text;
        EXPECT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);
        EXPECT_EQ(doc.GetBus(2)->m_pfValid, 1);
        EXPECT_EQ(doc.GetBus(2)->m_pfVoltage, before.m_pfVoltage);
        EXPECT_EQ(doc.GetBus(2)->m_voltage, before.m_voltage);
        EXPECT_EQ(doc.GetLine(0)->m_flowP1, flowBefore);
        EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 1);
    }
}

// An engine that never writes its files: old result files must not pass for new ones.
TEST_F(RealEngineCommandsTest, ResultFilesOfAnEarlierRunAreNotReadAsNew) {
    runSuccessfully();
    doc.GetBus(2)->m_loadP = 10; // a different case ...
    ui.messages.clear();
    commands([] {}).RunPowerFlow(); // ... that the engine never solved
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("busotp.dat"), std::string::npos);

    ui.messages.clear();
    commands([] {}).DisplaySystemLosses();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("lossotp.dat"), std::string::npos);
    EXPECT_TRUE(ui.losses.empty());
}

TEST_F(RealEngineCommandsTest, LossesOfTheRunAreShown) {
    runSuccessfully();
    commands().DisplaySystemLosses();
    ASSERT_EQ(ui.losses.size(), 1u);
    // The active loss is what the generators supply beyond the load.
    double generation = 0;
    for (const auto& bus : doc.BusArray()) generation += bus->m_pfP;
    EXPECT_NEAR(ui.losses[0].realPower, generation - 90.0, 0.05);
    EXPECT_GT(ui.losses[0].realPower, 0.0);
    // Line 1-2 charges 0.03 p.u. at about 1 p.u.: some 3 MVAr.
    EXPECT_NEAR(ui.losses[0].lineCharging, 3.0, 0.2);
}

TEST_F(RealEngineCommandsTest, MeasurementUpdateAsksThenFillsTheMetersFromTheEngine) {
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 3, 2, 0, 0, 0.001));
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 1, 3, 0, 0, 0.001));
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 1, 2, 0, 0.001));
    doc.AddPowerInjection(std::make_unique<CPowerInjection>(0, 0, 0, 3, 0, 0, 0.001));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 2, 0.5, 0.001));
    app.m_mode = Mode::StateEstimation;
    doc.SetModifiedFlag(false);

    ui.answers = {false};
    commands().UsePowerFlowResults();
    EXPECT_FALSE(app.m_usePowerFlowResults);
    EXPECT_FALSE(fs::exists("pfinput.dat"));
    EXPECT_EQ(doc.GetVoltage(0)->m_value, 0.5);

    ui.answers = {true};
    commands().UsePowerFlowResults();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Update State Estimation Measurements",
                                                      "Update State Estimation Measurements"}));
    EXPECT_TRUE(app.m_usePowerFlowResults);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetBus(2)->m_pfValid, 0); // buses and branches are not updated
    // Injection at the load bus: its load, negative, in p.u.
    EXPECT_NEAR(doc.GetPowerInjection(0)->m_p, -0.9, 1e-3);
    EXPECT_NEAR(doc.GetPowerInjection(0)->m_q, -0.3, 1e-3);
    EXPECT_NEAR(doc.GetVoltage(0)->m_value, 1.01, 1e-4);
    const CPowerFlow meter32 = *doc.GetPowerFlow(0);
    const CPowerFlow meter13 = *doc.GetPowerFlow(1);
    const double current12 = doc.GetCurrent(0)->m_value;

    // Switching off asks nothing and changes no meter.
    doc.GetVoltage(0)->m_value = 0.5;
    commands().UsePowerFlowResults();
    EXPECT_FALSE(app.m_usePowerFlowResults);
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(doc.GetVoltage(0)->m_value, 0.5);

    // The flow meters hold the flows of their own direction, as a power flow shows them.
    app.m_mode = Mode::PowerFlow;
    runSuccessfully();
    EXPECT_NEAR(meter32.m_p, doc.GetLine(3)->m_flowP1, 1e-3); // line 3-2, bus-1 end
    EXPECT_NEAR(meter32.m_q, doc.GetLine(3)->m_flowQ1, 1e-3);
    EXPECT_NEAR(meter13.m_p, doc.GetLine(1)->m_flowP1, 1e-3);
    EXPECT_LT(meter32.m_p, 0.0);
    EXPECT_GT(meter13.m_p, 0.0);
    // The current meter holds |S| / |V| at bus 1 of line 1-2.
    const CLine& line12 = *doc.GetLine(0);
    EXPECT_NEAR(current12, std::hypot(line12.m_flowP1, line12.m_flowQ1) / 1.02, 2e-3);
}

// A run that fails leaves the branch file of the earlier run in place; no meter may take
// its values, even when no bus meter would read the failed status.
TEST_F(RealEngineCommandsTest, MeasurementUpdateAfterAFailedRunChangesNoMeter) {
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 1, 2, 0.25, 0.125, 0.001));
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 1, 2, 0.75, 0.001));
    runSuccessfully();
    ASSERT_TRUE(fs::exists("branchotp.dat"));
    doc.GetLine(1)->m_r = doc.GetLine(1)->m_x = 0;

    ui.answers = {true};
    commands().UsePowerFlowResults();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 1.  Zero impedance branch.\n");
    EXPECT_EQ(doc.GetPowerFlow(0)->m_p, 0.25);
    EXPECT_EQ(doc.GetPowerFlow(0)->m_q, 0.125);
    EXPECT_EQ(doc.GetCurrent(0)->m_value, 0.75);
}

TEST_F(RealEngineCommandsTest, ClearInEachMode) {
    const struct {
        Mode mode;
        bool clearsPowerFlow;
        bool clearsObservability;
    } cases[] = {
        {Mode::PowerFlow, true, false},       {Mode::OptimalPowerFlow, true, false},
        {Mode::StateEstimation, false, true}, {Mode::NetworkEdit, false, false},
        {Mode::ShortCircuit, false, false},   {Mode::TransientStability, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        app.m_mode = Mode::PowerFlow;
        runSuccessfully();
        doc.GetLine(0)->SetObservable(0);
        const double solved = doc.GetBus(2)->m_voltage;
        ASSERT_LT(solved, 1.0);
        app.m_mode = c.mode;
        commands().ClearAnalysisResults();
        EXPECT_EQ(app.m_resultState, CSkemtorApp::kNoResults);
        const CBus& load = *doc.GetBus(2);
        const CLine& parallel = *doc.GetLine(2);
        if (c.clearsPowerFlow) {
            EXPECT_EQ(load.m_pfValid, 0);
            EXPECT_EQ(load.m_voltage, 1.0);
            EXPECT_EQ(load.m_angle, 0.0);
            EXPECT_EQ(doc.GetBus(0)->m_genP, 0.0);
            EXPECT_EQ(parallel.m_flowValid1 + parallel.m_flowValid2, 0);
            EXPECT_EQ(parallel.m_withinLimit, 1);
            EXPECT_EQ(parallel.IsResultSeen(1) + parallel.IsResultSeen(2), 0);
        } else {
            EXPECT_EQ(load.m_pfValid, 1);
            EXPECT_EQ(load.m_voltage, solved);
            EXPECT_EQ(parallel.m_flowValid1, 1);
            EXPECT_EQ(parallel.m_withinLimit, 0);
        }
        EXPECT_EQ(doc.GetLine(0)->m_observable, c.clearsObservability ? 1 : 0);
    }
}

TEST_F(RealEngineCommandsTest, DeleteInEachModeAsksFirst) {
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 1, 2, 0, 0, 0.001));
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 1, 2, 0, 0.001));
    doc.AddPowerInjection(std::make_unique<CPowerInjection>(0, 0, 0, 3, 0, 0, 0.001));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 2, 1.0, 0.001));
    doc.AddShort(std::make_unique<CShort>(0, 0, 0, 3));
    doc.AddZground(std::make_unique<CZground>(0, 0, 0, 3));
    runSuccessfully();
    auto meters = [&] {
        return doc.GetPowerFlowCount() + doc.GetCurrentCount() + doc.GetPowerInjectionCount() +
               doc.GetVoltageCount();
    };
    auto faults = [&] { return doc.GetShortCount() + doc.GetZgroundCount(); };

    // No changes nothing, in every mode that asks.
    for (Mode mode : {Mode::PowerFlow, Mode::StateEstimation, Mode::ShortCircuit}) {
        app.m_mode = mode;
        doc.SetModifiedFlag(false);
        ui.answers = {false};
        commands().DeleteAllMeasurements();
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Reset Power Flow Measurements",
                                                      "Delete State Estimation Measurements",
                                                      "Delete Short Circuits"}));
    EXPECT_EQ(meters(), 4);
    EXPECT_EQ(faults(), 2);
    EXPECT_EQ(doc.GetBus(2)->m_loadP, 90.0);

    app.m_mode = Mode::StateEstimation;
    ui.answers = {true};
    commands().DeleteAllMeasurements();
    EXPECT_EQ(meters(), 0);
    EXPECT_EQ(faults(), 2);

    app.m_mode = Mode::ShortCircuit;
    ui.answers = {true};
    commands().DeleteAllMeasurements();
    EXPECT_EQ(faults(), 0);
    EXPECT_EQ(doc.GetBus(2)->m_loadP, 90.0);

    app.m_mode = Mode::PowerFlow;
    ui.answers = {true};
    commands().DeleteAllMeasurements();
    const CBus& load = *doc.GetBus(2);
    EXPECT_EQ(load.m_loadP, 0.0);
    EXPECT_EQ(load.m_loadQ, 0.0);
    EXPECT_EQ(load.m_qMax, 1.0);
    EXPECT_EQ(load.m_qMin, -1.0);
    EXPECT_EQ(load.m_pfValid, 0);
    EXPECT_EQ(doc.GetBus(1)->m_genP, 0.0);
    EXPECT_EQ(doc.GetBusCount(), 3);
    EXPECT_EQ(doc.GetLineCount(), 4);

    // Modes without a data set ask nothing but still mark the document modified.
    app.m_mode = Mode::NetworkEdit;
    doc.SetModifiedFlag(false);
    const auto asked = ui.questions.size();
    commands().DeleteAllMeasurements();
    EXPECT_EQ(ui.questions.size(), asked);
    EXPECT_TRUE(doc.IsModified());
}

// The Data Case Name rule: exactly 31 characters, cut or padded; a long name still
// leaves the engine a base it can read.
TEST_F(RealEngineCommandsTest, CaseNameIsMadeThirtyOneCharactersAndTheEngineReadsTheBase) {
    ui.caseNames = {std::string(40, 'L')};
    ui.fileNames = {std::string("named.dat")};
    commands().CreateIeeeDataFile();
    EXPECT_EQ(app.m_caseName, std::string(31, 'L'));
    EXPECT_TRUE(fs::exists("named.dat"));

    runSuccessfully();
    const std::string report = readFileText("pfoutput.dat");
    EXPECT_NE(report.find("Base MVA :  100.0 MVA"), std::string::npos) << report.substr(0, 200);
    EXPECT_NE(report.find(std::string(30, 'L')), std::string::npos);

    ui.caseNames = {std::string("SHORT")};
    ui.fileNames = {std::nullopt};
    commands().CreateIeeeDataFile();
    EXPECT_EQ(app.m_caseName, "SHORT" + std::string(26, ' '));
    ui.caseNames = {std::nullopt}; // Cancel: the name becomes all blanks
    ui.fileNames = {std::nullopt};
    commands().CreateIeeeDataFile();
    EXPECT_EQ(app.m_caseName, std::string(31, ' '));
    runSuccessfully();
}

} // namespace
