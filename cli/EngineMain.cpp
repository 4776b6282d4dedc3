// tarvex-engine: the analysis engines on the command line (see CommandLine.h).
#include "cli/CaseCommand.h"
#include "cli/CommandLine.h"
#include "cli/DocumentPowerFlowCommand.h"
#include "cli/PowerFlowCommand.h"
#include "cli/Subcommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const CommandLine line(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action()) {
    case CommandLine::Action::ProgramHelp:
        std::cout << CommandLine::programHelp();
        return 0;
    case CommandLine::Action::PowerFlowHelp:
        std::cout << CommandLine::powerFlowHelp();
        return 0;
    case CommandLine::Action::PowerFlow:
        if (!line.powerFlow().documentFile.empty())
            return DocumentPowerFlowCommand(line.powerFlow()).run(std::cout, std::cerr);
        return PowerFlowCommand(line.powerFlow()).run(std::cout, std::cerr);
    case CommandLine::Action::CaseHelp:
        std::cout << CommandLine::caseHelp();
        return 0;
    case CommandLine::Action::Case:
        return CaseCommand(line.caseFile()).run(std::cout, std::cerr);
    case CommandLine::Action::Analysis:
        return FindAnalysisSubcommand(line.analysis())
            ->run(line.analysisArgs(), std::cout, std::cerr);
    case CommandLine::Action::BadUsage:
        break;
    }
    std::cerr << "tarvex-engine: " << line.error() << "\n"
              << "Run 'tarvex-engine --help' for usage.\n";
    return 2;
}
