#include "dialogs/DialogPowerFlowMeasurement.h"

#include "model/PowerFlow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CDialogPowerFlowMeasurement::CDialogPowerFlowMeasurement(const CPowerFlow& meter, QWidget* parent)
    : CElementDialog(QStringLiteral("Power Flow"), parent), m_pEnabled(meter.m_pEnabled),
      m_qEnabled(meter.m_qEnabled) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* parts = nullptr;
    layout->addWidget(Group(QStringLiteral("Power Flow Measurements"), parts));
    AddMeterPart(parts, 0, kRealEnabled, QStringLiteral("&Real:"), m_pEnabled, kReal, meter.m_p,
                 QStringLiteral("&S.D.:"), kRealSd, meter.m_pSd);
    AddMeterPart(parts, 1, kReactiveEnabled, QStringLiteral("Rea&ctive:"), m_qEnabled, kReactive,
                 meter.m_q, QStringLiteral("S.&D.:"), kReactiveSd, meter.m_qSd);

    QGridLayout* ends = nullptr;
    layout->addWidget(Group(QStringLiteral("Connecting Buses"), ends));
    AddNumberRow(ends, 0, QStringLiteral("&From Bus:"), kBus1, CDialogFields::Kind::Integer,
                 meter.m_bus1);
    AddNumberRow(ends, 1, QStringLiteral("&To Bus:"), kBus2, CDialogFields::Kind::Integer,
                 meter.m_bus2);
    QPushButton* swap = AddButton(kChangeDirection, QStringLiteral("Change &Direction"));
    ends->addWidget(swap, 0, 2, 2, 1);
    connect(swap, &QPushButton::clicked, this, &CDialogPowerFlowMeasurement::ChangeDirection);
    Fields().SetDisplay(kBus1);
    Fields().SetDisplay(kBus2);
    AddOkCancel(layout);
}

void CDialogPowerFlowMeasurement::ChangeDirection() {
    const int from = Fields().IntValue(kBus1);
    Fields().SetValue(kBus1, Fields().IntValue(kBus2));
    Fields().SetValue(kBus2, from);
}

void CDialogPowerFlowMeasurement::StoreInto(CPowerFlow& meter) const {
    const CDialogFields& f = Fields();
    meter.m_p = f.Value(kReal);
    meter.m_pSd = f.Value(kRealSd);
    meter.m_q = f.Value(kReactive);
    meter.m_qSd = f.Value(kReactiveSd);
    meter.m_pEnabled = m_pEnabled;
    meter.m_qEnabled = m_qEnabled;
    meter.m_bus1 = f.IntValue(kBus1);
    meter.m_bus2 = f.IntValue(kBus2);
}
