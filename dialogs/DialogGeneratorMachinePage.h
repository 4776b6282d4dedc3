#pragma once

#include "dialogs/DialogFields.h"

#include <QWidget>

class CGenerator;

// Page "Generator Data" of the transient stability sheet: the machine constants and the
// model. H and X'd always apply; the other six only to the two-axis model, so with the
// classical model they are shown but fixed.
class CDialogGeneratorMachinePage : public QWidget {
public:
    enum Id {
        kH = 1110,
        kDamping = 1111,
        kTdoPrime = 1112,
        kTqoPrime = 1113,
        kXd = 1114,
        kXdPrime = 1115,
        kXq = 1116,
        kXqPrime = 1117,
        kTwoAxis = 1118,
        kClassical = 1119,
        kBus = 1120
    };
    // The fields that only the two-axis model uses.
    static constexpr int kTwoAxisFields[] = {kDamping, kTdoPrime, kTqoPrime, kXd, kXq, kXqPrime};

    CDialogGeneratorMachinePage(const CGenerator& generator, QWidget* parent = nullptr);

    CDialogFields& Fields() { return m_fields; }
    const CDialogFields& Fields() const { return m_fields; }
    template <class T> T* Control(int id) const { return findChild<T*>(QString::number(id)); }
    int Model() const { return m_model; }
    // The model buttons: 1 classical, 2 two-axis.
    void ChooseModel(int model);

private:
    CDialogFields m_fields;
    int m_model;
};
