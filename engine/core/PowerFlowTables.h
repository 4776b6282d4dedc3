#pragma once

#include "engine/core/PowerFlowLimits.h"

#include <array>

// The network tables of the power flow, filled by the case reader (READPF) and the
// admittance build (YMATRX). Every table is 1-based (element 0 unused) and sized by
// the capacities in PowerFlowLimits.h. Units inside the engine: powers in per unit on
// BASEMVA, voltages in per unit, angles in radians.
namespace tarvex::engine {

template <typename T, int N> using Table = std::array<T, N + 1>;

struct PowerFlowTables {
    // Case title card.
    std::array<char, 31> TITLE{}; // columns 1-30, NUL-terminated
    double BASEMVA = 0.0;         // system base, MVA

    // Counters.
    int NB = 0;    // buses
    int NBR = 0;   // branches
    int NPQ = 0;   // load buses
    int NPV = 0;   // voltage-controlled buses
    int NGEN = 0;  // generator rows
    int NSH = 0;   // shunt rows
    int NAREA = 0; // largest area number seen (not a count)
    int SLACK = 0; // internal index of the swing bus

    // Bus table, one row per bus card in file order (the row is the internal index).
    Table<int, kMaxBuses> EXTNUM{};     // external bus number
    Table<int, kMaxBusNumber> INTIDX{}; // internal index by external number (0: no card)
    Table<int, kMaxBuses> BTYPE{};      // 1 swing, 2 load (PQ), 3 voltage controlled (PV)
    Table<double, kMaxBuses> VDES{};    // desired voltage, p.u.
    Table<double, kMaxBuses> ANG0{};    // angle on the card, rad
    Table<double, kMaxBuses> PLOAD{}, QLOAD{}, PGEN{}, QGEN{}; // p.u.
    Table<int, kMaxBuses> BUSAREA{}, BUSZONE{};
    Table<double, kMaxBuses> VMAG{}, VANG{}; // solution state, p.u. and rad

    // Generator table: voltage-controlled buses whose reactive limits differ.
    Table<int, kMaxGenerators> GENBUS{};          // internal bus index
    Table<double, kMaxGenerators> GENV{};         // voltage set point, p.u.
    Table<double, kMaxGenerators> QMIN{}, QMAX{}; // p.u.

    // Shunt table: bus cards with a non-zero shunt susceptance.
    Table<int, kMaxShunts> SHBUS{};  // internal bus index
    Table<double, kMaxShunts> SHB{}; // susceptance, p.u. as written

    // Branch table, one row per branch card in file order.
    Table<int, kMaxBranches> FROMB{}, TOB{}; // internal index of tap bus and Z bus
    // Series R and X as read; after YMATRX the off-diagonal G_ij and B_ij (tap scaled).
    Table<double, kMaxBranches> BR_R{}, BR_X{};
    Table<double, kMaxBranches> BR_B{}; // half the total line charging, p.u.
    Table<int, kMaxBranches> RATE1{};   // MVA
    Table<double, kMaxBranches> TAP{};  // final turns ratio (0 or 1: a line)
    Table<double, kMaxBranches> PHS{};  // phase shift, rad
    Table<int, kMaxBranches> BRAREA{}, BRZONE{};
    Table<double, kMaxBranches> INVX{};         // 1 / X
    Table<double, kMaxBranches> COSD{}, SIND{}; // cached cos/sin of the angle difference
    Table<double, kMaxBranches> SHFR_G{}, SHFR_B{}, SHTO_G{}, SHTO_B{}; // pi-model legs

    // Bus positions: position 1 is the swing bus (a single swap with internal index 1).
    Table<int, kMaxBuses> PERM{};  // position -> bus
    Table<int, kMaxBuses> IPERM{}; // bus -> position

    // Admittance diagonals and the B' diagonal, by position.
    Table<double, kMaxBuses> GDIAG{}, BDIAG{}, BPDG{};
    // Scheduled net injections, by internal bus index.
    Table<double, kMaxBuses> PSCH{}, QSCH{};

    // Merged parallel branches (PARBR): first branch of each merged set and the summed
    // 1/X and B_ij of its members.
    int NMBR = 0;
    Table<int, kMaxBranches> MBR{};
    Table<double, kMaxBranches> BPOFF{}, BOFF{};

    // B' and B'' in coordinate form (order NB - 1; matrix row r is position r + 1).
    // B' uses IROW/JCOL/VALBP with NZP entries; B'' uses IROW0/JCOL0/VALBPP with NZPP
    // entries, and VALBPP0 keeps its values before the voltage-control treatment. The
    // factorization appends fill-in to each set, so the counts grow apart from NZ.
    int NZ = 0; // entries as assembled
    int NZP = 0, NZPP = 0;
    Table<int, kMaxMatrixEntries> IROW{}, JCOL{}, IROW0{}, JCOL0{};
    Table<double, kMaxMatrixEntries> VALBP{}, VALBPP{}, VALBPP0{};

    // Settings from pfparam.dat.
    int MAXIT = 0;     // iterations (one P and one Q half-iteration each)
    double TOLP = 0.0; // tolerance on the largest active mismatch, p.u.
    double TOLQ = 0.0; // tolerance on the largest reactive mismatch, p.u.
    int IQLIM = 0;     // 0: reactive limits ignored, otherwise enforced

    // Iteration state.
    Table<double, kMaxBuses> PCALC{}, QCALC{}; // computed net injections, by bus
    Table<double, kMaxBuses> RHSP{}, RHSQ{};   // right-hand sides / corrections, by row
    double HALFIT = 0.0;                       // half-iteration counter
    bool PCONV = false, QCONV = false;
    bool QLIMDONE = false;    // the reactive-limit check has run
    int NRISE = 0;            // consecutive iterations with a growing P mismatch
    double DPPREV = 0.0;      // largest P mismatch of the previous iteration
    bool SWITCHED = false;    // a bus changed type in this iteration
    int NTOPQ = 0, NTOPV = 0; // moves to load bus and back to voltage control in this run
    bool PCALCDONE = false;   // PCALC/QCALC hold values of some iteration
    bool BPFACT = false, BPPFACT = false; // B' and B'' factors are valid

    // System losses, MW and MVAR (LOSSOTP).
    double PLOSS = 0.0, QLOSS = 0.0, QCHARGE = 0.0, QSHUNT = 0.0;

    // Branch chains (BRCHN): branches whose from bus, and whose to bus, is a bus, in file
    // order; head per bus, next per branch, -1 at the end.
    Table<int, kMaxBuses> FRHEAD{}, TOHEAD{};
    Table<int, kMaxBranches> FRNEXT{}, TONEXT{};

    // Area tables of the report, indexed 0..10 (area 0 is a blank area field; it takes
    // part in no printed line).
    std::array<double, kMaxAreas + 1> AREALOSS{};
    std::array<std::array<double, kMaxAreas + 1>, kMaxAreas + 1> PINT{}, QINT{};
};

} // namespace tarvex::engine
