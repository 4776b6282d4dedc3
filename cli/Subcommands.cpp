#include "cli/Subcommand.h"

const std::vector<Subcommand>& AnalysisSubcommands() {
    static const std::vector<Subcommand> table = {
        // {"name", "summary", &RunXxx},
    };
    return table;
}

const Subcommand* FindAnalysisSubcommand(const std::string& name) {
    for (const Subcommand& command : AnalysisSubcommands())
        if (name == command.name) return &command;
    return nullptr;
}
