#include "dialogs/DialogFields.h"

#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <optional>

namespace {

struct ParseCase {
    const char* text;
    std::optional<double> real;
    std::optional<int> integer;
};

TEST(DialogFields, ParsesTheWholeTextAsANumber) {
    const ParseCase cases[] = {
        {"1.5", 1.5, std::nullopt},
        {"  -2 ", -2.0, -2},
        {"+3", 3.0, 3},
        {"1e3", 1000.0, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"1.5x", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt},
        {"12 3", std::nullopt, std::nullopt},
        {"None", std::nullopt, std::nullopt},
        {"99999999999", 99999999999.0, std::nullopt},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CDialogFields::ParseReal(QString::fromLatin1(c.text)), c.real);
        EXPECT_EQ(CDialogFields::ParseInteger(QString::fromLatin1(c.text)), c.integer);
    }
}

class DialogFieldsTest : public ::testing::Test {
protected:
    tarvex::test::ScriptedDialogs ui;
    QWidget owner;
    CDialogFields fields{&owner};
};

TEST_F(DialogFieldsTest, KeptValueFollowsParsableTextOnly) {
    QLineEdit* edit = fields.Add(1, CDialogFields::Kind::Real, 0.25, "%f");
    EXPECT_EQ(edit->text(), "0.250000");
    edit->setText("1.75");
    EXPECT_DOUBLE_EQ(fields.Value(1), 1.75);
    edit->setText("1.7x");
    EXPECT_DOUBLE_EQ(fields.Value(1), 1.75);
    // Disabled it shows "None"; enabled again the kept value returns.
    fields.SetActive(1, false);
    EXPECT_EQ(edit->text(), "None");
    EXPECT_FALSE(edit->isEnabled());
    fields.SetActive(1, true);
    EXPECT_EQ(edit->text(), "1.750000");
    EXPECT_TRUE(edit->isEnabled());
}

TEST_F(DialogFieldsTest, OkRoundsDisabledFieldsToTheirFormat) {
    fields.Add(1, CDialogFields::Kind::Real, 0.123456789, "%.2f");
    fields.Add(2, CDialogFields::Kind::Deviation, 0.000123456789, "%g");
    fields.Add(3, CDialogFields::Kind::Integer, 7);
    fields.SetDisplay(1);
    fields.SetActive(2, false);
    fields.SetDisplay(3);
    EXPECT_EQ(fields.Edit(1)->text(), "0.12");
    ASSERT_TRUE(fields.Validate());
    EXPECT_EQ(fields.Edit(1)->text(), "0.123457");
    EXPECT_DOUBLE_EQ(fields.Value(1), 0.123457);
    EXPECT_DOUBLE_EQ(fields.Value(2), 0.000123457);
    EXPECT_EQ(fields.IntValue(3), 7);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DialogFieldsTest, FirstFieldThatIsNotANumberStopsOk) {
    fields.Add(1, CDialogFields::Kind::Real, 1.0, "%f");
    fields.Add(2, CDialogFields::Kind::Integer, 5);
    fields.Add(3, CDialogFields::Kind::Real, 2.0, "%f");
    fields.Edit(2)->setText("5.5");
    fields.Edit(3)->setText("x");
    EXPECT_FALSE(fields.Validate());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(fields.LastInvalid(), fields.Edit(2));
    EXPECT_EQ(fields.Edit(2)->selectedText(), "5.5");

    fields.Edit(2)->setText("6");
    EXPECT_FALSE(fields.Validate());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Please enter a number.");
    EXPECT_EQ(fields.LastInvalid(), fields.Edit(3));
}

} // namespace
