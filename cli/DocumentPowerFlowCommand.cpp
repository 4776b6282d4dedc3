#include "cli/DocumentPowerFlowCommand.h"

#include "cli/ConsoleUserInterface.h"
#include "cli/WorkingDirectory.h"
#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/DocumentFile.h"
#include "model/ErrorCatalogue.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> programFolder() {
    std::vector<fs::path> dirs;
    if (auto dir = CErrorCatalogue::ExecutableDirectory()) dirs.push_back(*dir);
    return dirs;
}

// One line per bus: number, voltage (p.u.), angle (degrees), real and reactive
// generation (MW, MVAr); then one per branch end: from bus, to bus and the flow leaving
// the from bus (MW, MVAr).
void printResults(std::ostream& out, const CSkemtorDoc& doc, const CSkemtorApp& app) {
    char line[160];
    for (const auto& bus : doc.BusArray()) {
        if (!bus->m_pfValid) continue;
        std::snprintf(line, sizeof line,
                      "bus %4d  V %7.4f pu  angle %8.2f deg  P %10.2f MW  Q %10.2f MVAr\n",
                      bus->m_number, bus->m_pfVoltage, bus->m_pfAngle, bus->m_pfP, bus->m_pfQ);
        out << line;
    }
    auto branchEnd = [&](int from, int to, double p, double q) {
        std::snprintf(line, sizeof line, "branch %4d -> %4d  P %10.2f MW  Q %10.2f MVAr\n", from,
                      to, p * app.m_mvaBase, q * app.m_mvaBase);
        out << line;
    };
    for (const auto& branch : doc.LineArray()) {
        if (branch->m_flowValid1)
            branchEnd(branch->m_bus1, branch->m_bus2, branch->m_flowP1, branch->m_flowQ1);
        if (branch->m_flowValid2)
            branchEnd(branch->m_bus2, branch->m_bus1, branch->m_flowP2, branch->m_flowQ2);
    }
}

} // namespace

DocumentPowerFlowCommand::DocumentPowerFlowCommand(const PowerFlowOptions& options)
    : DocumentPowerFlowCommand(options, programFolder()) {}

DocumentPowerFlowCommand::DocumentPowerFlowCommand(const PowerFlowOptions& options,
                                                   std::vector<fs::path> catalogueDirs)
    : m_options(options), m_catalogueDirs(std::move(catalogueDirs)) {}

int DocumentPowerFlowCommand::run(std::ostream& out, std::ostream& err) const {
    std::error_code ec;
    const fs::path dir = fs::absolute(m_options.dir, ec);
    if (ec || !fs::is_directory(dir)) {
        err << "tarvex-engine: no such directory: " << m_options.dir << "\n";
        return 1;
    }
    CSkemtorDoc doc;
    CSkemtorApp app;
    const CDocumentFile::Result loaded = CDocumentFile::Load(m_options.documentFile, doc, app);
    if (!loaded.ok) {
        err << "tarvex-engine: " << loaded.message << "\n";
        return 1;
    }
    app.m_mode = CSkemtorApp::Mode::PowerFlow;
    app.m_pfMaxIterations = m_options.maxIterations;
    app.m_pfMaxPMismatch = m_options.toleranceP;
    app.m_pfMaxQMismatch = m_options.toleranceQ;
    app.m_qLimitsIgnored = m_options.ignoreQLimits ? 1 : 0;

    ConsoleUserInterface ui(out, err);
    const CErrorReporter errors(m_catalogueDirs);
    {
        const WorkingDirectory inDir(dir);
        CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
    }
    if (app.m_resultState != CSkemtorApp::kPowerFlowResults) return 1;
    printResults(out, doc, app);
    return out ? 0 : 1;
}
