// tarvex-engine: the analysis engines on the command line (see CommandLine.h).
#include "cli/CommandLine.h"
#include "cli/PowerFlowCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const CommandLine line(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action()) {
    case CommandLine::Action::ProgramHelp: std::cout << CommandLine::programHelp(); return 0;
    case CommandLine::Action::PowerFlowHelp: std::cout << CommandLine::powerFlowHelp(); return 0;
    case CommandLine::Action::PowerFlow:
        return PowerFlowCommand(line.powerFlow()).run(std::cout, std::cerr);
    case CommandLine::Action::BadUsage: break;
    }
    std::cerr << "tarvex-engine: " << line.error() << "\n"
              << "Run 'tarvex-engine --help' for usage.\n";
    return 2;
}
