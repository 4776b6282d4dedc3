#include "exchange/editing/BranchAttachedTool.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/ElementDialogs.h"
#include "exchange/editing/GhostShapes.h"
#include "exchange/editing/PlacementValues.h"
#include "model/SkemtorDoc.h"
#include "model/draw/DrawSurface.h"

using Tool = CSkemtorApp::Tool;

void CBranchAttachedTool::Click(CDiagramEditor& editor, CPointL point) {
    CSkemtorDoc& doc = editor.Doc();
    CSkemtorApp& app = editor.App();
    const CLine* line = nullptr;
    for (int i = 0; i < doc.GetLineCount() && !line; ++i)
        if (doc.GetLine(i)->HitTest(point.x, point.y)) line = doc.GetLine(i);
    if (!line) return;
    const int from = line->m_bus1;
    const int to = line->m_bus2;
    editor.m_firstBus = from;
    editor.m_secondBus = to;

    std::optional<CResultFile::BranchRow> result;
    if (m_kind != Tool::CircuitBreaker && app.m_usePowerFlowResults)
        result = tarvex::editing::FindBranchResult(from, to);

    switch (m_kind) {
    case Tool::CircuitBreaker:
        doc.AddBreaker(std::make_unique<CCircuitBreaker>(point.x, point.y, from, to));
        editor.FinishPlacement();
        break;
    case Tool::PowerFlowMeasurement: {
        auto meter =
            std::make_unique<CPowerFlow>(point.x, point.y, from, to, result ? result->p : 0.0,
                                         result ? result->q : 0.0, app.m_sdPowerFlow);
        CPowerFlow* placed = meter.get();
        doc.AddPowerFlow(std::move(meter));
        editor.FinishPlacement();
        editor.Dialogs().EditPowerFlowMeter(*placed);
        editor.Ui().RedrawAllViews();
        break;
    }
    case Tool::CurrentMeasurement: {
        auto meter = std::make_unique<CCurrent>(point.x, point.y, from, to,
                                                result ? result->current : 0.0, app.m_sdCurrent);
        CCurrent* placed = meter.get();
        doc.AddCurrent(std::move(meter));
        editor.FinishPlacement();
        editor.Dialogs().EditCurrentMeter(*placed);
        editor.Ui().RedrawAllViews();
        break;
    }
    default:
        break;
    }
}

void CBranchAttachedTool::DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const {
    tarvex::editing::BeginGhost(surface);
    tarvex::editing::DrawCrossHair(surface, editor.m_lastPoint);
    surface.Rectangle(CElement::SquareRect(editor.m_lastPoint.x, editor.m_lastPoint.y));
}
