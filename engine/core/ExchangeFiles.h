#pragma once

// Every file the editor and the engine exchange through the working directory, spelled
// once for both sides. On a case-sensitive file system the two halves must agree on
// the letters, so this header is the only place a name is written.
namespace tarvex::files {

// Power flow.
inline constexpr const char* kCaseFile = "pfinput.dat";
inline constexpr const char* kPowerFlowParameters = "pfparam.dat";
inline constexpr const char* kBusResults = "busotp.dat";
inline constexpr const char* kBranchResults = "branchotp.dat";
inline constexpr const char* kLossResults = "lossotp.dat";
inline constexpr const char* kPowerFlowReport = "pfoutput.dat";
inline constexpr const char* kAdmittanceListing = "ymatrix.dat";
inline constexpr const char* kErrorLog = "ERROR.LOG";

// State estimation, observability and meter placement.
inline constexpr const char* kMeasurements = "measure.dat";
inline constexpr const char* kEstimatorParameters = "parameter.dat";
inline constexpr const char* kObservability = "observe.out";
inline constexpr const char* kMeasurementEstimates = "Zhat.dat";
inline constexpr const char* kVoltageEstimates = "Vhat.dat";
inline constexpr const char* kNormalizedResiduals = "rn.dat";
inline constexpr const char* kMeterCostIndex = "costmeasidx.dat";
inline constexpr const char* kMeterCostEdited = "costmeas1.dat";
inline constexpr const char* kMeterCost = "costmeas.dat";
inline constexpr const char* kAddedMeters = "addmeas.out";
// The meter placement's status (first record, 0 on success, 90-99 otherwise), written
// after addmeas.out; addmeas.out exists only after a successful run.
inline constexpr const char* kPlacementStatus = "addmeas.sts";
// The meter placement's work files, written as a record of each step.
inline constexpr const char* kPlacementMatrix = "H.dat";
inline constexpr const char* kCandidateCosts = "candcost.out";
inline constexpr const char* kCandidateBranches = "candbranch.out";
inline constexpr const char* kCandidatePairs = "candmeas.out";
inline constexpr const char* kPlacementSolution = "solution.txt";

// Transient stability and optimal power flow.
inline constexpr const char* kDynamicData = "dyinput.dat";
inline constexpr const char* kTransientParameters = "TSparameter.dat";
inline constexpr const char* kTransientPlot = "dyplot.dat";
inline constexpr const char* kTransientStatus = "tsstatus.dat";
inline constexpr const char* kGeneratorCosts = "opfinputgen.dat";
inline constexpr const char* kOptimalPowerFlowReport = "opfoutput.dat";

// Short circuit.
inline constexpr const char* kShortCircuitInput = "short.dat";
inline constexpr const char* kShortCircuitBuses = "shbus.out";
inline constexpr const char* kShortCircuitLines = "shline.out";

// Editor settings and error catalogue.
inline constexpr const char* kSettings = "tvx.ini";
inline constexpr const char* kErrorCatalogue = "tvx.err";

} // namespace tarvex::files
