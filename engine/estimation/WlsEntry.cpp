#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/estimation/MeasurementFile.h"
#include "engine/estimation/Wls.h"

// WLSEST, the weighted least squares entry point. Sequence: open ERROR.LOG, Zhat.dat and
// Vhat.dat (each created when missing, replaced only when written), read the settings,
// the network and the measurements, build the adjacency lists, tie the measurements,
// build the admittances, iterate and write the results. A failing phase has written its
// status record and log line; the later phases do not run.
namespace tarvex::engine {

void WlsModule::reset() {
    parameters = EstimatorParameters{};
    set.clear();
    net.NB = net.NBR = net.SLACK = 0;
    M = N = NG = 0;
    J = 0.0;
    iterations = 0;
    converged = false;
    status.reset();
}

void WlsModule::fail(int code) {
    if (status.failed()) return;
    status.fail(code);
    Record record;
    record.item(static_cast<long long>(code));
    zhat.write(record);
}

WlsModule& wlsModule() {
    static WlsModule module;
    return module;
}

namespace {

void logLine(WlsModule& m, const char* text) {
    Record record;
    record.text(text);
    m.log.write(record);
}

bool readInputs(WlsModule& m) {
    // The settings file is opened like the others: created when missing.
    if (std::FILE* touch = std::fopen(files::kEstimatorParameters, "ab")) std::fclose(touch);
    if (!readEstimatorParameters(files::kEstimatorParameters, m.parameters)) {
        m.fail(kWlsParametersUnreadable);
        logLine(m, " DATA ERROR : parameter.dat DOES NOT HOLD INOISE, MAXITW AND TOLW");
        return false;
    }
    // The case reader writes its own explanation to ERROR.LOG.
    if (!readEstimationNetwork(m.net)) {
        m.fail(kWlsCaseUnreadable);
        return false;
    }
    switch (readMeasurementFile(files::kMeasurements, m.set, m.log)) {
    case MeasurementReadResult::Ok:
        break;
    case MeasurementReadResult::Unreadable:
        m.fail(kWlsMeasurementsUnreadable);
        return false;
    case MeasurementReadResult::CountMismatch:
        m.fail(kWlsCountMismatch);
        return false;
    case MeasurementReadResult::BadDeviation:
        m.fail(kWlsBadDeviation);
        return false;
    }
    if (!buildAdjacency(m.net, m.log)) {
        m.fail(kWlsTooManyBranchesAtBus);
        return false;
    }
    return true;
}

void run(WlsModule& m) {
    m.reset();
    m.log.open(files::kErrorLog);
    m.zhat.open(files::kMeasurementEstimates);
    m.vhat.open(files::kVoltageEstimates);
    if (readInputs(m)) WLSSETUP(m);
    if (!m.status.failed()) WLSITER(m);
    m.log.close();
    m.zhat.close();
    m.vhat.close();
    m.rn.close();
}

} // namespace

void WLSEST() {
    WlsModule& m = wlsModule();
    try {
        run(m);
    } catch (...) {
        // Nothing may cross the boundary to the editor; the status record written so far
        // (if any) stands.
        m.log.close();
        m.zhat.close();
        m.vhat.close();
        m.rn.close();
    }
}

} // namespace tarvex::engine
