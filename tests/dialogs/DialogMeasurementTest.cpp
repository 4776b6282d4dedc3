#include "dialogs/DialogCapacitance.h"
#include "dialogs/DialogCurrentMeasurement.h"
#include "dialogs/DialogPowerFlowMeasurement.h"
#include "dialogs/DialogPowerInjection.h"
#include "dialogs/DialogVoltageMeasurement.h"
#include "dialogs/ElementDialogs.h"

#include "ScriptedDialogs.h"
#include "engine/core/ExchangeFiles.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using tarvex::test::ScriptedDialogs;

QString TextOf(const CElementDialog& dialog, int id) {
    return dialog.Fields().Edit(id)->text();
}

class MeasurementDialogTest : public ::testing::Test {
protected:
    ScriptedDialogs ui;
    CSkemtorApp app;
    CSkemtorDoc doc;
};

TEST_F(MeasurementDialogTest, FlowMeterWithAPartSwitchedOffKeepsItsValues) {
    using D = CDialogPowerFlowMeasurement;
    CPowerFlow meter(0, 0, 2, 5, 0.8, 0.1234567, 0.01);
    meter.m_qSd = 0.00123456789;
    meter.m_qEnabled = 0;
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        EXPECT_EQ(TextOf(dialog, D::kReactive), "None");
        EXPECT_EQ(TextOf(dialog, D::kReactiveSd), "None");
        EXPECT_FALSE(dialog.Control<QCheckBox>(D::kReactiveEnabled)->isChecked());
        EXPECT_EQ(TextOf(dialog, D::kReal), "0.800000");
        EXPECT_EQ(TextOf(dialog, D::kRealSd), "0.01");
        dialog.Fields().Edit(D::kReal)->setText("0.75");
        dialog.accept();
    };
    EXPECT_TRUE(EditPowerFlow(nullptr, meter, app, doc));
    EXPECT_DOUBLE_EQ(meter.m_p, 0.75);
    EXPECT_EQ(meter.m_qEnabled, 0);
    EXPECT_EQ(meter.m_pEnabled, 1);
    // Kept through "%f" and "%g": six decimals, six significant digits.
    EXPECT_DOUBLE_EQ(meter.m_q, 0.123457);
    EXPECT_DOUBLE_EQ(meter.m_qSd, 0.00123457);
}

TEST_F(MeasurementDialogTest, FlowMeterSwitchesAndDirectionAreTakenBack) {
    using D = CDialogPowerFlowMeasurement;
    CPowerFlow meter(0, 0, 2, 5, 0.8, -0.2, 0.01);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        dialog.Control<QCheckBox>(D::kRealEnabled)->click();
        EXPECT_EQ(TextOf(dialog, D::kReal), "None");
        EXPECT_EQ(TextOf(dialog, D::kRealSd), "None");
        dialog.Control<QPushButton>(D::kChangeDirection)->click();
        EXPECT_EQ(TextOf(dialog, D::kBus1), "5");
        EXPECT_EQ(TextOf(dialog, D::kBus2), "2");
        dialog.Fields().Edit(D::kReactiveSd)->setText("0.02");
        dialog.accept();
    };
    EXPECT_TRUE(EditPowerFlow(nullptr, meter, app, doc));
    EXPECT_EQ(meter.m_pEnabled, 0);
    EXPECT_EQ(meter.m_qEnabled, 1);
    EXPECT_EQ(meter.m_bus1, 5);
    EXPECT_EQ(meter.m_bus2, 2);
    EXPECT_DOUBLE_EQ(meter.m_p, 0.8);
    EXPECT_DOUBLE_EQ(meter.m_qSd, 0.02);
}

TEST_F(MeasurementDialogTest, CancelLeavesTheFlowMeterAlone) {
    using D = CDialogPowerFlowMeasurement;
    CPowerFlow meter(0, 0, 2, 5, 0.8, -0.2, 0.01);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        dialog.Control<QPushButton>(D::kChangeDirection)->click();
        dialog.Control<QCheckBox>(D::kRealEnabled)->click();
        dialog.Fields().Edit(D::kReactive)->setText("0.5");
        dialog.reject();
    };
    EXPECT_FALSE(EditPowerFlow(nullptr, meter, app, doc));
    EXPECT_EQ(meter.m_bus1, 2);
    EXPECT_EQ(meter.m_pEnabled, 1);
    EXPECT_DOUBLE_EQ(meter.m_q, -0.2);
}

TEST_F(MeasurementDialogTest, InjectionMeterPartsAndDeviations) {
    using D = CDialogPowerInjection;
    CPowerInjection meter(0, 0, 0, 4, 0.3, 0.1, 0.001);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<D&>(d);
        EXPECT_EQ(TextOf(dialog, D::kBus), "4");
        EXPECT_FALSE(dialog.Fields().Edit(D::kBus)->isEnabled());
        dialog.Control<QCheckBox>(D::kReactiveEnabled)->click();
        dialog.Fields().Edit(D::kReal)->setText("-0.45");
        dialog.Fields().Edit(D::kRealSd)->setText("0.005");
        dialog.accept();
    };
    EXPECT_TRUE(EditPowerInjection(nullptr, meter, app, doc));
    EXPECT_DOUBLE_EQ(meter.m_p, -0.45);
    EXPECT_DOUBLE_EQ(meter.m_pSd, 0.005);
    EXPECT_EQ(meter.m_qEnabled, 0);
    EXPECT_DOUBLE_EQ(meter.m_q, 0.1);
    EXPECT_EQ(meter.m_bus, 4);
}

TEST_F(MeasurementDialogTest, VoltageMeterAndCapacitorTakeTheirValues) {
    CVoltage meter(0, 0, 0, 3, 1.0, 0.001);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogVoltageMeasurement&>(d);
        EXPECT_EQ(TextOf(dialog, CDialogVoltageMeasurement::kVoltage), "1.000000");
        EXPECT_EQ(TextOf(dialog, CDialogVoltageMeasurement::kSd), "0.001");
        dialog.Fields().Edit(CDialogVoltageMeasurement::kVoltage)->setText("1.02");
        dialog.Fields().Edit(CDialogVoltageMeasurement::kSd)->setText("1e-4");
        dialog.accept();
    };
    EXPECT_TRUE(EditVoltage(nullptr, meter, app, doc));
    EXPECT_DOUBLE_EQ(meter.m_value, 1.02);
    EXPECT_DOUBLE_EQ(meter.m_sd, 1e-4);

    CCapacitance shunt(0, 0, 0, 6);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogCapacitance&>(d);
        EXPECT_EQ(TextOf(dialog, CDialogCapacitance::kBus), "6");
        dialog.Fields().Edit(CDialogCapacitance::kSusceptance)->setText("-0.19");
        dialog.accept();
    };
    EXPECT_TRUE(EditCapacitance(nullptr, shunt, app, doc));
    EXPECT_DOUBLE_EQ(shunt.m_susceptance, -0.19);
    EXPECT_EQ(shunt.m_bus, 6);
}

class CurrentDirectionTest : public MeasurementDialogTest {
protected:
    void SetUp() override {
        // Rows: from, to, P, Q, |I|, over-limit flag.
        tarvex::test::writeFileText(tarvex::files::kBranchResults, "1 2 0.5 0.1 0.51 0\n"
                                                                   "2 1 -0.49 -0.12 0.52 0\n"
                                                                   "2 1 -0.40 -0.10 0.99 0\n");
    }
    tarvex::test::ScopedWorkDir dir;
};

TEST_F(CurrentDirectionTest, WithPowerFlowResultsTheNewDirectionTakesItsCurrent) {
    app.m_usePowerFlowResults = true;
    CCurrent meter(0, 0, 1, 2, 0.51, 0.001);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogCurrentMeasurement&>(d);
        dialog.Control<QPushButton>(CDialogCurrentMeasurement::kChangeDirection)->click();
        EXPECT_EQ(TextOf(dialog, CDialogCurrentMeasurement::kBus1), "2");
        EXPECT_EQ(TextOf(dialog, CDialogCurrentMeasurement::kBus2), "1");
        EXPECT_EQ(TextOf(dialog, CDialogCurrentMeasurement::kCurrent), "0.520000");
        dialog.accept();
    };
    EXPECT_TRUE(EditCurrent(nullptr, meter, app, doc));
    EXPECT_EQ(meter.m_bus1, 2);
    EXPECT_EQ(meter.m_bus2, 1);
    EXPECT_NEAR(meter.m_value, 0.52, 1e-6);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CurrentDirectionTest, WithoutPowerFlowResultsOnlyTheBusesSwap) {
    CCurrent meter(0, 0, 1, 2, 0.3, 0.001);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogCurrentMeasurement&>(d);
        dialog.ChangeDirection();
        dialog.accept();
    };
    EXPECT_TRUE(EditCurrent(nullptr, meter, app, doc));
    EXPECT_EQ(meter.m_bus1, 2);
    EXPECT_DOUBLE_EQ(meter.m_value, 0.3);
}

TEST_F(CurrentDirectionTest, MissingResultFileIsReportedAndTheCurrentKept) {
    std::remove(tarvex::files::kBranchResults);
    app.m_usePowerFlowResults = true;
    CCurrent meter(0, 0, 1, 2, 0.3, 0.001);
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogCurrentMeasurement&>(d);
        dialog.ChangeDirection();
        dialog.accept();
    };
    EXPECT_TRUE(EditCurrent(nullptr, meter, app, doc));
    EXPECT_DOUBLE_EQ(meter.m_value, 0.3);
    EXPECT_EQ(meter.m_bus1, 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains(tarvex::files::kBranchResults));
}

} // namespace
