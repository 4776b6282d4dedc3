#include "engine/placement/MeterPlacement.h"

#include "engine/core/EngineFile.h"
#include "engine/core/EngineLogStream.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/SparseOptions.h"
#include "engine/placement/PlacementModule.h"
#include "engine/placement/PlacementSteps.h"

#include <cstdio>
#include <ostream>

namespace tarvex::engine {

namespace {

constexpr const char* kAddedMetersTemporary = "addmeas.out.tmp";

void reset(PlacementModule& m) {
    m.status.reset();
    m.NB = m.NBR = 0;
    for (int p = 0; p <= kPlacementMaxBuses; ++p) m.adjacentCount[p] = 0;
    m.NFLOW = m.NINJ = 0;
    m.M0 = m.NR = m.NZ = 0;
    m.NCAND = 0;
    m.basisFlowCount = m.basisInjectionCount = 0;
    m.proposalCount = 0;
    m.NROW = m.NCOL = 0;
}

bool writeProposals(const PlacementModule& m) {
    std::FILE* out = std::fopen(kAddedMetersTemporary, "w");
    if (out == nullptr) return false;
    bool ok = true;
    for (int k = 1; k <= m.proposalCount; ++k) {
        if (m.proposalType[k] == 2)
            ok = std::fprintf(out, " 2 %d\n", m.proposalFrom[k]) > 0 && ok;
        else
            ok = std::fprintf(out, " 4 %d %d\n", m.proposalFrom[k], m.proposalTo[k]) > 0 && ok;
    }
    ok = std::fprintf(out, " 0\n") > 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    if (ok) ok = std::rename(kAddedMetersTemporary, files::kAddedMeters) == 0;
    if (!ok) std::remove(kAddedMetersTemporary);
    return ok;
}

void writeStatus(int code) {
    EngineFile file;
    file.open(files::kPlacementStatus);
    Record r;
    file.write(r.item(static_cast<long long>(code)));
    file.close();
}

void run(PlacementModule& m, std::ostream& log, std::ostream& console) {
    readPlacementCase(m, log, console);
    if (m.status.failed()) return;
    readPlacementMeters(m, log);
    if (m.status.failed()) return;
    buildPlacementMatrix(m);
    writePlacementMatrix(m);
    readPlacementCosts(m, log);
    if (m.status.failed()) return;
    // A network of one bus has no angle to observe: nothing to propose.
    if (m.NB < 2) return;
    choosePlacementBasis(m, log);
    if (m.status.failed()) return;

    // Second set-up on the basis alone: its rows come first, every other flow and
    // injection (existing meters included) is a candidate spare.
    readPlacementMeters(m, log);
    if (m.status.failed()) return;
    buildPlacementMatrix(m);
    writePlacementMatrix(m);
    writePlacementBranches(m);
    findCoveringPairs(m, log);
    if (m.status.failed()) return;
    solvePlacementCover(m, log, console);
}

} // namespace

void MPLMAIN() {
    PlacementModule& m = placementModule();
    reset(m);
    EngineFile logFile;
    logFile.open(files::kErrorLog);
    EngineLogStream log(logFile);
    // The old proposal goes first: after this run addmeas.out is either complete or absent.
    std::remove(files::kAddedMeters);
    run(m, log, SparseOptions::consoleStream());
    if (!m.status.failed() && !writeProposals(m)) {
        log << " CANNOT WRITE ADDMEAS.OUT\n";
        m.status.fail(kPlacementCaseError);
    }
    writeStatus(m.status.code());
    log.flush();
    logFile.close();
}

PlacementModule& placementModule() {
    static PlacementModule module;
    return module;
}

} // namespace tarvex::engine
