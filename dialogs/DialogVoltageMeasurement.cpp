#include "dialogs/DialogVoltageMeasurement.h"

#include "model/Voltage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

CDialogVoltageMeasurement::CDialogVoltageMeasurement(const CVoltage& meter, QWidget* parent)
    : CElementDialog(QStringLiteral("Voltage Data"), parent) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    layout->addWidget(Group(QStringLiteral("Voltage Measurement"), grid));
    AddNumberRow(grid, 0, QStringLiteral("&Voltage:"), kVoltage, Kind::Real, meter.m_value, "%f");
    AddNumberRow(grid, 1, QStringLiteral("&S.D.:"), kSd, Kind::Deviation, meter.m_sd, "%g");
    AddNumberRow(grid, 2, QStringLiteral("&Bus:"), kBus, Kind::Integer, meter.m_bus);
    Fields().SetDisplay(kBus);
    AddOkCancel(layout);
}

void CDialogVoltageMeasurement::StoreInto(CVoltage& meter) const {
    meter.m_value = Fields().Value(kVoltage);
    meter.m_sd = Fields().Value(kSd);
}
