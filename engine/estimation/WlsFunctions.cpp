#include "engine/estimation/Wls.h"

#include <cmath>

// WLSEVAL and WLSJACOB: the measurement functions h(x) and their Jacobian H. With
// theta = theta_i - theta_j, v = V_i V_j and for a branch its off-diagonal G, B and the
// shunt leg b_s of the measured end:
//   active flow        v (G cos + B sin) - V_i^2 G
//   reactive flow      v (G sin - B cos) + V_i^2 (B - b_s)
//   active injection   V_i^2 G_ii + sum over incident branches of v (G cos + B sin)
//   reactive injection -V_i^2 B_ii + sum over incident branches of v (G sin - B cos)
//   voltage magnitude  V_i
//   current magnitude  sqrt(V_j^2 c + V_i^2 a - 2 v (d cos - e sin)) with
//                      a = (b_s - B)^2 + G^2, c = B^2 + G^2, d = G^2 - (b_s - B) B, e = -b_s G
namespace tarvex::engine {

namespace {

// A current derivative smaller than this is taken as 0 (it only adds rounding noise).
constexpr double kCurrentDerivativeFloor = 1.0E-6;

struct BranchTerms {
    double G = 0, B = 0, bs = 0, cosT = 1, sinT = 0, v = 0, Vi = 0, Vj = 0;
};

BranchTerms terms(const WlsModule& m, int branch, int i, int j, bool atFrom) {
    BranchTerms t;
    t.G = m.net.G[branch];
    t.B = m.net.B[branch];
    t.bs = atFrom ? m.net.SHFR_B[branch] : m.net.SHTO_B[branch];
    const double theta = m.TH[i] - m.TH[j];
    t.cosT = std::cos(theta);
    t.sinT = std::sin(theta);
    t.Vi = m.V[i];
    t.Vj = m.V[j];
    t.v = t.Vi * t.Vj;
    return t;
}

struct CurrentTerms {
    double a, c, d, e, f, I;
};

CurrentTerms currentTerms(const BranchTerms& t) {
    CurrentTerms k;
    const double bsB = t.bs - t.B;
    k.a = bsB * bsB + t.G * t.G;
    k.c = t.B * t.B + t.G * t.G;
    k.d = t.G * t.G - bsB * t.B;
    k.e = -t.bs * t.G;
    k.f = k.d * t.cosT - k.e * t.sinT;
    const double square = t.Vj * t.Vj * k.c + t.Vi * t.Vi * k.a - 2.0 * t.v * k.f;
    k.I = std::sqrt(square > 0.0 ? square : 0.0);
    return k;
}

int angleColumn(const WlsModule& m, int bus) {
    return m.net.POS[bus] - 1;
}
int magnitudeColumn(const WlsModule& m, int bus) {
    return m.net.NB - 1 + m.net.POS[bus];
}

void injections(WlsModule& m) {
    const EstimationNetwork& net = m.net;
    for (int i = 1; i <= net.NB; ++i) {
        double p = m.V[i] * m.V[i] * net.GDIAG[i];
        double q = -m.V[i] * m.V[i] * net.BDIAG[i];
        for (int k = 1; k <= net.NADJ[i]; ++k) {
            const int l = net.ADJBR[i][k];
            const int j = net.ADJBUS[i][k];
            const double theta = m.TH[i] - m.TH[j];
            const double v = m.V[i] * m.V[j];
            const double c = std::cos(theta), s = std::sin(theta);
            p += v * (net.G[l] * c + net.B[l] * s);
            q += v * (net.G[l] * s - net.B[l] * c);
        }
        m.PCALC[i] = p;
        m.QCALC[i] = q;
    }
}

double measurementFunction(const WlsModule& m, int z) {
    const MeasurementTie& tie = m.TIE[z];
    const int kind = m.set.items[m.SETIDX[z]].kind;
    switch (kind) {
    case kActiveInjection:
        return m.PCALC[tie.i];
    case kReactiveInjection:
        return m.QCALC[tie.i];
    case kVoltageMagnitude:
        return m.V[tie.i];
    default:
        break;
    }
    const BranchTerms t = terms(m, tie.branch, tie.i, tie.j, tie.atFrom);
    if (kind == kActiveFlow) {
        return t.v * (t.G * t.cosT + t.B * t.sinT) - t.Vi * t.Vi * t.G;
    }
    if (kind == kReactiveFlow) {
        return t.v * (t.G * t.sinT - t.B * t.cosT) + t.Vi * t.Vi * (t.B - t.bs);
    }
    return currentTerms(t).I;
}

struct RowWriter {
    WlsModule& m;
    int next;
    void add(int column, double value) {
        if (column < 1 || next > kMaxJacobianEntries) return; // no angle state for the swing bus
        m.HCOL[next] = column;
        m.HVAL[next] = value;
        ++next;
    }
};

void jacobianRow(WlsModule& m, int z, RowWriter& row) {
    const MeasurementTie& tie = m.TIE[z];
    const int kind = m.set.items[m.SETIDX[z]].kind;
    const int i = tie.i;
    const EstimationNetwork& net = m.net;
    if (kind == kVoltageMagnitude) {
        row.add(magnitudeColumn(m, i), 1.0);
        return;
    }
    if (kind == kActiveInjection || kind == kReactiveInjection) {
        const double Vi = m.V[i];
        const double P = m.PCALC[i], Q = m.QCALC[i];
        if (kind == kActiveInjection) {
            row.add(angleColumn(m, i), -Q - Vi * Vi * net.BDIAG[i]);
            row.add(magnitudeColumn(m, i), net.GDIAG[i] * Vi + P / Vi);
        } else {
            row.add(angleColumn(m, i), P - Vi * Vi * net.GDIAG[i]);
            row.add(magnitudeColumn(m, i), Q / Vi - net.BDIAG[i] * Vi);
        }
        // Parallel branches give separate entries in the same column.
        for (int k = 1; k <= net.NADJ[i]; ++k) {
            const BranchTerms t = terms(m, net.ADJBR[i][k], i, net.ADJBUS[i][k], true);
            const double a = t.G * t.sinT - t.B * t.cosT;
            const double b = t.G * t.cosT + t.B * t.sinT;
            const int j = net.ADJBUS[i][k];
            if (kind == kActiveInjection) {
                row.add(angleColumn(m, j), t.v * a);
                row.add(magnitudeColumn(m, j), b * t.Vi);
            } else {
                row.add(angleColumn(m, j), -t.v * b);
                row.add(magnitudeColumn(m, j), a * t.Vi);
            }
        }
        return;
    }
    const int j = tie.j;
    const BranchTerms t = terms(m, tie.branch, i, j, tie.atFrom);
    const double a = t.G * t.sinT - t.B * t.cosT;
    const double b = t.G * t.cosT + t.B * t.sinT;
    double dThI = 0, dThJ = 0, dVi = 0, dVj = 0;
    if (kind == kActiveFlow) {
        dThI = -t.v * a;
        dThJ = t.v * a;
        dVi = b * t.Vj - 2.0 * t.Vi * t.G;
        dVj = b * t.Vi;
    } else if (kind == kReactiveFlow) {
        dThI = t.v * b;
        dThJ = -t.v * b;
        dVi = a * t.Vj + 2.0 * t.Vi * (t.B - t.bs);
        dVj = a * t.Vi;
    } else {
        const CurrentTerms k = currentTerms(t);
        if (k.I > 0.0) {
            dThI = t.v * (k.e * t.cosT + k.d * t.sinT) / k.I;
            dThJ = -dThI;
            dVi = (k.a * t.Vi - k.f * t.Vj) / k.I;
            dVj = (k.c * t.Vj - k.f * t.Vi) / k.I;
        }
        for (double* d : {&dThI, &dThJ, &dVi, &dVj})
            if (std::fabs(*d) < kCurrentDerivativeFloor) *d = 0.0;
    }
    row.add(angleColumn(m, i), dThI);
    row.add(angleColumn(m, j), dThJ);
    row.add(magnitudeColumn(m, i), dVi);
    row.add(magnitudeColumn(m, j), dVj);
}

} // namespace

void WLSEVAL(WlsModule& m) {
    injections(m);
    m.J = 0.0;
    for (int z = 1; z <= m.M; ++z) {
        m.HX[z] = measurementFunction(m, z);
        m.R[z] = m.Z[z] - m.HX[z];
        if (m.set.items[m.SETIDX[z]].flag == 0) m.J += m.W[z] * m.R[z] * m.R[z];
    }
}

void WLSJACOB(WlsModule& m) {
    injections(m);
    RowWriter row{m, 1};
    for (int z = 1; z <= m.M; ++z) {
        m.HSTART[z] = row.next;
        jacobianRow(m, z, row);
    }
    m.HSTART[m.M + 1] = row.next;
}

} // namespace tarvex::engine
