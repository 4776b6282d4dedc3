#include "exchange/editing/DoubleClickCommand.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/ElementDialogs.h"
#include "model/SkemtorDoc.h"

#include <string>

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

void CDoubleClickCommand::EditBus(int index) {
    CSkemtorDoc& doc = m_editor.Doc();
    CBus& bus = *doc.GetBus(index);
    const Mode mode = m_editor.App().m_mode;
    if (mode == Mode::PowerFlow || mode == Mode::OptimalPowerFlow) {
        m_editor.Dialogs().EditBusPowerFlowData(bus);
        if (bus.m_type == CBus::kSlack) {
            for (int i = 0; i < doc.GetBusCount(); ++i) {
                const CBus& other = *doc.GetBus(i);
                if (i == index || other.m_type != CBus::kSlack) continue;
                m_editor.Ui().ShowMessage("Warning: More Than One Slack Bus",
                                          "Bus " + std::to_string(other.m_number) +
                                              " is already a slack bus.  There is now more "
                                              "than one slack bus.",
                                          CUserInterface::Icon::Exclamation);
            }
        }
    } else {
        m_editor.Dialogs().EditBusLayout(bus);
        for (const auto& line : doc.LineArray())
            if (line->m_bus1 == bus.m_number || line->m_bus2 == bus.m_number)
                UpdateArea(doc, *line);
        bus.SetSelected(0);
    }
    Edited();
}

void CDoubleClickCommand::Run(CPointL point) {
    CSkemtorDoc& doc = m_editor.Doc();
    CElementDialogs& dialogs = m_editor.Dialogs();
    const Mode mode = m_editor.App().m_mode;

    for (int i = 0; i < doc.GetBusCount(); ++i)
        if (doc.GetBus(i)->HitTest(point.x, point.y)) EditBus(i);

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
