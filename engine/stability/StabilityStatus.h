#pragma once

// Status codes of the transient stability program (texts in tvx.err). The program
// writes the code as the first record of tsstatus.dat and explains it in ERROR.LOG.
namespace tarvex::engine::stability {

enum StabilityStatus {
    kSuccess = 0,
    kBaseMva = 60,           // base MVA zero or negative on the case title card
    kCaseUnreadable = 61,    // pfinput.dat / ymatrix.dat missing, unreadable, buses not 1..N
    kUnknownModel = 62,      // generator model code or exciter type without a data layout
    kMixedModels = 63,       // classical and two-axis records (or exciters) in one file
    kMissingExciter = 64,    // a two-axis machine without its DC1 exciter record
    kShortInput = 65,        // TSparameter.dat or a dynamic record missing, short, unusable
    kCapacity = 66,          // buses, machines, entries, unknowns or plotted buses
    kGeneratorMismatch = 67, // generator records disagree with the type 2 and 3 bus cards
    kSolutionFailed = 68,    // sparse factorization failed or Newton's method diverged
    kNonFinite = 69,         // a state became infinite or not a number
};

} // namespace tarvex::engine::stability
