#include "dialogs/DialogCapacitance.h"

#include "model/Capacitance.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

CDialogCapacitance::CDialogCapacitance(const CCapacitance& shunt, QWidget* parent)
    : CElementDialog(QStringLiteral("Capacitance Measurement Data"), parent) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    layout->addWidget(Group(QStringLiteral("Capacitance Data"), grid));
    AddNumberRow(grid, 0, QStringLiteral("&Suceptance: "), kSusceptance, Kind::Real,
                 shunt.m_susceptance, "%f");
    AddNumberRow(grid, 1, QStringLiteral("&Bus: "), kBus, Kind::Integer, shunt.m_bus);
    Fields().SetDisplay(kBus);
    AddOkCancel(layout);
}

void CDialogCapacitance::StoreInto(CCapacitance& shunt) const {
    shunt.m_susceptance = Fields().Value(kSusceptance);
}
