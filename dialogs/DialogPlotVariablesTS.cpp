#include "dialogs/DialogPlotVariablesTS.h"

#include "dialogs/MyListCtrl.h"
#include "model/SkemtorApp.h"

#include <QPushButton>
#include <QVBoxLayout>

CDialogPlotVariablesTS::CDialogPlotVariablesTS(CSkemtorApp& app, int busCount,
                                               const std::vector<Branch>& branches, QWidget* parent)
    : QDialog(parent), m_app(app), m_list(new MyListCtrl(this)) {
    setWindowTitle(QStringLiteral("Variables to Plot"));
    m_list->setObjectName(QString::number(kList));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QString::number(kSave));
    save->setDefault(true);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, &CDialogPlotVariablesTS::Save);

    m_list->SetColumns(QStringLiteral("Variable"), 70, QStringLiteral("Enable"), 60);
    const QString off = QStringLiteral("FALSE");
    for (int bus = 1; bus <= busCount; ++bus)
        m_list->AddItem(QStringLiteral("Bus %1").arg(bus), off, MyListCtrl::kBoolean, 0);
    int shown = 0;
    for (const Branch& branch : branches) {
        if (shown++ == kMaxBranches) break;
        m_list->AddItem(QStringLiteral("Line %1-%2").arg(branch.bus1).arg(branch.bus2), off,
                        MyListCtrl::kBoolean, 0);
    }
}

void CDialogPlotVariablesTS::Save() {
    // The transient parameter file lists at most 50 names; further choices are dropped
    // rather than written past the end of the list.
    int count = 0;
    for (int row = 0; row < m_list->GetItemCount(); ++row) {
        MyListCtrl::Item item;
        if (!m_list->GetItem(row, item) || item.value != QLatin1String("TRUE")) continue;
        if (count == CSkemtorApp::kMaxPlotVariables) break;
        m_app.m_plotVariables[static_cast<std::size_t>(count++)] = item.name.toStdString();
    }
    m_app.m_plotVariableCount = count;
}
