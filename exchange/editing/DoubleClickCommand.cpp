#include "exchange/editing/DoubleClickCommand.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/ElementDialogs.h"
#include "model/SkemtorDoc.h"

using Mode = CSkemtorApp::Mode;

namespace {

// Runs `edit` on every element of the array under the point.
template <class Array, class Edit> void eachHit(const Array& array, CPointL point, Edit edit) {
    for (int i = 0; i < array.Count(); ++i)
        if (array.Get(i)->HitTest(point.x, point.y)) edit(*array.Get(i));
}

} // namespace

void CDoubleClickCommand::UpdateArea(const CSkemtorDoc& doc, CLine& line) {
    const CBus* from = doc.FindBus(line.m_bus1);
    const CBus* to = doc.FindBus(line.m_bus2);
    if (from && to) line.SetArea(from->m_area, to->m_area);
}

void CDoubleClickCommand::Edited() {
    m_editor.Ui().RedrawAllViews();
    m_editor.Doc().SetModifiedFlag(true);
}

void CDoubleClickCommand::Run(CPointL point) {
    CSkemtorDoc& doc = m_editor.Doc();
    CElementDialogs& dialogs = m_editor.Dialogs();
    const Mode mode = m_editor.App().m_mode;

    eachHit(doc.BusArray(), point, [&](CBus& bus) {
        dialogs.EditBus(bus);
        Edited();
    });

    eachHit(doc.LineArray(), point, [&](CLine& line) {
        for (const auto& breaker : doc.BreakerArray())
            if (breaker->IsSelected() && breaker->Matches(line.m_bus1, line.m_bus2)) return;
        dialogs.EditLine(line);
        Edited();
    });
    eachHit(doc.CapacitanceArray(), point, [&](CCapacitance& e) {
        dialogs.EditCapacitance(e);
        Edited();
    });
    eachHit(doc.BreakerArray(), point, [&](CCircuitBreaker& e) {
        e.Toggle();
        Edited();
    });
    if (mode == Mode::StateEstimation) {
        eachHit(doc.PowerFlowArray(), point, [&](CPowerFlow& e) {
            dialogs.EditPowerFlowMeter(e);
            Edited();
        });
        eachHit(doc.CurrentArray(), point, [&](CCurrent& e) {
            dialogs.EditCurrentMeter(e);
            Edited();
        });
        eachHit(doc.PowerInjectionArray(), point, [&](CPowerInjection& e) {
            dialogs.EditPowerInjectionMeter(e);
            Edited();
        });
        eachHit(doc.VoltageArray(), point, [&](CVoltage& e) {
            dialogs.EditVoltageMeter(e);
            Edited();
        });
    }
    if (mode == Mode::ShortCircuit) {
        eachHit(doc.ShortArray(), point, [&](CShort& e) {
            dialogs.EditShort(e);
            Edited();
        });
        eachHit(doc.ZgroundArray(), point, [&](CZground& e) {
            dialogs.EditZground(e);
            Edited();
        });
    }
    if (mode == Mode::TransientStability || mode == Mode::OptimalPowerFlow) {
        eachHit(doc.GeneratorArray(), point, [&](CGenerator& e) {
            if (mode == Mode::TransientStability)
                dialogs.EditGeneratorDynamics(e);
            else
                dialogs.EditGeneratorCost(e);
            Edited();
        });
    }
}
