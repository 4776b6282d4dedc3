#pragma once

#include "exchange/editing/EditTool.h"
#include "model/Rect.h"
#include "model/SkemtorApp.h"

#include <map>
#include <memory>

class CSkemtorDoc;
class CUserInterface;
class CElementDialogs;
class CEditorHost;
class CDrawSurface;

// Turns the diagram pane's mouse and key events, already converted to logical units
// (0.01 inch, y upward, origin at the top-left of the canvas), into document changes.
// It holds the view's own editing state; the mode, the armed tool and the canvas size
// live in the application state, and the line being drawn in the document.
class CDiagramEditor {
public:
    CDiagramEditor(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui, CElementDialogs& dialogs,
                   CEditorHost& host);
    ~CDiagramEditor();
    CDiagramEditor(const CDiagramEditor&) = delete;
    CDiagramEditor& operator=(const CDiagramEditor&) = delete;

    void LeftButtonDown(CPointL point);
    // `inside` tells whether the pointer is over the pane's client area.
    void MouseMove(CPointL point, bool inside);
    void DoubleClick(CPointL point);
    void Character(char c);

    // The ghost of the armed tool at the last point, for the pane's overlay.
    void DrawGhost(CDrawSurface& surface) const;

    // Ends a placement: back to the pointer, cursor shown and freed, views redrawn.
    void FinishPlacement();

    CSkemtorDoc& Doc() const { return m_doc; }
    CSkemtorApp& App() const { return m_app; }
    CUserInterface& Ui() const { return m_ui; }
    CElementDialogs& Dialogs() const { return m_dialogs; }
    CEditTool& ToolFor(CSkemtorApp::Tool tool) const;

    // The view's editing state.
    CPointL m_lastPoint{};
    CPointL m_anchorPoint{};
    int m_firstBus = 0;
    int m_firstBusHorizontal = 0;
    int m_secondBus = 0;
    int m_secondBusHorizontal = 0;
    int m_direction = 0; // of the bus-attached symbol about to be placed

private:
    void GrowCanvas(CPointL point);

    CSkemtorDoc& m_doc;
    CSkemtorApp& m_app;
    CUserInterface& m_ui;
    CElementDialogs& m_dialogs;
    CEditorHost& m_host;
    std::map<CSkemtorApp::Tool, std::unique_ptr<CEditTool>> m_tools;
};
