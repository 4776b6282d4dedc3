#include "dialogs/DialogAnalysisOptions.h"

#include "dialogs/DialogAnalysisOptionsPage.h"
#include "model/Settings.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using Mode = CSkemtorApp::Mode;

struct Message {
    std::string title;
    std::string text;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) found.push_back(line);
    return found;
}

class AnalysisOptionsTest : public ::testing::Test {
protected:
    // A sheet for `mode` on `app`, with the messages it would show collected.
    std::unique_ptr<CDialogAnalysisOptions> sheet(Mode mode) {
        app.m_mode = mode;
        auto made = std::make_unique<CDialogAnalysisOptions>(app);
        made->SetMessageHook([this](const QString& title, const QString& text) {
            messages.push_back({title.toStdString(), text.toStdString()});
        });
        return made;
    }

    // The field with the resource number `id` on page `index`, after opening the page.
    static QLineEdit* field(CDialogAnalysisOptions& sheet, int index, int id) {
        sheet.Tabs()->setCurrentIndex(index);
        QLineEdit* found = sheet.Page(index)->Field(id);
        EXPECT_NE(found, nullptr) << "field " << id;
        return found;
    }

    static QLabel* label(CDialogAnalysisOptionsPage& page, const QString& text) {
        for (QLabel* found : page.findChildren<QLabel*>())
            if (found->text() == text) return found;
        ADD_FAILURE() << "no label " << text.toStdString();
        return nullptr;
    }

    bool settingsWritten() const { return std::filesystem::exists(CSettings::kFileName); }

    ScopedWorkDir dir;
    CSkemtorApp app;
    std::vector<Message> messages;
};

TEST_F(AnalysisOptionsTest, EachModeShowsItsPagesInTabOrder) {
    const struct {
        Mode mode;
        std::vector<std::string> titles;
    } cases[] = {
        {Mode::NetworkEdit, {"Branch Data Defaults"}},
        {Mode::PowerFlow, {"MVA Base", "Simulation Parameters", "Display Output Settings"}},
        {Mode::StateEstimation,
         {"Display Settings", "Simulation Parameters", "Measurements Error Standard Deviations"}},
        {Mode::TransientStability, {"Simulation Settings"}},
        {Mode::OptimalPowerFlow, {"Simulation Parameters", "Display Output Settings"}},
        {Mode::ShortCircuit, {}},
    };
    for (const auto& c : cases) {
        const auto made = sheet(c.mode);
        std::vector<std::string> titles;
        for (int i = 0; i < made->Tabs()->count(); ++i)
            titles.push_back(made->Tabs()->tabText(i).toStdString());
        EXPECT_EQ(titles, c.titles) << static_cast<int>(c.mode);
        EXPECT_EQ(made->windowTitle().toStdString(), "Analysis Options");
    }
    // The three power flow simulation pages differ: the estimation page edits the
    // noise, the optimal power flow page the constraints.
    EXPECT_NE(sheet(Mode::StateEstimation)->Page(1)->Button(1051), nullptr);
    EXPECT_NE(sheet(Mode::OptimalPowerFlow)->Page(0)->Button(1134), nullptr);
    EXPECT_NE(sheet(Mode::PowerFlow)->Page(1)->Button(1087), nullptr);
}

TEST_F(AnalysisOptionsTest, FieldsShowTheirSettingInThePageFormat) {
    app.m_mvaBase = 250.5;
    app.m_pfMaxPMismatch = 0.0005;
    app.m_vMax = 1.1;
    app.m_vMin = 0.9;
    app.m_sdVoltage = 0.0001234567;
    app.m_residualThreshold = 1.96;
    app.m_tolerance = 1e-5;
    app.m_defaultX = 0.1;
    app.m_defaultMvaLimit = 150;
    app.m_timeStep = 0.01;
    app.m_faultBus1 = 7;
    const struct {
        Mode mode;
        int page;
        int id;
        const char* text;
    } cases[] = {
        {Mode::PowerFlow, 0, 1082, "250.5"},       {Mode::PowerFlow, 1, 1083, "100"},
        {Mode::PowerFlow, 1, 1084, "0.0005"},      {Mode::PowerFlow, 2, 1100, "1.10"},
        {Mode::PowerFlow, 2, 1101, "0.90"},        {Mode::StateEstimation, 2, 1034, "0.000123457"},
        {Mode::StateEstimation, 0, 1047, "3"},     {Mode::StateEstimation, 0, 1060, "1.960"},
        {Mode::StateEstimation, 1, 1053, "1e-05"}, {Mode::OptimalPowerFlow, 0, 1052, "20"},
        {Mode::NetworkEdit, 0, 1007, "0.10000"},   {Mode::NetworkEdit, 0, 1011, "150"},
        {Mode::NetworkEdit, 0, 1010, "0.00000"},   {Mode::TransientStability, 0, 1123, "0.010000"},
        {Mode::TransientStability, 0, 1128, "7"},
    };
    for (const auto& c : cases) {
        const auto made = sheet(c.mode);
        EXPECT_EQ(field(*made, c.page, c.id)->text().toStdString(), c.text) << c.id;
    }
}

TEST_F(AnalysisOptionsTest, OkTakesTheValuesOverAndRewritesTheSettingsFile) {
    const auto made = sheet(Mode::NetworkEdit);
    field(*made, 0, 1007)->setText("0.1");
    field(*made, 0, 1011)->setText("150");
    made->accept();

    EXPECT_EQ(made->result(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
    EXPECT_DOUBLE_EQ(app.m_defaultX, 0.1);
    EXPECT_EQ(app.m_defaultMvaLimit, 150);
    const std::vector<std::string> written = lines(readFileText(CSettings::kFileName));
    ASSERT_EQ(written.size(), 21u);
    EXPECT_EQ(written[5], "0.10000 ");
    EXPECT_EQ(written[9], "150 ");
    EXPECT_EQ(written[0], "0.001 ") << "settings of other pages are written unchanged";
}

TEST_F(AnalysisOptionsTest, CancelChangesNothingAndWritesNothing) {
    const auto made = sheet(Mode::PowerFlow);
    field(*made, 0, 1082)->setText("50");
    field(*made, 1, 1083)->setText("7");
    made->reject();
    EXPECT_DOUBLE_EQ(app.m_mvaBase, 100.0);
    EXPECT_EQ(app.m_pfMaxIterations, 100);
    EXPECT_FALSE(settingsWritten());
}

TEST_F(AnalysisOptionsTest, PagesNeverOpenedHandBackWhatTheyWereGiven) {
    app.m_vMax = 1.234; // "%.2f" would bring it back as 1.23 had the page been parsed
    const auto made = sheet(Mode::PowerFlow);
    field(*made, 1, 1083)->setText("12");
    made->accept();
    EXPECT_EQ(made->result(), QDialog::Accepted);
    EXPECT_EQ(app.m_pfMaxIterations, 12);
    EXPECT_DOUBLE_EQ(app.m_vMax, 1.234);
    EXPECT_TRUE(made->Page(2)->Field(1100)->text().isEmpty());

    const auto opened = sheet(Mode::PowerFlow);
    opened->Tabs()->setCurrentIndex(2);
    opened->accept();
    EXPECT_DOUBLE_EQ(app.m_vMax, 1.23) << "an opened page returns its fields' values";
}

TEST_F(AnalysisOptionsTest, OptimalPowerFlowValuesStayForTheRunAndAreSharedWithEstimation) {
    const auto opf = sheet(Mode::OptimalPowerFlow);
    field(*opf, 0, 1052)->setText("35");
    opf->Page(0)->Button(1133)->click();
    opf->accept();
    EXPECT_EQ(opf->result(), QDialog::Accepted);
    EXPECT_EQ(app.m_maxIterations, 35);
    EXPECT_EQ(app.m_opfConstraints, 0);
    EXPECT_FALSE(settingsWritten());

    const auto estimation = sheet(Mode::StateEstimation);
    EXPECT_EQ(field(*estimation, 1, 1052)->text().toStdString(), "35");
    estimation->accept();
    EXPECT_EQ(lines(readFileText(CSettings::kFileName)).at(13), "35 ");
}

TEST_F(AnalysisOptionsTest, BadValuesAreRefusedWithTheirFieldAndNothingIsTaken) {
    const struct {
        Mode mode;
        int page;
        int id;
        const char* text;
        const char* title;
        const char* message; // the start of the message, naming the field
    } cases[] = {
        {Mode::PowerFlow, 0, 1082, "abc", "Tarvex", "Please enter a number."},
        {Mode::PowerFlow, 0, 1082, "1e999", "Tarvex", "Please enter a number."},
        {Mode::PowerFlow, 1, 1083, "1.5", "Tarvex", "Please enter an integer."},
        {Mode::PowerFlow, 0, 1082, "0", "Warning: Analysis Options", "MVA Base:"},
        {Mode::PowerFlow, 1, 1083, "-1", "Warning: Analysis Options", "Max. Iterations:"},
        {Mode::PowerFlow, 1, 1083, "1000000000", "Warning: Analysis Options",
         "Max. Iterations: at most 1000"},
        {Mode::PowerFlow, 1, 1084, "-0.001", "Warning: Analysis Options", "Max. P. mismatch:"},
        {Mode::PowerFlow, 1, 1085, "0", "Warning: Analysis Options", "Max. Q. mismatch:"},
        {Mode::PowerFlow, 2, 1101, "1.10", "Warning: Analysis Options",
         "Vmin: the lower voltage limit must not be above Vmax."},
        {Mode::PowerFlow, 2, 1100, "0", "Warning: Analysis Options", "Vmax:"},
        {Mode::OptimalPowerFlow, 1, 1101, "-0.5", "Warning: Analysis Options", "Vmin:"},
        {Mode::StateEstimation, 2, 1030, "0", "Warning: Analysis Options", "Current S.D.:"},
        {Mode::StateEstimation, 2, 1034, "-0.01", "Warning: Analysis Options", "Voltage S.D.:"},
        {Mode::StateEstimation, 1, 1053, "-1e-3", "Warning: Analysis Options", "Tolerance:"},
        {Mode::StateEstimation, 1, 1052, "0", "Warning: Analysis Options", "Max. Iterations:"},
        {Mode::StateEstimation, 0, 1047, "-2", "Warning: Analysis Options", "Display"},
        {Mode::OptimalPowerFlow, 0, 1053, "0", "Warning: Analysis Options", "Tolerance:"},
        {Mode::NetworkEdit, 0, 1010, "-1", "Warning: Analysis Options", "Tap:"},
        {Mode::NetworkEdit, 0, 1011, "-5", "Warning: Analysis Options", "MVA limit:"},
        {Mode::TransientStability, 0, 1123, "-0.01", "Warning: Analysis Options", "T step:"},
        {Mode::TransientStability, 0, 1128, "0", "Warning: Analysis Options", "Bus 1:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.id));
        messages.clear();
        app = CSkemtorApp{};
        const auto made = sheet(c.mode);
        // Another page is opened and changed too: nothing of it may be taken either.
        if (made->PageCount() > 1) made->Tabs()->setCurrentIndex(c.page == 0 ? 1 : 0);
        QLineEdit* bad = field(*made, c.page, c.id);
        bad->setText(c.text);
        made->Tabs()->setCurrentIndex(made->PageCount() - 1 - c.page);
        made->accept();

        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, c.title);
        EXPECT_EQ(messages[0].text.rfind(c.message, 0), 0u) << messages[0].text;
        EXPECT_NE(made->result(), QDialog::Accepted);
        EXPECT_EQ(made->Tabs()->currentIndex(), c.page) << "the sheet shows the bad field";
        EXPECT_EQ(bad->selectedText(), bad->text());
        EXPECT_FALSE(settingsWritten());
        const CSkemtorApp defaults;
        EXPECT_EQ(CSettings::Format(app), CSettings::Format(defaults));
        EXPECT_EQ(app.m_mvaBase, defaults.m_mvaBase);
        EXPECT_EQ(app.m_vMin, defaults.m_vMin);
        EXPECT_EQ(app.m_pfMaxIterations, defaults.m_pfMaxIterations);
    }
}

TEST_F(AnalysisOptionsTest, TransientTimesAndFaultedLineAreCheckedTogether) {
    const struct {
        int kind;
        int bus1, bus2;
        double start, clear;
        const char* message; // empty when accepted
    } cases[] = {
        {1, 3, 3, 0.0, 0.0, "Bus 2: a faulted line joins two different buses."},
        {1, 3, 0, 0.0, 0.0, "Bus 2: bus numbers start at 1."},
        {0, 3, 3, 0.0, 0.0, ""}, // a faulted bus has no second bus
        {0, 1, 2, 0.1, 0.05, "F. Clear: the fault cannot be cleared before it starts."},
        {0, 1, 2, -0.1, 0.05, "F. start: the fault cannot start before the simulation."},
        {0, 1, 2, 0.1, 0.2, ""},
    };
    for (const auto& c : cases) {
        messages.clear();
        app = CSkemtorApp{};
        app.m_faultKind = c.kind;
        const auto made = sheet(Mode::TransientStability);
        made->Page(0)->Field(1128)->setText(QString::number(c.bus1));
        made->Page(0)->Field(1127)->setText(QString::number(c.bus2));
        made->Page(0)->Field(1125)->setText(QString::number(c.start));
        made->Page(0)->Field(1126)->setText(QString::number(c.clear));
        made->accept();
        if (*c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.message;
            EXPECT_EQ(messages[0].text, c.message);
            EXPECT_FALSE(settingsWritten());
        } else {
            EXPECT_TRUE(messages.empty()) << messages.front().text;
            EXPECT_EQ(made->result(), QDialog::Accepted);
            EXPECT_DOUBLE_EQ(app.m_faultClearTime, c.clear);
        }
        std::filesystem::remove(CSettings::kFileName);
    }
}

TEST_F(AnalysisOptionsTest, ARefusedValueOnAnUnopenedPageIsShownThere) {
    app.m_sdVoltage = -1; // as a damaged settings file may leave it
    const auto made = sheet(Mode::StateEstimation);
    made->accept();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("Voltage S.D.:", 0), 0u);
    EXPECT_EQ(made->Tabs()->currentIndex(), 2);
    EXPECT_EQ(made->Page(2)->Field(1034)->text().toStdString(), "-1");
    EXPECT_FALSE(settingsWritten());
}

TEST_F(AnalysisOptionsTest, ASettingsFileThatCannotBeWrittenIsReportedAfterTakingTheValues) {
    std::filesystem::create_directory(CSettings::kFileName);
    const auto made = sheet(Mode::NetworkEdit);
    field(*made, 0, 1006)->setText("0.02");
    made->accept();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error Message");
    EXPECT_EQ(messages[0].text, "Error opening tvx.ini");
    EXPECT_DOUBLE_EQ(app.m_defaultR, 0.02);
    EXPECT_EQ(made->result(), QDialog::Accepted);
}

TEST_F(AnalysisOptionsTest, EstimationDisplayEnablesTheResidualCountOnlyForNormalizedResiduals) {
    const struct {
        int display;
        int resultState;
        bool count, threshold, residualButton;
    } cases[] = {
        {0, 0, false, true, true},
        {1, 2, false, true, true},
        {2, 2, true, true, true},
        {2, CSkemtorApp::kLavResults, false, true, false},
        {1, CSkemtorApp::kLavResults, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("display " + std::to_string(c.display) + " state " +
                     std::to_string(c.resultState));
        app.m_seDisplay = c.display;
        app.m_resultState = c.resultState;
        const auto made = sheet(Mode::StateEstimation);
        CDialogAnalysisOptionsPage& page = *made->Page(0);
        EXPECT_TRUE(page.Button(1044 + c.display)->isChecked());
        EXPECT_EQ(page.Field(1047)->isEnabled(), c.count);
        EXPECT_EQ(label(page, "Display")->isEnabled(), c.count);
        EXPECT_EQ(label(page, "Residuals Larger Than")->isEnabled(), c.count);
        EXPECT_EQ(page.Field(1060)->isEnabled(), c.threshold);
        EXPECT_EQ(page.Button(1046)->isEnabled(), c.residualButton);
        EXPECT_EQ(label(page, "(WLS Only)")->isEnabled(), c.residualButton);
    }

    app.m_seDisplay = 2;
    app.m_resultState = 0;
    const auto made = sheet(Mode::StateEstimation);
    CDialogAnalysisOptionsPage& page = *made->Page(0);
    page.Button(1044)->click();
    EXPECT_FALSE(page.Field(1047)->isEnabled());
    EXPECT_FALSE(page.Field(1060)->isEnabled()) << "choosing an estimate disables the threshold";
    EXPECT_FALSE(label(page, "Residuals Larger Than")->isEnabled());
    page.Button(1046)->click();
    EXPECT_TRUE(page.Field(1047)->isEnabled());
    EXPECT_TRUE(page.Field(1060)->isEnabled());
    EXPECT_TRUE(label(page, "Display")->isEnabled());
    page.Button(1045)->click();
    made->accept();
    EXPECT_EQ(app.m_seDisplay, 1);
}

TEST_F(AnalysisOptionsTest, SecondFaultBusIsEditableOnlyForAFaultedLine) {
    const auto made = sheet(Mode::TransientStability);
    CDialogAnalysisOptionsPage& page = *made->Page(0);
    EXPECT_TRUE(page.Button(1120)->isChecked());
    EXPECT_FALSE(page.Field(1127)->isEnabled());
    page.Button(1121)->click();
    EXPECT_TRUE(page.Field(1127)->isEnabled());
    page.Button(1120)->click();
    EXPECT_FALSE(page.Field(1127)->isEnabled());
    page.Button(1121)->click();
    page.Field(1127)->setText("5");
    made->accept();
    EXPECT_EQ(app.m_faultKind, 1);
    EXPECT_EQ(app.m_faultBus2, 5);
}

TEST_F(AnalysisOptionsTest, AStoredChoiceWithoutAButtonChecksNoneAndIsKeptUnlessChosen) {
    app.m_displayChoice = 7;
    {
        const auto made = sheet(Mode::PowerFlow);
        made->Tabs()->setCurrentIndex(2);
        for (const int id : {1096, 1097, 1098})
            EXPECT_FALSE(made->Page(2)->Button(id)->isChecked()) << id;
        made->accept();
        EXPECT_EQ(app.m_displayChoice, 7);
    }
    const auto made = sheet(Mode::PowerFlow);
    made->Tabs()->setCurrentIndex(2);
    made->Page(2)->Button(1098)->click();
    made->accept();
    EXPECT_EQ(app.m_displayChoice, 2);
}

TEST_F(AnalysisOptionsTest, TheOptionsCommandRunsTheSheetAndRedrawsAfterIt) {
    int redraws = 0;
    const auto closeWith = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                ok ? dialog->accept() : dialog->reject();
        });
    };

    app.m_mode = Mode::ShortCircuit;
    EXPECT_FALSE(EditAnalysisOptions(nullptr, app, [&] { ++redraws; }));
    EXPECT_EQ(redraws, 0) << "no sheet in Short Circuit mode";

    app.m_mode = Mode::NetworkEdit;
    closeWith(false);
    EXPECT_FALSE(EditAnalysisOptions(nullptr, app, [&] { ++redraws; }));
    EXPECT_EQ(redraws, 1);
    EXPECT_FALSE(settingsWritten());

    closeWith(true);
    EXPECT_TRUE(EditAnalysisOptions(nullptr, app, [&] { ++redraws; }));
    EXPECT_EQ(redraws, 2);
    EXPECT_TRUE(settingsWritten());
}

} // namespace
