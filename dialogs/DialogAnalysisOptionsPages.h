#pragma once

#include "model/SkemtorApp.h"

#include <vector>

class CDialogAnalysisOptionsPage;

// The pages of the "Analysis Options" sheet, and which of them each mode shows:
//   Network Edit          Branch Data Defaults
//   Power Flow            MVA Base, Simulation Parameters (power flow), Display Output Settings
//   State Estimation      Display Settings, Simulation Parameters (estimation),
//                         Measurements Error Standard Deviations
//   Transient Stability   Simulation Settings
//   Optimal Power Flow    Simulation Parameters (optimal power flow), Display Output Settings
//   Short Circuit         none
class CDialogAnalysisOptionsPages {
public:
    // New pages, without parent, in tab order. `app` gives the result state, which
    // decides what the estimation display page offers.
    static std::vector<CDialogAnalysisOptionsPage*> ForMode(CSkemtorApp::Mode mode,
                                                            const CSkemtorApp& app);

    static CDialogAnalysisOptionsPage* MvaBase();
    static CDialogAnalysisOptionsPage* PowerFlowParameters();
    static CDialogAnalysisOptionsPage* DisplayOutput();
    static CDialogAnalysisOptionsPage* MeasurementDeviations();
    static CDialogAnalysisOptionsPage* EstimationDisplay(int resultState);
    static CDialogAnalysisOptionsPage* EstimationParameters();
    static CDialogAnalysisOptionsPage* OptimalPowerFlowParameters();
    static CDialogAnalysisOptionsPage* BranchDefaults();
    static CDialogAnalysisOptionsPage* TransientSettings();
};
