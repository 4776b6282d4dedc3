#include "dialogs/DialogShortCircuit.h"
#include "dialogs/DialogZground.h"
#include "dialogs/ElementDialogs.h"

#include "ScriptedDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using tarvex::test::ScriptedDialogs;

class FaultDialogTest : public ::testing::Test {
protected:
    ScriptedDialogs ui;
    CSkemtorApp app;
    CSkemtorDoc doc;
};

struct FaultCase {
    int storedType; // the element's type on opening
    bool threeChecked, oneChecked;
    int click; // button pressed, or 0
    int expectedType;
};

TEST_F(FaultDialogTest, FaultTypeButtonsAndTheZeroRule) {
    using D = CDialogShortCircuit;
    const FaultCase cases[] = {
        {CShort::kThreePhase, true, false, 0, CShort::kThreePhase}, // a new fault
        {CShort::kThreePhase, true, false, D::kSinglePhase, CShort::kSinglePhase},
        {CShort::kSinglePhase, false, true, 0, CShort::kSinglePhase},
        {CShort::kSinglePhase, false, true, D::kThreePhase, CShort::kThreePhase},
        {0, false, false, 0, CShort::kThreePhase}, // no choice: stored as three-phase
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.storedType << " click " << c.click);
        CShort fault(0, 0, 0, 9);
        fault.m_faultType = c.storedType;
        ui.script = [&](QDialog& d) {
            auto& dialog = dynamic_cast<D&>(d);
            EXPECT_EQ(dialog.Control<QRadioButton>(D::kThreePhase)->isChecked(), c.threeChecked);
            EXPECT_EQ(dialog.Control<QRadioButton>(D::kSinglePhase)->isChecked(), c.oneChecked);
            EXPECT_EQ(dialog.Fields().Edit(D::kBus)->text(), "9");
            if (c.click) dialog.Control<QRadioButton>(c.click)->click();
            dialog.accept();
        };
        EXPECT_TRUE(EditShort(nullptr, fault, app, doc));
        EXPECT_EQ(fault.m_faultType, c.expectedType);
    }
}

TEST_F(FaultDialogTest, CancelKeepsTheFaultType) {
    CShort fault(0, 0, 0, 9);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogShortCircuit&>(d);
        dialog.Control<QRadioButton>(CDialogShortCircuit::kSinglePhase)->click();
        dialog.reject();
    };
    EXPECT_FALSE(EditShort(nullptr, fault, app, doc));
    EXPECT_EQ(fault.m_faultType, CShort::kThreePhase);
}

TEST_F(FaultDialogTest, ImpedanceSwitchesShowNoneAndStoreTheFlags) {
    using D = CDialogZground;
    CZground impedance(0, 0, 0, 2);
    impedance.m_r1 = 0.01;
    impedance.m_x1 = 0.2;
    impedance.m_r0 = 0.03;
    impedance.m_x0 = 0.6;
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        // A new impedance to ground has both switches off.
        for (int id : {D::kR1, D::kX1, D::kR0, D::kX0})
            EXPECT_EQ(dialog.Fields().Edit(id)->text(), "None") << id;
        dialog.Control<QCheckBox>(D::kPosEnabled)->click();
        EXPECT_EQ(dialog.Fields().Edit(D::kR1)->text(), "0.010000");
        EXPECT_EQ(dialog.Fields().Edit(D::kX1)->text(), "0.200000");
        dialog.Fields().Edit(D::kX1)->setText("0.25");
        dialog.accept();
    };
    EXPECT_TRUE(EditZground(nullptr, impedance, app, doc));
    EXPECT_EQ(impedance.m_posEnabled, 1);
    EXPECT_EQ(impedance.m_zeroEnabled, 0);
    EXPECT_DOUBLE_EQ(impedance.m_r1, 0.01);
    EXPECT_DOUBLE_EQ(impedance.m_x1, 0.25);
    EXPECT_DOUBLE_EQ(impedance.m_r0, 0.03);
    EXPECT_DOUBLE_EQ(impedance.m_x0, 0.6);
    EXPECT_EQ(impedance.m_bus, 2);
}

} // namespace
