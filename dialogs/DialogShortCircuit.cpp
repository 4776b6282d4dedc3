#include "dialogs/DialogShortCircuit.h"

#include "model/Short.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CDialogShortCircuit::CDialogShortCircuit(const CShort& fault, QWidget* parent)
    : CElementDialog(QStringLiteral("Short Circuit"), parent), m_faultType(fault.m_faultType) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    layout->addWidget(Group(QStringLiteral("Fault Type"), grid));
    auto* group = new QButtonGroup(this);
    QRadioButton* three = AddRadio(kThreePhase, QStringLiteral("&3ph (default)"));
    QRadioButton* one = AddRadio(kSinglePhase, QStringLiteral("&1ph"));
    group->addButton(three);
    group->addButton(one);
    grid->addWidget(three, 0, 0);
    grid->addWidget(one, 1, 0);
    three->setChecked(m_faultType == CShort::kThreePhase);
    one->setChecked(m_faultType == CShort::kSinglePhase);
    connect(three, &QRadioButton::clicked, this, [this] { ChooseFaultType(CShort::kThreePhase); });
    connect(one, &QRadioButton::clicked, this, [this] { ChooseFaultType(CShort::kSinglePhase); });
    auto* busGrid = new QGridLayout;
    AddNumberRow(busGrid, 0, QStringLiteral("&Bus: "), kBus, CDialogFields::Kind::Integer,
                 fault.m_bus);
    Fields().SetDisplay(kBus);
    layout->addLayout(busGrid);
    AddOkCancel(layout);
}

void CDialogShortCircuit::ChooseFaultType(int type) {
    m_faultType = type;
}

void CDialogShortCircuit::StoreInto(CShort& fault) const {
    // A fault type of 0 (nothing chosen on an element without one) becomes three-phase.
    fault.SetFaultType(m_faultType);
}
