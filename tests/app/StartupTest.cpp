#include "tests/app/ProgramFixture.h"

#include "tests/support/FileText.h"

#include <QLabel>
#include <QSplitter>
#include <QStatusBar>

#include <filesystem>
#include <vector>

namespace {

using tarvex::test::ProgramFixture;
using tarvex::test::writeFileText;
using Mode = CSkemtorApp::Mode;

class StartupTest : public ProgramFixture {};

// A settings file whose first value differs from the initial one.
void writeSettings() {
    std::string text = "0.0125 \n";
    for (int line = 2; line <= 21; ++line) text += "1 \n";
    writeFileText("tvx.ini", text);
}

TEST_F(StartupTest, TheCommandLineDocumentOpensAndNoCaseNameIsAsked) {
    buildTwoBusNetwork();
    state().SetCaseName("TWO BUS");
    saveDocument("two.tvx");
    doc().DeleteContents();
    doc().SetModifiedFlag(false);
    state().m_caseName.clear();
    writeSettings();

    ASSERT_TRUE(program->Start({"two.tvx"}));
    EXPECT_TRUE(ui.caseNamePrompts.empty());
    EXPECT_EQ(doc().GetBusCount(), 2);
    EXPECT_EQ(state().m_caseName, "TWO BUS" + std::string(24, ' '));
    EXPECT_EQ(frame().windowTitle(), "two.tvx - Tarvex");
    EXPECT_TRUE(frame().isVisible());
    EXPECT_DOUBLE_EQ(state().m_sdCurrent, static_cast<double>(0.0125f));
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(program->RecentFiles().Files().size(), 1);
    EXPECT_TRUE(program->RecentFiles().Files().at(0).endsWith("two.tvx"));
}

TEST_F(StartupTest, WithoutAFileTheCaseNameIsAskedBeforeTheWindowShows) {
    writeSettings();
    bool visibleWhenAsked = true;
    ui.onCaseName = [&] { visibleWhenAsked = frame().isVisible(); };
    ui.caseNames.push_back("LAB ONE");
    ASSERT_TRUE(program->Start({}));
    ASSERT_EQ(ui.caseNamePrompts.size(), 1u);
    EXPECT_FALSE(visibleWhenAsked);
    EXPECT_EQ(state().m_caseName, "LAB ONE" + std::string(24, ' '));
    EXPECT_EQ(frame().windowTitle(), "Untitled - Tarvex");
    EXPECT_EQ(state().m_mode, Mode::NetworkEdit);
}

TEST_F(StartupTest, AMissingSettingsFileIsReportedOnceTheWindowShowsAndDefaultsStay) {
    bool visibleAtMessage = false;
    ui.onMessage = [&](const auto&) { visibleAtMessage = frame().isVisible(); };
    ASSERT_TRUE(program->Start({}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Error Message");
    EXPECT_EQ(ui.messages[0].text, "Error opening tvx.ini");
    EXPECT_TRUE(visibleAtMessage);
    EXPECT_DOUBLE_EQ(state().m_sdCurrent, 0.001);
}

TEST_F(StartupTest, ADocumentThatCannotBeOpenedEndsTheStart) {
    EXPECT_FALSE(program->Start({"missing.tvx"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("missing.tvx"), std::string::npos);
    EXPECT_FALSE(frame().isVisible());
}

TEST_F(StartupTest, TheFrameHasItsPanesAndStatusBars) {
    writeSettings();
    ASSERT_TRUE(program->Start({}));
    QSplitter* panes = frame().Splitter();
    EXPECT_EQ(panes->orientation(), Qt::Vertical);
    ASSERT_EQ(panes->count(), 2);
    EXPECT_EQ(panes->widget(0), frame().DiagramPane().widget);
    EXPECT_EQ(panes->widget(1), frame().PlotPane());
    EXPECT_GT(panes->sizes().at(0), 0);
    EXPECT_EQ(panes->sizes().at(1), 0);

    EXPECT_EQ(frame().MessagePane()->text(), "Ready");
    const std::pair<CommandId, const char*> modes[] = {
        {CommandId::ModePowerFlow, "Power Flow"},
        {CommandId::ModeStateEstimation, "State Estimation"},
        {CommandId::ModeShortCircuit, "Short Circuit"},
        {CommandId::ModeTransientStability, "Transient Stability"},
        {CommandId::ModeOptimalPowerFlow, "Optimal Power Flow"},
        {CommandId::ModeNetworkEdit, "Network Edit"},
    };
    for (const auto& [id, name] : modes) {
        trigger(id);
        frame().IdleUpdate();
        EXPECT_EQ(frame().ModePane()->text(), name);
    }
    // The analysis status bar follows the status text at the next idle update.
    state().m_statusText = "Real Measured: 0.50000   Real Estimated: 0.49000";
    frame().IdleUpdate();
    EXPECT_EQ(frame().AnalysisText()->text(), "Real Measured: 0.50000   Real Estimated: 0.49000");
    EXPECT_NE(frame().AnalysisStatusBar(), frame().statusBar());

    trigger(CommandId::ViewStatusBar);
    EXPECT_TRUE(frame().statusBar()->isHidden());
    EXPECT_FALSE(action(CommandId::ViewStatusBar)->isChecked());
    trigger(CommandId::ViewStatusBar);
    EXPECT_FALSE(frame().statusBar()->isHidden());
    EXPECT_TRUE(action(CommandId::ViewStatusBar)->isChecked());
}

TEST_F(StartupTest, HelpOpensTheShippedGuideOrSaysItIsMissing) {
    trigger(CommandId::AppAbout);
    EXPECT_EQ(ui.abouts, 1);

    std::filesystem::create_directory("guide");
    program->SetHelpDirectory(QString::fromStdString((dir.path() / "guide").string()));
    trigger(CommandId::HelpTopics);
    EXPECT_TRUE(ui.helpPaths.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("guide/index.html"), std::string::npos);

    writeFileText("guide/index.html", "<html></html>");
    trigger(CommandId::HelpTopics);
    ASSERT_EQ(ui.helpPaths.size(), 1u);
    EXPECT_EQ(ui.helpPaths[0], (dir.path() / "guide" / "index.html").string());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(StartupTest, PrintingDrawsTheDiagramPageOnThePrinter) {
    // Cancelled: nothing is written.
    trigger(CommandId::FilePrint);
    EXPECT_FALSE(std::filesystem::exists("diagram.pdf"));

    std::vector<QRect> pages;
    const auto drawPage = frame().DiagramPane().drawPage;
    frame().DiagramPane().drawPage = [&](QPainter& painter, const QRect& page) {
        pages.push_back(page);
        drawPage(painter, page);
    };
    ui.printFile = (dir.path() / "diagram.pdf").string();
    trigger(CommandId::FilePrint);
    // One page: the printable area of a portrait sheet, in device pixels.
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].width(), 0);
    EXPECT_GT(pages[0].height(), pages[0].width());
    const std::string pdf = tarvex::test::readFileText("diagram.pdf");
    ASSERT_GT(pdf.size(), 100u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");

    ui.printFile = (dir.path() / "preview.pdf").string();
    trigger(CommandId::FilePrintPreview);
    EXPECT_EQ(ui.previews, 1);
    EXPECT_EQ(pages.size(), 2u);
    EXPECT_GT(std::filesystem::file_size("preview.pdf"), 100u);
}

} // namespace
