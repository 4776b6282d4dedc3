#pragma once

#include "cli/CaseOptions.h"

#include <ostream>

// `tarvex-engine case`: writes the power flow case file of a document with the writer
// the editor uses, to a file or to the standard output.
class CaseCommand {
public:
    explicit CaseCommand(const CaseOptions& options) : m_options(options) {}

    // Returns the process exit code: 0 when the case was written, 1 otherwise.
    int run(std::ostream& out, std::ostream& err) const;

private:
    CaseOptions m_options;
};
