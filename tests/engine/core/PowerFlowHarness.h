#pragma once

#include "engine/core/PowerFlow.h"

#include <memory>
#include <string>

// Runs the case reader (and, when the read succeeded, the admittance build) on a case
// text in the current directory, the way the power flow entry point does: result files
// opened first, closed afterwards. Use inside a ScopedWorkDir.
namespace tarvex::test {

enum class Stage { Read, Build };

std::unique_ptr<engine::PowerFlowModule> runReader(const std::string& caseText,
                                                   Stage stage = Stage::Build);

} // namespace tarvex::test
