#pragma once

#include "cli/PowerFlowOptions.h"

#include <ostream>

// Runs PFLINFLO for `tarvex-engine powerflow`: prepares DIR (case copy, pfparam.dat),
// runs the engine there and reports the status from busotp.dat.
class PowerFlowCommand {
public:
    explicit PowerFlowCommand(const PowerFlowOptions& options) : m_options(options) {}

    // Returns the process exit code: 0 when the status is 0, 1 otherwise.
    int run(std::ostream& out, std::ostream& err) const;

    // What a power flow status code means.
    static const char* statusMeaning(int status);

private:
    PowerFlowOptions m_options;
};
