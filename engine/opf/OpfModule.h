#pragma once

#include "engine/core/PowerFlowModule.h"
#include "engine/opf/OpfLimits.h"

#include <array>

// Everything one optimal power flow run works on: the generator cost data, the dispatch,
// the violated limits with their sensitivities, the linear program's tables and the power
// flow module it runs again and again. OPFMAIN keeps one instance for the life of the
// process and resets it at the start of every run. Generators are numbered 1..NOPG in the
// order of their records in opfinputgen.dat; powers are per unit on the case's base.
namespace tarvex::engine {

struct OpfTables {
    // Power flow settings (pfparam.dat), applied to every power flow run.
    int MAXIT = 0, IQLIM = 0;
    double TOLP = 0.0, TOLQ = 0.0;

    // Generator cost data.
    int NOPG = 0, NSEG = 0, NXOPG = 0;
    Table<int, kMaxOpfGenerators> OGBUS{}; // external bus number
    Table<int, kMaxOpfGenerators> GBUS{};  // internal bus index
    Table<int, kMaxOpfGenerators> GROW{};  // row of the power flow's generator table (0: swing)
    Table<std::array<double, kMaxCostPoints + 1>, kMaxOpfGenerators> PSEG{}, CSEG{}; // p.u., $/hr
    Table<double, kMaxOpfGenerators> PMIN{};
    Table<double, kMaxOpfGenerators> QLO{}, QHI{}; // reactive limits of the program, p.u.
    int NSEGV = 0;
    Table<double, kMaxLpColumns> WIDTH{}, SLOPE{}; // by segment
    double SUMPMIN = 0.0;
    int ICONS = 0, OMAXIT = 0;
    double CTOL = 0.0, VMAXO = 0.0, VMINO = 0.0;

    // Dispatch state, by generator.
    bool HAVEDISP = false; // a linear program has dispatched the generators
    bool FIXQ = false;     // reporting runs hold the reactive outputs (a voltage row was used)
    Table<double, kMaxOpfGenerators> PDISP{}, QDISP{}, LAMBDA{};
    Table<double, kMaxOpfGenerators> PSAVE{}, QSAVE{}; // the dispatch before the last one
    // Operating point of the last power flow, by generator (linearization point).
    Table<double, kMaxOpfGenerators> PNOW{}, QNOW{};
    double F = 0.0, FPREV = 0.0, DCOST = 0.0, COST = 0.0;
    int OITER = 0;
    double PDEM = 0.0, QDEM = 0.0;

    // Violated limits (OPFLIM): branch or bus index, sign and margin (p.u.).
    int NVL = 0, NVV = 0;
    Table<int, kMaxViolations> VLBR{}, VLSGN{}, VVBUS{}, VVSGN{};
    Table<double, kMaxViolations> LMARGIN{}, VMARGIN{};
    // Gradient rows of the violated quantities (line rows, then voltage rows) and their
    // sensitivities to the controls: P of generator g at column g, Q at column NOPG + g.
    std::array<std::array<double, kMaxJacobianOrder>, 2 * kMaxViolations> GRAD{};
    std::array<std::array<double, 2 * kMaxOpfGenerators + 1>, 2 * kMaxViolations> SENS{};

    // Dense Newton Jacobian, its LU factors and pivots, and a solution column.
    int NJ = 0;
    Table<int, kMaxBuses> THIDX{}, VIDX{}; // unknown of each bus's angle (0: swing) and voltage
    std::array<double, kMaxJacobianOrder * kMaxJacobianOrder> JAC{};
    std::array<int, kMaxJacobianOrder> JPIV{};
    std::array<double, kMaxJacobianOrder> JCOLV{};
    Table<double, kMaxBuses> PINJ0{}, QINJ0{}, PINJ1{}, QINJ1{};

    // The linear program.
    int LPN = 0, LPM = 0, LPK = 0;
    std::array<double, kMaxLpRows * kMaxLpColumns> LPA{};
    std::array<double, kMaxLpRows> LPB{};
    std::array<double, kMaxLpColumns> LPC{}, LPX{};
    std::array<int, kMaxLpRows> LPIND{};
    std::array<double, kLpWorkspace> LPW{};
};

struct OpfModule : OpfTables {
    PowerFlowModule pf;
    EngineStatus status;

    void reset();
    // Raises the error flag with `code`; the caller writes the explanation with log().
    void fail(int code);
    void log(const char* text);
};

} // namespace tarvex::engine
