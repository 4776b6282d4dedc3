#pragma once

#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/EditorHost.h"

#include <QScrollArea>

class CDiagramCanvas;
class CElementDialogs;
class CSkemtorDoc;
class CUserInterface;
class QPainter;

// The diagram pane: a scrolling canvas in logical units of 0.01 inch with y growing
// upward and the origin at the canvas's top-left corner, so every visible point has
// x >= 0 and y <= 0. Editing is done by the toolkit-free diagram editor; this widget
// converts positions, keeps the scroll size in step with the canvas, hides the cursor
// while a tool is armed and paints the diagram with the armed tool's ghost over it.
class CSkemtorView : public QScrollArea, public CEditorHost {
    Q_OBJECT
public:
    CSkemtorView(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui, CElementDialogs& dialogs,
                 QWidget* parent = nullptr);
    ~CSkemtorView() override;

    CDiagramEditor& Editor() { return m_editor; }
    CSkemtorDoc& Document() { return m_doc; }
    const CSkemtorApp& App() const { return m_app; }
    CDiagramCanvas& Canvas() { return *m_canvas; }

    // Device pixels per logical unit on the screen: a hundredth of the logical DPI.
    double PixelsPerUnit() const;
    // Canvas pixel <-> logical unit.
    CPointL ToLogical(QPoint canvasPixel) const;
    QPoint ToPixel(CPointL point) const;
    bool IsInsideViewport(QPoint canvasPixel) const;

    // The diagram on any painter (screen, printer, picture) at `pixelsPerUnit`; the
    // ghost of the armed tool is drawn only on screen.
    void DrawDiagram(QPainter& painter, double pixelsPerUnit, bool withGhost);

    // CEditorHost
    void CanvasResized() override;
    void SetCursorHidden(bool hidden) override;
    void SetMouseCaptured(bool captured) override;
    void GhostChanged() override;

private:
    CSkemtorDoc& m_doc;
    CSkemtorApp& m_app;
    CDiagramCanvas* m_canvas;
    CDiagramEditor m_editor;
};
