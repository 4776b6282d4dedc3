#include "app/CQtUserInterface.h"

#include "app/CAboutDialog.h"
#include "app/CQtWaitCursor.h"
#include "dialogs/DialogCaseName.h"
#include "dialogs/DialogLosses.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace {

const QString kDocumentFilter = QStringLiteral("TVX Files (*.tvx)");

QMessageBox::Icon boxIcon(CUserInterface::Icon icon) {
    switch (icon) {
    case CUserInterface::Icon::Exclamation:
        return QMessageBox::Warning;
    case CUserInterface::Icon::Information:
        return QMessageBox::Information;
    case CUserInterface::Icon::Question:
        return QMessageBox::Question;
    case CUserInterface::Icon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

CQtUserInterface::CQtUserInterface() = default;
CQtUserInterface::~CQtUserInterface() = default;

void CQtUserInterface::ShowMessage(const std::string& title, const std::string& text, Icon icon) {
    QMessageBox box(boxIcon(icon), q(title), q(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool CQtUserInterface::AskYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, q(title), q(text), QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> CQtUserInterface::AskSaveFileName(const SaveFileRequest& request) {
    QString filter = q(request.filterLabel);
    if (!filter.contains(QLatin1Char('(')))
        filter += QStringLiteral(" (%1)").arg(q(request.filterPattern));
    QFileDialog dialog(m_parent, QString(), QDir::currentPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = q(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(q(request.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<std::string> CQtUserInterface::AskCaseName(const std::string& initial) {
    CDialogCaseName dialog(q(initial), m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name().toStdString();
}

void CQtUserInterface::ShowLosses(const Losses& losses) {
    CDialogLosses dialog(CDialogLosses::Format(losses.realPower, losses.reactivePower,
                                               losses.lineCharging, losses.shunt),
                         m_parent);
    dialog.exec();
}

void CQtUserInterface::BeginWaitCursor() {
    m_waitCursors.push_back(std::make_unique<CQtWaitCursor>());
}

void CQtUserInterface::EndWaitCursor() {
    if (!m_waitCursors.empty()) m_waitCursors.pop_back();
}

void CQtUserInterface::RedrawAllViews() {
    if (m_redraw) m_redraw();
}

std::optional<std::string> CQtUserInterface::AskOpenDocumentName() {
    return chosen(
        QFileDialog::getOpenFileName(m_parent, QStringLiteral("Open"), QString(), kDocumentFilter));
}

std::optional<std::string> CQtUserInterface::AskSaveDocumentName(const std::string& suggested) {
    QFileDialog dialog(m_parent, QStringLiteral("Save As"), QString(), kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tvx"));
    dialog.selectFile(q(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

CDesktopUserInterface::SaveChoice CQtUserInterface::AskSaveChanges(const std::string& title) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarvex"),
                    QStringLiteral("Save changes to %1?").arg(q(title)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveChoice::Save;
    case QMessageBox::No:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void CQtUserInterface::ShowAbout() {
    CAboutDialog dialog(m_parent);
    dialog.exec();
}

bool CQtUserInterface::OpenHelp(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(q(path)));
}

bool CQtUserInterface::AskPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CQtUserInterface::AskPageSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void CQtUserInterface::ShowPrintPreview(QPrinter& printer,
                                        const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(target); });
    dialog.exec();
}
