#pragma once

#include <ostream>
#include <string>
#include <vector>

// One analysis of `tarvex-engine <name> ...`. `run` receives the arguments after the
// name, handles its own `--help`, and returns the process exit code: 0 success, 1 an
// engine status or a failure to run, 2 bad usage.
struct Subcommand {
    const char* name;
    const char* summary; // one line for `tarvex-engine --help`
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// The analysis subcommands beyond `powerflow` and `case`, in the order the program help
// lists them. Each analysis adds its row in Subcommands.cpp.
const std::vector<Subcommand>& AnalysisSubcommands();

// The row for `name`, or nullptr.
const Subcommand* FindAnalysisSubcommand(const std::string& name);
