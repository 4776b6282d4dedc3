#include "exchange/editing/DiagramEditor.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/BranchAttachedTool.h"
#include "exchange/editing/BusAttachedTool.h"
#include "exchange/editing/BusTool.h"
#include "exchange/editing/DeleteCommand.h"
#include "exchange/editing/DoubleClickCommand.h"
#include "exchange/editing/EditorHost.h"
#include "exchange/editing/LineTool.h"
#include "exchange/editing/PointerTool.h"
#include "exchange/editing/Snap.h"
#include "model/SkemtorDoc.h"

using Tool = CSkemtorApp::Tool;

namespace {

// Clicks near the right or bottom edge make room for more drawing.
constexpr int kGrowMargin = 100;
constexpr int kGrowStep = 250;

bool isBusTool(Tool tool) {
    return tool == Tool::HorizontalBus || tool == Tool::VerticalBus;
}

bool resetsDirection(Tool tool) {
    switch (tool) {
    case Tool::Capacitor:
    case Tool::PowerInjectionMeasurement:
    case Tool::VoltageMeasurement:
    case Tool::Generator:
    case Tool::ImpedanceToGround:
    case Tool::ShortCircuit:
    case Tool::CircuitBreaker:
        return true;
    default:
        return false;
    }
}

} // namespace

CDiagramEditor::CDiagramEditor(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                               CElementDialogs& dialogs, CEditorHost& host)
    : m_doc(doc), m_app(app), m_ui(ui), m_dialogs(dialogs), m_host(host) {
    m_tools[Tool::Pointer] = std::make_unique<CPointerTool>();
    m_tools[Tool::HorizontalBus] = std::make_unique<CBusTool>(true);
    m_tools[Tool::VerticalBus] = std::make_unique<CBusTool>(false);
    m_tools[Tool::Line] = std::make_unique<CLineTool>();
    for (Tool tool : {Tool::CurrentMeasurement, Tool::PowerFlowMeasurement, Tool::CircuitBreaker})
        m_tools[tool] = std::make_unique<CBranchAttachedTool>(tool);
    for (Tool tool : {Tool::Capacitor, Tool::PowerInjectionMeasurement, Tool::VoltageMeasurement,
                      Tool::Generator, Tool::ImpedanceToGround, Tool::ShortCircuit})
        m_tools[tool] = std::make_unique<CBusAttachedTool>(tool);
}

CDiagramEditor::~CDiagramEditor() = default;

CEditTool& CDiagramEditor::ToolFor(CSkemtorApp::Tool tool) const {
    const auto found = m_tools.find(tool);
    return found != m_tools.end() ? *found->second : *m_tools.at(Tool::Pointer);
}

void CDiagramEditor::GrowCanvas(CPointL point) {
    bool grown = false;
    if (m_app.m_canvasSize.width - point.x <= kGrowMargin) {
        m_app.m_canvasSize.width += kGrowStep;
        grown = true;
    }
    if (m_app.m_canvasSize.height + point.y <= kGrowMargin) {
        m_app.m_canvasSize.height += kGrowStep;
        grown = true;
    }
    if (grown) m_host.CanvasResized();
}

void CDiagramEditor::LeftButtonDown(CPointL point) {
    const auto tool = m_app.m_tool;
    const bool pointer = tool == Tool::Pointer;
    if (!pointer) point = tarvex::editing::SnapPoint(point);
    m_host.SetMouseCaptured(false);
    m_app.m_cursorCaptured = false;
    if (!pointer) GrowCanvas(point);

    ToolFor(tool).Click(*this, point);

    if (!pointer && !isBusTool(tool)) {
        m_lastPoint = point;
        m_anchorPoint = point;
    }
    if (resetsDirection(tool)) m_direction = 0;
}

void CDiagramEditor::MouseMove(CPointL point, bool inside) {
    point = tarvex::editing::SnapPoint(point);
    if (m_app.m_tool != Tool::Pointer) {
        if (!inside) {
            m_host.SetCursorHidden(false);
            m_host.SetMouseCaptured(false);
            m_app.m_cursorCaptured = false;
        } else if (!m_app.m_cursorCaptured) {
            m_host.SetCursorHidden(true);
            m_host.SetMouseCaptured(true);
            m_app.m_cursorCaptured = true;
        }
    }
    ToolFor(m_app.m_tool).Move(*this, point);
    if (m_app.m_tool != Tool::Pointer && !(point == m_lastPoint)) {
        m_lastPoint = point;
        m_host.GhostChanged();
    }
    m_lastPoint = point;
}

void CDiagramEditor::DoubleClick(CPointL point) {
    CDoubleClickCommand(*this).Run(point);
}

void CDiagramEditor::Character(char c) {
    if (c == 'd') {
        CDeleteCommand(*this).Run();
    } else if (c == ' ' && ToolFor(m_app.m_tool).Rotates()) {
        m_direction = (m_direction + 90) % 360;
        m_host.GhostChanged();
    }
}

void CDiagramEditor::DrawGhost(CDrawSurface& surface) const {
    ToolFor(m_app.m_tool).DrawGhost(surface, *this);
}

void CDiagramEditor::FinishPlacement() {
    m_app.m_tool = Tool::Pointer;
    m_host.SetCursorHidden(false);
    m_host.SetMouseCaptured(false);
    m_app.m_cursorCaptured = false;
    m_ui.RedrawAllViews();
}
