#pragma once

#include "dialogs/ElementDialog.h"

class CBus;

// "Bus Data" for drawing: number, name, area and the size of the bar. The spinners step
// the size by 20 within the range of the bar's orientation; a typed size is taken as it
// is. On OK the bar is resized about its centre.
class CDialogBusEdit : public CElementDialog {
public:
    enum Id {
        kNumber = 1000,
        kName = 1001,
        kHeight = 1002,
        kHeightSpin = 1003,
        kWidth = 1004,
        kWidthSpin = 1005,
        kArea = 1006
    };
    static constexpr int kSpinStep = 20;
    // Across the bar 10..50, along it 30..210.
    static constexpr int kThinMin = 10, kThinMax = 50, kLongMin = 30, kLongMax = 210;

    CDialogBusEdit(const CBus& bus, QWidget* parent = nullptr);

    // One spinner click: +1 up, -1 down. A step that would leave the range is refused.
    void Step(int spinId, int direction);
    // Name, number, area and the new size (the orientation stays).
    void StoreInto(CBus& bus) const;

private:
    bool m_horizontal;
};
