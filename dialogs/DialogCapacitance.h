#pragma once

#include "dialogs/ElementDialog.h"

class CCapacitance;

// "Capacitance Measurement Data": the shunt susceptance at a bus (the bus is shown).
class CDialogCapacitance : public CElementDialog {
public:
    enum Id { kBus = 1031, kSusceptance = 1036 };

    CDialogCapacitance(const CCapacitance& shunt, QWidget* parent = nullptr);

    void StoreInto(CCapacitance& shunt) const;
};
