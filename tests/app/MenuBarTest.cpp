#include "tests/app/ProgramFixture.h"

#include <QMenuBar>

namespace {

using tarvex::test::ProgramFixture;
using Mode = CSkemtorApp::Mode;
using Menu = CMenuLayout::MenuIndex;

class MenuBarTest : public ProgramFixture {};

TEST_F(MenuBarTest, TopLevelMenusInOrder) {
    QStringList titles;
    for (QAction* menu : frame().menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Mode", "E&lement", "Mea&surement",
                                   "&Analysis", "&Options", "&Help"}));
}

TEST_F(MenuBarTest, StaticMenusHoldTheirItemsInOrder) {
    EXPECT_EQ(menuTexts(Menu::kFile),
              QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                           "---", "Create &IEEE Data File", "Create &Measurement File", "---",
                           "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...",
                           "&Export Diagram...", "---", "Recent File", "---", "E&xit"}));
    EXPECT_EQ(menuTexts(Menu::kEdit), QStringList({"&Undo\tCtrl+Z", "---", "Cu&t\tCtrl+X",
                                                   "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
    EXPECT_EQ(menuTexts(Menu::kView), QStringList({"&Toolbar", "&Status Bar"}));
    EXPECT_EQ(menuTexts(Menu::kMode),
              QStringList({"&Network Edit", "&Power Flow", "&State Estimation", "---",
                           "Short &Circuit", "&Transient Stability", "&Optimal Power Flow"}));
    EXPECT_EQ(menuTexts(Menu::kElement),
              QStringList({"&Pointer", "---", "&Bus", "&Line", "&Capacitor", "&Generator"}));
    QMenu* bus = menuActions(Menu::kElement).at(2)->menu();
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(bus->actions().at(0)->text(), "&Horizontal");
    EXPECT_EQ(bus->actions().at(1)->text(), "&Vertical");
    EXPECT_EQ(menuTexts(Menu::kHelp), QStringList({"About Tarvex..", "&Help Topics"}));
}

TEST_F(MenuBarTest, EditItemsAreNeverHandled) {
    for (QAction* item : menuActions(Menu::kEdit)) {
        if (item->isSeparator()) continue;
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    }
    // Nor do their other accelerators reach anything.
    EXPECT_EQ(action(CommandId::EditPaste)->shortcuts().size(), 2);
    EXPECT_EQ(action(CommandId::EditPaste)->shortcuts().at(1),
              QKeySequence(Qt::SHIFT | Qt::Key_Insert));
}

struct ModeMenus {
    Mode mode;
    QStringList analysis, measurement, options;
};

class ModeMenuTest : public ProgramFixture, public ::testing::WithParamInterface<ModeMenus> {};

TEST_P(ModeMenuTest, MenusAreRebuiltForTheModeBeforeTheyOpen) {
    const ModeMenus& expected = GetParam();
    // Visit another mode first, so leftovers of its items would show.
    state().m_mode = Mode::StateEstimation;
    menuTexts(Menu::kAnalysis);
    menuTexts(Menu::kMeasurement);
    menuTexts(Menu::kOptions);
    state().m_mode = expected.mode;
    EXPECT_EQ(menuTexts(Menu::kAnalysis), expected.analysis);
    EXPECT_EQ(menuTexts(Menu::kMeasurement), expected.measurement);
    EXPECT_EQ(menuTexts(Menu::kOptions), expected.options);
}

const QStringList kNoMeasurements{"No Measurements Available"};

INSTANTIATE_TEST_SUITE_P(
    EveryMode, ModeMenuTest,
    ::testing::Values(
        ModeMenus{Mode::NetworkEdit,
                  {"No Analysis Available", "---", "&Clear Results"},
                  kNoMeasurements,
                  {"Program &Settings"}},
        ModeMenus{Mode::PowerFlow,
                  {"Run &Power Flow Analysis", "Save Power Flow &Report", "---", "&Clear Results"},
                  kNoMeasurements,
                  {"Program &Settings"}},
        ModeMenus{Mode::StateEstimation,
                  {"Run &Observability Analysis", "Run &WLS Estimation", "Run &LAV Estimation",
                   "Run &Meter Placement", "Set Meter &Cost", "---", "&Clear Results"},
                  {"Power &Flow", "Power &Injection", "&Voltage", "---",
                   "&Use Power Flow Analysis Results"},
                  {"Program &Settings", "&Delete All Measurements"}},
        ModeMenus{Mode::ShortCircuit,
                  {"Run &Short Circuit Analysis", "---", "&Clear Results"},
                  kNoMeasurements,
                  {"Program &Settings"}},
        ModeMenus{Mode::TransientStability,
                  {"Plot Options", "Run &Transient Stability Analysis", "---", "&Clear Results"},
                  kNoMeasurements,
                  {"Program &Settings"}},
        ModeMenus{Mode::OptimalPowerFlow,
                  {"Run &Optimal Power Flow", "---", "&Clear Results"},
                  kNoMeasurements,
                  {"Program &Settings"}}));

TEST_F(MenuBarTest, LossesComeFirstOnlyWhilePowerFlowResultsShow) {
    state().m_mode = Mode::PowerFlow;
    state().m_resultState = CSkemtorApp::kPowerFlowResults;
    const QStringList withResults = menuTexts(Menu::kAnalysis);
    ASSERT_FALSE(withResults.isEmpty());
    EXPECT_EQ(withResults.first(), "Display Power Flow &Losses");
    EXPECT_EQ(withResults.count("Display Power Flow &Losses"), 1);
    // Opening the menu again does not add it twice.
    EXPECT_EQ(menuTexts(Menu::kAnalysis), withResults);

    state().m_resultState = CSkemtorApp::kWlsResults;
    EXPECT_FALSE(menuTexts(Menu::kAnalysis).contains("Display Power Flow &Losses"));
}

TEST_F(MenuBarTest, PlaceholdersAreGrayedWithTheirPrompts) {
    state().m_mode = Mode::NetworkEdit;
    QAction* noAnalysis = menuActions(Menu::kAnalysis).at(0);
    QAction* noMeasurements = menuActions(Menu::kMeasurement).at(0);
    EXPECT_FALSE(noAnalysis->isEnabled());
    EXPECT_FALSE(noMeasurements->isEnabled());
    EXPECT_EQ(noAnalysis->statusTip(), "No Analysis Is Available - Select a Network Mode");
    EXPECT_EQ(noMeasurements->statusTip(), "There Are No Measurements Currently Available");
    EXPECT_EQ(noAnalysis->data().toInt(), 32808);
    EXPECT_EQ(noMeasurements->data().toInt(), 32784);
}

TEST_F(MenuBarTest, EveryItemCarriesItsNumericId) {
    struct Expected {
        Menu menu;
        int position;
        int id;
    };
    state().m_mode = Mode::StateEstimation;
    const Expected items[] = {
        {Menu::kMode, 0, 32793},        {Menu::kMode, 1, 32794},
        {Menu::kMode, 2, 32798},        {Menu::kElement, 0, 32774},
        {Menu::kElement, 3, 32777},     {Menu::kElement, 4, 32807},
        {Menu::kElement, 5, 32782},     {Menu::kAnalysis, 0, 32809},
        {Menu::kAnalysis, 1, 32810},    {Menu::kAnalysis, 2, 32811},
        {Menu::kAnalysis, 3, 32821},    {Menu::kAnalysis, 4, 32785},
        {Menu::kAnalysis, 6, 32806},    {Menu::kMeasurement, 0, 32779},
        {Menu::kMeasurement, 1, 32780}, {Menu::kMeasurement, 2, 32781},
        {Menu::kMeasurement, 4, 32783}, {Menu::kOptions, 0, 32812},
        {Menu::kOptions, 1, 32813},     {Menu::kHelp, 0, 57664},
        {Menu::kHelp, 1, 57670},
    };
    for (const Expected& item : items) {
        const QList<QAction*> actions = menuActions(item.menu);
        ASSERT_LT(item.position, actions.size());
        EXPECT_EQ(actions.at(item.position)->data().toInt(), item.id)
            << "menu " << item.menu << " position " << item.position;
    }
}

TEST_F(MenuBarTest, ModePromptsAreTheStatusTips) {
    EXPECT_EQ(action(CommandId::ModeNetworkEdit)->statusTip(), "Place TVX in Edit Mode");
    EXPECT_EQ(action(CommandId::ModePowerFlow)->statusTip(),
              "Place TVX in Power Flow Analysis Mode");
    EXPECT_EQ(action(CommandId::ModeStateEstimation)->statusTip(),
              "Place TVX in State Estimation Mode");
    EXPECT_EQ(action(CommandId::ModeTransientStability)->statusTip(),
              "Place TVX in Transient Stability Analysis Mode");
    EXPECT_EQ(action(CommandId::ModeOptimalPowerFlow)->statusTip(),
              "Place TVX in Optimal Power Flow Mode");
}

} // namespace
