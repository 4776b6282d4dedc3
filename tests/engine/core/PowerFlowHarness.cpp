#include "tests/engine/core/PowerFlowHarness.h"

#include "engine/core/ExchangeFiles.h"
#include "tests/support/FileText.h"

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

} // namespace tarvex::test
