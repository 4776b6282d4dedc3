#include "engine/core/CaseFile.h"
#include "engine/core/CaseReaderSupport.h"

// Branch cards of the IEEE common data format, up to the card whose tap bus is -999:
//   1-4 tap bus   6-9 Z bus   11-12 area   13-14 loss zone
//   20-29 resistance (10.5)   30-40 reactance (11.5)   41-50 line charging (10.4)
//   51-55 rating 1, MVA       77-82 final turns ratio (6.3)
//   84-90 final phase angle, degrees (7.1)
// The charging on the card is the total; the table keeps half of it (one pi leg).
namespace tarvex::engine {

namespace {

// The single-precision degree factor the original program used for phase shifts.
constexpr double kBranchDegreesToRadians = 0.0174532;

struct BranchCard {
    int from = 0, to = 0, area = 0, zone = 0, rating = 0;
    double r = 0, x = 0, charging = 0, tap = 0, phase = 0;
};

bool readFields(PowerFlowModule& m, const CaseCard& card, BranchCard& branch) {
    const CardKind k = CardKind::Branch;
    return readIntField(m, card, k, 6, 9, "Z BUS", branch.to) &&
           readIntField(m, card, k, 11, 12, "AREA", branch.area) &&
           readIntField(m, card, k, 13, 14, "LOSS ZONE", branch.zone) &&
           readRealField(m, card, k, 20, 29, 5, "RESISTANCE", branch.r) &&
           readRealField(m, card, k, 30, 40, 5, "REACTANCE", branch.x) &&
           readRealField(m, card, k, 41, 50, 4, "LINE CHARGING", branch.charging) &&
           readIntField(m, card, k, 51, 55, "RATING", branch.rating) &&
           readRealField(m, card, k, 77, 82, 3, "TURNS RATIO", branch.tap) &&
           readRealField(m, card, k, 84, 90, 1, "PHASE ANGLE", branch.phase);
}

bool checkBus(PowerFlowModule& m, const CaseCard& card, int number) {
    if (number < 1 || number > kMaxBusNumber) {
        dataError(m, card, CardKind::Branch, "BUS NUMBER", number, " IS OUTSIDE 1 TO 40");
        return false;
    }
    if (m.INTIDX[number] == 0) {
        dataError(m, card, CardKind::Branch, "BRANCH NAMES BUS", number, " WHICH HAS NO BUS CARD");
        return false;
    }
    return true;
}

bool checkCard(PowerFlowModule& m, const CaseCard& card, const BranchCard& branch) {
    if (m.NBR >= kMaxBranches) {
        dataError(m, card, CardKind::Branch, "MORE THAN 100 BRANCH CARDS");
        return false;
    }
    if (!checkBus(m, card, branch.from) || !checkBus(m, card, branch.to)) return false;
    // A branch from a bus to itself has no place in the admittance matrix and would put
    // a second diagonal entry into B' and B''.
    if (branch.from == branch.to) {
        dataError(m, card, CardKind::Branch, "BRANCH CONNECTS BUS", branch.from, " TO ITSELF");
        return false;
    }
    return true;
}

void store(PowerFlowModule& m, const BranchCard& branch) {
    const int l = ++m.NBR;
    m.FROMB[l] = m.INTIDX[branch.from];
    m.TOB[l] = m.INTIDX[branch.to];
    m.BRAREA[l] = branch.area;
    m.BRZONE[l] = branch.zone;
    m.BR_R[l] = branch.r;
    m.BR_X[l] = branch.x;
    m.BR_B[l] = branch.charging * 0.5;
    m.RATE1[l] = branch.rating;
    m.TAP[l] = branch.tap;
    m.PHS[l] = branch.phase * kBranchDegreesToRadians;
}

} // namespace

bool readBranchCards(PowerFlowModule& m, CaseFile& file) {
    CaseCard card;
    while (file.next(card)) {
        BranchCard branch;
        if (!readIntField(m, card, CardKind::Branch, 1, 4, "TAP BUS", branch.from)) return false;
        if (branch.from == -999) return true;
        if (!readFields(m, card, branch) || !checkCard(m, card, branch)) return false;
        store(m, branch);
    }
    endOfFileError(m, "BRANCH", file.line());
    return false;
}

} // namespace tarvex::engine
