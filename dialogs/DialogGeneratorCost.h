#pragma once

#include "dialogs/ElementDialog.h"

class CGenerator;

// "Generator Data" for the optimal power flow: the four break points of the real-power
// cost curve and their costs, and the reactive curve, which is shown but not edited.
class CDialogGeneratorCost : public CElementDialog {
public:
    enum Id {
        kBus = 1120,
        kP1 = 1125,     // P1..P4: 1125..1128
        kCostP1 = 1129, // 1129..1132
        kQ1 = 1133,     // Q1..Q4: 1133..1136
        kCostQ1 = 1137  // 1137..1140
    };

    CDialogGeneratorCost(const CGenerator& generator, QWidget* parent = nullptr);

    void StoreInto(CGenerator& generator) const;
};
