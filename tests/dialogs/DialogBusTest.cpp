#include "dialogs/DialogBusEdit.h"
#include "dialogs/DialogBusPowerFlow.h"
#include "dialogs/ElementDialogs.h"
#include "dialogs/SpinButtons.h"

#include "ScriptedDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

using tarvex::test::ScriptedDialogs;

QString TextOf(const CElementDialog& dialog, int id) {
    return dialog.Fields().Edit(id)->text();
}

void Type(CElementDialog& dialog, int id, const char* text) {
    dialog.Fields().Edit(id)->setText(QString::fromLatin1(text));
}

// Drawing dialog: the spinners step by 20 within the range of the orientation.
struct SpinCase {
    int horizontal;
    int spin;
    int direction;
    int startHeight, startWidth;
    int expectedHeight, expectedWidth;
};

TEST(DialogBusEdit, SpinnersStepByTwentyWithinTheOrientationRange) {
    using D = CDialogBusEdit;
    const SpinCase cases[] = {
        {1, D::kWidthSpin, +1, 10, 70, 10, 90},   // a standard horizontal bar widens
        {1, D::kWidthSpin, +1, 10, 210, 10, 210}, // at the top of 30..210
        {1, D::kWidthSpin, -1, 10, 30, 10, 30},   // at the bottom
        {1, D::kHeightSpin, +1, 50, 70, 50, 70},  // height of a horizontal bar: 10..50
        {1, D::kHeightSpin, +1, 10, 70, 30, 70},
        {1, D::kHeightSpin, -1, 10, 70, 10, 70},
        {0, D::kHeightSpin, +1, 70, 10, 90, 10}, // vertical: height 30..210
        {0, D::kHeightSpin, +1, 210, 10, 210, 10},
        {0, D::kWidthSpin, +1, 70, 50, 70, 50}, // vertical: width 10..50
        {0, D::kWidthSpin, +1, 70, 10, 70, 30},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "horizontal " << c.horizontal << " spin " << c.spin
                                        << " from " << c.startHeight << "x" << c.startWidth);
        CBus bus(200, 100, c.horizontal, 1);
        bus.Resize(c.startHeight, c.startWidth);
        D dialog(bus);
        dialog.Step(c.spin, c.direction);
        EXPECT_EQ(TextOf(dialog, D::kHeight), QString::number(c.expectedHeight));
        EXPECT_EQ(TextOf(dialog, D::kWidth), QString::number(c.expectedWidth));
    }
}

TEST(DialogBusEdit, SpinnerButtonsStepTheTypedValue) {
    CBus bus(200, 100, 1, 1);
    CDialogBusEdit dialog(bus);
    Type(dialog, CDialogBusEdit::kWidth, "110");
    auto* spin = dialog.Control<CSpinButtons>(CDialogBusEdit::kWidthSpin);
    ASSERT_NE(spin, nullptr);
    spin->Down()->click();
    EXPECT_EQ(TextOf(dialog, CDialogBusEdit::kWidth), "90");
    spin->Up()->click();
    spin->Up()->click();
    EXPECT_EQ(TextOf(dialog, CDialogBusEdit::kWidth), "130");
    EXPECT_EQ(TextOf(dialog, CDialogBusEdit::kHeight), "10");
}

class EditBusTest : public ::testing::Test {
protected:
    CBus& AddBus(int x, int y, int number, int type = CBus::kLoad) {
        auto bus = std::make_unique<CBus>(x, y, 1, number);
        bus->m_type = type;
        CBus& ref = *bus;
        doc.AddBus(std::move(bus));
        return ref;
    }

    ScriptedDialogs ui;
    CSkemtorApp app;
    CSkemtorDoc doc;
};

TEST_F(EditBusTest, OkResizesAboutTheCentreAndTakesNameNumberArea) {
    CBus& bus = AddBus(200, 100, 1);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusEdit&>(d);
        Type(dialog, CDialogBusEdit::kWidth, "75"); // typed sizes are not range-checked
        Type(dialog, CDialogBusEdit::kHeight, "30");
        Type(dialog, CDialogBusEdit::kName, "North");
        Type(dialog, CDialogBusEdit::kNumber, "7");
        Type(dialog, CDialogBusEdit::kArea, "2");
        dialog.accept();
    };
    EXPECT_TRUE(EditBus(nullptr, bus, app, doc));
    // 70 -> 75 moves each side by (75 - 70) / 2 = 2; 10 -> 30 moves top and bottom by 10.
    EXPECT_EQ(bus.m_xMin, 128);
    EXPECT_EQ(bus.m_xMax, 202);
    EXPECT_EQ(bus.m_yMin, 90);
    EXPECT_EQ(bus.m_yMax, 120);
    EXPECT_EQ(bus.m_name, "North");
    EXPECT_EQ(bus.m_number, 7);
    EXPECT_EQ(bus.m_area, 2);
    EXPECT_EQ(bus.m_horizontal, 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditBusTest, CancelChangesNothingButStillMarksTheDocument) {
    CBus& bus = AddBus(200, 100, 1);
    bus.m_name = "Old";
    doc.SetModifiedFlag(false);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusEdit&>(d);
        Type(dialog, CDialogBusEdit::kWidth, "150");
        Type(dialog, CDialogBusEdit::kName, "New");
        dialog.reject();
    };
    EXPECT_FALSE(EditBus(nullptr, bus, app, doc));
    EXPECT_EQ(bus.m_xMin, 130);
    EXPECT_EQ(bus.m_xMax, 200);
    EXPECT_EQ(bus.m_name, "Old");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditBusTest, AreaChangeReachesTheBranchesAtTheBusAndDeselectsIt) {
    CBus& first = AddBus(200, 100, 1);
    AddBus(400, 100, 2);
    AddBus(600, 100, 3);
    const CPointL points[2] = {{150, 105}, {350, 105}};
    doc.AddLine(std::make_unique<CLine>(points, 2, 1, 1, 2, 1, app));
    doc.AddLine(std::make_unique<CLine>(points, 2, 2, 1, 3, 1, app));
    first.SetSelected(1);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusEdit&>(d);
        Type(dialog, CDialogBusEdit::kArea, "4");
        dialog.accept();
    };
    EditBus(nullptr, first, app, doc);
    EXPECT_EQ(doc.GetLine(0)->m_area, CLine::kTieLineArea);
    EXPECT_EQ(doc.GetLine(0)->m_tieLine, 1);
    EXPECT_EQ(doc.GetLine(1)->m_area, 0); // not at this bus: left as it was
    EXPECT_EQ(doc.GetLine(1)->m_tieLine, 0);
    EXPECT_EQ(first.IsSelected(), 0);
}

TEST_F(EditBusTest, IntegerFieldRefusesAFractionAndStaysOpen) {
    CBus& bus = AddBus(200, 100, 3);
    bool stayedOpen = false;
    ui.script = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusEdit&>(d);
        Type(dialog, CDialogBusEdit::kNumber, "3.5");
        Type(dialog, CDialogBusEdit::kName, "Renamed");
        dialog.accept();
        stayedOpen = dialog.result() != QDialog::Accepted;
        EXPECT_EQ(dialog.Fields().Edit(CDialogBusEdit::kNumber)->selectedText(), "3.5");
        dialog.reject();
    };
    EXPECT_FALSE(EditBus(nullptr, bus, app, doc));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(bus.m_number, 3);
    EXPECT_EQ(bus.m_name, "");
}

// Power flow dialog: which fields the bus type fixes on opening.
struct OpeningCase {
    int type;
    int checked;
    bool genPEnabled, genQEnabled, limitsEnabled;
    bool limitsNone;
};

TEST(DialogBusPowerFlow, OpeningStateFollowsTheBusType) {
    using D = CDialogBusPowerFlow;
    const OpeningCase cases[] = {
        {CBus::kSlack, D::kSlack, false, false, false, true},
        {CBus::kGenerator, D::kPV, true, false, true, false},
        {CBus::kLoad, D::kPQ, true, true, false, true},
    };
    for (const OpeningCase& c : cases) {
        SCOPED_TRACE(c.type);
        CBus bus(200, 100, 1, 1);
        bus.m_type = c.type;
        bus.m_genP = 40;
        bus.m_genQ = -12.5;
        bus.m_angle = -3.14159;
        D dialog(bus);
        EXPECT_TRUE(dialog.Control<QRadioButton>(c.checked)->isChecked());
        EXPECT_EQ(dialog.Fields().Edit(D::kGenP)->isEnabled(), c.genPEnabled);
        EXPECT_EQ(dialog.Fields().Edit(D::kGenQ)->isEnabled(), c.genQEnabled);
        // Generation fixed on opening still shows its value.
        EXPECT_EQ(TextOf(dialog, D::kGenP), "40.000000");
        EXPECT_EQ(TextOf(dialog, D::kGenQ), "-12.500000");
        EXPECT_EQ(dialog.Fields().Edit(D::kQMax)->isEnabled(), c.limitsEnabled);
        EXPECT_EQ(TextOf(dialog, D::kQMax) == "None", c.limitsNone);
        EXPECT_EQ(TextOf(dialog, D::kQMin) == "None", c.limitsNone);
        EXPECT_FALSE(dialog.Fields().Edit(D::kAngle)->isEnabled());
        EXPECT_EQ(TextOf(dialog, D::kAngle), "-3.14");
        EXPECT_TRUE(dialog.Fields().Edit(D::kVoltage)->isEnabled());
        EXPECT_TRUE(dialog.Fields().Edit(D::kLoadP)->isEnabled());
    }
}

TEST(DialogBusPowerFlow, TypeButtonsSwitchFieldsAndKeepTypedValues) {
    using D = CDialogBusPowerFlow;
    CBus bus(200, 100, 1, 1);
    bus.m_genP = 10;
    bus.m_genQ = 5;
    D dialog(bus);
    Type(dialog, D::kGenP, "25.5");
    dialog.Control<QRadioButton>(D::kSlack)->click();
    EXPECT_EQ(dialog.Type(), CBus::kSlack);
    for (int id : {D::kGenP, D::kGenQ, D::kQMax, D::kQMin}) {
        EXPECT_EQ(TextOf(dialog, id), "None") << id;
        EXPECT_FALSE(dialog.Fields().Edit(id)->isEnabled()) << id;
    }
    dialog.Control<QRadioButton>(D::kPV)->click();
    EXPECT_EQ(TextOf(dialog, D::kGenP), "25.500000");
    EXPECT_EQ(TextOf(dialog, D::kGenQ), "None");
    EXPECT_EQ(TextOf(dialog, D::kQMax), "100.000000");
    EXPECT_EQ(TextOf(dialog, D::kQMin), "-100.000000");
    dialog.Control<QRadioButton>(D::kPQ)->click();
    EXPECT_EQ(TextOf(dialog, D::kGenP), "25.500000");
    EXPECT_EQ(TextOf(dialog, D::kGenQ), "5.000000");
    EXPECT_EQ(TextOf(dialog, D::kQMax), "None");
    EXPECT_EQ(dialog.Type(), CBus::kLoad);
}

class EditPowerFlowBusTest : public EditBusTest {
protected:
    void SetUp() override { app.m_mode = CSkemtorApp::Mode::PowerFlow; }
};

TEST_F(EditPowerFlowBusTest, OkStoresEveryValueWithFixedFieldsRounded) {
    CBus& bus = AddBus(200, 100, 1, CBus::kSlack);
    bus.m_angle = 12.3456789;
    bus.m_genP = 1.23456789;
    bus.m_qMax = 55.5;
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusPowerFlow&>(d);
        Type(dialog, CDialogBusPowerFlow::kVoltage, "1.04");
        Type(dialog, CDialogBusPowerFlow::kLoadP, "30");
        Type(dialog, CDialogBusPowerFlow::kLoadQ, "-7.25");
        Type(dialog, CDialogBusPowerFlow::kName, "Slack");
        dialog.accept();
    };
    EXPECT_TRUE(EditBus(nullptr, bus, app, doc));
    EXPECT_EQ(bus.m_type, CBus::kSlack);
    EXPECT_EQ(bus.m_name, "Slack");
    EXPECT_DOUBLE_EQ(bus.m_voltage, 1.04);
    EXPECT_DOUBLE_EQ(bus.m_loadP, 30);
    EXPECT_DOUBLE_EQ(bus.m_loadQ, -7.25);
    // Fixed fields come back through "%f": six decimals, whatever they showed.
    EXPECT_DOUBLE_EQ(bus.m_angle, 12.345679);
    EXPECT_DOUBLE_EQ(bus.m_genP, 1.234568);
    EXPECT_DOUBLE_EQ(bus.m_qMax, 55.5);
    EXPECT_TRUE(ui.messages.empty()); // the only slack bus
}

TEST_F(EditPowerFlowBusTest, NonNumericEntryIsRefusedAndNothingStored) {
    CBus& bus = AddBus(200, 100, 1);
    bool stayedOpen = false;
    ui.script = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusPowerFlow&>(d);
        Type(dialog, CDialogBusPowerFlow::kLoadP, "50");
        Type(dialog, CDialogBusPowerFlow::kVoltage, "1.0a");
        dialog.accept();
        stayedOpen = dialog.result() != QDialog::Accepted;
        EXPECT_EQ(dialog.Fields().LastInvalid(),
                  dialog.Fields().Edit(CDialogBusPowerFlow::kVoltage));
        dialog.reject();
    };
    EXPECT_FALSE(EditBus(nullptr, bus, app, doc));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter a number.");
    EXPECT_DOUBLE_EQ(bus.m_loadP, 0.0);
    EXPECT_DOUBLE_EQ(bus.m_voltage, 1.0);
}

TEST_F(EditPowerFlowBusTest, NewSlackBusIsWarnedAboutEveryOtherSlackBus) {
    AddBus(200, 100, 1, CBus::kSlack);
    AddBus(400, 100, 2, CBus::kLoad);
    AddBus(600, 100, 5, CBus::kSlack);
    CBus& edited = AddBus(800, 100, 4, CBus::kLoad);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogBusPowerFlow&>(d);
        dialog.Control<QRadioButton>(CDialogBusPowerFlow::kSlack)->click();
        dialog.accept();
    };
    EXPECT_TRUE(EditBus(nullptr, edited, app, doc));
    EXPECT_EQ(edited.m_type, CBus::kSlack);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Warning: More Than One Slack Bus");
    EXPECT_EQ(ui.messages[0].text,
              "Bus 1 is already a slack bus.  There is now more than one slack bus.");
    EXPECT_EQ(ui.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(ui.messages[1].text,
              "Bus 5 is already a slack bus.  There is now more than one slack bus.");
}

TEST_F(EditPowerFlowBusTest, OptimalPowerFlowModeAlsoOpensThePowerFlowData) {
    app.m_mode = CSkemtorApp::Mode::OptimalPowerFlow;
    CBus& bus = AddBus(200, 100, 1);
    bool powerFlowDialog = false;
    ui.script = [&](QDialog& d) {
        powerFlowDialog = dynamic_cast<CDialogBusPowerFlow*>(&d) != nullptr;
        d.reject();
    };
    EditBus(nullptr, bus, app, doc);
    EXPECT_EQ(ui.runs, 1);
    EXPECT_TRUE(powerFlowDialog);
}

} // namespace
