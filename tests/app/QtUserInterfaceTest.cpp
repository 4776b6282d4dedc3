// The real dialogs of the desktop user interface. Each test answers the modal dialog from
// a timer once it is on the screen, as a person would, after checking what it shows.
#include "app/CQtUserInterface.h"
#include "dialogs/DialogCaseName.h"
#include "dialogs/DialogLosses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on the modal dialog of type W as soon as it shows.
template <class W> void whenShown(std::function<void(W*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

void clickButton(QMessageBox* box, QMessageBox::StandardButton which) {
    box->button(which)->click();
}

TEST(QtUserInterfaceTest, MessagesShowTheirTitleTextAndIcon) {
    const std::pair<CUserInterface::Icon, QMessageBox::Icon> icons[] = {
        {CUserInterface::Icon::Exclamation, QMessageBox::Warning},
        {CUserInterface::Icon::Information, QMessageBox::Information},
        {CUserInterface::Icon::Stop, QMessageBox::Critical},
    };
    CQtUserInterface ui;
    for (const auto& [icon, expected] : icons) {
        QString title, text;
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            shown = box->icon();
            clickButton(box, QMessageBox::Ok);
        });
        ui.ShowMessage("Error Message", "Error: 3.  The case file could not be read.", icon);
        EXPECT_EQ(title, "Error Message");
        EXPECT_EQ(text, "Error: 3.  The case file could not be read.");
        EXPECT_EQ(shown, expected);
    }
}

TEST(QtUserInterfaceTest, QuestionsDefaultToNo) {
    CQtUserInterface ui;
    for (bool yes : {true, false}) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* noButton = nullptr;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            defaultButton = box->defaultButton();
            noButton = box->button(QMessageBox::No);
            clickButton(box, yes ? QMessageBox::Yes : QMessageBox::No);
        });
        EXPECT_EQ(ui.AskYesNo("Delete Short Circuits", "Do you wish to continue?"), yes);
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_EQ(defaultButton, noButton);
    }
}

TEST(QtUserInterfaceTest, SaveChangesOffersSaveDiscardAndCancel) {
    CQtUserInterface ui;
    const std::pair<QMessageBox::StandardButton, CDesktopUserInterface::SaveChoice> answers[] = {
        {QMessageBox::Yes, CDesktopUserInterface::SaveChoice::Save},
        {QMessageBox::No, CDesktopUserInterface::SaveChoice::Discard},
        {QMessageBox::Cancel, CDesktopUserInterface::SaveChoice::Cancel},
    };
    for (const auto& [button, choice] : answers) {
        QString text;
        whenShown<QMessageBox>([&, button = button](QMessageBox* box) {
            text = box->text();
            clickButton(box, button);
        });
        EXPECT_EQ(ui.AskSaveChanges("ieee14.tvx"), choice);
        EXPECT_EQ(text, "Save changes to ieee14.tvx?");
    }
}

TEST(QtUserInterfaceTest, CaseNameIsTheTypedTextOrNothingOnCancel) {
    CQtUserInterface ui;
    QString initial;
    whenShown<CDialogCaseName>([&](CDialogCaseName* dialog) {
        initial = dialog->Name();
        dialog->NameField()->setText("NEW CASE");
        dialog->accept();
    });
    EXPECT_EQ(ui.AskCaseName("OLD CASE" + std::string(23, ' ')), "NEW CASE");
    EXPECT_EQ(initial, "OLD CASE");

    whenShown<CDialogCaseName>([](CDialogCaseName* dialog) {
        dialog->NameField()->setText("IGNORED");
        dialog->reject();
    });
    EXPECT_EQ(ui.AskCaseName("OLD"), std::nullopt);
}

TEST(QtUserInterfaceTest, LossesShowTheFiguresWithFourDecimals) {
    CQtUserInterface ui;
    QString real, shunt;
    whenShown<CDialogLosses>([&](CDialogLosses* dialog) {
        real = dialog->FieldText(1017);
        shunt = dialog->FieldText(1061);
        dialog->accept();
    });
    ui.ShowLosses({13.393, -54.54, 0.0, 2.25});
    EXPECT_EQ(real, "13.3930");
    EXPECT_EQ(shunt, "2.2500");
}

TEST(QtUserInterfaceTest, SaveDialogsProposeTheNameFilterAndAskBeforeOverwriting) {
    CQtUserInterface ui;
    QString proposed, suffix;
    QStringList filters;
    bool confirms = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        proposed = dialog->selectedFiles().value(0);
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite) &&
                   dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->reject();
    });
    EXPECT_EQ(ui.AskSaveFileName({"pfout.dat", ".dat", "Data Files (*.dat)", "*.dat"}),
              std::nullopt);
    EXPECT_TRUE(proposed.endsWith("/pfout.dat")) << proposed.toStdString();
    EXPECT_EQ(suffix, "dat");
    EXPECT_EQ(filters, QStringList({"Data Files (*.dat)"}));
    EXPECT_TRUE(confirms);

    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_EQ(ui.AskSaveDocumentName("Untitled.tvx"), std::nullopt);
    EXPECT_EQ(suffix, "tvx");
    EXPECT_EQ(filters, QStringList({"TVX Files (*.tvx)"}));
}

TEST(QtUserInterfaceTest, WaitCursorsNestAndAllEnd) {
    CQtUserInterface ui;
    ui.BeginWaitCursor();
    ui.BeginWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.EndWaitCursor();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    ui.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // An unmatched end does nothing.
    ui.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
