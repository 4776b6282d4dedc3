#pragma once

#include "dialogs/ElementDialog.h"

class CBus;

// "Bus Data" for the power flow: number, name, type, voltage, angle, generation, load
// and reactive limits. The type decides which of generation and limits can be edited:
// a slack bus fixes none of them, a PV bus its real generation and the limits, a PQ bus
// its generation.
class CDialogBusPowerFlow : public CElementDialog {
public:
    enum Id {
        kNumber = 1000,
        kName = 1001,
        kGenP = 1018,
        kAngle = 1019,
        kLoadP = 1021,
        kLoadQ = 1022,
        kQMax = 1023,
        kQMin = 1024,
        kVoltage = 1033,
        kSlack = 1038,
        kPV = 1039,
        kPQ = 1040,
        kGenQ = 1041
    };

    CDialogBusPowerFlow(const CBus& bus, QWidget* parent = nullptr);

    int Type() const { return m_type; }
    // A click on a type button: sets the type and enables or disables the fields.
    void ChooseType(int type);
    void StoreInto(CBus& bus) const;

private:
    int m_type;
};
