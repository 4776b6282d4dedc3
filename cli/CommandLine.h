#pragma once

#include "cli/PowerFlowOptions.h"

#include <string>
#include <vector>

// Argument handling of tarvex-engine:
//   tarvex-engine powerflow [--dir DIR] [--case FILE] [--max-iterations N]
//                           [--tolerance P Q] [--ignore-q-limits]
//   tarvex-engine --help | tarvex-engine powerflow --help
class CommandLine {
public:
    enum class Action { ProgramHelp, PowerFlowHelp, PowerFlow, BadUsage };

    explicit CommandLine(const std::vector<std::string>& args);

    Action action() const { return m_action; }
    const PowerFlowOptions& powerFlow() const { return m_powerFlow; }
    // Why the arguments were refused (BadUsage).
    const std::string& error() const { return m_error; }

    static const char* programHelp();
    static const char* powerFlowHelp();

private:
    void parsePowerFlow(const std::vector<std::string>& args);
    void refuse(const std::string& why);

    Action m_action = Action::BadUsage;
    PowerFlowOptions m_powerFlow;
    std::string m_error;
};
