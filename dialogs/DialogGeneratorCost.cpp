#include "dialogs/DialogGeneratorCost.h"

#include "model/Generator.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CDialogGeneratorCost::CDialogGeneratorCost(const CGenerator& generator, QWidget* parent)
    : CElementDialog(QStringLiteral("Generator Data"), parent) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    AddNumberRow(top, 0, QStringLiteral("Bus  :"), kBus, Kind::Integer, generator.m_bus);
    layout->addLayout(top);
    // A curve: break point and cost side by side, one row per point.
    auto addCurve = [&](const QString& title, int pointId, const char* pointLabels[4],
                        const std::array<double, 4>& points, int costId,
                        const std::array<double, 4>& costs) {
        QGridLayout* grid = nullptr;
        layout->addWidget(Group(title, grid));
        for (int i = 0; i < 4; ++i) {
            const auto k = static_cast<std::size_t>(i);
            AddNumberRow(grid, i, QString::fromLatin1(pointLabels[i]), pointId + i, Kind::Real,
                         points[k]);
            QLineEdit* cost = Fields().Add(costId + i, Kind::Real, costs[k]);
            auto* caption = new QLabel(QStringLiteral("Cost %1").arg(i + 1), this);
            caption->setBuddy(cost);
            grid->addWidget(caption, i, 2);
            grid->addWidget(cost, i, 3);
        }
    };
    const char* real[4] = {"P1(MW):", "P2(MW):", "P3(MW):", "P4(MW):"};
    const char* reactive[4] = {"Q1(MVA):", "Q2(MVA)", "Q3(MVA)", "Q4(MVA)"};
    addCurve(QStringLiteral("Real Power"), kP1, real, generator.m_costP, kCostP1,
             generator.m_costPValue);
    addCurve(QStringLiteral("Reactive Power"), kQ1, reactive, generator.m_costQ, kCostQ1,
             generator.m_costQValue);
    Fields().SetDisplay(kBus);
    for (int i = 0; i < 4; ++i) {
        Fields().SetDisplay(kQ1 + i);
        Fields().SetDisplay(kCostQ1 + i);
    }
    AddOkCancel(layout);
}

void CDialogGeneratorCost::StoreInto(CGenerator& generator) const {
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        generator.m_costP[k] = Fields().Value(kP1 + i);
        generator.m_costPValue[k] = Fields().Value(kCostP1 + i);
        generator.m_costQ[k] = Fields().Value(kQ1 + i);
        generator.m_costQValue[k] = Fields().Value(kCostQ1 + i);
    }
}
