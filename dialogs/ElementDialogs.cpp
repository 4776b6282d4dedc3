#include "dialogs/ElementDialogs.h"

#include "dialogs/DialogBusEdit.h"
#include "dialogs/DialogBusPowerFlow.h"
#include "dialogs/DialogCapacitance.h"
#include "dialogs/DialogCurrentMeasurement.h"
#include "dialogs/DialogGeneratorCost.h"
#include "dialogs/DialogGeneratorTS.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/DialogLineData.h"
#include "dialogs/DialogPowerFlowMeasurement.h"
#include "dialogs/DialogPowerInjection.h"
#include "dialogs/DialogShortCircuit.h"
#include "dialogs/DialogVoltageMeasurement.h"
#include "dialogs/DialogZground.h"
#include "exchange/editing/DoubleClickCommand.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

namespace {

// Runs the dialog on a copy of the element's values; OK stores them back.
template <class Dialog, class Element>
bool Edit(Dialog& dialog, Element& element, CSkemtorDoc& doc) {
    const bool ok = CDialogHooks::Run(dialog) == QDialog::Accepted;
    if (ok) dialog.StoreInto(element);
    doc.SetModifiedFlag(true);
    return ok;
}

bool InPowerFlowMode(const CSkemtorApp& app) {
    return app.m_mode == CSkemtorApp::Mode::PowerFlow ||
           app.m_mode == CSkemtorApp::Mode::OptimalPowerFlow;
}

void WarnOtherSlackBuses(QWidget* parent, const CBus& bus, const CSkemtorDoc& doc) {
    if (bus.m_type != CBus::kSlack) return;
    for (const auto& other : doc.BusArray())
        if (other.get() != &bus && other->m_type == CBus::kSlack)
            CDialogHooks::ShowMessage(parent, QStringLiteral("Warning: More Than One Slack Bus"),
                                      QStringLiteral("Bus %1 is already a slack bus.  There is "
                                                     "now more than one slack bus.")
                                          .arg(other->m_number),
                                      QMessageBox::Warning);
}

} // namespace

bool EditBus(QWidget* parent, CBus& bus, CSkemtorApp& app, CSkemtorDoc& doc) {
    if (InPowerFlowMode(app)) {
        CDialogBusPowerFlow dialog(bus, parent);
        const bool ok = Edit(dialog, bus, doc);
        WarnOtherSlackBuses(parent, bus, doc);
        return ok;
    }
    CDialogBusEdit dialog(bus, parent);
    const bool ok = Edit(dialog, bus, doc);
    // A bus's number or area may have changed: the branches ending at it take the areas
    // of their end buses again.
    for (const auto& line : doc.LineArray())
        if (line->m_bus1 == bus.m_number || line->m_bus2 == bus.m_number)
            CDoubleClickCommand::UpdateArea(doc, *line);
    bus.SetSelected(0);
    return ok;
}

bool EditLine(QWidget* parent, CLine& line, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogLineData dialog(line, parent);
    return Edit(dialog, line, doc);
}

bool EditCapacitance(QWidget* parent, CCapacitance& shunt, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogCapacitance dialog(shunt, parent);
    return Edit(dialog, shunt, doc);
}

bool EditPowerFlow(QWidget* parent, CPowerFlow& meter, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogPowerFlowMeasurement dialog(meter, parent);
    return Edit(dialog, meter, doc);
}

bool EditCurrent(QWidget* parent, CCurrent& meter, CSkemtorApp& app, CSkemtorDoc& doc) {
    CDialogCurrentMeasurement dialog(meter, app.m_usePowerFlowResults, parent);
    return Edit(dialog, meter, doc);
}

bool EditPowerInjection(QWidget* parent, CPowerInjection& meter, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogPowerInjection dialog(meter, parent);
    return Edit(dialog, meter, doc);
}

bool EditVoltage(QWidget* parent, CVoltage& meter, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogVoltageMeasurement dialog(meter, parent);
    return Edit(dialog, meter, doc);
}

bool EditShort(QWidget* parent, CShort& fault, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogShortCircuit dialog(fault, parent);
    return Edit(dialog, fault, doc);
}

bool EditZground(QWidget* parent, CZground& impedance, CSkemtorApp&, CSkemtorDoc& doc) {
    CDialogZground dialog(impedance, parent);
    return Edit(dialog, impedance, doc);
}

bool EditGenerator(QWidget* parent, CGenerator& generator, CSkemtorApp& app, CSkemtorDoc& doc) {
    if (app.m_mode == CSkemtorApp::Mode::TransientStability) {
        CDialogGeneratorTS dialog(generator, parent);
        return Edit(dialog, generator, doc);
    }
    if (app.m_mode == CSkemtorApp::Mode::OptimalPowerFlow) {
        CDialogGeneratorCost dialog(generator, parent);
        return Edit(dialog, generator, doc);
    }
    return false;
}
