#include "exchange/editing/DeleteCommand.h"

#include "exchange/UserInterface.h"
#include "exchange/editing/DiagramEditor.h"
#include "model/SkemtorDoc.h"

namespace {

template <class Array> int firstSelected(const Array& array) {
    for (int i = 0; i < array.Count(); ++i)
        if (array.Get(i)->IsSelected()) return i;
    return -1;
}

template <class Array> bool anyOnBus(const Array& array, int bus) {
    for (int i = 0; i < array.Count(); ++i)
        if (array.Get(i)->GetBus() == bus) return true;
    return false;
}

template <class Array> bool anyOnBranch(const Array& array, int busA, int busB) {
    for (int i = 0; i < array.Count(); ++i) {
        const auto* element = array.Get(i);
        const int b1 = element->GetBus(1);
        const int b2 = element->GetBus(2);
        if ((b1 == busA && b2 == busB) || (b1 == busB && b2 == busA)) return true;
    }
    return false;
}

} // namespace

template <class Array, class Remove>
bool CDeleteCommand::DeleteSelected(const Array& array, Remove remove) {
    const int index = firstSelected(array);
    if (index < 0) return false;
    remove(index);
    m_deleted = true;
    return true;
}

void CDeleteCommand::Refuse(const char* text, const char* title) {
    m_editor.Ui().ShowMessage(title, text, CUserInterface::Icon::Exclamation);
}

bool CDeleteCommand::DeleteBus() {
    CSkemtorDoc& doc = m_editor.Doc();
    const int index = firstSelected(doc.BusArray());
    if (index < 0) return false;
    const CBus& bus = *doc.GetBus(index);
    const int number = bus.m_number;
    if (anyOnBus(doc.CapacitanceArray(), number)) {
        Refuse("There is a capacitance connected to this bus.  This bus cannot be deleted.",
               "Warning: Connected Capacitance");
    } else if (anyOnBus(doc.ShortArray(), number)) {
        Refuse("There is a Short circuit connected to this bus.  This bus cannot be deleted.",
               "Warning: Connected Short circuit");
    } else if (anyOnBus(doc.ZgroundArray(), number)) {
        Refuse("There is an Impedance to ground connected to this bus.  This bus cannot be "
               "deleted.",
               "Warning: Connected Z ground circuit");
    } else if (anyOnBus(doc.PowerInjectionArray(), number) ||
               anyOnBus(doc.VoltageArray(), number)) {
        Refuse("There are measurements connected to this bus.  This bus cannot be deleted.",
               "Warning: Connected Measurements");
    } else if ([&] {
                   for (const auto& line : doc.LineArray())
                       if (line->m_bus1 == number || line->m_bus2 == number) return true;
                   return false;
               }()) {
        Refuse("There are branches connected to this bus.  This bus cannot be deleted.",
               "Warning: Connected Branches");
    } else if (bus.m_type != CBus::kSlack ||
               m_editor.Ui().AskYesNo("Warning: Deleting Slack Bus",
                                      "You are deleting a slack bus.  Do you wish to continue?")) {
        doc.RemoveBus(index);
        m_deleted = true;
    }
    return true;
}

bool CDeleteCommand::DeleteLine() {
    CSkemtorDoc& doc = m_editor.Doc();
    const int index = firstSelected(doc.LineArray());
    if (index < 0) return false;
    const CLine& line = *doc.GetLine(index);
    if (anyOnBranch(doc.PowerFlowArray(), line.m_bus1, line.m_bus2) ||
        anyOnBranch(doc.CurrentArray(), line.m_bus1, line.m_bus2) ||
        anyOnBranch(doc.BreakerArray(), line.m_bus1, line.m_bus2)) {
        Refuse("There are measurements connected to this branch.  This branch cannot be deleted.",
               "Warning: Connected Measurements");
    } else {
        doc.RemoveLine(index);
        m_deleted = true;
    }
    return true;
}

void CDeleteCommand::Run() {
    CSkemtorDoc& doc = m_editor.Doc();
    DeleteSelected(doc.CapacitanceArray(), [&](int i) { doc.RemoveCapacitance(i); }) ||
        DeleteSelected(doc.ShortArray(), [&](int i) { doc.RemoveShort(i); }) ||
        DeleteSelected(doc.ZgroundArray(), [&](int i) { doc.RemoveZground(i); }) ||
        DeleteSelected(doc.BreakerArray(), [&](int i) { doc.RemoveBreaker(i); }) ||
        DeleteSelected(doc.GeneratorArray(), [&](int i) { doc.RemoveGenerator(i); }) ||
        DeleteSelected(doc.PowerFlowArray(), [&](int i) { doc.RemovePowerFlow(i); }) ||
        DeleteSelected(doc.CurrentArray(), [&](int i) { doc.RemoveCurrent(i); }) ||
        DeleteSelected(doc.PowerInjectionArray(), [&](int i) { doc.RemovePowerInjection(i); }) ||
        DeleteSelected(doc.VoltageArray(), [&](int i) { doc.RemoveVoltage(i); }) || DeleteBus() ||
        DeleteLine();
    if (m_deleted) m_editor.App().m_statusText.clear();
    m_editor.Ui().RedrawAllViews();
}
