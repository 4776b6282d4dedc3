#include "dialogs/CommandDialogs.h"
#include "dialogs/DialogMeterCostMPL.h"
#include "dialogs/MyListCtrl.h"

#include "ScriptedDialogs.h"
#include "engine/core/ExchangeFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using tarvex::test::readFileText;
using tarvex::test::ScriptedDialogs;
using tarvex::test::writeFileText;

class MeterCostTest : public ::testing::Test {
protected:
    void SetUp() override {
        // As the Set Meter Cost command writes them for a 3-bus network with branches
        // 1-2 and 2-3 and one flow meter on 1-2.
        writeFileText(tarvex::files::kMeterCostIndex, "Flow   1-  2\n"
                                                      "Flow   2-  3\n"
                                                      "Inj    1    \n"
                                                      "Inj    2    \n"
                                                      "Inj    3    \n");
        writeFileText(tarvex::files::kMeterCostEdited, " 0\n 10\n 5\n 5\n 5\n");
    }

    static void EditCost(CDialogMeterCostMPL& dialog, int row, const char* text,
                         Qt::Key end = Qt::Key_Return) {
        MyListCtrl& list = dialog.List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ValueRect(row).topLeft() + QPoint(4, 3));
        auto* edit = qobject_cast<QLineEdit*>(list.Editor());
        ASSERT_NE(edit, nullptr);
        edit->setText(QString::fromLatin1(text));
        QTest::keyClick(edit, end);
    }

    tarvex::test::ScopedWorkDir dir;
    ScriptedDialogs ui;
};

TEST_F(MeterCostTest, RowsPairEachNameWithItsCost) {
    CDialogMeterCostMPL dialog(5);
    EXPECT_EQ(dialog.windowTitle(), "Meter Cost");
    const MyListCtrl& list = dialog.List();
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), "Meter");
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), "Cost");
    EXPECT_EQ(list.columnWidth(0), 70);
    EXPECT_EQ(list.columnWidth(1), 60);
    ASSERT_EQ(list.GetItemCount(), 5);
    const char* names[] = {"Flow   1-  2 ", "Flow   2-  3 ", "Inj    1     ", "Inj    2     ",
                           "Inj    3     "};
    const char* costs[] = {"0", "10", "5", "5", "5"};
    for (int row = 0; row < 5; ++row) {
        MyListCtrl::Item item;
        ASSERT_TRUE(list.GetItem(row, item));
        EXPECT_EQ(item.name, names[row]);
        EXPECT_EQ(item.value, costs[row]);
        EXPECT_EQ(item.kind, MyListCtrl::kText);
    }
}

TEST_F(MeterCostTest, SaveWritesTheCostsAsTypedToBothCostFiles) {
    CDialogMeterCostMPL dialog(5);
    dialog.show();
    EditCost(dialog, 1, "12");
    EditCost(dialog, 3, "abc");
    EditCost(dialog, 4, "99", Qt::Key_Escape); // Escape restores the previous text
    EXPECT_TRUE(dialog.isVisible());           // and is not taken as closing the dialog
    dialog.findChild<QPushButton*>(QString::number(CDialogMeterCostMPL::kSave))->click();
    const std::string expected = "0\n12\n5\nabc\n5\n";
    EXPECT_EQ(readFileText(tarvex::files::kMeterCostEdited), expected);
    // The meter placement reads this one.
    EXPECT_EQ(readFileText(tarvex::files::kMeterCost), expected);
    EXPECT_TRUE(dialog.isVisible());

    // Saving again writes the same bytes; the dialog still stays open.
    writeFileText(tarvex::files::kMeterCost, "stale\n");
    dialog.Save();
    EXPECT_EQ(readFileText(tarvex::files::kMeterCostEdited), expected);
    EXPECT_EQ(readFileText(tarvex::files::kMeterCost), expected);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MeterCostTest, RowsMissingFromTheIndexAreReportedAndSkipped) {
    writeFileText(tarvex::files::kMeterCostIndex, "Flow   1-  2\nFlow   2-  3\n");
    CDialogMeterCostMPL dialog(4);
    ASSERT_EQ(dialog.List().GetItemCount(), 2);
    dialog.Save();
    EXPECT_EQ(readFileText(tarvex::files::kMeterCost), "0\n10\n");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "MyListCtrl Error");
    EXPECT_EQ(ui.messages[0].text, "Out of Range");
}

TEST_F(MeterCostTest, CommandEntryRunsTheDialogOverTheGivenMeterCount) {
    int rows = -1;
    ui.script = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CDialogMeterCostMPL&>(d);
        rows = dialog.List().GetItemCount();
        dialog.Save();
        dialog.reject();
    };
    EditMeterCosts(nullptr, 3);
    EXPECT_EQ(ui.runs, 1);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(readFileText(tarvex::files::kMeterCost), "0\n10\n5\n");
}

} // namespace
