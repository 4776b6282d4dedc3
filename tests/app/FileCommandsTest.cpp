#include "tests/app/ProgramFixture.h"

#include "model/DocumentFile.h"
#include "tests/support/FileText.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

namespace {

using tarvex::test::ProgramFixture;
using Mode = CSkemtorApp::Mode;
using Tool = CSkemtorApp::Tool;
using SaveChoice = CDesktopUserInterface::SaveChoice;

class FileCommandsTest : public ProgramFixture {
protected:
    // Leaves the program in a state File New and File Open must reset.
    void disturbState() {
        state().m_mode = Mode::StateEstimation;
        state().m_tool = Tool::VoltageMeasurement;
        state().m_resultState = CSkemtorApp::kWlsResults;
        state().m_canvasSize = {9000, 7000};
    }
};

TEST_F(FileCommandsTest, FileNewForcesTheCaseNameToThirtyOneCharacters) {
    const std::string forty(40, 'N');
    struct Case {
        std::optional<std::string> entered;
        std::string expected;
    };
    const Case cases[] = {
        {forty, std::string(31, 'N')},
        {"ABC", "ABC" + std::string(28, ' ')},
        {"", std::string(31, ' ')},
        {std::string(31, 'x'), std::string(31, 'x')},
    };
    for (const Case& c : cases) {
        ui.caseNames.push_back(c.entered);
        trigger(CommandId::FileNew);
        EXPECT_EQ(state().m_caseName, c.expected);
        EXPECT_EQ(state().m_caseName.size(), 31u);
    }
}

TEST_F(FileCommandsTest, CancelledCaseNameKeepsTheOldNameAndStillResets) {
    state().m_caseName = "OLD";
    disturbState();
    ui.caseNames.push_back(std::nullopt);
    trigger(CommandId::FileNew);
    ASSERT_EQ(ui.caseNamePrompts.size(), 1u);
    EXPECT_EQ(ui.caseNamePrompts[0], "OLD");
    EXPECT_EQ(state().m_caseName, "OLD" + std::string(28, ' '));
    EXPECT_EQ(state().m_mode, Mode::NetworkEdit);
    EXPECT_EQ(state().m_tool, Tool::Pointer);
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults);
    EXPECT_EQ(state().m_canvasSize.width, 6000);
    EXPECT_EQ(state().m_canvasSize.height, 6000);
}

TEST_F(FileCommandsTest, FileNewAsksToSaveAModifiedDocumentFirst) {
    buildTwoBusNetwork();
    ASSERT_TRUE(doc().IsModified());
    // Cancel: nothing happens, not even the case name question.
    ui.saveChoices.push_back(SaveChoice::Cancel);
    trigger(CommandId::FileNew);
    EXPECT_EQ(doc().GetBusCount(), 2);
    EXPECT_TRUE(ui.caseNamePrompts.empty());
    // Save: asks for a name, writes it, then empties the document.
    ui.saveChoices.push_back(SaveChoice::Save);
    ui.documentNames.push_back((dir.path() / "kept").string());
    trigger(CommandId::FileNew);
    EXPECT_EQ(ui.saveChangesTitles, std::vector<std::string>({"Untitled", "Untitled"}));
    EXPECT_EQ(doc().GetBusCount(), 0);
    EXPECT_FALSE(doc().IsModified());
    CSkemtorDoc reread;
    CSkemtorApp readState;
    ASSERT_TRUE(CDocumentFile::Load(dir.path() / "kept.tvx", reread, readState).ok);
    EXPECT_EQ(reread.GetBusCount(), 2);
}

TEST_F(FileCommandsTest, SaveAndOpenRoundTripAndResetTheState) {
    buildTwoBusNetwork();
    ui.documentNames.push_back((dir.path() / "net.tvx").string());
    trigger(CommandId::FileSave);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(frame().windowTitle(), "net.tvx - Tarvex");
    // A second save goes to the same file without asking.
    doc().GetBus(1)->m_loadP = 75.0;
    doc().SetModifiedFlag(true);
    trigger(CommandId::FileSave);
    EXPECT_TRUE(ui.documentNames.empty());

    disturbState();
    ui.openNames.push_back((dir.path() / "net.tvx").string());
    trigger(CommandId::FileOpen);
    ASSERT_EQ(doc().GetBusCount(), 2);
    EXPECT_DOUBLE_EQ(doc().GetBus(1)->m_loadP, 75.0);
    EXPECT_EQ(state().m_mode, Mode::NetworkEdit);
    EXPECT_EQ(state().m_tool, Tool::Pointer);
    EXPECT_EQ(state().m_resultState, CSkemtorApp::kNoResults);
    // Opening keeps the canvas size.
    EXPECT_EQ(state().m_canvasSize.width, 9000);
}

TEST_F(FileCommandsTest, ADamagedDocumentIsReportedAndLeavesAnEmptyUntitledDocument) {
    tarvex::test::writeFileText("broken.tvx", std::string("\x03\x00\xff", 3));
    buildTwoBusNetwork();
    doc().SetModifiedFlag(false);
    EXPECT_FALSE(program->OpenDocumentFile("broken.tvx"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("broken.tvx"), std::string::npos);
    EXPECT_EQ(doc().GetBusCount(), 0);
    EXPECT_EQ(frame().windowTitle(), "Untitled - Tarvex");
    EXPECT_TRUE(program->RecentFiles().Files().isEmpty());
}

TEST_F(FileCommandsTest, RecentFilesKeepTheNewestFourAndOpenFromTheMenu) {
    for (int i = 1; i <= 5; ++i) {
        ui.documentNames.push_back((dir.path() / ("net" + std::to_string(i) + ".tvx")).string());
        trigger(CommandId::FileSaveAs);
    }
    const QStringList files = program->RecentFiles().Files();
    ASSERT_EQ(files.size(), 4);
    EXPECT_TRUE(files.at(0).endsWith("net5.tvx"));
    EXPECT_TRUE(files.at(3).endsWith("net2.tvx"));
    const QStringList fileMenu = menuTexts(CMenuLayout::kFile);
    const qsizetype first = fileMenu.indexOf("&1 net5.tvx");
    ASSERT_GE(first, 0) << fileMenu.join('|').toStdString();
    EXPECT_EQ(fileMenu.at(first + 3), "&4 net2.tvx");
    EXPECT_EQ(fileMenu.at(first + 4), "---");

    // The list survives in the profile, under the names the profile has always used.
    profile->sync();
    EXPECT_TRUE(profile->value("Recent File List/File1").toString().endsWith("net5.tvx"));
    CRecentFileList reloaded(*profile);
    reloaded.Load();
    EXPECT_EQ(reloaded.Files(), files);

    doc().DeleteContents();
    doc().SetModifiedFlag(false);
    trigger(CommandId::FileRecent3);
    EXPECT_EQ(frame().windowTitle(), "net3.tvx - Tarvex");
}

TEST_F(FileCommandsTest, ExitAsksToSaveAModifiedDocument) {
    frame().show();
    buildTwoBusNetwork();
    ui.saveChoices.push_back(SaveChoice::Cancel);
    trigger(CommandId::AppExit);
    EXPECT_TRUE(frame().isVisible());
    ui.saveChoices.push_back(SaveChoice::Discard);
    trigger(CommandId::AppExit);
    EXPECT_FALSE(frame().isVisible());
    EXPECT_EQ(ui.saveChangesTitles.size(), 2u);
}

TEST_F(FileCommandsTest, ADroppedDocumentOpens) {
    buildTwoBusNetwork();
    saveDocument("dropped.tvx");
    doc().DeleteContents();
    doc().SetModifiedFlag(false);

    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(QString::fromStdString((dir.path() / "notes.txt").string())),
         QUrl::fromLocalFile(QString::fromStdString((dir.path() / "dropped.tvx").string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(doc().GetBusCount(), 2);
    EXPECT_EQ(frame().windowTitle(), "dropped.tvx - Tarvex");

    QMimeData other;
    other.setUrls(
        {QUrl::fromLocalFile(QString::fromStdString((dir.path() / "notes.txt").string()))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&frame(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

} // namespace
