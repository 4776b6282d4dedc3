#include "engine/estimation/LEcuyerGenerator.h"
#include "engine/estimation/Wls.h"

// WLSSETUP: the measurement vector z, the branch ties, the weights, the admittances and
// the flat start.
//
// Noise: with INOISE = 1 every measurement with flag 0 gets a zero-mean Gaussian error
// of its own standard deviation, value += sigma * N(0, 1), drawn in z order from the
// process's generator. (Uniform errors in (0, sigma) would all be positive and bias
// the estimate; the normalized residual test assumes zero-mean Gaussian errors.)
namespace tarvex::engine {

namespace {

// z order of the kinds: active flows, reactive flows, active injections, reactive
// injections, voltage magnitudes, current magnitudes.
constexpr int kZOrder[6] = {kActiveFlow,        kReactiveFlow,     kActiveInjection,
                            kReactiveInjection, kVoltageMagnitude, kCurrentMagnitude};

} // namespace

void WLSSETUP(WlsModule& m) {
    m.M = 0;
    for (int kind : kZOrder) {
        for (int s = 1; s <= m.set.count; ++s) {
            const Measurement& meas = m.set.items[s];
            if (meas.kind != kind) continue;
            const int z = ++m.M;
            m.SETIDX[z] = s;
            switch (tieMeasurement(m.net, meas, m.TIE[z], m.log)) {
            case TieResult::Ok:
                break;
            case TieResult::UnknownBus:
                m.fail(kWlsUnknownBus);
                return;
            case TieResult::NoBranch:
                m.fail(kWlsNoBranch);
                return;
            }
            m.Z[z] = meas.value;
            m.W[z] = 1.0 / (meas.sd * meas.sd);
        }
    }
    if (m.parameters.INOISE == 1) {
        LEcuyerGenerator& random = estimationRandomGenerator();
        for (int z = 1; z <= m.M; ++z) {
            const Measurement& meas = m.set.items[m.SETIDX[z]];
            if (meas.flag == 0) m.Z[z] += meas.sd * random.gaussian();
        }
    }
    buildAdmittance(m.net);
    m.N = 2 * m.net.NB - 1;
    for (int i = 1; i <= m.net.NB; ++i) {
        m.V[i] = 1.0;
        m.TH[i] = 0.0;
    }
}

} // namespace tarvex::engine
