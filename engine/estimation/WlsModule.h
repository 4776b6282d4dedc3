#pragma once

#include "engine/core/EngineFile.h"
#include "engine/core/EngineStatus.h"
#include "engine/core/sparse/SparseStorage.h"
#include "engine/estimation/EstimationNetwork.h"
#include "engine/estimation/EstimatorParameters.h"
#include "engine/estimation/MeasurementSet.h"

#include <array>

// Everything one weighted least squares run works on. WLSEST keeps one instance for the
// life of the process and resets it at the start of every run; nothing carries over
// from one run to the next (the noise generator is kept apart, LEcuyerGenerator.h).
//
// The measurement vector z orders the measurements active flows, reactive flows,
// active injections, reactive injections, voltage magnitudes, current magnitudes (each
// group in file order). State vector x, N = 2 NB - 1: the angles of every bus but the
// swing bus, then every magnitude, both in state order (swing bus first, then the others
// in file order): angle state k is bus ORDER[k + 1], magnitude state NB - 1 + k bus ORDER[k].
namespace tarvex::engine {

struct WlsModule {
    EstimatorParameters parameters;
    EstimationNetwork net;
    MeasurementSet set;

    // By z position 1..M.
    int M = 0;
    Table<int, kMaxMeasurements> SETIDX{}; // index into set.items
    Table<MeasurementTie, kMaxMeasurements> TIE{};
    Table<double, kMaxMeasurements> Z{}, W{}, HX{}, R{};
    int N = 0; // states

    // State, by internal bus.
    Table<double, kMaxBuses> V{}, TH{};
    Table<double, kMaxBuses> PCALC{}, QCALC{};

    // Jacobian rows as chains of (column, value): row m is entries HSTART[m] .. HSTART[m+1]-1.
    std::array<int, kMaxMeasurements + 2> HSTART{};
    std::array<int, kMaxJacobianEntries + 1> HCOL{};
    std::array<double, kMaxJacobianEntries + 1> HVAL{};

    // Gain matrix entries in order of first use, with the entry of each (row, column).
    int NG = 0;
    std::array<int, kMaxGainEntries + 1> GROW{}, GCOL{};
    std::array<double, kMaxGainEntries + 1> GVAL{};
    std::array<std::array<int, kMaxStates + 1>, kMaxStates + 1> GENTRY{};
    CSparseStorage<kMaxGainEntries, kMaxStates> GAIN;
    Table<double, kMaxStates> RHS{}, WORK{}, HDENSE{};

    // Bad data analysis, by z position; then the z positions sorted for rn.dat.
    Table<double, kMaxMeasurements> RN{};
    Table<int, kMaxMeasurements> RNFLAG{}, SORTED{};

    double J = 0.0;     // weighted sum of squared residuals of the last evaluation
    int iterations = 0; // Gauss-Newton iterations run
    bool converged = false;

    EngineFile log, zhat, vhat, rn;
    EngineStatus status;

    void reset();
    // Raises the error flag and writes the status record (free format) to Zhat.dat.
    void fail(int code);
};

// The process-wide module used by WLSEST.
WlsModule& wlsModule();

} // namespace tarvex::engine
