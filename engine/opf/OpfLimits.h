#pragma once

#include "engine/core/PowerFlowLimits.h"

// Capacities of the optimal power flow. The linear programs are dense: their workspace
// holds (M + 1)(M + 3) doubles for M rows, so 5000 doubles allow 69 rows, and the matrix
// holds 100 columns.
namespace tarvex::engine {

inline constexpr int kMaxOpfGenerators = kMaxGenerators + 1; // the swing and every PV bus
inline constexpr int kMaxCostPoints = 10;                    // cost points per generator
inline constexpr int kMaxLpRows = 69;
inline constexpr int kMaxLpColumns = 100;
inline constexpr int kLpWorkspace = 5000;
inline constexpr int kMaxViolations = kMaxLpRows;
// Unknowns of the Newton Jacobian: angles of all buses but the swing, every voltage.
inline constexpr int kMaxJacobianOrder = 2 * kMaxBuses - 1;

} // namespace tarvex::engine
