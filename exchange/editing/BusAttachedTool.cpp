#include "exchange/editing/BusAttachedTool.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/ElementDialogs.h"
#include "exchange/editing/PlacementValues.h"
#include "model/SkemtorDoc.h"

#include <type_traits>

using Tool = CSkemtorApp::Tool;

namespace {

// Adds the element, ends the placement and, when the element has one, opens its dialog.
template <class Element, class Add, class Edit>
void place(CDiagramEditor& editor, std::unique_ptr<Element> element, Add add, Edit edit) {
    Element* placed = element.get();
    add(std::move(element));
    editor.FinishPlacement();
    if constexpr (!std::is_same_v<Edit, std::nullptr_t>) {
        edit(*placed);
        editor.Ui().RedrawAllViews();
    }
}

} // namespace

void CBusAttachedTool::Click(CDiagramEditor& editor, CPointL point) {
    CSkemtorDoc& doc = editor.Doc();
    CSkemtorApp& app = editor.App();
    const CBus* bus = nullptr;
    for (int i = 0; i < doc.GetBusCount() && !bus; ++i)
        if (doc.GetBus(i)->HitTest(point.x, point.y)) bus = doc.GetBus(i);
    if (!bus) return;
    const int number = bus->m_number;
    editor.m_secondBus = number;
    const int x = point.x;
    const int y = point.y;
    const int dir = editor.m_direction;
    CElementDialogs& dialogs = editor.Dialogs();

    std::optional<CResultFile::BusRow> result;
    if ((m_kind == Tool::PowerInjectionMeasurement || m_kind == Tool::VoltageMeasurement) &&
        app.m_usePowerFlowResults)
        result = tarvex::editing::FindBusResult(number, app.m_resultFileSwitch);

    switch (m_kind) {
    case Tool::Capacitor:
        place(
            editor, std::make_unique<CCapacitance>(x, y, dir, number),
            [&](auto e) { doc.AddCapacitance(std::move(e)); },
            [&](CCapacitance& e) { dialogs.EditCapacitance(e); });
        break;
    case Tool::Generator:
        place(
            editor, std::make_unique<CGenerator>(x, y, dir, number),
            [&](auto e) { doc.AddGenerator(std::move(e)); }, nullptr);
        break;
    case Tool::ImpedanceToGround:
        place(
            editor, std::make_unique<CZground>(x, y, dir, number),
            [&](auto e) { doc.AddZground(std::move(e)); },
            [&](CZground& e) { dialogs.EditZground(e); });
        break;
    case Tool::ShortCircuit:
        place(
            editor, std::make_unique<CShort>(x, y, dir, number),
            [&](auto e) { doc.AddShort(std::move(e)); }, [&](CShort& e) { dialogs.EditShort(e); });
        break;
    case Tool::PowerInjectionMeasurement:
        place(
            editor,
            std::make_unique<CPowerInjection>(x, y, dir, number, result ? result->injectionP : 0.0,
                                              result ? result->injectionQ : 0.0,
                                              app.m_sdPowerInjection),
            [&](auto e) { doc.AddPowerInjection(std::move(e)); },
            [&](CPowerInjection& e) { dialogs.EditPowerInjectionMeter(e); });
        break;
    case Tool::VoltageMeasurement:
        place(
            editor,
            std::make_unique<CVoltage>(x, y, dir, number, result ? result->voltage : 1.0,
                                       app.m_sdVoltage),
            [&](auto e) { doc.AddVoltage(std::move(e)); },
            [&](CVoltage& e) { dialogs.EditVoltageMeter(e); });
        break;
    default:
        break;
    }
}

CPointL CBusAttachedTool::GhostCorner(CPointL at, int direction, bool generator) {
    const int length = generator ? CElement::kGeneratorLength : CElement::kSymbolLength;
    const int half = generator ? CElement::kGeneratorHalfWidth : CElement::kSymbolHalfWidth;
    switch (direction) {
    case 90:
        return {at.x - half, at.y};
    case 180:
        return {at.x, at.y + half};
    case 270:
        return {at.x - half, at.y + length};
    default:
        return {at.x - length, at.y + half};
    }
}

GlyphKind CBusAttachedTool::GlyphFor(CSkemtorApp::Tool kind) {
    switch (kind) {
    case Tool::Capacitor:
        return GlyphKind::Capacitor;
    case Tool::PowerInjectionMeasurement:
        return GlyphKind::PowerInjectionMeter;
    case Tool::VoltageMeasurement:
        return GlyphKind::VoltageMeter;
    case Tool::Generator:
        return GlyphKind::Generator;
    case Tool::ImpedanceToGround:
        return GlyphKind::Zground;
    default:
        return GlyphKind::Fault;
    }
}

void CBusAttachedTool::DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const {
    const CPointL corner =
        GhostCorner(editor.m_lastPoint, editor.m_direction, m_kind == Tool::Generator);
    surface.Glyph(GlyphFor(m_kind), editor.m_direction, corner.x, corner.y);
}
