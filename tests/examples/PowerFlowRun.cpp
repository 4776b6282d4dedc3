#include "tests/examples/PowerFlowRun.h"

#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/SkemtorApp.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/ScopedWorkDir.h"

namespace tarvex::test {

std::vector<std::string> runPowerFlow(CSkemtorDoc& doc, CSkemtorApp& app) {
    ScopedWorkDir dir;
    app.m_mode = CSkemtorApp::Mode::PowerFlow;
    FakeUserInterface ui;
    const CErrorReporter errors{{}};
    CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
    std::vector<std::string> shown;
    for (const auto& message : ui.messages) shown.push_back(message.title + ": " + message.text);
    return shown;
}

} // namespace tarvex::test
