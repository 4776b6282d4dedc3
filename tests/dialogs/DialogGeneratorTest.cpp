#include "dialogs/DialogGeneratorCost.h"
#include "dialogs/DialogGeneratorExciterPage.h"
#include "dialogs/DialogGeneratorMachinePage.h"
#include "dialogs/DialogGeneratorTS.h"
#include "dialogs/ElementDialogs.h"

#include "ScriptedDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

using Machine = CDialogGeneratorMachinePage;
using Exciter = CDialogGeneratorExciterPage;
using tarvex::test::ScriptedDialogs;

class GeneratorDialogTest : public ::testing::Test {
protected:
    void SetUp() override { app.m_mode = CSkemtorApp::Mode::TransientStability; }

    // Types a new value into every field of both pages (2.5, 3.5, ...).
    static void TypeEverywhere(CDialogGeneratorTS& sheet) {
        double value = 2.5;
        for (int id : {Machine::kH, Machine::kDamping, Machine::kTdoPrime, Machine::kTqoPrime,
                       Machine::kXd, Machine::kXdPrime, Machine::kXq, Machine::kXqPrime})
            sheet.MachinePage().Fields().Edit(id)->setText(QString::number(value++));
        for (int id = Exciter::kKa; id <= Exciter::kTf; ++id)
            sheet.ExciterPage().Fields().Edit(id)->setText(QString::number(value++));
    }

    ScriptedDialogs ui;
    CSkemtorApp app;
    CSkemtorDoc doc;
    CGenerator generator{0, 0, 0, 4};
};

TEST_F(GeneratorDialogTest, ClassicalModelTakesBackOnlyHAndXdPrime) {
    const CGenerator before = generator;
    ui.script = [](QDialog& d) {
        auto& sheet = dynamic_cast<CDialogGeneratorTS&>(d);
        TypeEverywhere(sheet);
        sheet.accept();
    };
    EXPECT_TRUE(EditGenerator(nullptr, generator, app, doc));
    EXPECT_EQ(generator.m_model, CGenerator::kClassical);
    EXPECT_DOUBLE_EQ(generator.m_h, 2.5);
    EXPECT_DOUBLE_EQ(generator.m_xdPrime, 7.5);
    EXPECT_EQ(generator.m_bus, 4);
    EXPECT_DOUBLE_EQ(generator.m_damping, before.m_damping);
    EXPECT_DOUBLE_EQ(generator.m_xd, before.m_xd);
    EXPECT_DOUBLE_EQ(generator.m_xq, before.m_xq);
    EXPECT_DOUBLE_EQ(generator.m_xqPrime, before.m_xqPrime);
    EXPECT_DOUBLE_EQ(generator.m_tdoPrime, before.m_tdoPrime);
    EXPECT_DOUBLE_EQ(generator.m_tqoPrime, before.m_tqoPrime);
    EXPECT_DOUBLE_EQ(generator.m_ka, before.m_ka);
    EXPECT_DOUBLE_EQ(generator.m_se1, before.m_se1);
    EXPECT_DOUBLE_EQ(generator.m_vrMin, before.m_vrMin);
    EXPECT_DOUBLE_EQ(generator.m_tf, before.m_tf);
}

TEST_F(GeneratorDialogTest, TwoAxisModelTakesBackBothPages) {
    ui.script = [](QDialog& d) {
        auto& sheet = dynamic_cast<CDialogGeneratorTS&>(d);
        sheet.MachinePage().Control<QRadioButton>(Machine::kTwoAxis)->click();
        TypeEverywhere(sheet);
        sheet.accept();
    };
    EXPECT_TRUE(EditGenerator(nullptr, generator, app, doc));
    EXPECT_EQ(generator.m_model, CGenerator::kTwoAxis);
    // Machine page in its id order: H, damping, T'do, T'qo, Xd, X'd, Xq, X'q.
    EXPECT_DOUBLE_EQ(generator.m_h, 2.5);
    EXPECT_DOUBLE_EQ(generator.m_damping, 3.5);
    EXPECT_DOUBLE_EQ(generator.m_tdoPrime, 4.5);
    EXPECT_DOUBLE_EQ(generator.m_tqoPrime, 5.5);
    EXPECT_DOUBLE_EQ(generator.m_xd, 6.5);
    EXPECT_DOUBLE_EQ(generator.m_xdPrime, 7.5);
    EXPECT_DOUBLE_EQ(generator.m_xq, 8.5);
    EXPECT_DOUBLE_EQ(generator.m_xqPrime, 9.5);
    // Exciter page in its id order: KA, TA, VRMAX, KE, TE, SE1, EFD1, SE2, VRMIN, EFD2, KF, TF.
    EXPECT_DOUBLE_EQ(generator.m_ka, 10.5);
    EXPECT_DOUBLE_EQ(generator.m_ta, 11.5);
    EXPECT_DOUBLE_EQ(generator.m_vrMax, 12.5);
    EXPECT_DOUBLE_EQ(generator.m_ke, 13.5);
    EXPECT_DOUBLE_EQ(generator.m_te, 14.5);
    EXPECT_DOUBLE_EQ(generator.m_se1, 15.5);
    EXPECT_DOUBLE_EQ(generator.m_efd1, 16.5);
    EXPECT_DOUBLE_EQ(generator.m_se2, 17.5);
    EXPECT_DOUBLE_EQ(generator.m_vrMin, 18.5);
    EXPECT_DOUBLE_EQ(generator.m_efd2, 19.5);
    EXPECT_DOUBLE_EQ(generator.m_kf, 20.5);
    EXPECT_DOUBLE_EQ(generator.m_tf, 21.5);
}

TEST_F(GeneratorDialogTest, ModelButtonsFixOrFreeTheTwoAxisFields) {
    CDialogGeneratorTS sheet(generator);
    CDialogFields& f = sheet.MachinePage().Fields();
    // Opening with the classical model: shown with their values, but fixed.
    EXPECT_EQ(f.Edit(Machine::kXd)->text(), "0.300000");
    EXPECT_FALSE(f.Edit(Machine::kXd)->isEnabled());
    EXPECT_TRUE(f.Edit(Machine::kH)->isEnabled());
    EXPECT_TRUE(f.Edit(Machine::kXdPrime)->isEnabled());
    EXPECT_FALSE(f.Edit(Machine::kBus)->isEnabled());
    sheet.MachinePage().Control<QRadioButton>(Machine::kTwoAxis)->click();
    for (int id : Machine::kTwoAxisFields) EXPECT_TRUE(f.Edit(id)->isEnabled()) << id;
    f.Edit(Machine::kXq)->setText("0.45");
    sheet.MachinePage().Control<QRadioButton>(Machine::kClassical)->click();
    EXPECT_EQ(sheet.MachinePage().Model(), CGenerator::kClassical);
    for (int id : Machine::kTwoAxisFields) EXPECT_EQ(f.Edit(id)->text(), "None") << id;
    sheet.MachinePage().Control<QRadioButton>(Machine::kTwoAxis)->click();
    EXPECT_EQ(f.Edit(Machine::kXq)->text(), "0.450000");
}

TEST_F(GeneratorDialogTest, BadExciterValueBringsItsPageForward) {
    ui.script = [](QDialog& d) {
        auto& sheet = dynamic_cast<CDialogGeneratorTS&>(d);
        sheet.MachinePage().Control<QRadioButton>(Machine::kTwoAxis)->click();
        sheet.ExciterPage().Fields().Edit(Exciter::kTe)->setText("fast");
        sheet.accept();
        EXPECT_NE(sheet.result(), QDialog::Accepted);
        EXPECT_EQ(sheet.Pages().currentWidget(), &sheet.ExciterPage());
        sheet.reject();
    };
    EXPECT_FALSE(EditGenerator(nullptr, generator, app, doc));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter a number.");
    EXPECT_EQ(generator.m_model, CGenerator::kClassical);
}

TEST_F(GeneratorDialogTest, CostDialogInOptimalPowerFlowMode) {
    app.m_mode = CSkemtorApp::Mode::OptimalPowerFlow;
    generator.m_costQ = {1.23456789, 2, 3, 4};
    ui.script = [](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogGeneratorCost&>(d);
        CDialogFields& f = dialog.Fields();
        // No opening format: the shortest text of the value.
        EXPECT_EQ(f.Edit(CDialogGeneratorCost::kP1)->text(), "1");
        EXPECT_EQ(f.Edit(CDialogGeneratorCost::kQ1)->text(), "1.23456789");
        EXPECT_FALSE(f.Edit(CDialogGeneratorCost::kQ1)->isEnabled());
        EXPECT_FALSE(f.Edit(CDialogGeneratorCost::kCostQ1 + 3)->isEnabled());
        for (int i = 0; i < 4; ++i) {
            f.Edit(CDialogGeneratorCost::kP1 + i)->setText(QString::number(10 * (i + 1)));
            f.Edit(CDialogGeneratorCost::kCostP1 + i)->setText(QString::number(100 + i));
        }
        dialog.accept();
    };
    EXPECT_TRUE(EditGenerator(nullptr, generator, app, doc));
    EXPECT_EQ(generator.m_costP, (std::array<double, 4>{10, 20, 30, 40}));
    EXPECT_EQ(generator.m_costPValue, (std::array<double, 4>{100, 101, 102, 103}));
    // The reactive curve is fixed and comes back through "%f".
    EXPECT_DOUBLE_EQ(generator.m_costQ[0], 1.234568);
    EXPECT_EQ(generator.m_costQValue, (std::array<double, 4>{10, 20, 30, 40}));
}

TEST_F(GeneratorDialogTest, NoGeneratorDialogInOtherModes) {
    for (auto mode : {CSkemtorApp::Mode::NetworkEdit, CSkemtorApp::Mode::PowerFlow,
                      CSkemtorApp::Mode::StateEstimation, CSkemtorApp::Mode::ShortCircuit}) {
        app.m_mode = mode;
        EXPECT_FALSE(EditGenerator(nullptr, generator, app, doc));
    }
    EXPECT_EQ(ui.runs, 0);
}

} // namespace
