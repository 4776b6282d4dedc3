#pragma once

#include "view/VoltagePlotDrawing.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class CSkemtorApp;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CSkemtorApp& m_app;
    CVoltagePlotDrawing m_drawing;
};
