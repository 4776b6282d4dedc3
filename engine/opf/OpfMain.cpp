#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"
#include "engine/opf/FreeFormatReader.h"
#include "engine/opf/Opf.h"

#include <cmath>

// OPFMAIN, the optimal power flow entry point.
//
// 1. Economic dispatch with losses: a power flow gives the losses, the dispatch program
//    spreads load plus losses over the cost segments at least cost, and the next power
//    flow runs with that dispatch, until the cost changes by no more than CTOL (or the
//    dispatch repeats itself, or OMAXIT programs were solved).
// 2. Without limit constraints one reporting power flow with the dispatch ends the run.
//    With them, each reporting power flow is checked for violated branch ratings and bus
//    voltages; their sensitivities to the generator outputs give rows of a constrained
//    program, and its dispatch is run again, until nothing is violated (status 0) or
//    OMAXIT programs were solved (status 71).
// The generator buses stay voltage-controlled at their dispatched real outputs, so the
// report reproduces the dispatch; only once a voltage limit made the reactive outputs
// part of the solution are they held at the dispatched values.
namespace tarvex::engine {

namespace {

constexpr int kUnreadableSettings = 3;
constexpr int kConstrainedLimitReached = 71;
constexpr double kStartingCostChange = 100.0;

bool readParameters(OpfModule& s) {
    FreeFormatReader in(files::kPowerFlowParameters);
    if (in.readInt(s.MAXIT) && in.readReal(s.TOLP) && in.readReal(s.TOLQ) && in.readInt(s.IQLIM))
        return true;
    s.fail(kUnreadableSettings);
    s.log(" DATA ERROR : pfparam.dat DOES NOT HOLD MAXIT, TOLP, TOLQ AND IQLIM");
    OPFSTATUS(kUnreadableSettings);
    return false;
}

void economicDispatch(OpfModule& s) {
    s.DCOST = kStartingCostChange;
    s.FPREV = 0.0;
    s.OITER = 0;
    while (s.DCOST > s.CTOL && s.OITER < s.OMAXIT) {
        if (!OPFPF(s, false) || !OPFLP(s, false)) return;
        const bool converged = OPFSAVE(s);
        ++s.OITER;
        s.DCOST = converged ? 0.0 : std::fabs(s.F - s.FPREV);
        s.FPREV = s.F;
    }
}

void constrainedDispatch(OpfModule& s) {
    s.OITER = 0;
    s.NVL = s.NVV = 1;
    while (s.OITER < s.OMAXIT && (s.NVL > 0 || s.NVV > 0)) {
        if (!OPFPF(s, true)) return;
        OPFLIM(s);
        if (s.status.failed()) return;
        if (s.NVL == 0 && s.NVV == 0) return;
        if (!OPFSENS(s) || !OPFLP(s, true)) return;
        if (s.NVV > 0) s.FIXQ = true;
        OPFSAVE(s);
        ++s.OITER;
    }
    if (s.OITER >= s.OMAXIT) {
        s.fail(kConstrainedLimitReached);
        s.log(" OPF ERROR : LIMIT-CONSTRAINED DISPATCH REACHED ITS ITERATION LIMIT");
        OPFSTATUS(kConstrainedLimitReached);
    }
}

void run(OpfModule& s) {
    s.reset();
    PowerFlowModule& m = s.pf;
    m.reset();
    m.files.log.open(files::kErrorLog);
    if (readParameters(s)) {
        // The case once, for the generator mapping and the base.
        READPF(m);
        if (m.status.failed()) {
            s.fail(m.status.code());
            OPFSTATUS(m.status.code());
        }
    }
    if (!s.status.failed()) {
        OPFREAD(s);
        if (s.status.failed()) OPFSTATUS(s.status.code());
    }
    if (!s.status.failed()) economicDispatch(s);
    if (!s.status.failed()) {
        if (s.ICONS < 1)
            OPFPF(s, true);
        else
            constrainedDispatch(s);
    }
    m.files.closeAll();
}

} // namespace

OpfModule& opfModule() {
    static OpfModule module;
    return module;
}

void OPFMAIN() {
    OpfModule& s = opfModule();
    try {
        run(s);
    } catch (...) {
        // Nothing may cross the boundary to the editor.
        s.pf.files.closeAll();
    }
}

} // namespace tarvex::engine
