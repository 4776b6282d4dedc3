#include "dialogs/MyListCtrl.h"

#include "ScriptedDialogs.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using tarvex::test::ScriptedDialogs;

class MyListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.SetColumns("Meter", 70, "Cost", 120);
        list.resize(260, 300);
    }
    void Show() {
        list.show();
        QCoreApplication::processEvents();
    }
    // A click in the text part of a row's value cell (left of any button).
    void ClickValue(int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.ValueRect(row).topLeft() + QPoint(5, 3));
    }
    QString Value(int row) const {
        MyListCtrl::Item item;
        EXPECT_TRUE(list.GetItem(row, item));
        return item.value;
    }
    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(list.Editor()); }

    ScriptedDialogs ui;
    MyListCtrl list;
};

TEST_F(MyListCtrlTest, AddRefusesEmptyNamesAndKindZero) {
    EXPECT_EQ(list.AddItem("", "1", MyListCtrl::kText), 0);
    EXPECT_EQ(list.AddItem("Bus 1", "1", MyListCtrl::kStatic), 0);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.AddItem("Bus 1", "FALSE", MyListCtrl::kBoolean, 0), 1);
    EXPECT_EQ(list.AddItem("Bus 2", "7", MyListCtrl::kInteger), 1);
    EXPECT_EQ(list.GetItemCount(), 2);

    MyListCtrl::Item item;
    ASSERT_TRUE(list.GetItem(1, item));
    EXPECT_EQ(item.kind, MyListCtrl::kInteger);
    EXPECT_EQ(item.button, MyListCtrl::kSpinButton);
    EXPECT_EQ(item.name, "Bus 2");
    EXPECT_EQ(item.value, "7");
    EXPECT_FALSE(list.GetItem(2, item));
    EXPECT_FALSE(list.GetItem(-1, item));
    EXPECT_EQ(list.FindItem("Bus 2"), 1);
    EXPECT_EQ(list.FindItem("Bus 3"), -1);
    EXPECT_EQ(list.GetItemName(0), "Bus 1");
    EXPECT_EQ(list.item(1, 1)->text(), "7");

    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_FALSE(list.GetItem(0, item));
}

TEST_F(MyListCtrlTest, EnterKeepsTheEditAndEscapeRestoresTheText) {
    list.AddItem("Flow   1-  2 ", "10", MyListCtrl::kText);
    list.AddItem("Inj    1     ", "5", MyListCtrl::kText);
    Show();
    ClickValue(0);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "10");
    EXPECT_EQ(Edit()->geometry(), list.ValueRect(0));
    Edit()->setText("12");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(Value(0), "12");
    EXPECT_EQ(list.item(0, 1)->text(), "12");

    ClickValue(1);
    ASSERT_NE(Edit(), nullptr);
    Edit()->setText("99");
    QTest::keyClick(Edit(), Qt::Key_Escape);
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(Value(1), "5");
}

TEST_F(MyListCtrlTest, ClickElsewhereKeepsTheEditAndNameCellsDoNothing) {
    list.AddItem("a", "1", MyListCtrl::kText);
    list.AddItem("b", "2", MyListCtrl::kText);
    Show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(0, 0)).center());
    EXPECT_EQ(list.Editor(), nullptr);
    ClickValue(0);
    ASSERT_NE(Edit(), nullptr);
    Edit()->setText("letters");
    ClickValue(1); // ends the first edit, then starts one on row 1
    EXPECT_EQ(Value(0), "letters");
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "2");
}

TEST_F(MyListCtrlTest, IntegerRowsNormaliseEditsAndSpinWithinTheirRange) {
    list.AddItem("short", "7", MyListCtrl::kInteger);
    list.AddItem("top", "32767", MyListCtrl::kInteger);
    list.AddItem("long", "2147483646", MyListCtrl::kLong);
    Show();
    ClickValue(0);
    ASSERT_NE(Edit(), nullptr);
    Edit()->setText(" 12abc");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Value(0), "12");
    ClickValue(0);
    Edit()->setText("x");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Value(0), "0");

    auto clickButton = [&](int row, bool lowerHalf) {
        const QRect button = list.ButtonRect(row);
        const QPoint at(button.center().x(), lowerHalf ? button.bottom() - 1 : button.top() + 1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    };
    clickButton(0, true);
    EXPECT_EQ(Value(0), "1");
    clickButton(0, false);
    clickButton(0, false);
    EXPECT_EQ(Value(0), "-1");
    EXPECT_EQ(list.Editor(), nullptr); // the button does not open the edit box
    clickButton(1, true);
    EXPECT_EQ(Value(1), "32767");
    clickButton(1, false);
    EXPECT_EQ(Value(1), "32766");
    clickButton(2, true);
    EXPECT_EQ(Value(2), "2147483647");
    clickButton(2, true);
    EXPECT_EQ(Value(2), "2147483647");
}

TEST_F(MyListCtrlTest, BooleanRowsToggle) {
    list.AddItem("Bus 1", "FALSE", MyListCtrl::kBoolean, 0);
    Show();
    ClickValue(0);
    MyListCtrl::Item item;
    ASSERT_TRUE(list.GetItem(0, item));
    EXPECT_EQ(item.value, "TRUE");
    EXPECT_EQ(item.data.toInt(), 1);
    EXPECT_EQ(list.Editor(), nullptr);
    ClickValue(0);
    ASSERT_TRUE(list.GetItem(0, item));
    EXPECT_EQ(item.value, "FALSE");
    EXPECT_EQ(item.data.toInt(), 0);
}

TEST_F(MyListCtrlTest, ChoiceRowsDropDownPresetToTheCurrentText) {
    list.AddItem("Fault", "Line", MyListCtrl::kChoice, QStringList{"Bus", "Line", "None"});
    Show();
    ClickValue(0);
    auto* combo = qobject_cast<QComboBox*>(list.Editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "Line");
    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(Value(0), "Line");
    ClickValue(0);
    combo = qobject_cast<QComboBox*>(list.Editor());
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(Value(0), "Bus");
}

TEST_F(MyListCtrlTest, BrowseButtonsTakeTheChosenFontAndColour) {
    list.AddItem("Colour", "", MyListCtrl::kColour, QColor(Qt::red));
    list.AddItem("Font", "Arial", MyListCtrl::kFont);
    Show();
    ui.script = [](QDialog& d) {
        if (auto* colour = qobject_cast<QColorDialog*>(&d)) colour->setCurrentColor(Qt::blue);
        if (auto* font = qobject_cast<QFontDialog*>(&d)) font->setCurrentFont(QFont("Courier"));
        d.accept();
    };
    // A click on the text part of a browse row opens nothing.
    ClickValue(0);
    EXPECT_EQ(ui.runs, 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.ButtonRect(0).center());
    EXPECT_EQ(ui.runs, 1);
    MyListCtrl::Item item;
    ASSERT_TRUE(list.GetItem(0, item));
    EXPECT_EQ(item.data.value<QColor>(), QColor(Qt::blue));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.ButtonRect(1).center());
    EXPECT_EQ(ui.runs, 2);
    ASSERT_TRUE(list.GetItem(1, item));
    EXPECT_EQ(item.value, item.data.value<QFont>().family());
    EXPECT_FALSE(item.value.isEmpty());
}

} // namespace
