#pragma once

#include <array>
#include <string>

// The application's run-time state and analysis settings. Free of any toolkit, so the
// file writers, the analysis commands and the tests use the same object the program
// does; the desktop layer owns one and hands it to whatever needs it.
class CSkemtorApp {
public:
    enum class Mode {
        NetworkEdit,
        PowerFlow,
        StateEstimation,
        ShortCircuit,
        TransientStability,
        OptimalPowerFlow
    };

    // Element tools, numbered by the command that arms them.
    enum class Tool {
        Pointer = 32774,
        HorizontalBus = 32775,
        VerticalBus = 32776,
        Line = 32777,
        CurrentMeasurement = 32778,
        PowerFlowMeasurement = 32779,
        PowerInjectionMeasurement = 32780,
        VoltageMeasurement = 32781,
        Generator = 32782,
        Capacitor = 32807,
        CircuitBreaker = 32817,
        ImpedanceToGround = 32823,
        ShortCircuit = 32824
    };

    // Which analysis produced the results on display.
    enum ResultState {
        kNoResults = 0,
        kObservabilityResults = 1, // also meter placement
        kWlsResults = 2,
        kLavResults = 3,
        kPowerFlowResults = 4,
        kShortCircuitResults = 5,
        kTransientResults = 6,
        kOptimalPowerFlowResults = 7
    };

    struct CanvasSize {
        int width = 6000;
        int height = 6000;
    };

    static constexpr int kCaseNameLength = 31;
    static constexpr int kMaxPlotVariables = 50;

    Mode m_mode = Mode::NetworkEdit;
    Tool m_tool = Tool::Pointer;
    int m_resultState = kNoResults;
    bool m_usePowerFlowResults = false;
    std::string m_statusText;
    CanvasSize m_canvasSize;
    bool m_cursorCaptured = false;
    std::string m_caseName;
    int m_plotVariableCount = 0;
    std::array<std::string, kMaxPlotVariables> m_plotVariables;

    // Analysis settings. The ones kept in tvx.ini survive a restart; the MVA base is
    // saved with the document; the rest start from these values every run.
    double m_mvaBase = 100.0;
    int m_pfMaxIterations = 100;
    double m_pfMaxPMismatch = 0.001;
    double m_pfMaxQMismatch = 0.001;
    int m_qLimitsIgnored = 0; // 0 enforced, 1 ignored
    int m_displayChoice = 0;  // 0 bus voltages, 1 bus generation, 2 line flows
    double m_vMax = 1.05;
    double m_vMin = 0.95;
    double m_sdCurrent = 0.001;
    double m_sdPowerFlow = 0.001;
    double m_sdPowerInjection = 0.001;
    double m_sdVoltage = 0.001;
    int m_seDisplay = 1; // 0 measurement estimates, 1 voltage estimates, 2 normalized residuals
    int m_residualCount = 3;
    double m_residualThreshold = 1.96;
    int m_noise = 0;            // 0 none, 1 Gaussian
    int m_maxIterations = 20;   // state estimation and optimal power flow
    double m_tolerance = 0.001; // state estimation; cost tolerance of optimal power flow
    double m_defaultR = 0.0;
    double m_defaultX = 0.0;
    double m_defaultG = 0.0;
    double m_defaultB = 0.0;
    double m_defaultTap = 0.0;
    int m_defaultMvaLimit = 0;
    int m_faultKind = 0; // 0 faulted bus, 1 faulted line
    int m_faultBus1 = 1;
    int m_faultBus2 = 2;
    double m_tsTolerance = 0.0;
    double m_timeStep = 0.0;
    double m_simTime = 0.0;
    double m_faultStartTime = 0.0;
    double m_faultClearTime = 0.0;
    int m_opfConstraints = 0; // 0 none, 1 limit constraints

    // 4817 makes every result reader skip the leading error code.
    int m_resultFileSwitch = 1;
    static constexpr int kSkipErrorCode = 4817;
    // Bus count of the last power flow or optimal power flow (rows the voltage plot reads).
    int m_powerFlowBusCount = 0;

    // Pads with blanks or cuts to exactly 31 characters, as File New and Create IEEE Data
    // File store it.
    void SetCaseName(const std::string& name);
};
