#include "dialogs/CommandDialogs.h"
#include "dialogs/DialogPlotVariablesTS.h"
#include "dialogs/MyListCtrl.h"

#include "ScriptedDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using tarvex::test::ScriptedDialogs;

void Toggle(MyListCtrl& list, const QString& name) {
    const int row = list.FindItem(name);
    ASSERT_GE(row, 0) << name.toStdString();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.ValueRect(row).topLeft() + QPoint(4, 3));
}

class PlotVariablesTest : public ::testing::Test {
protected:
    CSkemtorApp app;
    ScriptedDialogs ui;
};

TEST_F(PlotVariablesTest, OneRowPerBusThenPerBranchAllOff) {
    app.m_plotVariableCount = 1; // an earlier choice is not shown again
    app.m_plotVariables[0] = "Bus 3";
    CDialogPlotVariablesTS dialog(app, 3, {{1, 2}, {2, 3}});
    EXPECT_EQ(dialog.windowTitle(), "Variables to Plot");
    const MyListCtrl& list = dialog.List();
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), "Variable");
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), "Enable");
    ASSERT_EQ(list.GetItemCount(), 5);
    const char* names[] = {"Bus 1", "Bus 2", "Bus 3", "Line 1-2", "Line 2-3"};
    for (int row = 0; row < 5; ++row) {
        MyListCtrl::Item item;
        ASSERT_TRUE(list.GetItem(row, item));
        EXPECT_EQ(item.name, names[row]);
        EXPECT_EQ(item.value, "FALSE");
        EXPECT_EQ(item.kind, MyListCtrl::kBoolean);
    }
}

TEST_F(PlotVariablesTest, SaveStoresTheChosenNamesInRowOrder) {
    CDialogPlotVariablesTS dialog(app, 3, {{1, 2}, {2, 3}});
    dialog.show();
    Toggle(dialog.List(), "Line 2-3");
    Toggle(dialog.List(), "Bus 2");
    dialog.findChild<QPushButton*>(QString::number(CDialogPlotVariablesTS::kSave))->click();
    EXPECT_EQ(app.m_plotVariableCount, 2);
    EXPECT_EQ(app.m_plotVariables[0], "Bus 2");
    EXPECT_EQ(app.m_plotVariables[1], "Line 2-3");
    EXPECT_TRUE(dialog.isVisible());

    Toggle(dialog.List(), "Bus 2");
    dialog.Save();
    EXPECT_EQ(app.m_plotVariableCount, 1);
    EXPECT_EQ(app.m_plotVariables[0], "Line 2-3");
}

TEST_F(PlotVariablesTest, EntryOffersThirtyBranchesAndSaveKeepsFiftyNames) {
    CSkemtorDoc doc;
    for (int i = 1; i <= 40; ++i) doc.AddBus(std::make_unique<CBus>(100 * i, 100, 1, i));
    const CPointL points[2] = {{0, 0}, {10, 0}};
    for (int i = 1; i <= 35; ++i)
        doc.AddLine(std::make_unique<CLine>(points, 2, i, 1, i + 1, 1, app));
    int rows = 0;
    ui.script = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogPlotVariablesTS&>(d);
        MyListCtrl& list = dialog.List();
        rows = list.GetItemCount();
        EXPECT_EQ(list.GetItemName(rows - 1), "Line 30-31");
        dialog.resize(300, 3000);
        dialog.show();
        for (int row = 0; row < rows; ++row) {
            list.scrollToItem(list.item(row, 1));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              list.ValueRect(row).topLeft() + QPoint(4, 3));
        }
        dialog.Save();
        dialog.reject();
    };
    EditPlotVariables(nullptr, app, doc);
    EXPECT_EQ(rows, 70);
    EXPECT_EQ(app.m_plotVariableCount, CSkemtorApp::kMaxPlotVariables);
    EXPECT_EQ(app.m_plotVariables[0], "Bus 1");
    EXPECT_EQ(app.m_plotVariables[39], "Bus 40");
    EXPECT_EQ(app.m_plotVariables[49], "Line 10-11");
}

} // namespace
