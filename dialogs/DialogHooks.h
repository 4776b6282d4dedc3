#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The two places where a dialog waits for the person at the screen: running a modal
// dialog and showing a message box. The program uses the real thing; tests install
// hooks that drive the dialog or record the message, so nothing ever blocks.
class CDialogHooks {
public:
    using RunHook = std::function<int(QDialog& dialog)>;
    using MessageHook = std::function<void(QWidget* parent, const QString& title,
                                           const QString& text, QMessageBox::Icon icon)>;

    // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
    static int Run(QDialog& dialog);
    // A message box with an OK button.
    static void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                            QMessageBox::Icon icon);
    // The title of the standard messages ("Please enter a number."): the program's name.
    static QString ProgramTitle();

    // An empty hook restores the real behaviour.
    static void SetRunHook(RunHook hook);
    static void SetMessageHook(MessageHook hook);
};
