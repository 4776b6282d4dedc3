#pragma once

#include "engine/estimation/EstimationLimits.h"

#include <array>

// The measurements of measure.dat as read, in file order: voltage magnitudes, active
// injections, reactive injections, active flows, reactive flows, current magnitudes.
// Bus numbers are external numbers as written; values and deviations per unit.
namespace tarvex::engine {

// Kind codes shared by every estimation file.
enum MeasurementKind {
    kVoltageMagnitude = 1,
    kActiveInjection = 2,
    kReactiveInjection = 3,
    kActiveFlow = 4,
    kReactiveFlow = 5,
    kCurrentMagnitude = 6,
};

inline bool isBranchKind(int kind) {
    return kind >= kActiveFlow;
}

struct Measurement {
    int kind = 0;
    int from = 0; // bus of a voltage or injection; measured end of a flow or current
    int to = 0;   // far end of a flow or current, 0 otherwise
    double value = 0.0;
    double sd = 0.0;
    int flag = 0; // 0: an ordinary measurement (the only ones given noise and counted in J)
};

struct MeasurementSet {
    int count = 0;
    std::array<int, 7> groupCount{};                       // by kind code (element 0 unused)
    std::array<Measurement, kMaxMeasurements + 1> items{}; // 1-based, file order

    void clear() {
        count = 0;
        groupCount = {};
    }
};

} // namespace tarvex::engine
