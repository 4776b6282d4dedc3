#include "engine/core/EngineLogStream.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/Sparse.h"
#include "engine/estimation/Wls.h"

#include <cmath>
#include <span>

// WLSITER: Gauss-Newton iterations on the normal equations G dx = H^T W r from the flat
// start, the final evaluation and the result files.
//
// At a flat start without shunts a current magnitude is zero and its derivatives are
// undefined, so in the first iteration every branch carrying a current measurement gets
// 0.001 p.u. on the shunt legs of both ends and on B_ii of both its buses (once per
// current measurement); the perturbation is removed as soon as the first gain matrix
// is formed.
namespace tarvex::engine {

namespace {

constexpr double kPivotTolerance = 1.0E-6;
constexpr double kCurrentPerturbation = 0.001;

void perturb(WlsModule& m, double amount) {
    EstimationNetwork& net = m.net;
    for (int z = 1; z <= m.M; ++z) {
        if (m.set.items[m.SETIDX[z]].kind != kCurrentMagnitude) continue;
        const int l = m.TIE[z].branch;
        net.SHFR_B[l] += amount;
        net.SHTO_B[l] += amount;
        net.BDIAG[net.FROMB[l]] += amount;
        net.BDIAG[net.TOB[l]] += amount;
    }
}

bool hasCurrents(const WlsModule& m) {
    return m.set.groupCount[kCurrentMagnitude] > 0;
}

// Factors the loaded gain matrix and solves with RHS; false (status 32) on failure.
bool factorAndSolve(WlsModule& m, bool firstFactoring) {
    EngineLogStream log(m.log);
    const int ierr = SPARSE(m.GAIN, std::span<double>(m.RHS.data(), m.N + 1), m.N, kMaxGainEntries,
                            kPivotTolerance, 1, SparseOptions::gainMatrix(firstFactoring), log);
    if (ierr >= 0) return true;
    m.fail(kWlsUnobservable);
    m.log.writeEmpty();
    Record record;
    record.blanks(10).text("**** SYSTEM IS UNOBSERVABLE (!) ****");
    m.log.write(record);
    return false;
}

void applyCorrection(WlsModule& m, double& largest) {
    const EstimationNetwork& net = m.net;
    largest = 0.0;
    for (int k = 1; k <= net.NB - 1; ++k) {
        m.TH[net.ORDER[k + 1]] += m.RHS[k];
        largest = std::fmax(largest, std::fabs(m.RHS[k]));
    }
    for (int k = 1; k <= net.NB; ++k) {
        m.V[net.ORDER[k]] += m.RHS[net.NB - 1 + k];
        largest = std::fmax(largest, std::fabs(m.RHS[net.NB - 1 + k]));
    }
}

} // namespace

void WLSITER(WlsModule& m) {
    for (int it = 1; it <= m.parameters.MAXITW; ++it) {
        const bool first = it == 1;
        if (first && hasCurrents(m)) perturb(m, kCurrentPerturbation);
        WLSEVAL(m);
        WLSJACOB(m);
        WLSGAIN(m);
        if (first && hasCurrents(m)) perturb(m, -kCurrentPerturbation);
        if (m.status.failed()) return;
        if (!factorAndSolve(m, first)) return;
        m.iterations = it;
        double largest = 0.0;
        applyCorrection(m, largest);
        if (largest < m.parameters.TOLW) {
            m.converged = true;
            break;
        }
    }

    // Final step: residuals at the final state, the state file, then the factors of the
    // final gain matrix for the bad data analysis.
    WLSEVAL(m);
    WLSVHAT(m);
    WLSJACOB(m);
    WLSGAIN(m);
    if (m.status.failed()) return;
    if (!factorAndSolve(m, m.iterations == 0)) return;
    WLSBAD(m);
    WLSZHAT(m);
}

} // namespace tarvex::engine
