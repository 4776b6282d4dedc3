#pragma once

#include "dialogs/DialogFields.h"

#include <QWidget>

class CGenerator;

// Page "Excitation Data" of the transient stability sheet: the twelve constants of the
// DC1 exciter. Always editable; the sheet takes them back only for the two-axis model.
class CDialogGeneratorExciterPage : public QWidget {
public:
    enum Id {
        kBus = 1120,
        kKa = 1135,
        kTa = 1136,
        kVrMax = 1137,
        kKe = 1138,
        kTe = 1139,
        kSe1 = 1140,
        kEfd1 = 1141,
        kSe2 = 1142,
        kVrMin = 1143,
        kEfd2 = 1144,
        kKf = 1145,
        kTf = 1146
    };

    CDialogGeneratorExciterPage(const CGenerator& generator, QWidget* parent = nullptr);

    CDialogFields& Fields() { return m_fields; }
    const CDialogFields& Fields() const { return m_fields; }
    void StoreInto(CGenerator& generator) const;

private:
    CDialogFields m_fields;
};
