#include "app/CAboutDialog.h"
#include "app/CToolbarIcons.h"
#include "dialogs/DialogCaseName.h"
#include "dialogs/DialogLosses.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = CToolbarIcons::Kind;

TEST(DialogCaseNameTest, ShowsTheNameWithoutItsPaddingUnderItsLabel) {
    CDialogCaseName dialog(QStringLiteral("IEEE 14 BUS") + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(dialog.windowTitle(), "Data Case Name");
    EXPECT_EQ(dialog.Name(), "IEEE 14 BUS");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "&Input Data Case Name:");
    EXPECT_EQ(labels[0]->buddy(), dialog.NameField());
    // Any length is accepted here; the caller cuts or pads it.
    dialog.NameField()->setText(QString(40, QLatin1Char('A')));
    EXPECT_EQ(dialog.Name().size(), 40);
    // Leading blanks are the user's and stay.
    dialog.SetName(QStringLiteral("  LAB  "));
    EXPECT_EQ(dialog.Name(), "  LAB");
}

TEST(DialogLossesTest, ShowsTheFourFiguresWithFourDecimals) {
    CDialogLosses dialog(CDialogLosses::Format(13.39305, -54.6, 0.00004, -21.123456));
    EXPECT_EQ(dialog.windowTitle(), "Power Flow Analysis Losses");
    EXPECT_EQ(dialog.FieldText(1017), "13.3931");
    EXPECT_EQ(dialog.FieldText(1018), "-54.6000");
    EXPECT_EQ(dialog.FieldText(1011), "0.0000");
    EXPECT_EQ(dialog.FieldText(1061), "-21.1235");
    QStringList captions;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->objectName().isEmpty()) captions << label->text();
    EXPECT_EQ(captions, QStringList({"Real Power Loss:", "Reactive Power Loss:",
                                     "Line Charging Loss:", "Shunt Cap/Reactor Loss:"}));
}

TEST(AboutDialogTest, ShowsNameVersionNoticeAndOneOkButton) {
    CAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Tarvex");
    const auto* version = dialog.findChild<QLabel*>("version");
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->text().startsWith("Tarvex Version "));
    EXPECT_GT(version->text().size(), QString("Tarvex Version ").size());
    const auto* notice = dialog.findChild<QLabel*>("notice");
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->text().isEmpty());
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(dialog.findChild<QDialogButtonBox*>()->standardButton(buttons[0]),
              QDialogButtonBox::Ok);
}

TEST(ToolbarIconsTest, EveryImageIsItsOwnSixteenByFifteenPicture) {
    std::vector<QImage> images;
    for (int k = static_cast<int>(Kind::New); k <= static_cast<int>(Kind::ShortCircuit); ++k) {
        const QImage image = CToolbarIcons::Pixmap(static_cast<Kind>(k)).toImage();
        EXPECT_EQ(image.size(), QSize(16, 15)) << k;
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0) ++inked;
        // Something drawn, on a transparent background.
        EXPECT_GT(inked, 8) << k;
        EXPECT_LT(inked, 16 * 15) << k;
        for (std::size_t other = 0; other < images.size(); ++other)
            EXPECT_NE(image, images[other]) << k << " looks like " << other + 1;
        images.push_back(image);
    }
}

} // namespace
