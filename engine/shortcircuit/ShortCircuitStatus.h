#pragma once

// Status codes of the short-circuit run (first record of shbus.out); the texts are in
// the catalogue tvx.err.
namespace tarvex::engine::shortcircuit {

inline constexpr int kMalformedInput = 50;    // short.dat missing, a bad line or count
inline constexpr int kBusOutOfRange = 51;     // a bus number outside 0..N (1..N for a fault)
inline constexpr int kZeroImpedance = 52;     // a record with R = X = 0
inline constexpr int kNoSource = 53;          // faulted bus without a positive-sequence source
inline constexpr int kTooLarge = 54;          // beyond the capacities of ShortCircuitLimits.h
inline constexpr int kTwoFaultsAtOneBus = 55; // two fault records name the same bus
inline constexpr int kSolutionFailed = 56;    // factorization or fault equations singular

} // namespace tarvex::engine::shortcircuit
