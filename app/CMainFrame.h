#pragma once

#include "app/CMenuLayout.h"
#include "app/CPanes.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <vector>

class CCommandRegistry;
class CSkemtorApp;
class CSkemtorDoc;
class CUserInterface;
class QLabel;
class QMenu;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolBar;

// The main window: the standard and element toolbars, the status bar with its message
// and mode panes, the analysis status bar under the panes, and the splitter with the
// diagram pane above and the plot pane below (at zero height until the user drags the
// bar up). Menus and toolbars are built from CMenuLayout with the registry's actions;
// the Analysis, Measurement and Options menus are rebuilt for the mode before they open.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The text the mode pane and the analysis status bar are sized by.
    static constexpr const char* kModePaneSizeText = "Transient Stability ";
    static constexpr const char* kAnalysisPaneSizeText =
        "Real Measured: 0.00000   Real Estimated: 0.00000    Reactive Measure: 0.00000 "
        "Reactive Estimated: 0.00000";

    // `ui` is what the diagram pane's editing asks the user through; `reportError` shows
    // an engine error code found by the plot pane.
    CMainFrame(CSkemtorApp& app, CSkemtorDoc& doc, CCommandRegistry& commands, CUserInterface& ui,
               std::function<void(int code)> reportError);

    // The menu bar's top-level menus in order.
    QMenu* TopMenu(CMenuLayout::MenuIndex index) const { return m_menus.at(index); }
    QToolBar* StandardToolBar() const { return m_standardBar; }
    QToolBar* ElementToolBar() const { return m_elementBar; }
    QLabel* MessagePane() const { return m_messagePane; }
    QLabel* ModePane() const { return m_modePane; }
    QStatusBar* AnalysisStatusBar() const { return m_analysisBar; }
    QLabel* AnalysisText() const { return m_analysisText; }
    QSplitter* Splitter() const { return m_splitter; }
    CDiagramPane& DiagramPane() { return m_diagram; }
    QWidget* PlotPane() const { return m_plot; }

    // Rebuilds the mode's Analysis, Measurement and Options items, as before any menu
    // opens.
    void RebuildModeMenus();
    // Refills the recent-file entries of the File menu.
    void SetRecentFiles(const QStringList& files);
    // What the idle update does: command rules, the mode pane and the analysis status
    // bar.
    void IdleUpdate();
    void RedrawAllViews();
    // Moves the keyboard focus to the other pane (F6, Shift+F6).
    void SwitchPane();

    // Set by the application: a .tvx dropped on the window, and the question whether the
    // window may close (asking to save a modified document).
    std::function<void(const QString&)> onFileDropped;
    std::function<bool()> onCloseRequested;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    QToolBar* BuildToolBar(const char* name, const std::vector<CMenuLayout::Entry>& buttons);
    void BuildStatusBars();
    void BuildPanes();
    void Fill(QMenu* menu, const std::vector<CMenuLayout::Entry>& entries);
    void AddEntry(QMenu* menu, const CMenuLayout::Entry& entry, QAction* before);
    static QString DroppedDocument(const class QMimeData* data);

    CSkemtorApp& m_app;
    CSkemtorDoc& m_doc;
    CCommandRegistry& m_commands;
    CUserInterface& m_ui;
    std::function<void(int code)> m_reportError;
    std::vector<QMenu*> m_menus;
    QAction* m_recentStart = nullptr; // separator before the recent files
    QAction* m_recentEnd = nullptr;   // separator after them
    QStringList m_recentFiles;
    QToolBar* m_standardBar = nullptr;
    QToolBar* m_elementBar = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_modePane = nullptr;
    QStatusBar* m_analysisBar = nullptr;
    QLabel* m_analysisText = nullptr;
    QSplitter* m_splitter = nullptr;
    CDiagramPane m_diagram;
    QWidget* m_plot = nullptr;
    QTimer* m_idle = nullptr;
};
