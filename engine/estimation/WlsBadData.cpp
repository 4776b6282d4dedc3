#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/Sparse.h"
#include "engine/estimation/Wls.h"

#include <cmath>
#include <span>

// WLSBAD: bad data analysis after the estimate. For every measurement m the residual
// variance Omega_mm = 1/w_m - h_m G^-1 h_m^T (the diagonal of R - H G^-1 H^T), from the
// final factors of G by substitution only, and the normalized residual
// rN = r_m / sqrt(Omega_mm). A measurement whose residual variance vanishes is the only
// one observing some state (critical): its residual is always 0 whatever its error, so
// it carries no test. rn.dat lists every measurement sorted by |rN|, largest first.
namespace tarvex::engine {

namespace {

constexpr double kVarianceFloor = 1.0E-12;
constexpr double kNegativeVarianceLimit = 0.001;
// Internal markers; their magnitudes sort critical measurements first, then those with
// a variance that could not be computed.
constexpr double kCriticalMarker = -9999.0;
constexpr double kErrorMarker = -1111.0;

double residualVariance(WlsModule& m, int z) {
    for (int k = 1; k <= m.N; ++k) m.HDENSE[k] = 0.0;
    for (int e = m.HSTART[z]; e < m.HSTART[z + 1]; ++e) m.HDENSE[m.HCOL[e]] += m.HVAL[e];
    for (int k = 1; k <= m.N; ++k) m.WORK[k] = m.HDENSE[k];
    std::ostream& log = SparseOptions::consoleStream();
    SPARSE(m.GAIN, std::span<double>(m.WORK.data(), m.N + 1), m.N, kMaxGainEntries, 1.0E-6, 0,
           SparseOptions::gainMatrix(false), log);
    double hy = 0.0;
    for (int k = 1; k <= m.N; ++k) hy += m.HDENSE[k] * m.WORK[k];
    return 1.0 / m.W[z] - hy;
}

void writeRecord(EngineFile& file, const WlsModule& m, int z) {
    const Measurement& meas = m.set.items[m.SETIDX[z]];
    const int flag = m.RNFLAG[z];
    const double value = flag == 0 ? std::fabs(m.RN[z]) : 0.0;
    Record record;
    record.blanks(2).integer(meas.kind, 5).integer(meas.from, 5);
    if (isBranchKind(meas.kind)) {
        record.integer(meas.to, 5).blanks(3);
    } else {
        record.blanks(8);
    }
    record.real(value, 18, 4).blanks(3).integer(flag, 3);
    file.write(record);
}

} // namespace

void WLSBAD(WlsModule& m) {
    for (int z = 1; z <= m.M; ++z) {
        const double omega = residualVariance(m, z);
        if (omega > kVarianceFloor) {
            m.RN[z] = m.R[z] / std::sqrt(omega);
            m.RNFLAG[z] = 0;
        } else if (std::fabs(omega) > kNegativeVarianceLimit) {
            m.RN[z] = kErrorMarker;
            m.RNFLAG[z] = -1;
            Record record;
            record.item(" WARNING: ERROR in computing the residual");
            m.log.write(record);
            record.clear();
            record.item("          covariance matrix");
            m.log.write(record);
        } else {
            m.RN[z] = kCriticalMarker;
            m.RNFLAG[z] = 1;
        }
        m.SORTED[z] = z;
    }
    // Selection sort by |rN|, descending; among equal magnitudes the first one found
    // goes first.
    for (int p = 1; p < m.M; ++p) {
        int best = p;
        for (int q = p + 1; q <= m.M; ++q) {
            if (std::fabs(m.RN[m.SORTED[q]]) > std::fabs(m.RN[m.SORTED[best]])) best = q;
        }
        std::swap(m.SORTED[p], m.SORTED[best]);
    }
    m.rn.open(files::kNormalizedResiduals);
    for (int p = 1; p <= m.M; ++p) writeRecord(m.rn, m, m.SORTED[p]);
    // A run without measurements still replaces the file of an earlier run.
    if (m.M == 0) m.rn.writeRaw("", 0);
    m.rn.close();
}

} // namespace tarvex::engine
