#pragma once

#include "dialogs/DialogHooks.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

namespace tarvex::test {

// Stands in for the person at the screen while it lives: every modal dialog is handed
// to `script` (which sets fields and presses OK or Cancel) instead of waiting, and every
// message box is recorded instead of shown.
class ScriptedDialogs {
public:
    struct Message {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    ScriptedDialogs() {
        CDialogHooks::SetRunHook([this](QDialog& dialog) {
            ++runs;
            if (script) script(dialog);
            return dialog.result();
        });
        CDialogHooks::SetMessageHook(
            [this](QWidget*, const QString& title, const QString& text, QMessageBox::Icon icon) {
                messages.push_back({title, text, icon});
            });
    }
    ~ScriptedDialogs() {
        CDialogHooks::SetRunHook({});
        CDialogHooks::SetMessageHook({});
    }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    std::function<void(QDialog&)> script;
    int runs = 0;
    std::vector<Message> messages;
};

} // namespace tarvex::test
