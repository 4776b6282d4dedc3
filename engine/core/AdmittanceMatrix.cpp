#include "engine/core/EngineFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <utility>

// YMATRX: the bus admittance matrix of the case, kept as diagonals by bus position
// (GDIAG, BDIAG) plus one off-diagonal admittance per branch (BR_R = G_ij, BR_X = B_ij),
// the B' diagonal (BPDG, reactances only), the pi-model shunt legs of every branch and
// the flat start.
//
// Series admittance of a branch: y = 1/(R + jX); its off-diagonal element is
// G_ij + jB_ij = -y, so G_ij = -R/(R^2+X^2) and B_ij = X/(R^2+X^2). A transformer
// (turns ratio t not 0 or 1, tap on the from side, c = 1/t) scales the from-side
// diagonal by c^2 and the off-diagonal by c; its line charging is not put on the
// diagonals but stays in the shunt legs for the flow and loss figures. The phase shift
// is applied by the iterations, not here.
namespace tarvex::engine {

namespace {

// " DATA ERROR : BRANCH" I3 "-" I3 text, with the branch card's place in its section
// appended when cardNumber is not 0.
void branchError(PowerFlowModule& m, int l, const char* text, int cardNumber) {
    m.fail(1);
    Record record;
    record.text(" DATA ERROR : BRANCH").integer(m.EXTNUM[m.FROMB[l]], 3).text("-");
    record.integer(m.EXTNUM[m.TOB[l]], 3).text(text);
    if (cardNumber != 0) record.number(cardNumber);
    m.log(record);
}

void zeroDiagonalError(PowerFlowModule& m, const char* name, int position) {
    m.fail(5);
    Record record;
    record.item(name).item(static_cast<long long>(m.EXTNUM[m.PERM[position]])).item(") = 0 ");
    m.log(record);
}

void startingPoint(PowerFlowModule& m) {
    for (int l = 1; l <= m.NBR; ++l) {
        m.COSD[l] = 1.0;
        m.SIND[l] = 0.0;
        m.SHFR_B[l] = m.SHTO_B[l] = m.BR_B[l];
        m.SHFR_G[l] = m.SHTO_G[l] = 0.0;
    }
    for (int i = 1; i <= m.NB; ++i) {
        m.VMAG[i] = m.BTYPE[i] == 2 ? 1.0 : m.VDES[i];
        m.VANG[i] = 0.0;
        m.GDIAG[i] = m.BDIAG[i] = m.BPDG[i] = 0.0;
        m.PERM[i] = m.IPERM[i] = i;
    }
    // The swing bus takes position 1 and the bus there takes the swing bus's place.
    std::swap(m.PERM[1], m.PERM[m.SLACK]);
    m.IPERM[m.PERM[1]] = 1;
    m.IPERM[m.PERM[m.SLACK]] = m.SLACK;
}

// Adds branch l to the diagonals; false when its impedance cannot be inverted.
bool addBranch(PowerFlowModule& m, int l) {
    const double r = m.BR_R[l];
    const double x = m.BR_X[l];
    if (r == 0.0 && x == 0.0) {
        branchError(m, l, " PARAMETERS ARE ALL ZERO ", 0);
        return false;
    }
    // A branch with X = 0 but R != 0 has a finite admittance, but the fast decoupled B'
    // is built from 1/X alone and would get an infinite entry. The case is rejected with
    // the status of the zero-impedance branch; the student gives the branch a reactance.
    if (x == 0.0) {
        branchError(m, l, " REACTANCE IS ZERO, BRANCH CARD ", l);
        return false;
    }
    const int kf = m.IPERM[m.FROMB[l]];
    const int kt = m.IPERM[m.TOB[l]];
    m.INVX[l] = 1.0 / x;
    m.BPDG[kf] -= 1.0 / x;
    m.BPDG[kt] -= 1.0 / x;

    const double den = r * r + x * x;
    const double g = -r / den;
    const double b = x / den;
    const double t = m.TAP[l];
    if (t == 0.0 || t == 1.0) {
        m.BR_R[l] = g;
        m.BR_X[l] = b;
        m.GDIAG[kf] -= g;
        m.GDIAG[kt] -= g;
        m.BDIAG[kf] += -b + m.BR_B[l];
        m.BDIAG[kt] += -b + m.BR_B[l];
        return true;
    }
    const double c = 1.0 / t;
    m.BR_R[l] = c * g;
    m.BR_X[l] = c * b;
    m.GDIAG[kf] -= c * c * g;
    m.BDIAG[kf] -= c * c * b;
    m.GDIAG[kt] -= g;
    m.BDIAG[kt] -= b;
    m.SHFR_B[l] += (1.0 - c) * m.BR_X[l];
    m.SHTO_B[l] += (1.0 - t) * m.BR_X[l];
    m.SHFR_G[l] += (1.0 - c) * m.BR_R[l];
    m.SHTO_G[l] += (1.0 - t) * m.BR_R[l];
    return true;
}

bool checkDiagonals(PowerFlowModule& m) {
    for (int i = 1; i <= m.NB; ++i) {
        if (m.BDIAG[i] == 0.0) {
            zeroDiagonalError(m, " BDIAG (", i);
            return false;
        }
        if (m.BPDG[i] == 0.0) {
            zeroDiagonalError(m, " BPDG (", i);
            return false;
        }
    }
    return true;
}

// ymatrix.dat: " " I5 "  " I5 "  (" F15.6 ",  " F15.6 ")" per record; first the
// diagonal of every bus in file order, then two records per branch (to-from, from-to)
// with the off-diagonal element after tap scaling.
void writeListing(const PowerFlowModule& m) {
    EngineFile file;
    file.open(files::kAdmittanceListing);
    auto write = [&file](int i, int j, double g, double b) {
        Record record;
        record.blanks(1).integer(i, 5).blanks(2).integer(j, 5).blanks(2).text("(");
        record.real(g, 15, 6).text(",").blanks(2).real(b, 15, 6).text(")");
        file.write(record);
    };
    for (int i = 1; i <= m.NB; ++i) {
        const int p = m.IPERM[i];
        write(m.EXTNUM[i], m.EXTNUM[i], m.GDIAG[p], m.BDIAG[p]);
    }
    for (int l = 1; l <= m.NBR; ++l) {
        const int from = m.EXTNUM[m.FROMB[l]];
        const int to = m.EXTNUM[m.TOB[l]];
        write(to, from, m.BR_R[l], m.BR_X[l]);
        write(from, to, m.BR_R[l], m.BR_X[l]);
    }
}

} // namespace

void YMATRX(PowerFlowModule& m) {
    if (m.status.failed() || m.SLACK == 0) return;
    startingPoint(m);
    for (int l = 1; l <= m.NBR; ++l) {
        if (!addBranch(m, l)) return;
    }
    for (int s = 1; s <= m.NSH; ++s) m.BDIAG[m.IPERM[m.SHBUS[s]]] += m.SHB[s];
    if (!checkDiagonals(m)) return;
    for (int i = 1; i <= m.NB; ++i) {
        m.PSCH[i] = m.PGEN[i] - m.PLOAD[i];
        m.QSCH[i] = m.QGEN[i] - m.QLOAD[i];
    }
    writeListing(m);
    PARBR(m);
    BMATRX(m);
}

} // namespace tarvex::engine
