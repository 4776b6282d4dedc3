#pragma once

class CBus;
class CLine;
class CCapacitance;
class CPowerFlow;
class CCurrent;
class CPowerInjection;
class CVoltage;
class CShort;
class CZground;
class CGenerator;

// The element dialogs as the diagram editor needs them: each shows the element's values,
// and copies the edited values back only when the user confirms. The desktop layer opens
// real dialogs; tests script the answers.
class CElementDialogs {
public:
    virtual ~CElementDialogs() = default;

    // The power flow data in the Power Flow and Optimal Power Flow modes, with a warning
    // for every other slack bus; otherwise number, name, area and size, after which the
    // branches at the bus take their areas again and the bus is deselected.
    virtual void EditBus(CBus& bus) = 0;
    virtual void EditLine(CLine& line) = 0;
    virtual void EditCapacitance(CCapacitance& capacitance) = 0;
    virtual void EditPowerFlowMeter(CPowerFlow& meter) = 0;
    virtual void EditCurrentMeter(CCurrent& meter) = 0;
    virtual void EditPowerInjectionMeter(CPowerInjection& meter) = 0;
    virtual void EditVoltageMeter(CVoltage& meter) = 0;
    virtual void EditShort(CShort& fault) = 0;
    virtual void EditZground(CZground& impedance) = 0;
    virtual void EditGeneratorDynamics(CGenerator& generator) = 0;
    virtual void EditGeneratorCost(CGenerator& generator) = 0;
};
