#include "dialogs/DialogLineData.h"

#include "model/Line.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CDialogLineData::CDialogLineData(const CLine& line, QWidget* parent)
    : CElementDialog(QStringLiteral("Line Data"), parent), m_transformer(line.m_transformer),
      m_phaseShifter(line.m_phaseShifter), m_zeroSeqDisabled(line.m_zeroSeqDisabled) {
    using Kind = CDialogFields::Kind;
    const Kind real = Kind::Real;
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    QGridLayout* sequence = nullptr;
    columns->addWidget(Group(QStringLiteral("Sequence Data (p.u.)"), sequence));
    AddNumberRow(sequence, 0, QStringLiteral("&Resistance:"), kR, real, line.m_r, "%f");
    AddNumberRow(sequence, 1, QStringLiteral("R&eactance:"), kX, real, line.m_x, "%f");
    AddNumberRow(sequence, 2, QStringLiteral("&Conductance:"), kG, real, line.m_g, "%f");
    AddNumberRow(sequence, 3, QStringLiteral("&Susceptance:"), kB, real, line.m_b, "%f");
    AddNumberRow(sequence, 4, QStringLiteral("Ta&p:"), kTap, real, line.m_tap, "%f");
    AddNumberRow(sequence, 5, QStringLiteral("Pha&se:"), kPhase, real, line.m_phase, "%f");
    AddNumberRow(sequence, 6, QStringLiteral("&Zero Resist.:"), kR0, real, line.m_r0, "%f");
    AddNumberRow(sequence, 7, QStringLiteral("Ze&ro React.:"), kX0, real, line.m_x0, "%f");

    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    // One exclusive pair of buttons in its own group box.
    auto addPair = [&](const QString& title, int firstId, const QString& first, int secondId,
                       const QString& second, auto choose) {
        QGridLayout* grid = nullptr;
        right->addWidget(Group(title, grid));
        auto* group = new QButtonGroup(this);
        QRadioButton* a = AddRadio(firstId, first);
        QRadioButton* b = AddRadio(secondId, second);
        group->addButton(a);
        group->addButton(b);
        grid->addWidget(a, 0, 0);
        grid->addWidget(b, 0, 1);
        connect(a, &QRadioButton::clicked, this, [this, choose] { (this->*choose)(0); });
        connect(b, &QRadioButton::clicked, this, [this, choose] { (this->*choose)(1); });
    };
    addPair(QStringLiteral("Type"), kLine, QStringLiteral("&Line"), kTransformer,
            QStringLiteral("&Transformer"), &CDialogLineData::ChooseType);
    addPair(QStringLiteral("Transformer Type"), kTapChanger, QStringLiteral(" T&ap Changer"),
            kPhaseShifter, QStringLiteral(" P&hase Shifter"), &CDialogLineData::ChooseKind);
    addPair(QStringLiteral("Enable Zero Seq."), kZeroEnable, QStringLiteral("E&nable "),
            kZeroDisable, QStringLiteral("&Disable"), &CDialogLineData::ChooseZeroSequence);

    QGridLayout* ends = nullptr;
    right->addWidget(Group(QStringLiteral("Terminations"), ends));
    AddNumberRow(ends, 0, QStringLiteral("Bus&1:"), kBus1, Kind::Integer, line.m_bus1);
    AddNumberRow(ends, 1, QStringLiteral("Bus&2:"), kBus2, Kind::Integer, line.m_bus2);
    QGridLayout* limits = nullptr;
    right->addWidget(Group(QStringLiteral("Line Limits [MVA]"), limits));
    AddNumberRow(limits, 0, QStringLiteral("&MVa Limit:"), kMvaLimit, Kind::Integer,
                 line.m_mvaLimit, "%d");
    AddOkCancel(layout);

    Check(m_transformer ? kTransformer : kLine);
    Check(m_phaseShifter ? kPhaseShifter : kTapChanger);
    Check(m_zeroSeqDisabled ? kZeroDisable : kZeroEnable);
    CDialogFields& f = Fields();
    f.SetDisplay(kG);
    f.SetDisplay(kBus1);
    f.SetDisplay(kBus2);
    ShowTransformerFields();
    f.SetActive(kR0, !m_zeroSeqDisabled);
    f.SetActive(kX0, !m_zeroSeqDisabled);
}

void CDialogLineData::Check(int id) {
    if (QRadioButton* radio = Control<QRadioButton>(id)) radio->setChecked(true);
}

void CDialogLineData::ShowTransformerFields() {
    Fields().SetActive(kTap, m_transformer && !m_phaseShifter);
    Fields().SetActive(kPhase, m_transformer && m_phaseShifter);
}

void CDialogLineData::ChooseType(int transformer) {
    m_transformer = transformer;
    Check(transformer ? kTransformer : kLine);
    ShowTransformerFields();
}

void CDialogLineData::ChooseKind(int phaseShifter) {
    // The kind is remembered for a line too, but shows only on a transformer.
    m_phaseShifter = phaseShifter;
    Check(phaseShifter ? kPhaseShifter : kTapChanger);
    if (m_transformer) ShowTransformerFields();
}

void CDialogLineData::ChooseZeroSequence(int disabled) {
    m_zeroSeqDisabled = disabled;
    Check(disabled ? kZeroDisable : kZeroEnable);
    Fields().SetActive(kR0, !disabled);
    Fields().SetActive(kX0, !disabled);
}

void CDialogLineData::StoreInto(CLine& line) const {
    const CDialogFields& f = Fields();
    line.m_r = f.Value(kR);
    line.m_x = f.Value(kX);
    line.m_g = f.Value(kG);
    line.m_b = f.Value(kB);
    line.m_r0 = f.Value(kR0);
    line.m_x0 = f.Value(kX0);
    line.m_mvaLimit = f.IntValue(kMvaLimit);
    line.m_tap = f.Value(kTap);
    line.m_phase = f.Value(kPhase);
    line.m_transformer = m_transformer;
    line.m_zeroSeqDisabled = m_zeroSeqDisabled;
    line.m_phaseShifter = m_phaseShifter;
}
