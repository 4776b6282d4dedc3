#include "engine/core/sparse/Sparse.h"
#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cmath>
#include <ostream>
#include <span>

// TSSTEP: one time step. The machine differential equations are discretized by the
// trapezoidal rule and solved together with the stator and network equations by
// Newton's method; the Jacobian is built and factored afresh in every iteration.
namespace tarvex::engine::stability {

namespace {

double saturation(double efd) {
    return 0.0039 * std::exp(1.555 * efd);
}
// d/dE of (KE + SE(E)) E without KE.
double saturationSlope(double efd) {
    return 0.0039 * std::exp(1.555 * efd) * (1.0 + 1.555 * efd);
}

// Right-hand sides of the two-axis machine with its DC1 exciter, in state order
// E'q, E'd, delta, omega, Efd, Rf, VR.
void twoAxisDerivatives(const StabilityModule& m, int i, const double* x, double id, double iq,
                        double v, double* f) {
    const double eqp = x[0], edp = x[1], omega = x[3], efd = x[4], rf = x[5], vr = x[6];
    const double k = kSynchronousSpeed / (2.0 * m.H[i]);
    f[0] = (-eqp - (m.XD[i] - m.XDP[i]) * id + efd) / m.TDOP[i];
    f[1] = (-edp + (m.XQ[i] - m.XQP[i]) * iq) / m.TQOP[i];
    f[2] = omega - kSynchronousSpeed;
    f[3] = (m.PM[i] - edp * id - eqp * iq - (m.XQP[i] - m.XDP[i]) * id * iq -
            m.D[i] * (omega - kSynchronousSpeed)) *
           k;
    f[4] = (-(m.KE[i] + saturation(efd)) * efd + vr) / m.TE[i];
    f[5] = (-rf + (m.KF[i] / m.TF[i]) * efd) / m.TF[i];
    f[6] = (-vr + m.KA[i] * rf - (m.KA[i] * m.KF[i] / m.TF[i]) * efd + m.KA[i] * (m.VREF[i] - v)) /
           m.TA[i];
}

class Assembly {
public:
    explicit Assembly(StabilityModule& m) : m_m(m) { m.JAC.clear(); }
    void entry(int row, int col, double value) {
        if (std::fabs(value) < kSmallEntry) return;
        if (!m_m.JAC.add(row, col, value)) m_full = true;
    }
    void residual(int row, double value) { m_m.F[row] = value; }
    bool full() const { return m_full; }

private:
    StabilityModule& m_m;
    bool m_full = false;
};

void classicalRows(StabilityModule& m, Assembly& a, int i) {
    const double h = m.DT / 2.0;
    const double k = kSynchronousSpeed / (2.0 * m.H[i]);
    const int b = m.machineBase(i);
    const int vcol = m.busBase(i) + 1, tcol = vcol + 1;
    const double v = m.VM[i], s = std::sin(m.DELTA[i] - m.VA[i]),
                 c = std::cos(m.DELTA[i] - m.VA[i]);
    const double e = m.EQP[i];
    a.residual(b + 1,
               m.DELTA[i] - m.DELTA_N[i] -
                   h * ((m.OMEGA[i] - kSynchronousSpeed) + (m.OMEGA_N[i] - kSynchronousSpeed)));
    a.entry(b + 1, b + 1, 1.0);
    a.entry(b + 1, b + 2, -h);
    a.residual(b + 2, m.OMEGA[i] - m.OMEGA_N[i] -
                          h * k * ((m.PM[i] - e * m.IQ[i]) + (m.PM[i] - e * m.IQ_N[i])));
    a.entry(b + 2, b + 2, 1.0);
    a.entry(b + 2, b + 4, h * k * e);
    // Stator: V sin(delta - theta) - X'd Iq = 0, V cos(delta - theta) + X'd Id - E' = 0.
    a.residual(b + 3, v * s - m.XDP[i] * m.IQ[i]);
    a.entry(b + 3, b + 1, v * c);
    a.entry(b + 3, b + 4, -m.XDP[i]);
    a.entry(b + 3, vcol, s);
    a.entry(b + 3, tcol, -v * c);
    a.residual(b + 4, v * c + m.XDP[i] * m.ID[i] - e);
    a.entry(b + 4, b + 1, -v * s);
    a.entry(b + 4, b + 3, m.XDP[i]);
    a.entry(b + 4, vcol, c);
    a.entry(b + 4, tcol, v * s);
}

void twoAxisRows(StabilityModule& m, Assembly& a, int i) {
    const double h = m.DT / 2.0;
    const double k = kSynchronousSpeed / (2.0 * m.H[i]);
    const int b = m.machineBase(i);
    const int vcol = m.busBase(i) + 1, tcol = vcol + 1;
    const double v = m.VM[i], s = std::sin(m.DELTA[i] - m.VA[i]),
                 c = std::cos(m.DELTA[i] - m.VA[i]);
    const double id = m.ID[i], iq = m.IQ[i];
    const double x[7] = {m.EQP[i], m.EDP[i], m.DELTA[i], m.OMEGA[i], m.EFD[i], m.RF[i], m.VR[i]};
    const double xn[7] = {m.EQP_N[i], m.EDP_N[i], m.DELTA_N[i], m.OMEGA_N[i],
                          m.EFD_N[i], m.RF_N[i],  m.VR_N[i]};
    double f[7], fn[7];
    twoAxisDerivatives(m, i, x, id, iq, v, f);
    // The old point with the saved states and the present currents and voltage.
    twoAxisDerivatives(m, i, xn, id, iq, v, fn);
    for (int r = 0; r < 7; ++r) a.residual(b + 1 + r, x[r] - xn[r] - h * (f[r] + fn[r]));
    const int eq = b + 1, ed = b + 2, dl = b + 3, om = b + 4, ef = b + 5, rf = b + 6, vr = b + 7;
    const int cid = b + 8, ciq = b + 9;
    // Residual derivative: the identity minus h df/dx, one entry per position.
    a.entry(eq, eq, 1.0 + h / m.TDOP[i]);
    a.entry(dl, dl, 1.0);
    a.entry(eq, cid, h * (m.XD[i] - m.XDP[i]) / m.TDOP[i]);
    a.entry(eq, ef, -h / m.TDOP[i]);
    a.entry(ed, ed, 1.0 + h / m.TQOP[i]);
    a.entry(ed, ciq, -h * (m.XQ[i] - m.XQP[i]) / m.TQOP[i]);
    a.entry(dl, om, -h);
    a.entry(om, ed, h * k * id);
    a.entry(om, eq, h * k * iq);
    a.entry(om, cid, h * k * (x[1] + (m.XQP[i] - m.XDP[i]) * iq));
    a.entry(om, ciq, h * k * (x[0] + (m.XQP[i] - m.XDP[i]) * id));
    a.entry(om, om, 1.0 + h * k * m.D[i]);
    a.entry(ef, ef, 1.0 + h * (m.KE[i] + saturationSlope(x[4])) / m.TE[i]);
    a.entry(ef, vr, -h / m.TE[i]);
    a.entry(rf, rf, 1.0 + h / m.TF[i]);
    a.entry(rf, ef, -h * m.KF[i] / (m.TF[i] * m.TF[i]));
    a.entry(vr, vr, 1.0 + h / m.TA[i]);
    a.entry(vr, rf, -h * m.KA[i] / m.TA[i]);
    a.entry(vr, ef, h * m.KA[i] * m.KF[i] / (m.TF[i] * m.TA[i]));
    a.entry(vr, vcol, h * m.KA[i] / m.TA[i]);
    // Stator: E'd - V sin - Rs Id + X'q Iq = 0, E'q - V cos - Rs Iq - X'd Id = 0.
    a.residual(b + 8, x[1] - v * s - m.RS[i] * id + m.XQP[i] * iq);
    a.entry(b + 8, ed, 1.0);
    a.entry(b + 8, dl, -v * c);
    a.entry(b + 8, tcol, v * c);
    a.entry(b + 8, vcol, -s);
    a.entry(b + 8, cid, -m.RS[i]);
    a.entry(b + 8, ciq, m.XQP[i]);
    a.residual(b + 9, x[0] - v * c - m.RS[i] * iq - m.XDP[i] * id);
    a.entry(b + 9, eq, 1.0);
    a.entry(b + 9, dl, v * s);
    a.entry(b + 9, tcol, -v * s);
    a.entry(b + 9, vcol, -c);
    a.entry(b + 9, ciq, -m.RS[i]);
    a.entry(b + 9, cid, -m.XDP[i]);
}

bool significant(const Complex& y) {
    return std::fabs(y.real()) >= kSmallAdmittance || std::fabs(y.imag()) >= kSmallAdmittance;
}

void busRows(StabilityModule& m, Assembly& a, int p) {
    const int prow = m.busBase(p) + 1, qrow = prow + 1;
    const double vp = m.VM[p];
    double pRes = -m.PL[p] - vp * m.PS[p];
    double qRes = -m.QL[p] - vp * m.QS[p];
    double dPdV = -2.0 * vp * m.YLOAD[p].real() - m.PS[p];
    double dQdV = 2.0 * vp * m.YLOAD[p].imag() - m.QS[p];
    double dPdT = 0.0, dQdT = 0.0;
    if (p <= m.NMAC) {
        // The machine's injection through its stator currents.
        const int i = p;
        const int b = m.machineBase(i);
        const int dl = b + (m.MODEL == kModelTwoAxis ? 3 : 1);
        const int cid = b + m.blockSize() - 1, ciq = cid + 1;
        const double s = std::sin(m.DELTA[i] - m.VA[p]), c = std::cos(m.DELTA[i] - m.VA[p]);
        const double id = m.ID[i], iq = m.IQ[i];
        pRes += id * vp * s + iq * vp * c;
        qRes += id * vp * c - iq * vp * s;
        const double dPdDelta = id * vp * c - iq * vp * s;
        const double dQdDelta = -id * vp * s - iq * vp * c;
        a.entry(prow, dl, dPdDelta);
        a.entry(qrow, dl, dQdDelta);
        dPdT -= dPdDelta;
        dQdT -= dQdDelta;
        dPdV += id * s + iq * c;
        dQdV += id * c - iq * s;
        a.entry(prow, cid, vp * s);
        a.entry(prow, ciq, vp * c);
        a.entry(qrow, cid, vp * c);
        a.entry(qrow, ciq, -vp * s);
    }
    const Complex ypp = m.YB[p][p];
    dPdV -= vp * ypp.real();
    dQdV += vp * ypp.imag();
    for (int q = 1; q <= m.NBUS; ++q) {
        if (q == p) continue;
        const Complex y = m.YB[p][q];
        if (!significant(y)) continue;
        const double g = y.real(), bq = y.imag();
        const double d = m.VA[p] - m.VA[q];
        const double s = std::sin(d), c = std::cos(d);
        const double vq = m.VM[q];
        const int vcol = m.busBase(q) + 1, tcol = vcol + 1;
        // Residual = -(network power); network P = Vp sum Vq (G cos + B sin).
        a.entry(prow, tcol, -vp * vq * (g * s - bq * c));
        a.entry(prow, vcol, -vp * (g * c + bq * s));
        a.entry(qrow, tcol, vp * vq * (g * c + bq * s));
        a.entry(qrow, vcol, -vp * (g * s - bq * c));
        dPdT += vp * vq * (g * s - bq * c);
        dQdT -= vp * vq * (g * c + bq * s);
    }
    a.residual(prow, pRes);
    a.residual(qrow, qRes);
    a.entry(prow, prow, dPdV);
    a.entry(prow, prow + 1, dPdT);
    a.entry(qrow, prow, dQdV);
    a.entry(qrow, prow + 1, dQdT);
}

void save(StabilityModule& m) {
    for (int i = 1; i <= m.NMAC; ++i) {
        m.DELTA_N[i] = m.DELTA[i];
        m.OMEGA_N[i] = m.OMEGA[i];
        m.EQP_N[i] = m.EQP[i];
        m.EDP_N[i] = m.EDP[i];
        m.EFD_N[i] = m.EFD[i];
        m.RF_N[i] = m.RF[i];
        m.VR_N[i] = m.VR[i];
        m.ID_N[i] = m.ID[i];
        m.IQ_N[i] = m.IQ[i];
        m.PM_N[i] = m.PM[i];
    }
}

void update(StabilityModule& m) {
    const double* dx = m.F.data();
    for (int i = 1; i <= m.NMAC; ++i) {
        const int b = m.machineBase(i);
        if (m.MODEL == kModelTwoAxis) {
            m.EQP[i] += dx[b + 1];
            m.EDP[i] += dx[b + 2];
            m.DELTA[i] += dx[b + 3];
            m.OMEGA[i] += dx[b + 4];
            m.EFD[i] += dx[b + 5];
            m.RF[i] += dx[b + 6];
            m.VR[i] += dx[b + 7];
            m.ID[i] += dx[b + 8];
            m.IQ[i] += dx[b + 9];
        } else {
            m.DELTA[i] += dx[b + 1];
            m.OMEGA[i] += dx[b + 2];
            m.ID[i] += dx[b + 3];
            m.IQ[i] += dx[b + 4];
        }
    }
    for (int p = 1; p <= m.NBUS; ++p) {
        m.VM[p] += dx[m.busBase(p) + 1];
        m.VA[p] += dx[m.busBase(p) + 2];
    }
}

bool finiteState(const StabilityModule& m) {
    for (int i = 1; i <= m.NMAC; ++i) {
        if (!std::isfinite(m.DELTA[i]) || !std::isfinite(m.OMEGA[i]) || !std::isfinite(m.EQP[i]) ||
            !std::isfinite(m.EDP[i]) || !std::isfinite(m.EFD[i]) || !std::isfinite(m.RF[i]) ||
            !std::isfinite(m.VR[i]) || !std::isfinite(m.ID[i]) || !std::isfinite(m.IQ[i]))
            return false;
    }
    for (int p = 1; p <= m.NBUS; ++p) {
        if (!std::isfinite(m.VM[p]) || !std::isfinite(m.VA[p])) return false;
    }
    return true;
}

// The solver's own messages are not wanted here: a failure becomes the run's status.
std::ostream& quietStream() {
    static std::ostream discard(nullptr);
    return discard;
}

} // namespace

void NETINJ(StabilityModule& m) {
    for (int p = 1; p <= m.NBUS; ++p) {
        const double v2 = m.VM[p] * m.VM[p];
        m.PL[p] = v2 * m.YLOAD[p].real();
        m.QL[p] = -v2 * m.YLOAD[p].imag();
        // sum |Y| Vq cos(theta_p - theta_q - alpha) with alpha the angle of Y (both parts
        // used, so a zero-resistance branch listed as -0.000000 keeps its quadrant).
        double ps = 0.0, qs = 0.0;
        for (int q = 1; q <= m.NBUS; ++q) {
            const Complex y = m.YB[p][q];
            if (!significant(y)) continue;
            const double d = m.VA[p] - m.VA[q];
            const double s = std::sin(d), c = std::cos(d);
            ps += m.VM[q] * (y.real() * c + y.imag() * s);
            qs += m.VM[q] * (y.real() * s - y.imag() * c);
        }
        m.PS[p] = ps;
        m.QS[p] = qs;
    }
}

void TSSTEP(StabilityModule& m) {
    if (m.status.failed()) return;
    save(m);
    m.ITER = 0;
    m.FMAX = 0.0;
    const SparseOptions options = SparseOptions::observability(4, true);
    while (m.ITER < 1 || (m.ITER < kMaxNewtonIterations && m.TOL < std::fabs(m.FMAX) &&
                          std::fabs(m.FMAX) < kDivergence)) {
        NETINJ(m);
        Assembly a(m);
        for (int i = 1; i <= m.NMAC; ++i) {
            if (m.MODEL == kModelTwoAxis) {
                twoAxisRows(m, a, i);
            } else {
                classicalRows(m, a, i);
            }
        }
        for (int p = 1; p <= m.NBUS; ++p) busRows(m, a, p);
        if (a.full()) {
            m.fail(kCapacity, " CAPACITY : THE JACOBIAN NEEDS MORE THAN 3400 ENTRIES");
            return;
        }
        m.FMAX = 0.0;
        for (int r = 1; r <= m.NUNK; ++r) {
            if (std::fabs(m.F[r]) > std::fabs(m.FMAX)) m.FMAX = m.F[r];
            if (!std::isfinite(m.F[r])) {
                m.fail(kNonFinite, " SOLUTION ERROR : A RESIDUAL IS NOT A FINITE NUMBER");
                return;
            }
            m.F[r] = -m.F[r];
        }
        const int ierr = SPARSE(m.JAC, std::span<double>(m.F.data(), m.NUNK + 1), m.NUNK,
                                kMaxJacobianEntries, kPivotTolerance, 1, options, quietStream());
        if (ierr != 0) {
            Record r;
            r.text(" SOLUTION ERROR : THE SPARSE SOLUTION FAILED WITH IERR ").number(ierr);
            m.fail(kSolutionFailed, r);
            return;
        }
        update(m);
        ++m.ITER;
    }
    if (std::fabs(m.FMAX) >= kDivergence) {
        m.fail(kSolutionFailed, " SOLUTION ERROR : NEWTON'S METHOD DIVERGED");
        return;
    }
    if (m.ITER >= kMaxNewtonIterations && std::fabs(m.FMAX) > m.TOL) {
        ++m.nonConvergedSteps;
        m.log.write(Record().item("THE NETWORK IS NOT CONVERGENCE!"));
    }
    if (!finiteState(m)) {
        m.fail(kNonFinite, " SOLUTION ERROR : A MACHINE OR BUS STATE IS NOT A FINITE NUMBER");
    }
}

} // namespace tarvex::engine::stability
