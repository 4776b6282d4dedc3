#pragma once

#include "cli/CaseOptions.h"
#include "cli/PowerFlowOptions.h"

#include <string>
#include <vector>

// Argument handling of tarvex-engine:
//   tarvex-engine powerflow [--dir DIR] [--case FILE | --document DOC.tvx]
//                           [--max-iterations N] [--tolerance P Q] [--ignore-q-limits]
//   tarvex-engine case DOC.tvx [--output FILE]
//   tarvex-engine <analysis> ...   (the analyses of Subcommand.h)
//   tarvex-engine --help | tarvex-engine powerflow --help | tarvex-engine case --help
class CommandLine {
public:
    // Analysis: one of the table's subcommands (see Subcommand.h); `analysisArgs` holds
    // the arguments after its name.
    enum class Action { ProgramHelp, PowerFlowHelp, PowerFlow, CaseHelp, Case, Analysis, BadUsage };

    explicit CommandLine(const std::vector<std::string>& args);

    Action action() const { return m_action; }
    const PowerFlowOptions& powerFlow() const { return m_powerFlow; }
    const CaseOptions& caseFile() const { return m_case; }
    const std::string& analysis() const { return m_analysis; }
    const std::vector<std::string>& analysisArgs() const { return m_analysisArgs; }
    // Why the arguments were refused (BadUsage).
    const std::string& error() const { return m_error; }

    static std::string programHelp();
    static const char* powerFlowHelp();
    static const char* caseHelp();

private:
    void parsePowerFlow(const std::vector<std::string>& args);
    void parseCase(const std::vector<std::string>& args);
    void refuse(const std::string& why);

    Action m_action = Action::BadUsage;
    PowerFlowOptions m_powerFlow;
    CaseOptions m_case;
    std::string m_analysis;
    std::vector<std::string> m_analysisArgs;
    std::string m_error;
};
