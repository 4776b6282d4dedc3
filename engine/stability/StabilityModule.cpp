#include "engine/stability/StabilityModule.h"

namespace tarvex::engine::stability {

void StabilityModule::reset() {
    // The log stays attached to its file; everything else returns to its initial value.
    VM = {};
    VA = {};
    PL = {};
    QL = {};
    PG = {};
    QG = {};
    QMN = {};
    QMX = {};
    BT = {};
    VM0 = {};
    VA0 = {};
    BUSSEEN = {};
    NBUS = NMAC = NBRANCH = 0;
    BASEMVA = 0.0;
    IY = {};
    JY = {};
    YV = {};
    NY = 0;
    NGEN = 0;
    GBUS = {};
    GIDX = {};
    H = {};
    D = {};
    XD = {};
    XDP = {};
    XQ = {};
    XQP = {};
    TDOP = {};
    TQOP = {};
    RS = {};
    KA = {};
    TA = {};
    VRMAX = {};
    VRMIN = {};
    KE = {};
    TE = {};
    SE1 = {};
    EFD1 = {};
    SE2 = {};
    EFD2 = {};
    KF = {};
    TF = {};
    HASEXC = {};
    MODEL = NSTATE = 0;
    classicalRecords = twoAxisRecords = exciterRecords = 0;
    ORD = {};
    POS = {};
    TOL = 1.0E-4;
    DT = 1.0 / 120.0;
    TMAX = 0.0;
    LFAULT = false;
    TFAULT = TCLEAR = 0.0;
    FBUS = TBUS = NPLOT = 0;
    IPLOT = {};
    for (auto& row : YB) row.fill(Complex());
    YSAVE = {};
    YLOAD = {};
    FAULT = {};
    APPLIED = {};
    FANY = LTRIP = false;
    DELTA = {};
    OMEGA = {};
    EQP = {};
    EDP = {};
    EFD = {};
    RF = {};
    VR = {};
    ID = {};
    IQ = {};
    PM = {};
    VREF = {};
    DELTA_N = {};
    OMEGA_N = {};
    EQP_N = {};
    EDP_N = {};
    EFD_N = {};
    RF_N = {};
    VR_N = {};
    ID_N = {};
    IQ_N = {};
    PM_N = {};
    PS = {};
    QS = {};
    F = {};
    NUNK = NOFF = 0;
    FMAX = 0.0;
    ITER = 0;
    nonConvergedSteps = 0;
    JAC.clear();
    stepsRun = 0;
    MAXANGLE = {};
    status.reset();
}

void StabilityModule::fail(int code, const Record& line) {
    if (status.failed()) return;
    status.fail(code);
    log.write(line);
}

void StabilityModule::fail(int code, const char* text) {
    Record line;
    line.text(text);
    fail(code, line);
}

} // namespace tarvex::engine::stability
