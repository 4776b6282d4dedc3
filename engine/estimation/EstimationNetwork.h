#pragma once

#include "engine/core/EngineFile.h"
#include "engine/core/PowerFlowTables.h"
#include "engine/estimation/EstimationLimits.h"
#include "engine/estimation/MeasurementSet.h"

#include <array>

// The network as the state estimators see it: buses, the swing bus, and per branch the
// off-diagonal admittance and the shunt legs of both ends, read from pfinput.dat by the
// power flow's case reader. Loads, generation, limits, ratings and phase shifts play no
// part. Tables are 1-based and indexed by internal bus (card order) and branch (card
// order).
namespace tarvex::engine {

// A zero branch resistance is replaced by this, so every branch has an admittance.
inline constexpr double kMinimumResistance = 1.0E-6;

struct EstimationNetwork {
    int NB = 0, NBR = 0, SLACK = 0;
    Table<int, kMaxBuses> EXTNUM{};
    Table<int, kMaxBusNumber> INTIDX{}; // 0: no bus card with that number
    Table<double, kMaxBuses> SHUNTB{};  // bus shunt susceptance, p.u.

    // Branch data as read: series R (never 0) and X, half the charging, turns ratio.
    Table<int, kMaxBranches> FROMB{}, TOB{};
    Table<double, kMaxBranches> BR_R{}, BR_X{}, BR_B{}, TAP{};

    // Admittance build: off-diagonal G_ij, B_ij of each branch (tap scaled), the shunt
    // leg susceptances of each end and the diagonals G_ii, B_ii.
    Table<double, kMaxBranches> G{}, B{}, SHFR_B{}, SHTO_B{};
    Table<double, kMaxBuses> GDIAG{}, BDIAG{};

    // Incident branches of every bus in file order with the bus at the other end.
    Table<int, kMaxBuses> NADJ{};
    std::array<std::array<int, kMaxBranchesAtBus + 1>, kMaxBuses + 1> ADJBR{}, ADJBUS{};

    // State order: the swing bus first, then the other buses in file order.
    Table<int, kMaxBuses> ORDER{}; // position -> bus
    Table<int, kMaxBuses> POS{};   // bus -> position

    // External bus number -> internal bus, 0 when there is no such bus card.
    int bus(int external) const {
        return external >= 1 && external <= kMaxBusNumber ? INTIDX[external] : 0;
    }
};

// Reads pfinput.dat in the working directory. ERROR.LOG gets the case reader's line on
// failure; the caller must not have written to its own log file yet (both write the
// same file from its start). False when the case cannot be read.
bool readEstimationNetwork(EstimationNetwork& net);

// Incident branch lists. False (with the two log lines and an empty line) when a bus
// has more than kMaxBranchesAtBus branches.
bool buildAdjacency(EstimationNetwork& net, EngineFile& log);

// Admittance build as in the power flow: a transformer (turns ratio not 0 or 1, tap on
// the from side, c = 1/t) scales the from diagonal by c^2 and the off-diagonal by c and
// keeps its charging off the diagonals; shunts add to B_ii. Shunt legs start at half
// the charging; only their susceptances are kept.
void buildAdmittance(EstimationNetwork& net);

// Which branch a flow or current measurement is on and at which end.
struct MeasurementTie {
    int i = 0, j = 0;   // internal buses: measured bus (or end), far end (0 for a bus kind)
    int branch = 0;     // 0 for a bus kind
    bool atFrom = true; // the measured end is the branch's from (tap) bus
};

enum class TieResult { Ok, UnknownBus, NoBranch };

// Ties measurement `m` of set to the network: its buses must have bus cards, and a flow
// or current is tied to the first branch in file order between its two buses (either
// orientation). On failure one log line names the measurement.
TieResult tieMeasurement(const EstimationNetwork& net, const Measurement& m, MeasurementTie& tie,
                         EngineFile& log);

} // namespace tarvex::engine
