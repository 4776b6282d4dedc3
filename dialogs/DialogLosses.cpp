#include "dialogs/DialogLosses.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDialogLosses::CDialogLosses(const Texts& texts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Power Flow Analysis Losses"));
    auto* grid = new QGridLayout;
    addRow(grid, 0, "Real Power Loss:", texts.realPower, 1017);
    addRow(grid, 1, "Reactive Power Loss:", texts.reactivePower, 1018);
    addRow(grid, 2, "Line Charging Loss:", texts.lineCharging, 1011);
    addRow(grid, 3, "Shunt Cap/Reactor Loss:", texts.shunt, 1061);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CDialogLosses::addRow(QGridLayout* grid, int row, const char* label, const QString& value,
                           int id) {
    grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    auto* field = new QLabel(value, this);
    field->setObjectName(QStringLiteral("field%1").arg(id));
    field->setFrameShape(QFrame::StyledPanel);
    field->setFrameShadow(QFrame::Sunken);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000  ")));
    grid->addWidget(field, row, 1);
}

QString CDialogLosses::FieldText(int id) const {
    const auto* field = findChild<QLabel*>(QStringLiteral("field%1").arg(id));
    return field != nullptr ? field->text() : QString();
}

CDialogLosses::Texts CDialogLosses::Format(double realPower, double reactivePower,
                                           double lineCharging, double shunt) {
    auto text = [](double value) { return QString::asprintf("%.4f", value); };
    return {text(realPower), text(reactivePower), text(lineCharging), text(shunt)};
}
