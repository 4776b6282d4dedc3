#pragma once

#include "dialogs/ElementDialog.h"

class CPowerFlow;

// "Power Flow": the real and reactive parts of a branch flow meter, each with its
// standard deviation and switch, and the direction of measurement (from bus, to bus).
class CDialogPowerFlowMeasurement : public CElementDialog {
public:
    enum Id {
        kBus1 = 1013,
        kBus2 = 1014,
        kRealEnabled = 1015,
        kReactiveEnabled = 1016,
        kReal = 1017,
        kReactive = 1018,
        kRealSd = 1019,
        kReactiveSd = 1020,
        kChangeDirection = 1035
    };

    CDialogPowerFlowMeasurement(const CPowerFlow& meter, QWidget* parent = nullptr);

    // Swaps the from and to buses.
    void ChangeDirection();
    void StoreInto(CPowerFlow& meter) const;

private:
    int m_pEnabled;
    int m_qEnabled;
};
