#include "exchange/PowerFlowCommands.h"

#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using tarvex::test::FakeUserInterface;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;
using Mode = CSkemtorApp::Mode;

const char* const kCatalogue = "6\nThe power flow diverged.\n"
                               "100 There is no slack bus.\n"
                               "101 Too many buses.\n";

// Result files as the engine leaves them for a three-bus network 1-2, 2-3, 3-2.
const char* const kBusRows = " 0\n"
                             "   1 1.0600   0.00  120.50   -8.25  1.2050 -0.0825\n"
                             "   2 1.0450  -2.50   40.00   35.10  0.2000  0.2210\n"
                             "   3 0.9870  -6.75    0.00    0.00 -0.9000 -0.3000\n";
const char* const kBranchRows = "   1   2  0.8000  0.0500  0.8020  0\n"
                                "   2   1 -0.7900 -0.0300  0.7950  0\n"
                                "   2   3  0.4500  0.1200  0.4700  1\n"
                                "   3   2 -0.4400 -0.1100  0.4600  0\n"
                                "   2   3  0.9900  0.9900  0.9900  0\n"; // later row: ignored

// A three-bus network: slack 1, PV 2, PQ 3; line 1-2 and two parallel branches between
// 2 and 3 drawn in opposite directions.
class PowerFlowCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFileText("tvx.err", kCatalogue);
        app.m_mode = Mode::PowerFlow;
        const int types[] = {CBus::kSlack, CBus::kGenerator, CBus::kLoad};
        for (int type : types) {
            auto bus = std::make_unique<CBus>(100, -100, 1, doc.NextBusNumber());
            bus->m_type = type;
            doc.AddBus(std::move(bus));
        }
        addLine(1, 2);
        addLine(2, 3);
        addLine(3, 2);
        engine = [this] {
            ++engineRuns;
            writeFileText("busotp.dat", busRows);
            writeFileText("branchotp.dat", branchRows);
        };
    }

    void addLine(int from, int to) {
        const CPointL points[2] = {{0, 0}, {10, 0}};
        doc.AddLine(std::make_unique<CLine>(points, 2, from, 1, to, 1, app));
    }

    CPowerFlowCommands commands() { return CPowerFlowCommands(doc, app, ui, errors, engine); }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    CErrorReporter errors{{}};
    std::string busRows = kBusRows;
    std::string branchRows = kBranchRows;
    int engineRuns = 0;
    std::function<void()> engine;
};

TEST_F(PowerFlowCommandsTest, StoresBusResultsAndWritesTheSolvedStateBack) {
    commands().RunPowerFlow();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);
    EXPECT_EQ(app.m_powerFlowBusCount, 3);
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(ui.waitCursors, 1);
    const CBus& slack = *doc.GetBus(0);
    EXPECT_FLOAT_EQ(static_cast<float>(slack.m_genP), 120.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(slack.m_genQ), -8.25f);
    const CBus& pq = *doc.GetBus(2);
    EXPECT_EQ(pq.m_pfValid, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(pq.m_voltage), 0.987f); // PQ takes the solved voltage
    EXPECT_FLOAT_EQ(static_cast<float>(pq.m_angle), -6.75f);
    EXPECT_EQ(doc.GetBus(1)->m_voltage, 1.0); // PV keeps its set point
    EXPECT_TRUE(std::filesystem::exists("pfinput.dat"));
    EXPECT_TRUE(std::filesystem::exists("pfparam.dat"));
}

TEST_F(PowerFlowCommandsTest, BranchRowsGoToEveryBranchOfThePairByDirection) {
    commands().RunPowerFlow();
    const CLine& line = *doc.GetLine(0);
    EXPECT_FLOAT_EQ(static_cast<float>(line.m_flowP1), 0.8f);
    EXPECT_FLOAT_EQ(static_cast<float>(line.m_flowP2), -0.79f);
    EXPECT_EQ(line.m_withinLimit, 1);

    // 2-3 takes the first 2->3 row at its bus-1 end; 3-2 takes it at its bus-2 end.
    const CLine& forward = *doc.GetLine(1);
    const CLine& reverse = *doc.GetLine(2);
    EXPECT_FLOAT_EQ(static_cast<float>(forward.m_flowP1), 0.45f);
    EXPECT_FLOAT_EQ(static_cast<float>(forward.m_flowP2), -0.44f);
    EXPECT_FLOAT_EQ(static_cast<float>(reverse.m_flowP1), -0.44f);
    EXPECT_FLOAT_EQ(static_cast<float>(reverse.m_flowQ2), 0.12f);
    EXPECT_EQ(forward.m_flowValid1 + forward.m_flowValid2, 2);
    // The over-limit flag of the 2->3 row marks both branches that took it.
    EXPECT_EQ(forward.m_withinLimit, 0);
    EXPECT_EQ(reverse.m_withinLimit, 0);

    // A clear forgets the rows seen, so the next run takes first rows again.
    commands().ClearAnalysisResults();
    EXPECT_EQ(forward.m_withinLimit, 1);
    EXPECT_EQ(forward.m_flowValid1, 0);
    EXPECT_EQ(doc.GetBus(2)->m_voltage, 1.0);
    EXPECT_EQ(doc.GetBus(2)->m_angle, 0.0);
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kNoResults);
}

TEST_F(PowerFlowCommandsTest, TooManyBusesIsRefusedBeforeAnythingIsWritten) {
    while (doc.GetBusCount() < 29) doc.AddBus(std::make_unique<CBus>(0, 0, 1, doc.NextBusNumber()));
    commands().RunPowerFlow();
    EXPECT_EQ(engineRuns, 1); // 29 buses run

    std::filesystem::remove("pfinput.dat");
    doc.AddBus(std::make_unique<CBus>(0, 0, 1, doc.NextBusNumber()));
    ui.messages.clear();
    commands().RunPowerFlow();
    EXPECT_EQ(engineRuns, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Error Message");
    EXPECT_EQ(ui.messages[0].text, "Error: 101.  Too many buses.\n");
    EXPECT_FALSE(std::filesystem::exists("pfinput.dat"));
}

TEST_F(PowerFlowCommandsTest, NoSlackBusIsError100) {
    doc.GetBus(0)->m_type = CBus::kGenerator;
    commands().RunPowerFlow();
    EXPECT_EQ(engineRuns, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 100.  There is no slack bus.\n");
}

// The engine must never run on an older case file than the network on the screen.
TEST_F(PowerFlowCommandsTest, CaseFileThatCannotBeWrittenStopsBeforeTheEngine) {
    for (const char* blocked : {"pfinput.dat", "pfparam.dat"}) {
        SCOPED_TRACE(blocked);
        std::filesystem::create_directory(blocked); // a folder where the file must go
        ui.messages.clear();
        commands().RunPowerFlow();
        ui.answers = {true};
        commands().UsePowerFlowResults();
        EXPECT_EQ(engineRuns, 0);
        ASSERT_EQ(ui.messages.size(), 2u);
        for (const auto& message : ui.messages) {
            EXPECT_EQ(message.title, "Error Message");
            EXPECT_NE(message.text.find(blocked), std::string::npos) << message.text;
        }
        EXPECT_EQ(ui.waitDepth, 0);
        std::filesystem::remove_all(blocked);
        app.m_usePowerFlowResults = false;
    }
}

TEST_F(PowerFlowCommandsTest, MeasurementUpdateWithoutSlackBusKeepsTheToggleOn) {
    doc.GetBus(0)->m_type = CBus::kLoad;
    ui.answers = {true};
    commands().UsePowerFlowResults();
    EXPECT_TRUE(app.m_usePowerFlowResults);
    EXPECT_EQ(engineRuns, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 100.  There is no slack bus.\n");
    EXPECT_FALSE(std::filesystem::exists("pfinput.dat"));
}

TEST_F(PowerFlowCommandsTest, EngineStatusIsShownFromTheCatalogueAndResultsStayCleared) {
    commands().RunPowerFlow();
    busRows = " 6\n";
    commands().RunPowerFlow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 6.  The power flow diverged.\n");
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kNoResults);
    EXPECT_EQ(doc.GetBus(2)->m_pfValid, 0);
    EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 0);
}

// An error box under a wait cursor looks like a hung program: every failure of a run,
// from both commands that run the engine, is shown once the cursor is down.
TEST_F(PowerFlowCommandsTest, EveryFailureIsShownWithTheWaitCursorDown) {
    const std::function<void()> failures[] = {
        [this] { busRows = " 6\n"; },
        [this] { engine = [] { std::filesystem::remove("busotp.dat"); }; },
        [this] { engine = [] { writeFileText("busotp.dat", " 0\n"); }; }, // no branch file
        [] {
            std::filesystem::remove("pfinput.dat");
            std::filesystem::create_directory("pfinput.dat"); // cannot be written
        },
    };
    for (const auto& fail : failures) {
        fail();
        commands().RunPowerFlow();
        ui.answers = {true};
        commands().UsePowerFlowResults();
        app.m_usePowerFlowResults = false;
    }
    ASSERT_EQ(ui.messages.size(), 8u);
    for (const auto& message : ui.messages) EXPECT_EQ(message.waitDepth, 0) << message.text;
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(PowerFlowCommandsTest, MissingResultFileLeavesTheElementsAsTheyWere) {
    commands().RunPowerFlow();
    engine = [] { std::filesystem::remove("busotp.dat"); };
    ui.messages.clear();
    commands().RunPowerFlow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("busotp.dat"), std::string::npos);
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);
    EXPECT_EQ(doc.GetBus(2)->m_pfValid, 1);
    EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 1);
}

TEST_F(PowerFlowCommandsTest, SwitchValue4817ReadsTheFirstLineAsABusRow) {
    app.m_resultFileSwitch = CSkemtorApp::kSkipErrorCode;
    busRows = "   3 0.9500  -1.00    0.00    0.00 -0.9000 -0.3000\n";
    commands().RunPowerFlow();
    ASSERT_TRUE(ui.messages.empty());
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetBus(2)->m_voltage), 0.95f);
}

TEST_F(PowerFlowCommandsTest, MeasurementUpdateAsksThenFillsEveryMeter) {
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 2, 1, 0, 0, 0.001));
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 1, 3, 7, 7, 0.001)); // no such row
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 3, 2, 0, 0.001));
    doc.AddPowerInjection(std::make_unique<CPowerInjection>(0, 0, 0, 2, 0, 0, 0.001));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 3, 1.0, 0.001));
    doc.SetModifiedFlag(false);

    ui.answers = {false};
    commands().UsePowerFlowResults();
    EXPECT_FALSE(app.m_usePowerFlowResults);
    EXPECT_EQ(engineRuns, 0);

    ui.answers = {true};
    commands().UsePowerFlowResults();
    EXPECT_TRUE(app.m_usePowerFlowResults);
    EXPECT_EQ(engineRuns, 1);
    EXPECT_EQ(ui.questions.back(), "Update State Estimation Measurements");
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerFlow(0)->m_p), -0.79f); // the 2->1 row
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerFlow(0)->m_q), -0.03f);
    EXPECT_EQ(doc.GetPowerFlow(1)->m_p, 7.0);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetCurrent(0)->m_value), 0.46f);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerInjection(0)->m_p), 0.2f);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerInjection(0)->m_q), 0.221f);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetVoltage(0)->m_value), 0.987f);
    EXPECT_TRUE(doc.IsModified());
    // The bus and branch elements are not updated by this command.
    EXPECT_EQ(doc.GetBus(2)->m_pfValid, 0);

    // Switching off asks nothing and touches no meter.
    doc.GetVoltage(0)->m_value = 1.02;
    commands().UsePowerFlowResults();
    EXPECT_FALSE(app.m_usePowerFlowResults);
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(engineRuns, 1);
    EXPECT_EQ(doc.GetVoltage(0)->m_value, 1.02);
}

TEST_F(PowerFlowCommandsTest, ClearAndDeleteByMode) {
    auto flow = std::make_unique<CPowerFlow>(0, 0, 1, 2, 0, 0, 0.001);
    flow->SetRealResidual(3.5, 2, 1, 0);
    doc.AddPowerFlow(std::move(flow));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 3, 1.0, 0.001));
    doc.AddShort(std::make_unique<CShort>(0, 0, 0, 3));
    doc.AddZground(std::make_unique<CZground>(0, 0, 0, 3));
    doc.GetLine(0)->SetObservable(0);
    doc.GetBus(2)->m_loadP = 50;

    app.m_mode = Mode::StateEstimation;
    commands().ClearAnalysisResults();
    EXPECT_EQ(doc.GetLine(0)->m_observable, 1);
    EXPECT_EQ(doc.GetPowerFlow(0)->m_pValid, 0);
    EXPECT_EQ(doc.GetPowerFlow(0)->m_pPosition, 1);

    ui.answers = {false, true};
    commands().DeleteAllMeasurements();
    EXPECT_EQ(doc.GetPowerFlowCount(), 1);
    commands().DeleteAllMeasurements();
    EXPECT_EQ(ui.questions.back(), "Delete State Estimation Measurements");
    EXPECT_EQ(doc.GetPowerFlowCount() + doc.GetVoltageCount(), 0);
    EXPECT_EQ(doc.GetShortCount(), 1);

    app.m_mode = Mode::ShortCircuit;
    ui.answers = {true};
    commands().DeleteAllMeasurements();
    EXPECT_EQ(ui.questions.back(), "Delete Short Circuits");
    EXPECT_EQ(doc.GetShortCount() + doc.GetZgroundCount(), 0);

    app.m_mode = Mode::PowerFlow;
    ui.answers = {true};
    commands().DeleteAllMeasurements();
    EXPECT_EQ(ui.questions.back(), "Reset Power Flow Measurements");
    EXPECT_EQ(doc.GetBus(2)->m_loadP, 0.0);
    EXPECT_EQ(doc.GetBus(2)->m_qMax, 1.0);
    EXPECT_EQ(doc.GetBusCount(), 3);

    app.m_mode = Mode::NetworkEdit;
    const auto asked = ui.questions.size();
    commands().DeleteAllMeasurements();
    EXPECT_EQ(ui.questions.size(), asked);
}

TEST_F(PowerFlowCommandsTest, CreateIeeeDataFileKeepsAThirtyOneCharacterCaseName) {
    ui.caseNames = {std::string(40, 'N')};
    ui.fileNames = {std::string("/some/other/dir/mycase.dat")};
    commands().CreateIeeeDataFile();
    EXPECT_EQ(app.m_caseName, std::string(31, 'N'));
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].defaultName, "pfinput.dat");
    EXPECT_EQ(ui.saveRequests[0].filterLabel, "Data Files (*.dat)");
    // Written into the working directory under the chosen name. The title card keeps
    // column 31 blank, so the base still reads from columns 31-36.
    EXPECT_EQ(readFileText("mycase.dat").substr(0, 37), std::string(30, 'N') + " 100.0\n");

    ui.caseNames = {std::string("SHORT")};
    ui.fileNames = {std::nullopt};
    commands().CreateIeeeDataFile();
    EXPECT_EQ(app.m_caseName, "SHORT" + std::string(26, ' '));
}

TEST_F(PowerFlowCommandsTest, LossesAndReportFiles) {
    commands().DisplaySystemLosses();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("lossotp.dat"), std::string::npos);

    writeFileText("lossotp.dat", "   0.1234   0.5678  -0.2500   0.0000\n");
    commands().DisplaySystemLosses();
    ASSERT_EQ(ui.losses.size(), 1u);
    EXPECT_FLOAT_EQ(static_cast<float>(ui.losses[0].realPower), 0.1234f);
    EXPECT_FLOAT_EQ(static_cast<float>(ui.losses[0].lineCharging), -0.25f);

    writeFileText("pfoutput.dat", "REPORT\n");
    writeFileText("pfout.dat", "older copy, agreed to overwrite\n");
    ui.fileNames = {std::string("pfout.dat")};
    commands().SavePowerFlowReport();
    EXPECT_EQ(ui.saveRequests.back().defaultName, "pfout.dat");
    EXPECT_EQ(readFileText("pfout.dat"), "REPORT\n");
}

// scanf reads "nan" and "inf" as numbers, and a value beyond single precision as an
// infinity. Such a row must end the reading like any row that cannot be read: stored,
// it would become the load bus's own voltage and angle (and so the next case file),
// a meter's measurement, or a losses figure.
TEST_F(PowerFlowCommandsTest, RowsHoldingNoFiniteNumberAreNotRead) {
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 2, 1, 0.25, 0.001));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 3, 1.01, 0.001));
    for (const char* bad : {"nan", "inf", "-inf", "1e39", "-1e39"}) {
        SCOPED_TRACE(bad);
        const std::string value(bad);
        ui.messages.clear();
        ui.losses.clear();
        app.m_mode = Mode::PowerFlow;
        doc.GetBus(2)->m_voltage = 1.0;
        doc.GetBus(2)->m_angle = 0.0;
        busRows = " 0\n"
                  "   1 1.0600   0.00  120.50   -8.25  1.2050 -0.0825\n"
                  "   3 " +
                  value +
                  "  -6.75    0.00    0.00 -0.9000 -0.3000\n"
                  "   2 1.0450  -2.50   40.00   35.10  0.2000  0.2210\n";
        branchRows = "   1   2  0.8000  0.0500  0.8020  0\n"
                     "   2   1 -0.7900 " +
                     value +
                     "  0.7950  0\n"
                     "   2   3  0.4500  0.1200  0.4700  1\n";
        commands().RunPowerFlow();
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(doc.GetBus(0)->m_pfValid, 1);
        EXPECT_EQ(doc.GetBus(2)->m_pfValid, 0);
        EXPECT_EQ(doc.GetBus(1)->m_pfValid, 0); // after the damaged row
        EXPECT_EQ(doc.GetBus(2)->m_voltage, 1.0);
        EXPECT_EQ(doc.GetBus(2)->m_angle, 0.0);
        EXPECT_EQ(doc.GetLine(0)->m_flowValid1, 1);
        EXPECT_EQ(doc.GetLine(0)->m_flowValid2, 0);
        EXPECT_EQ(doc.GetLine(1)->m_flowValid1, 0); // after the damaged row

        writeFileText("lossotp.dat", "   0.1234   " + value + "  -0.2500   0.0000\n");
        commands().DisplaySystemLosses();
        EXPECT_TRUE(ui.losses.empty());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, CPowerFlowCommands::MissingFileMessage("lossotp.dat"));

        ui.messages.clear();
        app.m_mode = Mode::StateEstimation;
        app.m_usePowerFlowResults = false;
        ui.answers = {true};
        commands().UsePowerFlowResults();
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(doc.GetCurrent(0)->m_value, 0.25);
        EXPECT_EQ(doc.GetVoltage(0)->m_value, 1.01);
    }
}

} // namespace

namespace {

// The command against the real engine: a slack bus feeding a load over one line, with
// the results read back from the files the engine wrote.
TEST(PowerFlowCommandsEngineTest, RealEngineResultsReachTheBusesAndBranches) {
    ScopedWorkDir dir;
    writeFileText("tvx.err", kCatalogue);
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.SetCaseName("TWO BUS");
    app.m_mode = Mode::PowerFlow;
    auto slack = std::make_unique<CBus>(100, -100, 1, 1);
    slack->m_type = CBus::kSlack;
    slack->m_voltage = 1.0;
    doc.AddBus(std::move(slack));
    auto load = std::make_unique<CBus>(300, -100, 1, 2);
    load->m_loadP = 50;
    load->m_loadQ = 20;
    doc.AddBus(std::move(load));
    const CPointL points[2] = {{50, -100}, {250, -100}};
    auto line = std::make_unique<CLine>(points, 2, 1, 1, 2, 1, app);
    line->m_r = 0.01;
    line->m_x = 0.1;
    line->m_tap = 1.0;
    line->m_mvaLimit = 100;
    doc.AddLine(std::move(line));

    FakeUserInterface ui;
    const CErrorReporter errors{{}};
    CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);

    const CBus& far = *doc.GetBus(1);
    EXPECT_EQ(far.m_pfValid, 1);
    EXPECT_LT(far.m_voltage, 1.0);
    EXPECT_GT(far.m_voltage, 0.9);
    EXPECT_LT(far.m_angle, 0.0);
    // The slack supplies the load plus the I^2 R loss of the line.
    const CBus& source = *doc.GetBus(0);
    EXPECT_GT(source.m_genP, 50.0);
    EXPECT_LT(source.m_genP, 51.0);
    const CLine& branch = *doc.GetLine(0);
    ASSERT_EQ(branch.m_flowValid1 + branch.m_flowValid2, 2);
    EXPECT_NEAR(branch.m_flowP1 * 100.0, source.m_genP, 0.05);
    EXPECT_NEAR(branch.m_flowP2, -0.5, 1e-3);
}

} // namespace
