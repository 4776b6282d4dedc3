#include "tests/engine/core/PowerFlowHarness.h"

#include "engine/core/ExchangeFiles.h"
#include "tests/support/FileText.h"

#include <cstdio>

namespace tarvex::test {

std::unique_ptr<engine::PowerFlowModule> runReader(const std::string& caseText, Stage stage) {
    writeFileText(files::kCaseFile, caseText);
    auto m = std::make_unique<engine::PowerFlowModule>();
    m->reset();
    m->files.openAll();
    engine::READPF(*m);
    if (!m->status.failed() && stage == Stage::Build) engine::YMATRX(*m);
    m->files.closeAll();
    return m;
}

std::string parameters(int maxit, double tolp, double tolq, int iqlim) {
    char text[128];
    std::snprintf(text, sizeof text, "   %d  %e %e  %d\n", maxit, tolp, tolq, iqlim);
    return text;
}

const engine::PowerFlowModule& runPowerFlow(const std::string& caseText,
                                            const std::string& parameterText) {
    writeFileText(files::kCaseFile, caseText);
    writeFileText(files::kPowerFlowParameters, parameterText);
    engine::PFLINFLO();
    return engine::powerFlowModule();
}

} // namespace tarvex::test
