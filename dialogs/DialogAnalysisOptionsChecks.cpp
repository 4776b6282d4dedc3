#include "dialogs/DialogAnalysisOptionsChecks.h"

#include "model/SkemtorApp.h"

#include <vector>

namespace {

struct Rule {
    int fieldId;
    std::function<bool(const CSkemtorApp&)> accepted;
    const char* message;
};

const std::vector<Rule>& rules() {
    using App = CSkemtorApp;
    static const std::vector<Rule> kRules = {
        {1082, [](const App& a) { return a.m_mvaBase > 0; },
         "MVA Base: the system base must be greater than zero; every per-unit value is "
         "divided by it."},
        {1083, [](const App& a) { return a.m_pfMaxIterations >= 1; },
         "Max. Iterations: the power flow needs at least one iteration."},
        // The engine reports every iteration in its report file and never stops early on
        // a case that does not converge, so a huge limit would freeze the program.
        {1083, [](const App& a) { return a.m_pfMaxIterations <= 1000; },
         "Max. Iterations: at most 1000; a power flow that has not converged by then will "
         "not converge at all."},
        {1084, [](const App& a) { return a.m_pfMaxPMismatch > 0; },
         "Max. P. mismatch: the tolerance must be greater than zero, or the power flow can "
         "never converge."},
        {1085, [](const App& a) { return a.m_pfMaxQMismatch > 0; },
         "Max. Q. mismatch: the tolerance must be greater than zero, or the power flow can "
         "never converge."},
        {1100, [](const App& a) { return a.m_vMax > 0; },
         "Vmax: the upper voltage limit must be greater than zero."},
        {1101, [](const App& a) { return a.m_vMin >= 0; },
         "Vmin: the lower voltage limit must not be negative."},
        {1101, [](const App& a) { return a.m_vMin <= a.m_vMax; },
         "Vmin: the lower voltage limit must not be above Vmax."},
        {1047, [](const App& a) { return a.m_residualCount >= 0; },
         "Display ... Residuals: the number of residuals to display must not be negative."},
        {1060, [](const App& a) { return a.m_residualThreshold >= 0; },
         "Residuals Larger Than: the threshold must not be negative."},
        {1052, [](const App& a) { return a.m_maxIterations >= 1; },
         "Max. Iterations: at least one iteration is needed."},
        {1053, [](const App& a) { return a.m_tolerance > 0; },
         "Tolerance: the tolerance must be greater than zero, or the iterations can never "
         "stop."},
        {1030, [](const App& a) { return a.m_sdCurrent > 0; },
         "Current S.D.: a standard deviation must be greater than zero; each measurement is "
         "weighted by the inverse of its variance."},
        {1058, [](const App& a) { return a.m_sdPowerFlow > 0; },
         "Power Flow S.D.: a standard deviation must be greater than zero; each measurement "
         "is weighted by the inverse of its variance."},
        {1056, [](const App& a) { return a.m_sdPowerInjection > 0; },
         "Power Injection S.D.: a standard deviation must be greater than zero; each "
         "measurement is weighted by the inverse of its variance."},
        {1034, [](const App& a) { return a.m_sdVoltage > 0; },
         "Voltage S.D.: a standard deviation must be greater than zero; each measurement is "
         "weighted by the inverse of its variance."},
        {1011, [](const App& a) { return a.m_defaultMvaLimit >= 0; },
         "MVA limit: a branch rating must not be negative."},
        {1010, [](const App& a) { return a.m_defaultTap >= 0; },
         "Tap: a turns ratio must not be negative."},
        {1128, [](const App& a) { return a.m_faultBus1 >= 1; }, "Bus 1: bus numbers start at 1."},
        {1127, [](const App& a) { return a.m_faultKind != 1 || a.m_faultBus2 >= 1; },
         "Bus 2: bus numbers start at 1."},
        {1127, [](const App& a) { return a.m_faultKind != 1 || a.m_faultBus2 != a.m_faultBus1; },
         "Bus 2: a faulted line joins two different buses."},
        {1122, [](const App& a) { return a.m_tsTolerance >= 0; },
         "Tolerance: the integration tolerance must not be negative."},
        {1123, [](const App& a) { return a.m_timeStep >= 0; },
         "T step: the time step must not be negative."},
        {1124, [](const App& a) { return a.m_simTime >= 0; },
         "Sim. time: the simulated time must not be negative."},
        {1125, [](const App& a) { return a.m_faultStartTime >= 0; },
         "F. start: the fault cannot start before the simulation."},
        {1126, [](const App& a) { return a.m_faultClearTime >= a.m_faultStartTime; },
         "F. Clear: the fault cannot be cleared before it starts."},
    };
    return kRules;
}

} // namespace

std::optional<CDialogAnalysisOptionsChecks::Problem>
CDialogAnalysisOptionsChecks::Check(const CSkemtorApp& values,
                                    const std::function<bool(int)>& shown) {
    for (const Rule& rule : rules())
        if (shown(rule.fieldId) && !rule.accepted(values))
            return Problem{rule.fieldId, rule.message};
    return std::nullopt;
}
