#pragma once

#include "dialogs/ElementDialog.h"

class CPowerInjection;

// "Power Injection Data": the real and reactive parts of a bus injection meter, each
// with its standard deviation and switch; the measured bus is shown.
class CDialogPowerInjection : public CElementDialog {
public:
    enum Id {
        kRealEnabled = 1015,
        kReactiveEnabled = 1016,
        kReal = 1017,
        kReactive = 1018,
        kRealSd = 1019,
        kReactiveSd = 1020,
        kBus = 1031
    };

    CDialogPowerInjection(const CPowerInjection& meter, QWidget* parent = nullptr);

    void StoreInto(CPowerInjection& meter) const;

private:
    int m_pEnabled;
    int m_qEnabled;
};
