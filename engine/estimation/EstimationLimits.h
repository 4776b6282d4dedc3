#pragma once

#include "engine/core/PowerFlowLimits.h"

// Capacities of the state estimators. The network itself is read by the power flow's
// case reader, so it is bounded by the power flow tables (kMaxBuses, kMaxBranches).
namespace tarvex::engine {

inline constexpr int kMaxMeasurements = 1500; // all six groups together
inline constexpr int kMaxBranchesAtBus = 50;  // incident branches of one bus
inline constexpr int kMaxStates = 2 * kMaxBuses - 1;
inline constexpr int kMaxGainEntries = 20000; // gain matrix entries, fill-in included
// Jacobian entries: an injection row holds two entries for its bus and two per incident
// branch, so no measurement row can exceed this.
inline constexpr int kMaxRowEntries = 2 + 2 * kMaxBranchesAtBus;
inline constexpr int kMaxJacobianEntries = kMaxMeasurements * kMaxRowEntries;
// The measurement file is read whole into memory; anything longer is not a file the
// editor wrote (1500 records of well under 100 characters).
inline constexpr long kMaxMeasurementFileBytes = 1L << 20;

} // namespace tarvex::engine
