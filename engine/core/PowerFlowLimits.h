#pragma once

// Capacities of the power flow tables. The program is for teaching-sized networks; every
// table is sized once from these constants and nothing grows during a run.
namespace tarvex::engine {

inline constexpr int kMaxBuses = 40;            // bus cards; external bus numbers 1..40
inline constexpr int kMaxBusNumber = 40;        // largest external bus number accepted
inline constexpr int kMaxBranches = 100;        // branch cards
inline constexpr int kMaxGenerators = 40;       // voltage-controlled buses with distinct Q limits
inline constexpr int kMaxShunts = 40;           // bus cards with a shunt susceptance
inline constexpr int kMaxAreas = 10;            // load flow areas 1..10
inline constexpr int kMaxMatrixEntries = 12000; // coordinate entries of B' and B'' each
inline constexpr int kStoragePerBus = 30;       // factorization storage limit: 30 x buses

} // namespace tarvex::engine
