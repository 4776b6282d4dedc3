// Feeds arbitrary bytes to the power flow commands as the engine's result files: the
// input is cut at '|' into busotp.dat, branchotp.dat and lossotp.dat (a missing part
// leaves its file missing), and a stand-in engine leaves them in the current directory.
// The commands that read them run on a three-bus document with a meter of every kind:
// the power flow with its results, the system losses and the state estimation meters
// taken from the power flow. Whatever the files hold, the commands must end with the
// results stored or a message shown, no value that is not a finite number may reach
// the document or the losses dialog, and the document must still save and load.
#include "fuzz/ScratchDirectory.h"

#include "fuzz/ScriptedUserInterface.h"

#include "engine/core/ExchangeFiles.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/Archive.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>

namespace files = tarvex::files;

namespace {

void writeFile(const char* name, std::optional<std::string_view> bytes) {
    std::remove(name);
    if (!bytes) return;
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fwrite(bytes->data(), 1, bytes->size(), file);
        std::fclose(file);
    }
}

// Slack 1, PV 2, PQ 3; lines 1-2 and 2-3 with a parallel 3-2, and one meter of every
// kind on them.
void buildNetwork(CSkemtorDoc& doc, CSkemtorApp& app) {
    const int types[] = {CBus::kSlack, CBus::kGenerator, CBus::kLoad};
    for (int type : types) {
        auto bus = std::make_unique<CBus>(100, -100, 1, doc.NextBusNumber());
        bus->m_type = type;
        doc.AddBus(std::move(bus));
    }
    const CPointL points[2] = {{0, 0}, {10, 0}};
    for (auto [from, to] : {std::array{1, 2}, std::array{2, 3}, std::array{3, 2}})
        doc.AddLine(std::make_unique<CLine>(points, 2, from, 1, to, 1, app));
    doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 1, 2, 0.5, 0.01));
    doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 2, 3, 0.4, 0.1, 0.01));
    doc.AddPowerInjection(std::make_unique<CPowerInjection>(0, 0, 0, 3, -0.9, -0.3, 0.01));
    doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 2, 1.0, 0.01));
}

// Every value a result file can reach: the buses' own data and results, the branch
// flows, the meters' measurements.
bool allFinite(const CSkemtorDoc& doc) {
    bool ok = true;
    const auto check = [&ok](std::initializer_list<double> values) {
        for (double v : values) ok = ok && std::isfinite(v);
    };
    for (const auto& bus : doc.BusArray())
        check({bus->m_voltage, bus->m_angle, bus->m_genP, bus->m_genQ, bus->m_pfVoltage,
               bus->m_pfAngle, bus->m_pfP, bus->m_pfQ});
    for (const auto& line : doc.LineArray())
        check({line->m_flowP1, line->m_flowQ1, line->m_flowP2, line->m_flowQ2});
    for (const auto& meter : doc.CurrentArray()) check({meter->m_value});
    for (const auto& meter : doc.PowerFlowArray()) check({meter->m_p, meter->m_q});
    for (const auto& meter : doc.PowerInjectionArray()) check({meter->m_p, meter->m_q});
    for (const auto& meter : doc.VoltageArray()) check({meter->m_value});
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::array<std::optional<std::string_view>, 3> parts;
    for (auto& part : parts) {
        const std::size_t cut = rest.find('|');
        part = rest.substr(0, cut);
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    const auto engine = [&parts] {
        writeFile(files::kBusResults, parts[0]);
        writeFile(files::kBranchResults, parts[1]);
        writeFile(files::kLossResults, parts[2]);
    };

    CSkemtorDoc doc;
    CSkemtorApp app;
    buildNetwork(doc, app);
    CScriptedUserInterface ui;
    const CErrorReporter errors{{}};
    CPowerFlowCommands commands(doc, app, ui, errors, engine);

    app.m_mode = CSkemtorApp::Mode::PowerFlow;
    commands.RunPowerFlow();
    if (app.m_resultState != CSkemtorApp::kPowerFlowResults && ui.messages.empty()) std::abort();
    const std::size_t shown = ui.messages.size() + ui.losses.size();
    commands.DisplaySystemLosses();
    if (ui.messages.size() + ui.losses.size() != shown + 1) std::abort();
    for (const auto& losses : ui.losses)
        if (!std::isfinite(losses.realPower) || !std::isfinite(losses.reactivePower) ||
            !std::isfinite(losses.lineCharging) || !std::isfinite(losses.shunt))
            std::abort();

    app.m_mode = CSkemtorApp::Mode::StateEstimation;
    commands.UsePowerFlowResults();
    if (!allFinite(doc)) std::abort();

    CArchive out;
    doc.Serialize(out, app);
    CSkemtorDoc again;
    CSkemtorApp againApp;
    if (!CDocumentFile::LoadBytes(out.Bytes(), "fuzz.tvx", again, againApp).ok) std::abort();
    return 0;
}
