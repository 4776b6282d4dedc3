#include "exchange/editing/DiagramPainter.h"

#include "exchange/editing/DoubleClickCommand.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "model/draw/DrawSurface.h"

#include <algorithm>

using Mode = CSkemtorApp::Mode;

namespace {

template <class Array>
void drawAll(CDrawSurface& surface, const Array& array, const CSkemtorApp& app, bool labels) {
    for (const auto& element : array) {
        element->Draw(surface, app, app.m_resultState);
        if constexpr (requires { element->DrawLabels(surface, app); })
            if (labels) element->DrawLabels(surface, app);
    }
}

} // namespace

void CDiagramPainter::Draw(CDrawSurface& surface, CSkemtorDoc& doc, const CSkemtorApp& app) {
    for (const auto& line : doc.LineArray()) {
        line->Draw(surface, app, app.m_resultState);
        line->DrawLabels(surface, app);
        CDoubleClickCommand::UpdateArea(doc, *line);
    }
    drawAll(surface, doc.BusArray(), app, true);
    drawAll(surface, doc.CapacitanceArray(), app, false);
    drawAll(surface, doc.BreakerArray(), app, false);
    switch (app.m_mode) {
    case Mode::StateEstimation:
        drawAll(surface, doc.PowerFlowArray(), app, true);
        drawAll(surface, doc.CurrentArray(), app, true);
        drawAll(surface, doc.PowerInjectionArray(), app, true);
        drawAll(surface, doc.VoltageArray(), app, true);
        break;
    case Mode::ShortCircuit:
        drawAll(surface, doc.ShortArray(), app, false);
        drawAll(surface, doc.ZgroundArray(), app, false);
        break;
    case Mode::TransientStability:
        drawAll(surface, doc.GeneratorArray(), app, false);
        break;
    case Mode::OptimalPowerFlow:
        drawAll(surface, doc.GeneratorArray(), app, true);
        break;
    default:
        break;
    }
}

namespace {

struct BoundsBuilder {
    CRectL rect{};
    bool empty = true;

    void Add(int x, int y) {
        if (empty) {
            rect = {x, y, x, y};
            empty = false;
            return;
        }
        rect.m_xMin = std::min(rect.m_xMin, x);
        rect.m_xMax = std::max(rect.m_xMax, x);
        rect.m_yMin = std::min(rect.m_yMin, y);
        rect.m_yMax = std::max(rect.m_yMax, y);
    }
    template <class Array> void AddAll(const Array& array) {
        for (const auto& element : array) {
            Add(element->m_xMin, element->m_yMin);
            Add(element->m_xMax, element->m_yMax);
        }
    }
};

} // namespace

CRectL CDiagramPainter::Bounds(const CSkemtorDoc& doc, const CSkemtorApp& app, int margin) {
    BoundsBuilder bounds;
    for (const auto& line : doc.LineArray())
        for (int i = 0; i < line->GetPointCount(); ++i)
            bounds.Add(line->GetPoint(i).x, line->GetPoint(i).y);
    bounds.AddAll(doc.BusArray());
    bounds.AddAll(doc.CapacitanceArray());
    bounds.AddAll(doc.BreakerArray());
    if (app.m_mode == Mode::StateEstimation) {
        bounds.AddAll(doc.PowerFlowArray());
        bounds.AddAll(doc.CurrentArray());
        bounds.AddAll(doc.PowerInjectionArray());
        bounds.AddAll(doc.VoltageArray());
    }
    if (app.m_mode == Mode::ShortCircuit) {
        bounds.AddAll(doc.ShortArray());
        bounds.AddAll(doc.ZgroundArray());
    }
    if (app.m_mode == Mode::TransientStability || app.m_mode == Mode::OptimalPowerFlow)
        bounds.AddAll(doc.GeneratorArray());
    if (bounds.empty) bounds.Add(0, 0);
    CRectL r = bounds.rect;
    return {r.m_xMin - margin, r.m_yMax + margin, r.m_xMax + margin, r.m_yMin - margin};
}
