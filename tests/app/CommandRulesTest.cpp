#include "tests/app/ProgramFixture.h"

#include <QToolBar>

namespace {

using tarvex::test::ProgramFixture;
using Mode = CSkemtorApp::Mode;
using Tool = CSkemtorApp::Tool;
using Id = CommandId;

const Mode kModes[] = {Mode::NetworkEdit,  Mode::PowerFlow,          Mode::StateEstimation,
                       Mode::ShortCircuit, Mode::TransientStability, Mode::OptimalPowerFlow};

// For each command, the modes in which it is enabled.
struct ModeRule {
    Id id;
    std::vector<Mode> enabledIn;
};

class CommandRulesTest : public ProgramFixture {
protected:
    bool enabled(Id id) {
        program->Commands().Update();
        return action(id)->isEnabled();
    }
};

TEST_F(CommandRulesTest, EnableRulesFollowTheMode) {
    const std::vector<Mode> all(std::begin(kModes), std::end(kModes));
    const ModeRule rules[] = {
        {Id::ToolPointer, all},
        {Id::ToolHorizontalBus, all},
        {Id::ToolVerticalBus, all},
        {Id::ToolLine, all},
        {Id::ToolCapacitor, all},
        {Id::ToolCircuitBreaker, {Mode::NetworkEdit}},
        {Id::ToolCurrentMeasurement, {}},
        {Id::ToolPowerFlowMeasurement, {Mode::StateEstimation}},
        {Id::ToolPowerInjectionMeasurement, {Mode::StateEstimation}},
        {Id::ToolVoltageMeasurement, {Mode::StateEstimation}},
        {Id::ToolGenerator, {Mode::TransientStability, Mode::OptimalPowerFlow}},
        {Id::ToolImpedanceToGround, {Mode::ShortCircuit}},
        {Id::ToolShortCircuit, {Mode::ShortCircuit}},
        {Id::RunPowerFlow, {Mode::PowerFlow}},
        {Id::RunObservability, {Mode::StateEstimation}},
        {Id::RunWlsEstimation, {Mode::StateEstimation}},
        {Id::RunLavEstimation, {Mode::StateEstimation}},
        {Id::RunMeterPlacement, {Mode::StateEstimation}},
        {Id::SetMeterCost, {Mode::StateEstimation}},
        {Id::RunShortCircuit, {Mode::ShortCircuit}},
        {Id::RunTransientStability, {Mode::TransientStability}},
        {Id::RunOptimalPowerFlow, {Mode::OptimalPowerFlow}},
        {Id::DisplayLosses, all},
        {Id::SavePowerFlowReport, all},
        {Id::UsePowerFlowResults, all},
        {Id::DeleteAllMeasurements, all},
        {Id::AnalysisOptions, all},
        {Id::CreateIeeeDataFile, all},
        {Id::PlotOptions, all},
        {Id::ModeShortCircuit, all},
        {Id::ModeNetworkEdit, all},
        {Id::NoAnalysisAvailable, {}},
        {Id::NoMeasurementsAvailable, {}},
        {Id::EditUndo, {}},
    };
    for (const ModeRule& rule : rules)
        for (Mode mode : kModes) {
            state().m_mode = mode;
            const bool expected = std::find(rule.enabledIn.begin(), rule.enabledIn.end(), mode) !=
                                  rule.enabledIn.end();
            EXPECT_EQ(enabled(rule.id), expected)
                << "command " << static_cast<int>(rule.id) << " mode " << static_cast<int>(mode);
        }
}

TEST_F(CommandRulesTest, ClearResultsNeedsResultsAndEveryModeChangeRemovesThem) {
    for (Id modeCommand :
         {Id::ModeNetworkEdit, Id::ModePowerFlow, Id::ModeStateEstimation, Id::ModeShortCircuit,
          Id::ModeTransientStability, Id::ModeOptimalPowerFlow}) {
        state().m_resultState = CSkemtorApp::kPowerFlowResults;
        EXPECT_TRUE(enabled(Id::ClearResults));
        trigger(modeCommand);
        EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults) << static_cast<int>(modeCommand);
        EXPECT_FALSE(enabled(Id::ClearResults));
    }
}

TEST_F(CommandRulesTest, ModeCommandsSetTheModeAndItsCheckMark) {
    const std::pair<Id, Mode> modes[] = {
        {Id::ModePowerFlow, Mode::PowerFlow},
        {Id::ModeStateEstimation, Mode::StateEstimation},
        {Id::ModeShortCircuit, Mode::ShortCircuit},
        {Id::ModeTransientStability, Mode::TransientStability},
        {Id::ModeOptimalPowerFlow, Mode::OptimalPowerFlow},
        {Id::ModeNetworkEdit, Mode::NetworkEdit},
    };
    for (const auto& [id, mode] : modes) {
        trigger(id);
        EXPECT_EQ(state().m_mode, mode);
        for (const auto& [other, otherMode] : modes)
            EXPECT_EQ(action(other)->isChecked(), other == id) << static_cast<int>(other);
    }
}

TEST_F(CommandRulesTest, ToolCommandsArmTheToolAndCheckOnlyIt) {
    state().m_mode = Mode::StateEstimation;
    trigger(Id::ToolVoltageMeasurement);
    EXPECT_EQ(state().m_tool, Tool::VoltageMeasurement);
    EXPECT_TRUE(action(Id::ToolVoltageMeasurement)->isChecked());
    EXPECT_FALSE(action(Id::ToolPointer)->isChecked());
    // Clicking it again leaves it armed: a check mark shows state, it does not toggle it.
    trigger(Id::ToolVoltageMeasurement);
    EXPECT_EQ(state().m_tool, Tool::VoltageMeasurement);
    EXPECT_TRUE(action(Id::ToolVoltageMeasurement)->isChecked());

    trigger(Id::ToolHorizontalBus);
    EXPECT_EQ(state().m_tool, Tool::HorizontalBus);
    EXPECT_FALSE(action(Id::ToolVoltageMeasurement)->isChecked());
    EXPECT_TRUE(action(Id::ToolHorizontalBus)->isChecked());
}

TEST_F(CommandRulesTest, DisabledCommandsDoNotRunWhenTriggered) {
    state().m_mode = Mode::NetworkEdit;
    program->Commands().Update();
    EXPECT_FALSE(program->Commands().Execute(Id::ToolVoltageMeasurement));
    EXPECT_EQ(state().m_tool, Tool::Pointer);
    EXPECT_FALSE(program->Commands().Execute(Id::RunPowerFlow));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandRulesTest, AToolTheModeGraysDoesNotStayArmed) {
    state().m_mode = Mode::NetworkEdit;
    trigger(Id::ToolCircuitBreaker);
    ASSERT_EQ(state().m_tool, Tool::CircuitBreaker);
    trigger(Id::ModePowerFlow);
    EXPECT_EQ(state().m_tool, Tool::Pointer);
    // A tool every mode offers stays.
    trigger(Id::ToolLine);
    trigger(Id::ModeStateEstimation);
    EXPECT_EQ(state().m_tool, Tool::Line);
}

TEST_F(CommandRulesTest, UsePowerFlowResultsIsCheckedWhileOn) {
    state().m_usePowerFlowResults = true;
    program->Commands().Update();
    EXPECT_TRUE(action(Id::UsePowerFlowResults)->isChecked());
    // Switching it off asks nothing and touches no meter.
    trigger(Id::UsePowerFlowResults);
    EXPECT_FALSE(state().m_usePowerFlowResults);
    EXPECT_FALSE(action(Id::UsePowerFlowResults)->isChecked());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(CommandRulesTest, AnalysesOfLaterStagesSayTheyAreNotAvailable) {
    const std::pair<Id, Mode> commands[] = {
        {Id::RunWlsEstimation, Mode::StateEstimation},
        {Id::RunMeterPlacement, Mode::StateEstimation},
        {Id::RunShortCircuit, Mode::ShortCircuit},
        {Id::RunOptimalPowerFlow, Mode::OptimalPowerFlow},
    };
    for (const auto& [id, mode] : commands) {
        state().m_mode = mode;
        ui.messages.clear();
        trigger(id);
        ASSERT_EQ(ui.messages.size(), 1u) << static_cast<int>(id);
        EXPECT_NE(ui.messages[0].text.find("not available in this build"), std::string::npos);
        EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults);
    }
    EXPECT_EQ(ui.messages[0].text, "\"Run Optimal Power Flow\" is not available in this build.");
}

TEST_F(CommandRulesTest, ToolbarsHoldTheirButtonsInOrderWithTheirTooltips) {
    auto tooltips = [](QToolBar* bar) {
        QStringList texts;
        for (QAction* button : bar->actions())
            texts << (button->isSeparator() ? QStringLiteral("---") : button->toolTip());
        return texts;
    };
    EXPECT_EQ(tooltips(frame().StandardToolBar()),
              QStringList(
                  {"New", "Open", "Save", "---", "Cut", "Copy", "Paste", "---", "Print", "About"}));
    EXPECT_EQ(
        tooltips(frame().ElementToolBar()),
        QStringList({"Choose to return to pointer", "---", "Place a Vertical Bus",
                     "Place a Horizontal Bus", "Place a Line or Transformer", "Place a Capacitor",
                     "---", "Place a Circuit Breaker", "---", "Place a Power Flow Measurement",
                     "Place a Current Measurement", "Place a Power Injection Measurement",
                     "Place a Voltage Measurement", "Place a Generator", "---",
                     "Place an Impedance to Ground", "Place a Short Circuit"}));
    // The button and the menu item are one action.
    EXPECT_TRUE(frame().ElementToolBar()->actions().contains(action(Id::ToolLine)));
    EXPECT_EQ(action(Id::ToolPointer)->statusTip(), "Pointer");
}

} // namespace
