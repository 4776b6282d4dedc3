#include "engine/core/EngineLogStream.h"
#include "engine/core/PowerFlow.h"
#include "engine/core/sparse/Sparse.h"

#include <cmath>

// FDLF: the fast decoupled power flow in its XB form. Each iteration is a P-theta
// half-iteration on B' (reactances only) and a Q-V half-iteration on B'' (-B of the
// admittance matrix), both with right-hand sides mismatch / V. B' is factored once per
// run; B'' once plus once per iteration in which a generator changed type. Voltage-
// controlled buses carry 1.0E22 on their B'' diagonal, which holds their voltage.
namespace tarvex::engine {

namespace {

constexpr double kPivotTolerance = 1.0E-8;
constexpr double kPinnedDiagonal = 1.0E22;
// The limit check starts once the P mismatch is this small (single precision, as the
// original program held it).
const double kLimitCheckMismatch = static_cast<double>(0.01f);
constexpr int kRisesToFail = 3; // a fourth consecutive rise of the P mismatch fails

void summaryHeading(PowerFlowModule& m) {
    Record r;
    r.blanks(2).text("          CONVERGENCE SUMMARY ");
    m.files.report.write(r);
    r.clear();
    r.blanks(2).text(" ITER").blanks(12).text("DELP").blanks(14).text("DELQ");
    m.files.report.write(r);
    m.files.report.writeEmpty();
}

void summaryLine(PowerFlowModule& m, double mismatch, bool reactive) {
    Record r;
    r.blanks(2).real(m.HALFIT, 5, 1).blanks(reactive ? 20 : 2).real(mismatch, 16, 6);
    m.files.report.write(r);
}

void sparseError(PowerFlowModule& m, const char* which, int ierr) {
    Record r;
    r.item(which).item(static_cast<long long>(ierr));
    m.log(r);
    m.fail(4);
}

void divergence(PowerFlowModule& m) {
    Record r;
    r.blanks(2).text("Power Flow Algorithm Failed to Converge !");
    m.files.log.writeEmpty();
    m.log(r);
    m.files.report.writeEmpty();
    m.files.report.write(r);
    m.fail(6);
}

// Loads B' into its solver (the solver overwrites values with factors, so every
// factoring call starts from the assembled entries).
void loadBp(PowerFlowModule& m) {
    m.BPSOLVER.clear();
    for (int e = 1; e <= m.NZ; ++e) m.BPSOLVER.add(m.IROW[e], m.JCOL[e], m.VALBP[e]);
}

// B'' from the untreated values with 1.0E22 on the diagonal of every bus that is voltage
// controlled now.
void loadBpp(PowerFlowModule& m) {
    for (int e = 1; e <= m.NZ; ++e) {
        const bool pinned = m.IROW0[e] == m.JCOL0[e] && m.BTYPE[m.PERM[m.IROW0[e] + 1]] == 3;
        m.VALBPP[e] = pinned ? kPinnedDiagonal : m.VALBPP0[e];
    }
    m.BPPSOLVER.clear();
    for (int e = 1; e <= m.NZ; ++e) m.BPPSOLVER.add(m.IROW0[e], m.JCOL0[e], m.VALBPP[e]);
}

bool solveP(PowerFlowModule& m, EngineLogStream& log) {
    const int factor = m.BPFACT ? 0 : 1;
    if (factor == 1) loadBp(m);
    const int ierr = SPARSE(m.BPSOLVER, m.RHSP, m.NB - 1, kStoragePerBus * m.NB, kPivotTolerance,
                            factor, SparseOptions::powerFlow(), log);
    if (ierr < 0) {
        sparseError(m, " Error in P-SPARSE : IERR =", ierr);
        return false;
    }
    m.BPFACT = true;
    m.HALFIT += 0.5;
    for (int p = 2; p <= m.NB; ++p) m.VANG[m.PERM[p]] += m.RHSP[p - 1];
    return true;
}

bool solveQ(PowerFlowModule& m, EngineLogStream& log) {
    const int factor = (!m.BPPFACT || m.SWITCHED) ? 1 : 0;
    if (factor == 1) loadBpp(m);
    const int ierr = SPARSE(m.BPPSOLVER, m.RHSQ, m.NB - 1, kStoragePerBus * m.NB, kPivotTolerance,
                            factor, SparseOptions::powerFlow(), log);
    if (ierr < 0) {
        sparseError(m, " Error in Q-SPARSE : IERR =", ierr);
        return false;
    }
    m.BPPFACT = true;
    m.HALFIT += 0.5;
    for (int p = 2; p <= m.NB; ++p) m.VMAG[m.PERM[p]] += m.RHSQ[p - 1];
    return true;
}

double pMismatch(PowerFlowModule& m) {
    CALCP(m);
    double largest = 0.0;
    for (int p = 2; p <= m.NB; ++p) {
        const int i = m.PERM[p];
        const double dp = m.PSCH[i] - m.PCALC[i];
        m.RHSP[p - 1] = dp / m.VMAG[i];
        largest = std::fmax(largest, std::fabs(dp));
    }
    return largest;
}

// Rows of voltage-controlled buses get no mismatch: their correction is held at zero.
double qMismatch(PowerFlowModule& m) {
    double largest = 0.0;
    for (int p = 2; p <= m.NB; ++p) {
        const int i = m.PERM[p];
        m.RHSQ[p - 1] = 0.0;
        if (m.BTYPE[i] == 3) continue;
        const double dq = m.QGEN[i] - m.QLOAD[i] - m.QCALC[i];
        m.RHSQ[p - 1] = dq / m.VMAG[i];
        largest = std::fmax(largest, std::fabs(dq));
    }
    return largest;
}

// The swing bus and the generators still under voltage control produce whatever
// reactive power the network asks of them.
void updateGeneratorQ(PowerFlowModule& m) {
    m.QGEN[m.SLACK] = m.QCALC[m.SLACK] + m.QLOAD[m.SLACK];
    for (int k = 1; k <= m.NGEN; ++k) {
        const int b = m.GENBUS[k];
        if (m.BTYPE[b] == 3) m.QGEN[b] = m.QCALC[b] + m.QLOAD[b];
    }
}

enum class Outcome { Continue, Converged, Failed };

// Steps 9 to 11 of one iteration: Q mismatch, convergence, Q solve.
Outcome qHalf(PowerFlowModule& m, EngineLogStream& log) {
    for (;;) {
        m.QCONV = false;
        // A generator returned to voltage control has just been put back at its set
        // point, so the injections computed before the check no longer describe the
        // state; a mismatch taken from them could declare convergence on voltages that
        // were never solved. Recompute them first (a move to load bus changes no
        // voltage and gives the same values again).
        if (m.SWITCHED) {
            CALCQ(m);
            updateGeneratorQ(m);
        }
        const double dq = qMismatch(m);
        summaryLine(m, dq, true);
        m.QCONV = dq < m.TOLQ;
        if (m.PCONV && m.QCONV) {
            if (m.QLIMDONE) return Outcome::Converged;
            // First convergence with limits enforced: check them, then look again.
            QLIMIT(m);
            continue;
        }
        break;
    }
    return solveQ(m, log) ? Outcome::Continue : Outcome::Failed;
}

Outcome iteration(PowerFlowModule& m, EngineLogStream& log) {
    m.SWITCHED = false;
    const double dp = pMismatch(m);
    summaryLine(m, dp, false);
    m.PCONV = dp < m.TOLP;

    m.NRISE = dp - m.DPPREV > 0.0 ? m.NRISE + 1 : 0;
    m.DPPREV = dp;
    if (m.NRISE > kRisesToFail) {
        divergence(m);
        return Outcome::Failed;
    }

    bool runPSolve = true;
    if (m.PCONV && m.QCONV) {
        if (m.QLIMDONE) return Outcome::Converged;
        QLIMIT(m);
        runPSolve = false;
    }
    if (runPSolve) {
        if (!solveP(m, log)) return Outcome::Failed;
        CALCQ(m);
        updateGeneratorQ(m);
        if (m.NPV > 0 && m.IQLIM != 0 && dp <= kLimitCheckMismatch) QLIMIT(m);
    }
    if (m.NPQ == 0) return Outcome::Continue;
    return qHalf(m, log);
}

} // namespace

void FDLF(PowerFlowModule& m) {
    if (m.status.failed()) return;
    EngineLogStream log(m.files.log);
    summaryHeading(m);
    m.HALFIT = 0.0;
    m.PCONV = false;
    m.QCONV = m.NPQ == 0;
    m.QLIMDONE = m.IQLIM == 0;
    m.NRISE = 0;
    m.DPPREV = 1.0E6;
    m.BPFACT = m.BPPFACT = false;
    for (int it = 1; it <= m.MAXIT; ++it) {
        const Outcome outcome = iteration(m, log);
        if (outcome == Outcome::Failed) return;
        if (outcome == Outcome::Converged) break;
    }
    // Without a single iteration (MAXIT = 0) the injections were never computed: take
    // them at the flat start, so the swing and generator outputs describe that state
    // rather than zeros.
    if (!m.PCALCDONE) {
        CALCQ(m);
        updateGeneratorQ(m);
        CALCP(m);
    }
    PFLOSS(m);
}

} // namespace tarvex::engine
