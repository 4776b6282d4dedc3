#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cmath>

// TSINIT: after the settings, the case tables move from bus numbers to internal
// positions, the admittance matrix is built from the listed entries, loads become
// constant admittances, and every machine starts in equilibrium with the solved power
// flow at its terminal.
namespace tarvex::engine::stability {

namespace {

template <typename T> void permute(T& table, const StabilityModule& m) {
    T copy = table;
    for (int p = 1; p <= m.NBUS; ++p) table[p] = copy[m.ORD[p]];
}

// The machine frame: the q axis lies along the rotor angle, so a phasor X in the network
// frame is X e^(-j(delta - pi/2)) in the machine's d-q frame. The stator equations use
// sin and cos of the true angle difference, so this rotation takes the exact pi: with
// the single-precision value the currents land 8E-8 rad off the frame, Pm misses the
// electrical power by as much, and a run without a fault drifts.
constexpr double kHalfPi = 1.57079632679489661923;

Complex toMachineFrame(Complex x, double delta) {
    return x * std::polar(1.0, -(delta - kHalfPi));
}

double saturation(double efd) {
    return 0.0039 * std::exp(1.555 * efd);
}

void classical(StabilityModule& m, int i, Complex vt, Complex current) {
    const Complex e = vt + Complex(0.0, m.XDP[i]) * current;
    m.DELTA[i] = std::atan2(e.imag(), e.real());
    m.EQP[i] = std::abs(e);
    const Complex idq = toMachineFrame(current, m.DELTA[i]);
    m.ID[i] = idq.real();
    m.IQ[i] = idq.imag();
    m.PM[i] = m.EQP[i] * m.IQ[i];
}

void twoAxis(StabilityModule& m, int i, Complex vt, Complex current) {
    const Complex eq = vt + Complex(m.RS[i], m.XQ[i]) * current;
    m.DELTA[i] = std::atan2(eq.imag(), eq.real());
    const Complex idq = toMachineFrame(current, m.DELTA[i]);
    const Complex vdq = toMachineFrame(vt, m.DELTA[i]);
    m.ID[i] = idq.real();
    m.IQ[i] = idq.imag();
    m.EDP[i] = vdq.real() + m.RS[i] * m.ID[i] - m.XQP[i] * m.IQ[i];
    m.EQP[i] = vdq.imag() + m.RS[i] * m.IQ[i] + m.XDP[i] * m.ID[i];
    m.EFD[i] = m.EQP[i] + (m.XD[i] - m.XDP[i]) * m.ID[i];
    m.VR[i] = (m.KE[i] + saturation(m.EFD[i])) * m.EFD[i];
    m.RF[i] = (m.KF[i] / m.TF[i]) * m.EFD[i];
    m.VREF[i] = m.VM[i] + m.VR[i] / m.KA[i];
    m.PM[i] = m.EDP[i] * m.ID[i] + m.EQP[i] * m.IQ[i] + (m.XQP[i] - m.XDP[i]) * m.ID[i] * m.IQ[i];
}

} // namespace

void TSINIT(StabilityModule& m) {
    if (m.status.failed()) return;
    TSPARM(m);
    if (m.status.failed()) return;
    m.NOFF = m.blockSize() * m.NMAC;
    m.NUNK = m.NOFF + 2 * m.NBUS;
    if (m.NUNK > kMaxUnknowns) {
        Record r;
        r.text(" CAPACITY : ").number(m.NUNK).text(" UNKNOWNS, AT MOST ").number(kMaxUnknowns);
        m.fail(kCapacity, r);
        return;
    }
    permute(m.VM, m);
    permute(m.VA, m);
    permute(m.PL, m);
    permute(m.QL, m);
    permute(m.PG, m);
    permute(m.QG, m);
    permute(m.QMN, m);
    permute(m.QMX, m);
    permute(m.BT, m);
    m.VM0 = m.VM;
    m.VA0 = m.VA;
    m.FBUS = m.POS[m.FBUS];
    if (m.LFAULT) m.TBUS = m.POS[m.TBUS];
    // Entries are assigned, not summed: a later entry for the same pair replaces one
    // before it (two parallel branches keep the off-diagonal of the last listed).
    for (int e = 1; e <= m.NY; ++e) {
        const int i = m.POS[m.IY[e]];
        const int j = m.POS[m.JY[e]];
        m.IY[e] = i;
        m.JY[e] = j;
        m.YB[i][j] = m.YV[e];
        m.YB[j][i] = m.YV[e];
    }
    for (int p = 1; p <= m.NBUS; ++p) {
        m.YLOAD[p] = Complex(m.PL[p], -m.QL[p]) / (m.VM[p] * m.VM[p]);
    }
    for (int i = 1; i <= m.NMAC; ++i) {
        m.OMEGA[i] = kSynchronousSpeed;
        const Complex vt = std::polar(m.VM[i], m.VA[i]);
        const Complex current = std::conj(Complex(m.PG[i], m.QG[i]) / vt);
        if (m.MODEL == kModelTwoAxis) {
            twoAxis(m, i, vt, current);
        } else {
            classical(m, i, vt, current);
        }
    }
}

} // namespace tarvex::engine::stability
