#include "dialogs/DialogBusPowerFlow.h"

#include "model/Bus.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CDialogBusPowerFlow::CDialogBusPowerFlow(const CBus& bus, QWidget* parent)
    : CElementDialog(QStringLiteral("Bus Data"), parent), m_type(bus.m_type) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    auto* identity = new QGridLayout;
    AddNumberRow(identity, 0, QStringLiteral("&Bus Number:"), kNumber, Kind::Integer, bus.m_number);
    AddTextRow(identity, 1, QStringLiteral("Bus &Name:"), kName,
               QString::fromStdString(bus.m_name));
    left->addLayout(identity);
    QGridLayout* typeGrid = nullptr;
    left->addWidget(Group(QStringLiteral("Bus Type"), typeGrid));
    auto* types = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
        int type;
    } buttons[] = {{kSlack, "&Slack", CBus::kSlack},
                   {kPV, "P&V", CBus::kGenerator},
                   {kPQ, "P&Q", CBus::kLoad}};
    int row = 0;
    for (const auto& b : buttons) {
        QRadioButton* radio = AddRadio(b.id, QString::fromLatin1(b.text));
        radio->setChecked(bus.m_type == b.type);
        types->addButton(radio);
        typeGrid->addWidget(radio, row++, 0);
        const int type = b.type;
        connect(radio, &QRadioButton::clicked, this, [this, type] { ChooseType(type); });
    }
    left->addStretch();

    QGridLayout* data = nullptr;
    columns->addWidget(Group(QStringLiteral("Bus Data"), data));
    const QString pu = QStringLiteral("(p.u.)"), mw = QStringLiteral("(MW)"),
                  mvar = QStringLiteral("(MVAr)");
    AddNumberRow(data, 0, QStringLiteral("Bus &Voltage:"), kVoltage, Kind::Real, bus.m_voltage,
                 "%f", pu);
    AddNumberRow(data, 1, QStringLiteral("Bus &Phase Angle:"), kAngle, Kind::Real, bus.m_angle,
                 "%.2f", QStringLiteral("(degrees)"));
    AddNumberRow(data, 2, QStringLiteral("Real &Generation:"), kGenP, Kind::Real, bus.m_genP, "%f",
                 mw);
    AddNumberRow(data, 3, QStringLiteral("Reactive G&eneration:"), kGenQ, Kind::Real, bus.m_genQ,
                 "%f", mvar);
    AddNumberRow(data, 4, QStringLiteral("Real &Load:"), kLoadP, Kind::Real, bus.m_loadP, "%f", mw);
    AddNumberRow(data, 5, QStringLiteral("Reactive L&oad:"), kLoadQ, Kind::Real, bus.m_loadQ, "%f",
                 mvar);
    AddNumberRow(data, 6, QStringLiteral("Mvar MAX:"), kQMax, Kind::Real, bus.m_qMax, "%f", mvar);
    AddNumberRow(data, 7, QStringLiteral("Mvar MIN:"), kQMin, Kind::Real, bus.m_qMin, "%f", mvar);
    AddOkCancel(layout);

    // On opening the generation of a slack bus, and the reactive generation of a PV
    // bus, are shown but fixed; limits only apply to a PV bus.
    CDialogFields& f = Fields();
    f.SetDisplay(kAngle);
    if (m_type == CBus::kSlack) {
        f.SetDisplay(kGenP);
        f.SetDisplay(kGenQ);
    } else if (m_type == CBus::kGenerator) {
        f.SetDisplay(kGenQ);
    }
    if (m_type != CBus::kGenerator) {
        f.SetActive(kQMax, false);
        f.SetActive(kQMin, false);
    }
}

void CDialogBusPowerFlow::ChooseType(int type) {
    m_type = type;
    CDialogFields& f = Fields();
    f.SetActive(kGenP, type != CBus::kSlack);
    f.SetActive(kGenQ, type == CBus::kLoad);
    f.SetActive(kQMax, type == CBus::kGenerator);
    f.SetActive(kQMin, type == CBus::kGenerator);
    if (QRadioButton* radio = Control<QRadioButton>(type == CBus::kSlack       ? kSlack
                                                    : type == CBus::kGenerator ? kPV
                                                                               : kPQ))
        radio->setChecked(true);
}

void CDialogBusPowerFlow::StoreInto(CBus& bus) const {
    const CDialogFields& f = Fields();
    bus.m_name = f.Text(kName).toStdString();
    bus.m_number = f.IntValue(kNumber);
    bus.m_voltage = f.Value(kVoltage);
    bus.m_angle = f.Value(kAngle);
    bus.m_genP = f.Value(kGenP);
    bus.m_genQ = f.Value(kGenQ);
    bus.m_loadP = f.Value(kLoadP);
    bus.m_loadQ = f.Value(kLoadQ);
    bus.m_type = m_type;
    bus.m_qMax = f.Value(kQMax);
    bus.m_qMin = f.Value(kQMin);
}
