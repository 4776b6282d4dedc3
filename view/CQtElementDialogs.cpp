#include "view/CQtElementDialogs.h"

#include "dialogs/ElementDialogs.h"

// The dialog entries choose the generator's sheet by mode, so both generator requests
// land on the same entry.
void CQtElementDialogs::EditBus(CBus& bus) {
    ::EditBus(m_parent, bus, m_app, m_doc);
}
void CQtElementDialogs::EditLine(CLine& line) {
    ::EditLine(m_parent, line, m_app, m_doc);
}
void CQtElementDialogs::EditCapacitance(CCapacitance& capacitance) {
    ::EditCapacitance(m_parent, capacitance, m_app, m_doc);
}
void CQtElementDialogs::EditPowerFlowMeter(CPowerFlow& meter) {
    ::EditPowerFlow(m_parent, meter, m_app, m_doc);
}
void CQtElementDialogs::EditCurrentMeter(CCurrent& meter) {
    ::EditCurrent(m_parent, meter, m_app, m_doc);
}
void CQtElementDialogs::EditPowerInjectionMeter(CPowerInjection& meter) {
    ::EditPowerInjection(m_parent, meter, m_app, m_doc);
}
void CQtElementDialogs::EditVoltageMeter(CVoltage& meter) {
    ::EditVoltage(m_parent, meter, m_app, m_doc);
}
void CQtElementDialogs::EditShort(CShort& fault) {
    ::EditShort(m_parent, fault, m_app, m_doc);
}
void CQtElementDialogs::EditZground(CZground& impedance) {
    ::EditZground(m_parent, impedance, m_app, m_doc);
}
void CQtElementDialogs::EditGeneratorDynamics(CGenerator& generator) {
    ::EditGenerator(m_parent, generator, m_app, m_doc);
}
void CQtElementDialogs::EditGeneratorCost(CGenerator& generator) {
    ::EditGenerator(m_parent, generator, m_app, m_doc);
}
