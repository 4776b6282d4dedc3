#include "dialogs/DialogHooks.h"

#include <QDialog>
#include <QGuiApplication>

#include <utility>

namespace {

CDialogHooks::RunHook& RunHookSlot() {
    static CDialogHooks::RunHook hook;
    return hook;
}

CDialogHooks::MessageHook& MessageHookSlot() {
    static CDialogHooks::MessageHook hook;
    return hook;
}

} // namespace

int CDialogHooks::Run(QDialog& dialog) {
    if (RunHookSlot()) return RunHookSlot()(dialog);
    return dialog.exec();
}

void CDialogHooks::ShowMessage(QWidget* parent, const QString& title, const QString& text,
                               QMessageBox::Icon icon) {
    if (MessageHookSlot()) return MessageHookSlot()(parent, title, text, icon);
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString CDialogHooks::ProgramTitle() {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Tarvex") : name;
}

void CDialogHooks::SetRunHook(RunHook hook) {
    RunHookSlot() = std::move(hook);
}

void CDialogHooks::SetMessageHook(MessageHook hook) {
    MessageHookSlot() = std::move(hook);
}
