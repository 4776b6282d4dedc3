#pragma once

// Fixed capacities of the transient stability program. Every table is sized from these
// once; a run that needs more fails with status 66 before anything is simulated.
namespace tarvex::engine::stability {

inline constexpr int kMaxBuses = 50;             // external bus numbers 1..50, no gaps
inline constexpr int kMaxMachines = 10;          // generator records (machine buses)
inline constexpr int kMaxAdmittances = 199;      // entries read from ymatrix.dat
inline constexpr int kMaxBranches = 100;         // branch cards (read, not simulated)
inline constexpr int kMaxPlotted = 50;           // buses written to dyplot.dat
inline constexpr int kMaxUnknowns = 170;         // machine blocks plus two per bus
inline constexpr int kMaxJacobianEntries = 3400; // with fill-in
// States per machine: classical (angle, speed); two-axis (E'q, E'd, angle, speed) plus
// the three states of the DC1 exciter (field voltage, rate feedback, regulator output).
inline constexpr int kClassicalStates = 2;
inline constexpr int kTwoAxisStates = 7;
inline constexpr int kMaxBlock = kTwoAxisStates + 2; // states plus Id and Iq

// Simulation constants. Pi is the single-precision value the program has always used,
// so the synchronous speed of the 60 Hz system is 2 * 3.1415925 * 60.
inline constexpr double kPi = 3.1415925;
inline constexpr double kSynchronousSpeed = 2.0 * kPi * 60.0;
inline constexpr double kFaultAdmittance = 2.0E9; // bolted fault: -j 2.0E9 on the diagonal
inline constexpr int kMaxNewtonIterations = 50;
inline constexpr double kDivergence = 1.0E10;
inline constexpr double kPivotTolerance = 1.0E-15;
inline constexpr double kSmallEntry = 1.0E-15; // Jacobian entries below are not stored
inline constexpr double kSmallAdmittance = 1.0E-8;
inline constexpr double kMinimumDiagonal = 1.0E-5; // after a line trip
inline constexpr double kTimeCap = 9.99;           // a simulation time above 10 s becomes this

} // namespace tarvex::engine::stability
