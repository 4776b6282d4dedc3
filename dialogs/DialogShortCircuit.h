#pragma once

#include "dialogs/ElementDialog.h"

class CShort;

// "Short Circuit": the fault type of a faulted bus, three-phase or single-phase.
class CDialogShortCircuit : public CElementDialog {
public:
    enum Id { kSinglePhase = 1042, kBus = 1031, kThreePhase = 1078 };

    CDialogShortCircuit(const CShort& fault, QWidget* parent = nullptr);

    // The chosen fault type: 3 or 1, or the element's own when no button was chosen.
    int FaultType() const { return m_faultType; }
    void ChooseFaultType(int type);
    void StoreInto(CShort& fault) const;

private:
    int m_faultType;
};
