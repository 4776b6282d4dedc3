#include "dialogs/DialogBusEdit.h"

#include "dialogs/SpinButtons.h"
#include "model/Bus.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CDialogBusEdit::CDialogBusEdit(const CBus& bus, QWidget* parent)
    : CElementDialog(QStringLiteral("Bus Data"), parent), m_horizontal(bus.m_horizontal != 0) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    AddNumberRow(top, 0, QStringLiteral("&Bus Number:"), kNumber, Kind::Integer, bus.m_number);
    AddTextRow(top, 1, QStringLiteral("Bus &Name:"), kName, QString::fromStdString(bus.m_name));
    layout->addLayout(top);

    QGridLayout* size = nullptr;
    layout->addWidget(Group(QStringLiteral("Bus Size"), size));
    AddNumberRow(size, 0, QStringLiteral("&Height:"), kHeight, Kind::Integer,
                 bus.m_yMax - bus.m_yMin);
    size->addWidget(new CSpinButtons(
                        kHeightSpin, [this](int d) { Step(kHeightSpin, d); }, this),
                    0, 2);
    AddNumberRow(size, 1, QStringLiteral("&Width:"), kWidth, Kind::Integer,
                 bus.m_xMax - bus.m_xMin);
    size->addWidget(new CSpinButtons(
                        kWidthSpin, [this](int d) { Step(kWidthSpin, d); }, this),
                    1, 2);

    auto* bottom = new QGridLayout;
    AddNumberRow(bottom, 0, QStringLiteral("&Area Number:"), kArea, Kind::Integer, bus.m_area);
    layout->addLayout(bottom);
    AddOkCancel(layout);
}

void CDialogBusEdit::Step(int spinId, int direction) {
    const int field = spinId == kHeightSpin ? kHeight : kWidth;
    // A horizontal bar is thin in height and long in width; a vertical one the reverse.
    const bool thin = (field == kHeight) == m_horizontal;
    const int low = thin ? kThinMin : kLongMin;
    const int high = thin ? kThinMax : kLongMax;
    const int next = Fields().IntValue(field) + direction * kSpinStep;
    if (next < low || next > high) return;
    Fields().SetValue(field, next);
}

void CDialogBusEdit::StoreInto(CBus& bus) const {
    bus.Resize(Fields().IntValue(kHeight), Fields().IntValue(kWidth));
    bus.m_name = Fields().Text(kName).toStdString();
    bus.m_number = Fields().IntValue(kNumber);
    bus.m_area = Fields().IntValue(kArea);
}
