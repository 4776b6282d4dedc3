#pragma once

#include "app/CCommandRegistry.h"
#include "app/CRecentFileList.h"
#include "exchange/ErrorReporter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CDesktopUserInterface;
class CMainFrame;
class CPowerFlowCommands;
class QObject;
class QPrinter;
class QSettings;

// The desktop program: the run-time state and the one document, the command registry
// with every command's handler and rules, the main frame, the recent-file list and the
// start-up sequence. Everything the person at the screen is asked goes through the
// desktop user interface, so the whole program runs under tests with scripted answers.
class CDesktopApp {
public:
    using Mode = CSkemtorApp::Mode;
    using Tool = CSkemtorApp::Tool;

    // `profile` holds the recent-file list; `runPowerFlow` is the engine entry point.
    CDesktopApp(CDesktopUserInterface& ui, QSettings& profile, CErrorReporter errors,
                std::function<void()> runPowerFlow);
    ~CDesktopApp();
    CDesktopApp(const CDesktopApp&) = delete;
    CDesktopApp& operator=(const CDesktopApp&) = delete;

    // The start-up sequence after the main frame exists: the recent files, the document
    // named by `arguments` (the command line without the program) or File New, the
    // window shown, then the settings file. False when the program is to end.
    bool Start(const QStringList& arguments);

    CSkemtorApp& State() { return m_state; }
    CSkemtorDoc& Document() { return m_doc; }
    CCommandRegistry& Commands() { return *m_commands; }
    CMainFrame& Frame() { return *m_frame; }
    CRecentFileList& RecentFiles() { return m_recent; }
    // Empty while the document has never been saved.
    const QString& DocumentPath() const { return m_path; }
    // "name.tvx" or "Untitled".
    QString DocumentTitle() const;

    // File New, including the Data Case Name dialog.
    void FileNew();
    void FileOpen();
    // Opens `path` after asking to save a modified document; false when nothing opened.
    bool OpenDocumentFile(const QString& path);
    bool FileSave();
    bool FileSaveAs();
    // Asks to save a modified document; false when the user cancelled.
    bool SaveModified();

    void SetMode(Mode mode);
    void SetTool(Tool tool);
    void RedrawAllViews();

    // The user guide: userguide/index.html beside the executable unless another folder
    // was set.
    QString HelpFilePath() const;
    void SetHelpDirectory(const QString& dir) { m_helpDir = dir; }
    // The message of a command this build cannot run yet.
    static QString UnavailableMessage(const QString& label);

private:
    void RegisterCommands();
    void RegisterFileCommands();
    void RegisterViewCommands();
    void RegisterModeCommands();
    void RegisterToolCommands();
    void RegisterAnalysisCommands();
    void RegisterHelpCommands();
    void Unavailable(CommandId id);
    bool SaveTo(const QString& path);
    void ResetAfterOpen();
    void UpdateTitle();
    void Print();
    void PrintPreview();
    void PrintSetup();
    void PaintPages(QPrinter& printer);
    void ExportDiagram();
    bool ToolEnabled(Tool tool) const;
    CPowerFlowCommands PowerFlow();

    CDesktopUserInterface& m_ui;
    CErrorReporter m_errors;
    std::function<void()> m_runPowerFlow;
    CSkemtorApp m_state;
    CSkemtorDoc m_doc;
    std::unique_ptr<QObject> m_actionOwner;
    std::unique_ptr<CCommandRegistry> m_commands;
    CRecentFileList m_recent;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_path;
    QString m_helpDir;
};
