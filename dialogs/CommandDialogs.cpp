#include "dialogs/CommandDialogs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/DialogMeterCostMPL.h"
#include "dialogs/DialogPlotVariablesTS.h"
#include "model/SkemtorDoc.h"

void EditMeterCosts(QWidget* parent, int meterCount) {
    CDialogMeterCostMPL dialog(meterCount, parent);
    CDialogHooks::Run(dialog);
}

void EditPlotVariables(QWidget* parent, CSkemtorApp& app, const CSkemtorDoc& doc) {
    std::vector<CDialogPlotVariablesTS::Branch> branches;
    for (const auto& line : doc.LineArray()) {
        if (static_cast<int>(branches.size()) == CDialogPlotVariablesTS::kMaxBranches) break;
        branches.push_back({line->m_bus1, line->m_bus2});
    }
    CDialogPlotVariablesTS dialog(app, doc.GetBusCount(), branches, parent);
    CDialogHooks::Run(dialog);
}
