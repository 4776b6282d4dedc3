#include "dialogs/DialogMeterCostMPL.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/MyListCtrl.h"
#include "engine/core/ExchangeFiles.h"
#include "model/SafeFileWriter.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <fstream>
#include <string>

namespace {

// A meter's name as the cost index file holds it is 12 characters ("Flow %3d-%3d" or
// "Inj %4d    "); the list shows it followed by one blank.
constexpr std::size_t kNameLength = 12;

} // namespace

CDialogMeterCostMPL::CDialogMeterCostMPL(int meterCount, QWidget* parent)
    : QDialog(parent), m_meterCount(meterCount), m_list(new MyListCtrl(this)) {
    setWindowTitle(QStringLiteral("Meter Cost"));
    m_list->setObjectName(QString::number(kList));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QString::number(kSave));
    save->setDefault(true);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, &CDialogMeterCostMPL::Save);
    m_list->SetColumns(QStringLiteral("Meter"), 70, QStringLiteral("Cost"), 60);
    Load();
}

void CDialogMeterCostMPL::Load() {
    // The costs come from the file written together with the names, so the two stay in
    // step for exactly these meters.
    std::ifstream names(tarvex::files::kMeterCostIndex, std::ios::binary);
    std::ifstream costs(tarvex::files::kMeterCostEdited, std::ios::binary);
    for (int i = 0; i < m_meterCount; ++i) {
        int cost = 0;
        const bool haveCost = static_cast<bool>(costs >> cost);
        std::string line;
        if (!std::getline(names, line)) line.clear();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line.resize(kNameLength, ' ');
        const QString name = names ? QString::fromStdString(line + ' ') : QString();
        m_list->AddItem(name, haveCost ? QString::number(cost) : QString(), MyListCtrl::kText);
    }
}

void CDialogMeterCostMPL::Save() {
    std::string text;
    for (int row = 0; row < m_meterCount; ++row) {
        MyListCtrl::Item item;
        if (!m_list->GetItem(row, item)) {
            CDialogHooks::ShowMessage(this, QStringLiteral("MyListCtrl Error"),
                                      QStringLiteral("Out of Range"), QMessageBox::Warning);
            continue;
        }
        text += item.value.toStdString() + '\n';
    }
    for (const char* file : {tarvex::files::kMeterCostEdited, tarvex::files::kMeterCost})
        if (const auto error = CSafeFileWriter::Write(file, text))
            CDialogHooks::ShowMessage(this, QStringLiteral("Meter Cost"),
                                      QStringLiteral("The meter costs were not saved: %1.")
                                          .arg(QString::fromStdString(*error)),
                                      QMessageBox::Warning);
}
