#pragma once

#include "view/VoltagePlotDrawing.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class CSkemtorApp;
class QAction;
class QMenu;
class QPainter;

// The lower pane of the main window: the voltage profile after a power flow, the swing
// curves after a transient stability run, empty otherwise. It keeps nothing of its own
// but the memory of which problem it has already reported: every paint rereads the
// result file it needs from the working directory.
class CVoltagePlotView : public QWidget {
    Q_OBJECT

public:
    // `workingDirectory` holds the result files ("." follows the process's working
    // directory, where the engine writes them). `report` shows a catalogue error (the application
    // passes its error reporter). It is called after the paint that met the problem, never inside
    // it, so a message box cannot start painting again while the pane is painted.
    CVoltagePlotView(const CSkemtorApp& app, std::filesystem::path workingDirectory,
                     std::function<void(int code)> report, QWidget* parent = nullptr);

    // Paints the pane's picture on any painter, for a pane of `size` pixels.
    void Render(QPainter& painter, QSize size);

    const CSkemtorApp& App() const { return m_app; }
    const std::filesystem::path& WorkingDirectory() const { return m_directory; }

    // The context menu: "Export Plot..." (PNG or SVG) and "Export Data..." (CSV), each
    // asking for a file name; both are enabled only while the pane shows a plot.
    QMenu* CreateContextMenu(QWidget* parent);
    QAction* ExportPlotAction() const { return m_exportPlot; }
    QAction* ExportDataAction() const { return m_exportData; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void AskAndExportPlot();
    void AskAndExportData();
    // The file name for a new export, beside the previous one.
    QString SuggestedName(const QString& extension) const;

    const CSkemtorApp& m_app;
    std::filesystem::path m_directory;
    CVoltagePlotDrawing m_drawing;
    QAction* m_exportPlot;
    QAction* m_exportData;
    QString m_lastExportFolder;
};
