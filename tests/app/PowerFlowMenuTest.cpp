#include "tests/app/ProgramFixture.h"

#include "tests/support/FileText.h"

#include <cmath>
#include <filesystem>

namespace {

using tarvex::test::ProgramFixture;
using tarvex::test::readFileText;
using Mode = CSkemtorApp::Mode;
using Id = CommandId;

// The two-bus network solved by hand: with V1 = 1, X = 0.1 and a load of 0.5 p.u. drawing
// no reactive power, P = V2 sin(d) / X and V2 = cos(d), so sin(2d) = 2 P X = 0.1.
const double kAngle = -0.5 * std::asin(0.1) * 180.0 / M_PI; // -2.8696 degrees
const double kVoltage = std::cos(0.5 * std::asin(0.1));     // 0.99875 p.u.
// The reactive loss I^2 X with I = P / V2, in MVAr.
const double kReactiveLoss = 0.25 / (kVoltage * kVoltage) * 0.1 * 100.0;

class PowerFlowMenuTest : public ProgramFixture {
protected:
    void SetUp() override {
        // As File New leaves it.
        state().SetCaseName("TWO BUS TEST");
        buildTwoBusNetwork();
        trigger(Id::ModePowerFlow);
    }
};

TEST_F(PowerFlowMenuTest, RunFromTheAnalysisMenuSolvesTheNetwork) {
    QAction* run = nullptr;
    for (QAction* item : menuActions(CMenuLayout::kAnalysis))
        if (item->data().toInt() == static_cast<int>(Id::RunPowerFlow)) run = item;
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(run->isEnabled());
    run->trigger();

    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kPowerFlowResults);
    EXPECT_EQ(state().m_powerFlowBusCount, 2);
    const CBus* load = doc().FindBus(2);
    EXPECT_NEAR(load->m_pfVoltage, kVoltage, 2e-4);
    EXPECT_NEAR(load->m_pfAngle, kAngle, 0.02);
    // The solved state is written back into the load bus's data.
    EXPECT_NEAR(load->m_voltage, kVoltage, 2e-4);
    EXPECT_NEAR(doc().FindBus(1)->m_pfP, 50.0, 0.1);
    EXPECT_EQ(ui.waitDepth, 0);

    // Now the losses lead the menu, and show the engine's figures.
    const QList<QAction*> analysis = menuActions(CMenuLayout::kAnalysis);
    ASSERT_EQ(analysis.at(0)->data().toInt(), static_cast<int>(Id::DisplayLosses));
    analysis.at(0)->trigger();
    ASSERT_EQ(ui.losses.size(), 1u);
    // A lossless line: the real loss is zero up to the P mismatch tolerance (0.1 MW).
    EXPECT_NEAR(ui.losses[0].realPower, 0.0, state().m_pfMaxPMismatch * 100.0);
    EXPECT_NEAR(ui.losses[0].reactivePower, kReactiveLoss, 0.02);
}

TEST_F(PowerFlowMenuTest, ClearResultsRestoresTheFlatStartAndGraysItself) {
    trigger(Id::RunPowerFlow);
    ASSERT_EQ(state().m_resultState, CSkemtorApp::kPowerFlowResults);
    trigger(Id::ClearResults);
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults);
    EXPECT_DOUBLE_EQ(doc().FindBus(2)->m_voltage, 1.0);
    EXPECT_DOUBLE_EQ(doc().FindBus(2)->m_angle, 0.0);
    program->Commands().Update();
    EXPECT_FALSE(action(Id::ClearResults)->isEnabled());
}

TEST_F(PowerFlowMenuTest, TheReportIsSavedUnderTheChosenName) {
    trigger(Id::RunPowerFlow);
    ui.fileNames.push_back((dir.path() / "sub" / "lab1.dat").string());
    trigger(Id::SavePowerFlowReport);
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].defaultName, "pfout.dat");
    EXPECT_EQ(ui.saveRequests[0].filterLabel, "Data Files (*.dat)");
    // Exchange copies always land in the working folder.
    const std::string report = readFileText("pfoutput.dat");
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(readFileText("lab1.dat"), report);
}

TEST_F(PowerFlowMenuTest, TheCaseFileCarriesTheEnteredName) {
    ui.caseNames.push_back("STUDENT CASE");
    ui.fileNames.push_back("mycase.dat");
    trigger(Id::CreateIeeeDataFile);
    const std::string text = readFileText("mycase.dat");
    ASSERT_GE(text.size(), 36u);
    EXPECT_EQ(text.substr(0, 36), "STUDENT CASE" + std::string(19, ' ') + "100.0");
    EXPECT_EQ(state().m_caseName, "STUDENT CASE" + std::string(19, ' '));
}

TEST_F(PowerFlowMenuTest, ADocumentSavedWithoutCaseNameStillRuns) {
    // Without its 31 columns of title the case file's base MVA would be read as zero.
    state().m_caseName.clear();
    saveDocument("nameless.tvx");
    doc().SetModifiedFlag(false);
    ASSERT_TRUE(program->OpenDocumentFile("nameless.tvx"));
    EXPECT_EQ(state().m_caseName, std::string(31, ' '));
    trigger(Id::ModePowerFlow);
    trigger(Id::RunPowerFlow);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kPowerFlowResults);
}

TEST_F(PowerFlowMenuTest, ANetworkWithoutSlackIsRefusedThroughTheCatalogue) {
    doc().FindBus(1)->m_type = CBus::kGenerator;
    trigger(Id::RunPowerFlow);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Error Message");
    EXPECT_EQ(ui.messages[0].text.rfind("Error: 100.  There is no slack bus.", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists("pfinput.dat"));
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults);
}

TEST_F(PowerFlowMenuTest, MeasurementsTakeTheirValuesFromAPowerFlow) {
    trigger(Id::ModeStateEstimation);
    auto meter = std::make_unique<CVoltage>();
    meter->m_bus = 2;
    doc().AddVoltage(std::move(meter));
    ui.answers.push_back(true);
    trigger(Id::UsePowerFlowResults);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Update State Estimation Measurements");
    EXPECT_TRUE(state().m_usePowerFlowResults);
    EXPECT_TRUE(action(Id::UsePowerFlowResults)->isChecked());
    EXPECT_NEAR(doc().GetVoltage(0)->m_value, kVoltage, 2e-4);
}

} // namespace
