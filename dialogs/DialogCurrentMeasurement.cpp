#include "dialogs/DialogCurrentMeasurement.h"

#include "dialogs/DialogHooks.h"
#include "engine/core/ExchangeFiles.h"
#include "exchange/PowerFlowCommands.h"
#include "exchange/ResultFile.h"
#include "model/Current.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CDialogCurrentMeasurement::CDialogCurrentMeasurement(const CCurrent& meter,
                                                     bool usePowerFlowResults, QWidget* parent)
    : CElementDialog(QStringLiteral("Current Measurement Data"), parent),
      m_usePowerFlowResults(usePowerFlowResults) {
    using Kind = CDialogFields::Kind;
    auto* layout = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    layout->addWidget(Group(QStringLiteral("Current Measurement"), grid));
    AddNumberRow(grid, 0, QStringLiteral("&Current:"), kCurrent, Kind::Real, meter.m_value, "%f");
    AddNumberRow(grid, 1, QStringLiteral("&S.D.:"), kSd, Kind::Deviation, meter.m_sd, "%g");
    AddNumberRow(grid, 2, QStringLiteral("&From Bus:"), kBus1, Kind::Integer, meter.m_bus1);
    AddNumberRow(grid, 3, QStringLiteral("&To Bus:"), kBus2, Kind::Integer, meter.m_bus2);
    QPushButton* swap = AddButton(kChangeDirection, QStringLiteral("Change &Direction"));
    grid->addWidget(swap, 2, 2, 2, 1);
    connect(swap, &QPushButton::clicked, this, &CDialogCurrentMeasurement::ChangeDirection);
    Fields().SetDisplay(kBus1);
    Fields().SetDisplay(kBus2);
    AddOkCancel(layout);
}

void CDialogCurrentMeasurement::ChangeDirection() {
    CDialogFields& f = Fields();
    const int from = f.IntValue(kBus2);
    const int to = f.IntValue(kBus1);
    f.SetValue(kBus1, from);
    f.SetValue(kBus2, to);
    if (!m_usePowerFlowResults) return;
    CResultFile branches(tarvex::files::kBranchResults);
    if (!branches.IsOpen()) {
        // The current keeps its value; the user learns why it did not follow.
        CDialogHooks::ShowMessage(
            this, QStringLiteral("Error Message"),
            QString::fromStdString(CPowerFlowCommands::MissingFileMessage(branches.Name())),
            QMessageBox::Warning);
        return;
    }
    CResultFile::BranchRow row;
    while (branches.ReadBranchRow(row))
        if (row.from == from && row.to == to) {
            f.SetValue(kCurrent, row.current);
            return;
        }
}

void CDialogCurrentMeasurement::StoreInto(CCurrent& meter) const {
    const CDialogFields& f = Fields();
    meter.m_value = f.Value(kCurrent);
    meter.m_sd = f.Value(kSd);
    meter.m_bus1 = f.IntValue(kBus1);
    meter.m_bus2 = f.IntValue(kBus2);
}
