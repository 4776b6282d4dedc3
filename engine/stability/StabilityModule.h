#pragma once

#include "engine/core/EngineFile.h"
#include "engine/core/EngineStatus.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/SparseStorage.h"
#include "engine/stability/StabilityLimits.h"

#include <array>
#include <complex>

// Everything one transient stability run works on. TSMAIN keeps one instance for the
// life of the process and clears it at the start of every run (TSCLR); all tables are
// 1-based and sized by the capacities of StabilityLimits.h, so nothing is allocated
// while a run steps through time.
namespace tarvex::engine::stability {

using Complex = std::complex<double>;
template <typename T, int N> using Table = std::array<T, N + 1>;

// Model descriptors.
inline constexpr int kModelClassical = 1;
inline constexpr int kModelTwoAxis = 2;

struct StabilityModule {
    // --- Case tables: by external bus number while reading, by internal position after
    // TSINIT (machine buses first, in generator record order).
    Table<double, kMaxBuses> VM{}, VA{}, PL{}, QL{}, PG{}, QG{}, QMN{}, QMX{};
    Table<int, kMaxBuses> BT{};
    Table<double, kMaxBuses> VM0{}, VA0{};
    Table<bool, kMaxBuses> BUSSEEN{}; // a bus card with this number was read
    int NBUS = 0;
    int NMAC = 0; // type 2 and 3 bus cards
    int NBRANCH = 0;
    double BASEMVA = 0.0;

    // Admittance entries of ymatrix.dat.
    Table<int, kMaxAdmittances> IY{}, JY{};
    Table<Complex, kMaxAdmittances> YV{};
    int NY = 0;

    // --- Machine table (slot n = n-th generator record) and DC1 exciters.
    int NGEN = 0;
    Table<int, kMaxMachines> GBUS{}, GIDX{};
    Table<double, kMaxMachines> H{}, D{}, XD{}, XDP{}, XQ{}, XQP{}, TDOP{}, TQOP{}, RS{};
    Table<double, kMaxMachines> KA{}, TA{}, VRMAX{}, VRMIN{}, KE{}, TE{}, SE1{}, EFD1{}, SE2{},
        EFD2{}, KF{}, TF{};
    Table<bool, kMaxMachines> HASEXC{};
    int MODEL = 0;
    int NSTATE = 0;
    int classicalRecords = 0;
    int twoAxisRecords = 0;
    int exciterRecords = 0;
    Table<int, kMaxBuses> ORD{}, POS{};

    // --- Simulation settings (TSparameter.dat).
    double TOL = 1.0E-4;
    double DT = 1.0 / 120.0;
    double TMAX = 0.0;
    bool LFAULT = false;
    double TFAULT = 0.0;
    double TCLEAR = 0.0;
    int FBUS = 0;
    int TBUS = 0;
    int NPLOT = 0;
    Table<int, kMaxPlotted> IPLOT{};

    // --- Simulation state.
    std::array<std::array<Complex, kMaxBuses + 1>, kMaxBuses + 1> YB{};
    Table<Complex, kMaxBuses> YSAVE{}, YLOAD{};
    Table<bool, kMaxBuses> FAULT{}, APPLIED{};
    bool FANY = false;
    bool LTRIP = false;
    Table<double, kMaxMachines> DELTA{}, OMEGA{}, EQP{}, EDP{}, EFD{}, RF{}, VR{}, ID{}, IQ{}, PM{},
        VREF{};
    // Saved values at the start of a step (SAVEST).
    Table<double, kMaxMachines> DELTA_N{}, OMEGA_N{}, EQP_N{}, EDP_N{}, EFD_N{}, RF_N{}, VR_N{},
        ID_N{}, IQ_N{}, PM_N{};
    // Network sums of the current iteration (NETINJ).
    Table<double, kMaxBuses> PS{}, QS{};
    // Newton unknowns and residuals, 1-based: F holds the residual, then -F, then the step.
    Table<double, kMaxUnknowns> F{};
    int NUNK = 0;
    int NOFF = 0;
    double FMAX = 0.0;
    int ITER = 0;
    int nonConvergedSteps = 0;
    CSparseStorage<kMaxJacobianEntries, kMaxUnknowns> JAC;

    // Tracking of the run for callers (the command line prints it): steps solved and,
    // per machine, the largest angle difference to machine 1 in degrees.
    int stepsRun = 0;
    Table<double, kMaxMachines> MAXANGLE{};

    EngineStatus status;
    EngineFile log;

    // Clears every table, counter and the error flag (TSCLR).
    void reset();
    // Fails the run with the code and one ERROR.LOG line (the first failure wins).
    void fail(int code, const Record& line);
    void fail(int code, const char* text);

    int blockSize() const { return NSTATE + 2; }
    // 1-based index of a machine's first unknown and of a bus's voltage magnitude.
    int machineBase(int i) const { return blockSize() * (i - 1); }
    int busBase(int p) const { return NOFF + 2 * (p - 1); }
};

} // namespace tarvex::engine::stability
