#include "exchange/editing/PointerTool.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "model/SkemtorDoc.h"

using Mode = CSkemtorApp::Mode;

namespace {

// Selects or deselects every element of one array; hit elements that report a status
// write it, the last one written winning.
template <class Array, class OnHit> void select(const Array& array, CPointL point, OnHit onHit) {
    for (int i = 0; i < array.Count(); ++i) {
        auto* element = array.Get(i);
        const bool hit = element->HitTest(point.x, point.y);
        element->SetSelected(hit ? 1 : 0);
        if (hit) onHit(*element);
    }
}

template <class Array> bool anyOnBus(const Array& array, int bus) {
    for (int i = 0; i < array.Count(); ++i)
        if (array.Get(i)->GetBus() == bus) return true;
    return false;
}

template <class Array> bool anyEndOnBus(const Array& array, int bus) {
    for (int i = 0; i < array.Count(); ++i)
        if (array.Get(i)->GetBus(1) == bus || array.Get(i)->GetBus(2) == bus) return true;
    return false;
}

} // namespace

void CPointerTool::Click(CDiagramEditor& editor, CPointL point) {
    CSkemtorDoc& doc = editor.Doc();
    CSkemtorApp& app = editor.App();
    app.m_statusText.clear();
    const auto status = [&app](const auto& element) { element.FormatStatus(app); };
    const auto silent = [](const auto&) {};

    select(doc.BusArray(), point, status);
    select(doc.LineArray(), point, status);
    select(doc.CapacitanceArray(), point, silent);
    select(doc.BreakerArray(), point, silent);
    switch (app.m_mode) {
    case Mode::StateEstimation:
        select(doc.PowerInjectionArray(), point, status);
        select(doc.VoltageArray(), point, status);
        select(doc.PowerFlowArray(), point, status);
        select(doc.CurrentArray(), point, status);
        break;
    case Mode::ShortCircuit:
        select(doc.ShortArray(), point, silent);
        select(doc.ZgroundArray(), point, silent);
        break;
    case Mode::TransientStability:
        select(doc.GeneratorArray(), point, silent);
        break;
    case Mode::OptimalPowerFlow:
        select(doc.GeneratorArray(), point, status);
        break;
    default:
        break;
    }
    editor.Ui().RedrawAllViews();
}

bool CPointerTool::HasConnections(const CSkemtorDoc& doc, int bus) {
    return anyOnBus(doc.CapacitanceArray(), bus) || anyEndOnBus(doc.BreakerArray(), bus) ||
           anyOnBus(doc.ShortArray(), bus) || anyOnBus(doc.ZgroundArray(), bus) ||
           anyOnBus(doc.GeneratorArray(), bus) || anyOnBus(doc.PowerInjectionArray(), bus) ||
           anyOnBus(doc.VoltageArray(), bus) || anyEndOnBus(doc.LineArray(), bus);
}

void CPointerTool::Move(CDiagramEditor& editor, CPointL point) {
    if (editor.App().m_mode != Mode::NetworkEdit) return;
    CSkemtorDoc& doc = editor.Doc();
    bool moved = false;
    for (int i = 0; i < doc.GetBusCount(); ++i) {
        CBus* bus = doc.GetBus(i);
        if (!bus->IsSelected() || HasConnections(doc, bus->m_number)) continue;
        if (bus->m_xMax == point.x && bus->m_yMin == point.y) continue;
        bus->MoveTo(point.x, point.y);
        moved = true;
    }
    if (moved) editor.Ui().RedrawAllViews();
}
