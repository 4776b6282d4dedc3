#include "exchange/editing/LineTool.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/ElementDialogs.h"
#include "exchange/editing/GhostShapes.h"
#include "model/SkemtorDoc.h"
#include "model/draw/DrawSurface.h"

namespace {

CBus* firstBusHit(const CSkemtorDoc& doc, CPointL point) {
    for (int i = 0; i < doc.GetBusCount(); ++i)
        if (doc.GetBus(i)->HitTest(point.x, point.y)) return doc.GetBus(i);
    return nullptr;
}

} // namespace

void CLineTool::Click(CDiagramEditor& editor, CPointL point) {
    CSkemtorDoc& doc = editor.Doc();
    auto& points = doc.m_newLinePoints;
    int& count = doc.m_newLinePointCount;
    CBus* bus = firstBusHit(doc, point);

    if (count == 0) {
        if (!bus) return;
        points[0] = point;
        count = 1;
        editor.m_firstBus = bus->m_number;
        editor.m_firstBusHorizontal = bus->m_horizontal;
        return;
    }
    if (!bus) {
        // The last slot is kept for the end point on the second bus, so a branch can
        // always be finished however many corners it has.
        if (count >= CSkemtorDoc::kMaxNewLinePoints - 1) {
            editor.App().m_statusText = kFullMessage;
            editor.Ui().RedrawAllViews();
            return;
        }
        points[static_cast<std::size_t>(count++)] = point;
        editor.Ui().RedrawAllViews();
        return;
    }
    points[static_cast<std::size_t>(count++)] = point;
    editor.m_secondBus = bus->m_number;
    editor.m_secondBusHorizontal = bus->m_horizontal;
    auto line = std::make_unique<CLine>(points.data(), count, editor.m_firstBus,
                                        editor.m_firstBusHorizontal, editor.m_secondBus,
                                        editor.m_secondBusHorizontal, editor.App());
    CLine* placed = line.get();
    doc.AddLine(std::move(line));
    count = 0;
    editor.FinishPlacement();
    editor.Dialogs().EditLine(*placed);
    editor.Ui().RedrawAllViews();
}

void CLineTool::DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const {
    tarvex::editing::BeginGhost(surface);
    tarvex::editing::DrawCrossHair(surface, editor.m_lastPoint);
    const CSkemtorDoc& doc = editor.Doc();
    if (doc.m_newLinePointCount == 0) return;
    surface.Polyline(doc.m_newLinePoints.data(), doc.m_newLinePointCount);
    surface.MoveTo(editor.m_anchorPoint.x, editor.m_anchorPoint.y);
    surface.LineTo(editor.m_lastPoint.x, editor.m_lastPoint.y);
}
