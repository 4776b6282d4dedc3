#include "dialogs/DialogGeneratorMachinePage.h"

#include "model/Generator.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

CDialogGeneratorMachinePage::CDialogGeneratorMachinePage(const CGenerator& generator,
                                                         QWidget* parent)
    : QWidget(parent), m_fields(this), m_model(generator.m_model) {
    using Kind = CDialogFields::Kind;
    auto* grid = new QGridLayout(this);
    auto addRow = [&](int row, int column, const char* label, int id, Kind kind, double value) {
        QLineEdit* edit = m_fields.Add(id, kind, value, kind == Kind::Integer ? "%d" : "%f");
        auto* caption = new QLabel(QString::fromLatin1(label), this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
    };
    addRow(0, 0, "Bus Number :", kBus, Kind::Integer, generator.m_bus);
    addRow(1, 0, "H:", kH, Kind::Real, generator.m_h);
    addRow(1, 2, "Damping:", kDamping, Kind::Real, generator.m_damping);
    addRow(2, 0, "T'do:", kTdoPrime, Kind::Real, generator.m_tdoPrime);
    addRow(2, 2, "T'qo:", kTqoPrime, Kind::Real, generator.m_tqoPrime);
    addRow(3, 0, "Xd:", kXd, Kind::Real, generator.m_xd);
    addRow(3, 2, "X'd:", kXdPrime, Kind::Real, generator.m_xdPrime);
    addRow(4, 0, "Xq:", kXq, Kind::Real, generator.m_xq);
    addRow(4, 2, "X'q:", kXqPrime, Kind::Real, generator.m_xqPrime);

    auto* models = new QButtonGroup(this);
    auto* classical = new QRadioButton(QStringLiteral("Classical model"), this);
    auto* twoAxis = new QRadioButton(QStringLiteral("Two Axis model"), this);
    classical->setObjectName(QString::number(kClassical));
    twoAxis->setObjectName(QString::number(kTwoAxis));
    models->addButton(classical);
    models->addButton(twoAxis);
    grid->addWidget(classical, 5, 0, 1, 2);
    grid->addWidget(twoAxis, 5, 2, 1, 2);
    classical->setChecked(m_model == CGenerator::kClassical);
    twoAxis->setChecked(m_model == CGenerator::kTwoAxis);
    connect(classical, &QRadioButton::clicked, this,
            [this] { ChooseModel(CGenerator::kClassical); });
    connect(twoAxis, &QRadioButton::clicked, this, [this] { ChooseModel(CGenerator::kTwoAxis); });

    m_fields.SetDisplay(kBus);
    if (m_model != CGenerator::kTwoAxis)
        for (int id : kTwoAxisFields) m_fields.SetDisplay(id);
}

void CDialogGeneratorMachinePage::ChooseModel(int model) {
    m_model = model;
    for (int id : kTwoAxisFields) m_fields.SetActive(id, model == CGenerator::kTwoAxis);
}
