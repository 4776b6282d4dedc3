#pragma once

#include "cli/PowerFlowOptions.h"

#include <filesystem>
#include <ostream>
#include <vector>

// `tarvex-engine powerflow --document DOC.tvx`: the editor's Run power flow command on
// a document, in DIR (bus-count and slack checks, case and settings files, the engine,
// the result import), with messages printed instead of shown. Prints the solved buses
// and the flow at each branch end.
class DocumentPowerFlowCommand {
public:
    // The error catalogue is looked for in DIR, then in `catalogueDirs` (by default
    // the folder of the running program, where the catalogue is installed).
    explicit DocumentPowerFlowCommand(const PowerFlowOptions& options);
    DocumentPowerFlowCommand(const PowerFlowOptions& options,
                             std::vector<std::filesystem::path> catalogueDirs);

    // Returns the process exit code: 0 when the power flow succeeded, 1 otherwise.
    int run(std::ostream& out, std::ostream& err) const;

private:
    PowerFlowOptions m_options;
    std::vector<std::filesystem::path> m_catalogueDirs;
};
