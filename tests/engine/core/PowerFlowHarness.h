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

// pfparam.dat as the editor writes it ("   %d  %e %e  %d").
std::string parameters(int maxit = 100, double tolp = 0.001, double tolq = 0.001, int iqlim = 1);

// Writes pfinput.dat and pfparam.dat and runs the entry point; returns the process-wide
// module with the tables of that run.
const engine::PowerFlowModule& runPowerFlow(const std::string& caseText,
                                            const std::string& parameterText = parameters());

} // namespace tarvex::test
