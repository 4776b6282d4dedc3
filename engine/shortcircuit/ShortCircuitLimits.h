#pragma once

// Capacities of the short-circuit tables, one place each. The editor sets no bus limit
// for this analysis; a file beyond these ends the run with status 54.
namespace tarvex::engine::shortcircuit {

inline constexpr int kMaxBuses = 300;
// Records of one sequence network (impedances to ground plus branches).
inline constexpr int kMaxRecords = 1200;
// Simultaneous faults (each adds three unknowns to the dense fault equations).
inline constexpr int kMaxFaults = 20;
inline constexpr int kMaxFaultUnknowns = 3 * kMaxFaults;
// Coordinate entries of the real form of one complex admittance matrix (four per complex
// entry), input plus fill-in.
inline constexpr int kMaxMatrixEntries = 4 * (kMaxBuses + 2 * kMaxRecords) * 6;
// Entries of the bus-level pattern used to find the elimination order.
inline constexpr int kMaxPatternEntries = (kMaxBuses + 2 * kMaxRecords) * 6;
// Longest line of short.dat (the editor writes fewer than 50 characters).
inline constexpr int kMaxLineLength = 256;
// Pivot tolerance of the factorization (admittances are per unit).
inline constexpr double kPivotTolerance = 1.0E-9;

} // namespace tarvex::engine::shortcircuit
