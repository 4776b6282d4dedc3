#include "dialogs/DialogLineData.h"
#include "dialogs/ElementDialogs.h"

#include "ScriptedDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using D = CDialogLineData;
using tarvex::test::ScriptedDialogs;

CLine MakeLine() {
    CSkemtorApp settings;
    const CPointL points[2] = {{0, 0}, {100, 0}};
    CLine line(points, 2, 3, 1, 8, 1, settings);
    line.m_r = 0.02;
    line.m_x = 0.06;
    line.m_g = 0.0012345678;
    line.m_b = 0.03;
    line.m_tap = 0.975;
    line.m_phase = -2.5;
    line.m_r0 = 0.1;
    line.m_x0 = 0.3;
    line.m_mvaLimit = 120;
    return line;
}

QString TextOf(const D& dialog, int id) {
    return dialog.Fields().Edit(id)->text();
}

bool Enabled(const D& dialog, int id) {
    return dialog.Fields().Edit(id)->isEnabled();
}

struct KindCase {
    int transformer, phaseShifter;
    const char* tap;
    const char* phase;
};

TEST(DialogLineData, TapAndPhaseFollowTheBranchTypeAndKind) {
    const KindCase cases[] = {
        {0, 0, "None", "None"},
        {0, 1, "None", "None"},
        {1, 0, "0.975000", "None"},
        {1, 1, "None", "-2.500000"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.transformer << c.phaseShifter);
        CLine line = MakeLine();
        line.m_transformer = c.transformer;
        line.m_phaseShifter = c.phaseShifter;
        D dialog(line);
        EXPECT_EQ(TextOf(dialog, D::kTap), c.tap);
        EXPECT_EQ(TextOf(dialog, D::kPhase), c.phase);
        EXPECT_EQ(Enabled(dialog, D::kTap), QString(c.tap) != "None");
        EXPECT_EQ(Enabled(dialog, D::kPhase), QString(c.phase) != "None");
        EXPECT_TRUE(
            dialog.Control<QRadioButton>(c.transformer ? D::kTransformer : D::kLine)->isChecked());
        EXPECT_TRUE(
            dialog.Control<QRadioButton>(c.phaseShifter ? D::kPhaseShifter : D::kTapChanger)
                ->isChecked());
    }
}

TEST(DialogLineData, OpeningShowsFixedFieldsAndFormats) {
    CLine line = MakeLine();
    D dialog(line);
    EXPECT_EQ(TextOf(dialog, D::kR), "0.020000");
    EXPECT_EQ(TextOf(dialog, D::kMvaLimit), "120");
    EXPECT_EQ(TextOf(dialog, D::kG), "0.001235");
    EXPECT_FALSE(Enabled(dialog, D::kG));
    EXPECT_EQ(TextOf(dialog, D::kBus1), "3");
    EXPECT_EQ(TextOf(dialog, D::kBus2), "8");
    EXPECT_FALSE(Enabled(dialog, D::kBus1));
    EXPECT_FALSE(Enabled(dialog, D::kBus2));
    // A new branch has its zero-sequence data disabled.
    EXPECT_TRUE(dialog.Control<QRadioButton>(D::kZeroDisable)->isChecked());
    EXPECT_EQ(TextOf(dialog, D::kR0), "None");
    EXPECT_EQ(TextOf(dialog, D::kX0), "None");
}

TEST(DialogLineData, PhaseShifterOnALineShowsOnlyOnceItIsATransformer) {
    CLine line = MakeLine();
    D dialog(line);
    dialog.Control<QRadioButton>(D::kPhaseShifter)->click();
    EXPECT_EQ(TextOf(dialog, D::kTap), "None");
    EXPECT_EQ(TextOf(dialog, D::kPhase), "None");
    dialog.Control<QRadioButton>(D::kTransformer)->click();
    EXPECT_EQ(TextOf(dialog, D::kTap), "None");
    EXPECT_EQ(TextOf(dialog, D::kPhase), "-2.500000");
    EXPECT_TRUE(Enabled(dialog, D::kPhase));
    dialog.Control<QRadioButton>(D::kTapChanger)->click();
    EXPECT_EQ(TextOf(dialog, D::kTap), "0.975000");
    EXPECT_EQ(TextOf(dialog, D::kPhase), "None");
    dialog.Control<QRadioButton>(D::kLine)->click();
    EXPECT_EQ(TextOf(dialog, D::kTap), "None");
    dialog.Control<QRadioButton>(D::kZeroEnable)->click();
    EXPECT_EQ(TextOf(dialog, D::kR0), "0.100000");
    EXPECT_EQ(TextOf(dialog, D::kX0), "0.300000");
}

class EditLineTest : public ::testing::Test {
protected:
    ScriptedDialogs ui;
    CSkemtorApp app;
    CSkemtorDoc doc;
};

TEST_F(EditLineTest, OkStoresEveryFieldButTheEndBuses) {
    CLine line = MakeLine();
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        dialog.Control<QRadioButton>(D::kTransformer)->click();
        dialog.Control<QRadioButton>(D::kPhaseShifter)->click();
        dialog.Control<QRadioButton>(D::kZeroEnable)->click();
        dialog.Fields().Edit(D::kR)->setText("0.05");
        dialog.Fields().Edit(D::kX)->setText("0.25");
        dialog.Fields().Edit(D::kB)->setText("0.5");
        dialog.Fields().Edit(D::kPhase)->setText("30");
        dialog.Fields().Edit(D::kR0)->setText("0.15");
        dialog.Fields().Edit(D::kX0)->setText("0.75");
        dialog.Fields().Edit(D::kMvaLimit)->setText("250");
        dialog.accept();
    };
    EXPECT_TRUE(EditLine(nullptr, line, app, doc));
    EXPECT_DOUBLE_EQ(line.m_r, 0.05);
    EXPECT_DOUBLE_EQ(line.m_x, 0.25);
    EXPECT_DOUBLE_EQ(line.m_b, 0.5);
    EXPECT_DOUBLE_EQ(line.m_phase, 30);
    EXPECT_DOUBLE_EQ(line.m_tap, 0.975); // disabled: back through "%f"
    EXPECT_DOUBLE_EQ(line.m_g, 0.001235);
    EXPECT_DOUBLE_EQ(line.m_r0, 0.15);
    EXPECT_DOUBLE_EQ(line.m_x0, 0.75);
    EXPECT_EQ(line.m_mvaLimit, 250);
    EXPECT_EQ(line.m_transformer, 1);
    EXPECT_EQ(line.m_phaseShifter, 1);
    EXPECT_EQ(line.m_zeroSeqDisabled, 0);
    EXPECT_EQ(line.m_bus1, 3);
    EXPECT_EQ(line.m_bus2, 8);
}

TEST_F(EditLineTest, CancelOrARefusedLimitLeavesTheBranchAlone) {
    CLine line = MakeLine();
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        dialog.Control<QRadioButton>(D::kTransformer)->click();
        dialog.Fields().Edit(D::kR)->setText("0.5");
        dialog.Fields().Edit(D::kMvaLimit)->setText("big");
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.reject();
    };
    EXPECT_FALSE(EditLine(nullptr, line, app, doc));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter an integer.");
    EXPECT_DOUBLE_EQ(line.m_r, 0.02);
    EXPECT_EQ(line.m_transformer, 0);
    EXPECT_EQ(line.m_mvaLimit, 120);
}

} // namespace
