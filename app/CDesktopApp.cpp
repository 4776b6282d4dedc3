#include "app/CDesktopApp.h"

#include "app/CDesktopUserInterface.h"
#include "app/CMainFrame.h"
#include "app/CQtWaitCursor.h"
#include "exchange/PowerFlowCommands.h"
#include "model/DocumentFile.h"
#include "model/Settings.h"
#include "view/CDiagramExporter.h"
#include "view/CSkemtorView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {

const char* const kProgramTitle = "Tarvex";

std::string s(const QString& text) {
    return text.toStdString();
}

} // namespace

CDesktopApp::CDesktopApp(CDesktopUserInterface& ui, QSettings& profile, CErrorReporter errors,
                         std::function<void()> runPowerFlow)
    : m_ui(ui), m_errors(std::move(errors)), m_runPowerFlow(std::move(runPowerFlow)),
      m_actionOwner(std::make_unique<QObject>()),
      m_commands(std::make_unique<CCommandRegistry>(m_actionOwner.get())), m_recent(profile) {
    RegisterCommands();
    m_frame = std::make_unique<CMainFrame>(m_state, m_doc, *m_commands, m_ui,
                                           [this](int code) { m_errors.ReportError(m_ui, code); });
    m_frame->onFileDropped = [this](const QString& path) { OpenDocumentFile(path); };
    m_frame->onCloseRequested = [this] { return SaveModified(); };
    UpdateTitle();
}

CDesktopApp::~CDesktopApp() {
    // The frame goes first: its menus and toolbars hold the registry's actions.
    m_frame.reset();
}

bool CDesktopApp::Start(const QStringList& arguments) {
    m_recent.Load();
    m_frame->SetRecentFiles(m_recent.Files());
    if (!arguments.isEmpty()) {
        if (!OpenDocumentFile(arguments.constFirst())) return false;
    } else {
        FileNew();
    }
    m_frame->show();
    // The placement glyphs are drawn by the diagram view when it is created.
    if (const std::optional<std::string> message = CSettings::LoadSettings(m_state))
        CErrorReporter::ShowErrorMessage(m_ui, *message);
    RedrawAllViews();
    return true;
}

QString CDesktopApp::DocumentTitle() const {
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

void CDesktopApp::UpdateTitle() {
    m_frame->setWindowTitle(DocumentTitle() + QStringLiteral(" - ") + QLatin1String(kProgramTitle));
}

bool CDesktopApp::SaveModified() {
    if (!m_doc.IsModified()) return true;
    switch (m_ui.AskSaveChanges(s(DocumentTitle()))) {
    case CDesktopUserInterface::SaveChoice::Save:
        return FileSave();
    case CDesktopUserInterface::SaveChoice::Discard:
        return true;
    case CDesktopUserInterface::SaveChoice::Cancel:
        return false;
    }
    return false;
}

void CDesktopApp::FileNew() {
    if (!SaveModified()) return;
    m_doc.DeleteContents();
    m_doc.SetModifiedFlag(false);
    m_path.clear();
    // Cancel keeps the previous name, which is still brought to 31 characters.
    m_state.SetCaseName(m_ui.AskCaseName(m_state.m_caseName).value_or(m_state.m_caseName));
    m_state.m_resultState = CSkemtorApp::kNoResults;
    m_state.m_mode = Mode::NetworkEdit;
    m_state.m_canvasSize = CSkemtorApp::CanvasSize{};
    // A canvas grown for the previous diagram would otherwise stay scrollable past the
    // edge the editor now grows from.
    if (CSkemtorView* view = m_frame->DiagramPane().view) view->CanvasResized();
    m_state.m_tool = Tool::Pointer;
    UpdateTitle();
    RedrawAllViews();
}

void CDesktopApp::FileOpen() {
    const std::optional<std::string> chosen = m_ui.AskOpenDocumentName();
    if (chosen) OpenDocumentFile(QString::fromStdString(*chosen));
}

bool CDesktopApp::OpenDocumentFile(const QString& path) {
    if (!SaveModified()) return false;
    CDocumentFile::Result result;
    {
        CQtWaitCursor wait;
        result = CDocumentFile::Load(path.toStdString(), m_doc, m_state);
    }
    m_doc.SetModifiedFlag(false);
    ResetAfterOpen();
    if (!result.ok) {
        // The document is left empty and untitled; a recent entry that fails goes.
        m_path.clear();
        m_recent.Remove(path);
        m_frame->SetRecentFiles(m_recent.Files());
        UpdateTitle();
        RedrawAllViews();
        m_ui.ShowMessage(kProgramTitle, result.message, CUserInterface::Icon::Exclamation);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_path);
    m_frame->SetRecentFiles(m_recent.Files());
    UpdateTitle();
    RedrawAllViews();
    return true;
}

void CDesktopApp::ResetAfterOpen() {
    m_state.m_resultState = CSkemtorApp::kNoResults;
    m_state.m_mode = Mode::NetworkEdit;
    m_state.m_tool = Tool::Pointer;
}

bool CDesktopApp::FileSave() {
    if (m_path.isEmpty()) return FileSaveAs();
    return SaveTo(m_path);
}

bool CDesktopApp::FileSaveAs() {
    const QString suggested =
        m_path.isEmpty() ? QStringLiteral("Untitled.tvx") : QFileInfo(m_path).fileName();
    const std::optional<std::string> chosen = m_ui.AskSaveDocumentName(s(suggested));
    if (!chosen) return false;
    QString path = QString::fromStdString(*chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tvx");
    return SaveTo(path);
}

bool CDesktopApp::SaveTo(const QString& path) {
    CDocumentFile::Result result;
    {
        CQtWaitCursor wait;
        result = CDocumentFile::Save(path.toStdString(), m_doc, m_state);
    }
    if (!result.ok) {
        m_ui.ShowMessage(kProgramTitle, result.message, CUserInterface::Icon::Exclamation);
        return false;
    }
    m_doc.SetModifiedFlag(false);
    m_path = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_path);
    m_frame->SetRecentFiles(m_recent.Files());
    UpdateTitle();
    return true;
}

void CDesktopApp::SetMode(Mode mode) {
    m_state.m_mode = mode;
    m_state.m_resultState = CSkemtorApp::kNoResults;
    // A tool whose button the new mode grays cannot stay armed behind it.
    if (!ToolEnabled(m_state.m_tool)) m_state.m_tool = Tool::Pointer;
    RedrawAllViews();
}

void CDesktopApp::SetTool(Tool tool) {
    m_state.m_tool = tool;
}

void CDesktopApp::RedrawAllViews() {
    if (m_frame) m_frame->RedrawAllViews();
}

QString CDesktopApp::HelpFilePath() const {
    const QString dir = m_helpDir.isEmpty()
                            ? QDir(QCoreApplication::applicationDirPath()).filePath("userguide")
                            : m_helpDir;
    return QDir(dir).filePath(QStringLiteral("index.html"));
}

QString CDesktopApp::UnavailableMessage(const QString& label) {
    QString name = label;
    name.remove(QLatin1Char('&'));
    return QStringLiteral("\"%1\" is not available in this build.").arg(name);
}

CPowerFlowCommands CDesktopApp::PowerFlow() {
    return CPowerFlowCommands(m_doc, m_state, m_ui, m_errors, m_runPowerFlow);
}

void CDesktopApp::PaintPages(QPrinter& printer) {
    QPainter painter(&printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target(QPoint(0, 0), page.size());
    if (m_frame->DiagramPane().drawPage) m_frame->DiagramPane().drawPage(painter, target);
}

void CDesktopApp::ExportDiagram() {
    CUserInterface::SaveFileRequest request;
    request.defaultName = QFileInfo(DocumentTitle()).completeBaseName().toStdString() + ".png";
    request.defaultExtension = ".png";
    request.filterLabel = CDiagramExporter::kFileFilter;
    request.filterPattern = "*.png";
    const std::optional<std::string> chosen = m_ui.AskSaveFileName(request);
    if (!chosen) return;
    QString error;
    if (!CDiagramExporter::Export(*m_frame->DiagramPane().view, QString::fromStdString(*chosen),
                                  error))
        m_ui.ShowMessage("Export Diagram",
                         "The diagram could not be exported to " + *chosen + ".  " +
                             error.toStdString(),
                         CUserInterface::Icon::Exclamation);
}

void CDesktopApp::Print() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>();
    m_printer->setDocName(DocumentTitle());
    if (m_ui.AskPrinter(*m_printer)) PaintPages(*m_printer);
}

void CDesktopApp::PrintPreview() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>();
    m_ui.ShowPrintPreview(*m_printer, [this](QPrinter* printer) { PaintPages(*printer); });
}

void CDesktopApp::PrintSetup() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>();
    m_ui.AskPageSetup(*m_printer);
}
