#pragma once

#include "dialogs/ElementDialog.h"

class CZground;

// "Sequence Impedance to Ground": the positive and zero sequence resistance and
// reactance from a bus to ground, each pair with its switch; the bus is shown.
class CDialogZground : public CElementDialog {
public:
    enum Id {
        kZeroEnabled = 1016,
        kBus = 1031,
        kR1 = 1075,
        kX1 = 1076,
        kR0 = 1077,
        kX0 = 1078,
        kPosEnabled = 1079
    };

    CDialogZground(const CZground& impedance, QWidget* parent = nullptr);

    void StoreInto(CZground& impedance) const;

private:
    int m_posEnabled;
    int m_zeroEnabled;
};
