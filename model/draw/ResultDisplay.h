#pragma once

#include "model/SkemtorApp.h"

// Which results the diagram shows, from the mode and the analysis whose results are on
// display. The power flow labels also serve the optimal power flow, whose solution is a
// power flow at the least-cost dispatch.
class CResultDisplay {
public:
    static bool ShowsPowerFlow(const CSkemtorApp& app) {
        return (app.m_mode == CSkemtorApp::Mode::PowerFlow &&
                app.m_resultState == CSkemtorApp::kPowerFlowResults) ||
               (app.m_mode == CSkemtorApp::Mode::OptimalPowerFlow &&
                app.m_resultState == CSkemtorApp::kOptimalPowerFlowResults);
    }
    static bool ShowsShortCircuit(const CSkemtorApp& app) {
        return app.m_mode == CSkemtorApp::Mode::ShortCircuit &&
               app.m_resultState == CSkemtorApp::kShortCircuitResults;
    }
    static bool ShowsOptimalPowerFlow(const CSkemtorApp& app) {
        return app.m_mode == CSkemtorApp::Mode::OptimalPowerFlow &&
               app.m_resultState == CSkemtorApp::kOptimalPowerFlowResults;
    }
    static bool InStateEstimation(const CSkemtorApp& app) {
        return app.m_mode == CSkemtorApp::Mode::StateEstimation;
    }
    // The status texts describe results only; observability (state 1) has nothing to
    // say about a single element, so the status bar keeps its text.
    static bool HasStatusResults(const CSkemtorApp& app) {
        return app.m_resultState >= CSkemtorApp::kWlsResults;
    }

    // m_displayChoice values.
    static constexpr int kBusVoltages = 0;
    static constexpr int kBusGeneration = 1;
    static constexpr int kLineFlows = 2;
    // m_seDisplay values.
    static constexpr int kMeasurementEstimates = 0;
    static constexpr int kVoltageEstimates = 1;
    static constexpr int kNormalizedResiduals = 2;
};
