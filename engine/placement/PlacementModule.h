#pragma once

#include "engine/core/EngineStatus.h"
#include "engine/core/sparse/SparseStorage.h"

// The tables of one meter placement run (MPLMAIN), sized once here and reset at the start
// of every run. Positions are 1-based: bus position p = 1..NB in case file order (position
// 1 is the angle reference), branch l = 1..NBR, matrix row r = 1..NR.
//
// The measurement matrix is the linear active-power model at flat start: the states are
// the angles of positions 2..NB (column c = position - 1), a flow row of branch l from bus
// i to bus j holds -b(l) at i and b(l) at j, an injection row at bus i holds the sum of -b
// over its branches at i and b(l) at each neighbour. Rows: existing flows, existing
// injections (M0 rows in all), then one candidate flow per unmetered branch and one
// candidate injection per unmetered bus, so NR = NB + NBR.
namespace tarvex::engine {

inline constexpr int kPlacementMaxBuses = 200;
inline constexpr int kPlacementMaxBranches = 400;
inline constexpr int kPlacementMaxAdjacent = 15; // branches per bus
inline constexpr int kPlacementMaxRows = kPlacementMaxBuses + kPlacementMaxBranches;
// Entries of the measurement matrix: two per flow row, one plus one per branch end for
// the injection rows.
inline constexpr int kPlacementMaxEntries = 4 * kPlacementMaxBranches + kPlacementMaxBuses;
// The factorization of the basis step works in storage for 8 entries per matrix entry.
inline constexpr int kPlacementStorageFactor = 8;
inline constexpr int kPlacementSparseEntries = kPlacementStorageFactor * kPlacementMaxEntries;
// The covering problem given to KOVRAL and its workspace for 200 rows and 200 columns.
inline constexpr int kCoveringMaxRows = 200;
inline constexpr int kCoveringMaxColumns = 200;
inline constexpr long kCoveringWorkspace = 166605;
inline constexpr int kCoveringIterationLimit = 5000;

// Status codes of the placement (catalogue tvx.err).
enum PlacementStatus {
    kPlacementCaseError = 90,
    kPlacementMeasurementError = 91,
    kPlacementCostError = 92,
    kPlacementCoveringTooLarge = 93,
    kPlacementUnobservable = 94,
};

struct PlacementModule {
    EngineStatus status;

    // Network.
    int NB = 0;
    int NBR = 0;
    int busNumber[kPlacementMaxBuses + 1] = {};
    int fromBus[kPlacementMaxBranches + 1] = {}; // bus numbers of the branch ends
    int toBus[kPlacementMaxBranches + 1] = {};
    int fromPos[kPlacementMaxBranches + 1] = {}; // their positions
    int toPos[kPlacementMaxBranches + 1] = {};
    double susceptance[kPlacementMaxBranches + 1] = {};
    int adjacentCount[kPlacementMaxBuses + 1] = {};
    int adjacent[kPlacementMaxBuses + 1][kPlacementMaxAdjacent] = {};

    // Existing active-power meters in file order: signed branch indices of the flows
    // (+l from-to order, -l reversed) and bus positions of the injections.
    int NFLOW = 0;
    int flowMeter[kPlacementMaxBranches + 1] = {};
    int NINJ = 0;
    int injectionMeter[kPlacementMaxBuses + 1] = {};

    // Measurement matrix in coordinate form.
    int M0 = 0;
    int NR = 0;
    int NZ = 0;
    int entryRow[kPlacementMaxEntries + 1] = {};
    int entryColumn[kPlacementMaxEntries + 1] = {};
    double entryValue[kPlacementMaxEntries + 1] = {};
    int injectionRow[kPlacementMaxBuses + 1] = {}; // row of the injection at position p
    int flowRow[kPlacementMaxBranches + 1] = {};   // row of the flow of branch l
    int rowPosition[kPlacementMaxRows + 1] = {};   // bus of an injection row, else 0
    int rowBranch[kPlacementMaxRows + 1] = {};     // signed branch of a flow row, else 0

    // Costs of the first set-up's rows, and the covering problem's column costs.
    int rowCost[kPlacementMaxRows + 1] = {};
    int NCAND = 0;
    int candidateCost[kPlacementMaxRows + 1] = {};

    // Basis of the first set-up: the rows pivoted at steps 1..NB-1.
    bool inBasis[kPlacementMaxRows + 1] = {};
    int basisFlowCount = 0;
    int basisFlow[kPlacementMaxBranches + 1] = {}; // signed branch indices
    int basisInjectionCount = 0;
    int basisInjection[kPlacementMaxBuses + 1] = {}; // bus positions

    // Proposal list: type 2 (bus) or 4 (from, to); basis proposals first, then spares.
    int proposalCount = 0;
    int proposalType[kPlacementMaxRows + 1] = {};
    int proposalFrom[kPlacementMaxRows + 1] = {};
    int proposalTo[kPlacementMaxRows + 1] = {};

    // Dense basis matrix of the second set-up, its LU factors and a work vector.
    double basis[kPlacementMaxBuses][kPlacementMaxBuses] = {};
    int basisPivot[kPlacementMaxBuses] = {};
    double alpha[kPlacementMaxBuses] = {};
    // Covering pairs: pair[r0 - 1][candidate row - M0 - 1] when the candidate restores
    // observability after the loss of basis row r0.
    bool pair[kPlacementMaxBuses][kPlacementMaxRows] = {};

    // Covering problem.
    int NROW = 0;
    int NCOL = 0;
    double cover[kCoveringMaxRows * kCoveringMaxColumns] = {}; // column-major
    int coverType[kCoveringMaxRows] = {};
    double coverRhs[kCoveringMaxRows] = {};
    double coverCost[kCoveringMaxColumns] = {};
    double coverBound[kCoveringMaxColumns] = {};
    double coverAnswer[kCoveringMaxColumns] = {};
    double work[kCoveringWorkspace] = {};
    int kovralOutput[4] = {};

    CSparseStorage<kPlacementSparseEntries, kPlacementMaxRows> sparse;
    double rhs[kPlacementMaxRows + 1] = {};
};

// The one module of the process (the engine is not re-entrant).
PlacementModule& placementModule();

} // namespace tarvex::engine
