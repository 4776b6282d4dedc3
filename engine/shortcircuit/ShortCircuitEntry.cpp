#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"

// SHORTCKT, the short-circuit entry point. Sequence: open shbus.out, shline.out and
// ERROR.LOG (each created when missing, replaced only when written), read short.dat,
// find the islands, the impedance columns of both sequence networks, the fault currents
// and the results. A failing phase has written its status record and log line; the
// later phases do not run, and shline.out is then left as it was (the editor reads it
// only after a zero status).
namespace tarvex::engine::shortcircuit {

namespace {

void writeStatus(EngineFile& file, int code) {
    Record r;
    r.blanks(3).integer(code, 4);
    file.write(r);
}

} // namespace

void ShortCircuitModule::reset() {
    // Every table is filled for the sizes of the run before it is read, so the counts
    // are all that must start from zero.
    NBUS = 0;
    NFAULT = 0;
    POS.count = 0;
    ZERO.count = 0;
    status.reset();
}

void ShortCircuitModule::fail(int code, const Record& explanation) {
    if (status.failed()) return;
    status.fail(code);
    writeStatus(busFile, code);
    log.write(explanation);
}

void SHORTCKT() {
    ShortCircuitModule& m = shortCircuitModule();
    m.reset();
    m.busFile.open(files::kShortCircuitBuses);
    m.lineFile.open(files::kShortCircuitLines);
    m.log.open(files::kErrorLog);
    READSC(m);
    if (!m.status.failed()) ISLANDS(m);
    if (!m.status.failed()) SEQZ(m, m.POS);
    if (!m.status.failed()) SEQZ(m, m.ZERO);
    if (!m.status.failed()) FAULTS(m);
    if (!m.status.failed()) {
        SCRESULT(m);
        writeStatus(m.busFile, 0);
        SCOUT(m);
        // A run without branches still replaces the branch results of an earlier one.
        if (!m.lineFile.written()) m.lineFile.writeRaw("", 0);
    }
    m.busFile.close();
    m.lineFile.close();
    m.log.close();
}

ShortCircuitModule& shortCircuitModule() {
    // Lives for the process; the tables are too large for the stack.
    static ShortCircuitModule module;
    return module;
}

} // namespace tarvex::engine::shortcircuit
