#pragma once

#include "dialogs/ElementDialog.h"

class CVoltage;

// "Voltage Data": the measured voltage magnitude and its standard deviation; the bus is
// shown.
class CDialogVoltageMeasurement : public CElementDialog {
public:
    enum Id { kBus = 1031, kVoltage = 1033, kSd = 1034 };

    CDialogVoltageMeasurement(const CVoltage& meter, QWidget* parent = nullptr);

    void StoreInto(CVoltage& meter) const;
};
