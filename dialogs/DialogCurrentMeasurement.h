#pragma once

#include "dialogs/ElementDialog.h"

class CCurrent;

// "Current Measurement Data": the current magnitude of a branch meter, its standard
// deviation and its direction. With the power flow results in use, a change of
// direction also takes the current of the new direction from the branch result file.
class CDialogCurrentMeasurement : public CElementDialog {
public:
    enum Id { kBus1 = 1013, kBus2 = 1014, kCurrent = 1029, kSd = 1030, kChangeDirection = 1035 };

    CDialogCurrentMeasurement(const CCurrent& meter, bool usePowerFlowResults,
                              QWidget* parent = nullptr);

    // Swaps the from and to buses; then, with the power flow results in use, the first
    // branch result row of the new direction gives the current.
    void ChangeDirection();
    void StoreInto(CCurrent& meter) const;

private:
    bool m_usePowerFlowResults;
};
