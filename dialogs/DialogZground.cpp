#include "dialogs/DialogZground.h"

#include "model/Zground.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CDialogZground::CDialogZground(const CZground& impedance, QWidget* parent)
    : CElementDialog(QStringLiteral("Sequence Impedance to Ground"), parent),
      m_posEnabled(impedance.m_posEnabled), m_zeroEnabled(impedance.m_zeroEnabled) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    layout->addLayout(groups);
    // Each sequence: its two values and, beneath a caption, the switch of the pair.
    auto addSequence = [&](const QString& title, int rId, const QString& rLabel, double r, int xId,
                           const QString& xLabel, double x, int checkId, const QString& caption,
                           int& flag) {
        QGridLayout* grid = nullptr;
        groups->addWidget(Group(title, grid));
        AddNumberRow(grid, 0, rLabel, rId, Kind::Real, r, "%f");
        AddNumberRow(grid, 1, xLabel, xId, Kind::Real, x, "%f");
        QCheckBox* box = AddCheck(checkId, QString());
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        grid->addWidget(label, 2, 0);
        grid->addWidget(box, 3, 0);
        BindSwitch(box, flag, rId, xId);
    };
    addSequence(QStringLiteral("Positive Sequence Impedance"), kR1, QStringLiteral("&Resist.:"),
                impedance.m_r1, kX1, QStringLiteral("Re&act.:"), impedance.m_x1, kPosEnabled,
                QStringLiteral("&Pos enable"), m_posEnabled);
    addSequence(QStringLiteral("Zero Sequence Impedance"), kR0, QStringLiteral("R&esist.:"),
                impedance.m_r0, kX0, QStringLiteral("Rea&ct.:"), impedance.m_x0, kZeroEnabled,
                QStringLiteral("&Zero enable"), m_zeroEnabled);
    QGridLayout* measured = nullptr;
    layout->addWidget(Group(QStringLiteral("Measured Bus"), measured));
    AddNumberRow(measured, 0, QStringLiteral("&Bus:"), kBus, Kind::Integer, impedance.m_bus);
    Fields().SetDisplay(kBus);
    AddOkCancel(layout);
}

void CDialogZground::StoreInto(CZground& impedance) const {
    const CDialogFields& f = Fields();
    impedance.m_r1 = f.Value(kR1);
    impedance.m_x1 = f.Value(kX1);
    impedance.m_r0 = f.Value(kR0);
    impedance.m_x0 = f.Value(kX0);
    impedance.m_posEnabled = m_posEnabled;
    impedance.m_zeroEnabled = m_zeroEnabled;
}
