#include "dialogs/DialogGeneratorExciterPage.h"

#include "model/Generator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CDialogGeneratorExciterPage::CDialogGeneratorExciterPage(const CGenerator& generator,
                                                         QWidget* parent)
    : QWidget(parent), m_fields(this) {
    using Kind = CDialogFields::Kind;
    auto* grid = new QGridLayout(this);
    auto addRow = [&](int row, int column, const char* label, int id, Kind kind, double value) {
        QLineEdit* edit = m_fields.Add(id, kind, value, kind == Kind::Integer ? "%d" : "%f");
        auto* caption = new QLabel(QString::fromLatin1(label), this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
    };
    const Kind real = Kind::Real;
    addRow(0, 0, "Bus Number :", kBus, Kind::Integer, generator.m_bus);
    addRow(1, 0, "KA:", kKa, real, generator.m_ka);
    addRow(1, 2, "TA:", kTa, real, generator.m_ta);
    addRow(2, 0, "VRMAX:", kVrMax, real, generator.m_vrMax);
    addRow(2, 2, "VRMIN:", kVrMin, real, generator.m_vrMin);
    addRow(3, 0, "KE:", kKe, real, generator.m_ke);
    addRow(3, 2, "TE:", kTe, real, generator.m_te);
    addRow(4, 0, "SE1:", kSe1, real, generator.m_se1);
    addRow(4, 2, "EFD1:", kEfd1, real, generator.m_efd1);
    addRow(5, 0, "SE2:", kSe2, real, generator.m_se2);
    addRow(5, 2, "EFD2:", kEfd2, real, generator.m_efd2);
    addRow(6, 0, "KF:", kKf, real, generator.m_kf);
    addRow(6, 2, "TF:", kTf, real, generator.m_tf);
    m_fields.SetDisplay(kBus);
}

void CDialogGeneratorExciterPage::StoreInto(CGenerator& generator) const {
    const CDialogFields& f = m_fields;
    generator.m_ka = f.Value(kKa);
    generator.m_ta = f.Value(kTa);
    generator.m_vrMax = f.Value(kVrMax);
    generator.m_vrMin = f.Value(kVrMin);
    generator.m_ke = f.Value(kKe);
    generator.m_te = f.Value(kTe);
    generator.m_se1 = f.Value(kSe1);
    generator.m_efd1 = f.Value(kEfd1);
    generator.m_se2 = f.Value(kSe2);
    generator.m_efd2 = f.Value(kEfd2);
    generator.m_kf = f.Value(kKf);
    generator.m_tf = f.Value(kTf);
}
