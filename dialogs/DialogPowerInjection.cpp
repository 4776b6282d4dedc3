#include "dialogs/DialogPowerInjection.h"

#include "model/PowerInjection.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

CDialogPowerInjection::CDialogPowerInjection(const CPowerInjection& meter, QWidget* parent)
    : CElementDialog(QStringLiteral("Power Injection Data"), parent), m_pEnabled(meter.m_pEnabled),
      m_qEnabled(meter.m_qEnabled) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* parts = nullptr;
    layout->addWidget(Group(QStringLiteral("Power Injection Measurements"), parts));
    AddMeterPart(parts, 0, kRealEnabled, QStringLiteral("&Real:"), m_pEnabled, kReal, meter.m_p,
                 QStringLiteral("&S.D.:"), kRealSd, meter.m_pSd);
    AddMeterPart(parts, 1, kReactiveEnabled, QStringLiteral("Rea&ctive:"), m_qEnabled, kReactive,
                 meter.m_q, QStringLiteral("S.&D.:"), kReactiveSd, meter.m_qSd);
    QGridLayout* measured = nullptr;
    layout->addWidget(Group(QStringLiteral("Measured Bus"), measured));
    AddNumberRow(measured, 0, QStringLiteral("&Bus:"), kBus, CDialogFields::Kind::Integer,
                 meter.m_bus);
    Fields().SetDisplay(kBus);
    AddOkCancel(layout);
}

void CDialogPowerInjection::StoreInto(CPowerInjection& meter) const {
    const CDialogFields& f = Fields();
    meter.m_p = f.Value(kReal);
    meter.m_pSd = f.Value(kRealSd);
    meter.m_q = f.Value(kReactive);
    meter.m_qSd = f.Value(kReactiveSd);
    meter.m_pEnabled = m_pEnabled;
    meter.m_qEnabled = m_qEnabled;
}
