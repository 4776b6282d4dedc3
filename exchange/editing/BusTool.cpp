#include "exchange/editing/BusTool.h"

#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/GhostShapes.h"
#include "model/SkemtorDoc.h"
#include "model/draw/DrawSurface.h"

void CBusTool::Click(CDiagramEditor& editor, CPointL point) {
    CSkemtorDoc& doc = editor.Doc();
    doc.AddBus(std::make_unique<CBus>(point.x, point.y, m_horizontal ? 1 : 0, doc.NextBusNumber()));
    editor.FinishPlacement();
}

void CBusTool::DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const {
    const CBus ghost(editor.m_lastPoint.x, editor.m_lastPoint.y, m_horizontal ? 1 : 0, 0);
    tarvex::editing::BeginGhost(surface);
    surface.Rectangle(ghost.GetRect());
}
