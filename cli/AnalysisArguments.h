#pragma once

#include <ostream>
#include <string>
#include <vector>

// The options every analysis subcommand shares:
//   --dir DIR            where the exchange files live (default: the current directory)
//   --document DOC.tvx   run the editor's command on a document instead of the files
//   --output FILE        with --document: save the document there afterwards
//   --help | -h
// Everything else is left in `rest`, in order, for the subcommand's own options.
struct AnalysisArguments {
    std::string dir = ".";
    std::string document;
    std::string output;
    bool help = false;
    std::vector<std::string> rest;
    std::string error; // not empty when the arguments were refused

    static AnalysisArguments Parse(const std::vector<std::string>& args);
};

// Prints "tarvex-engine <command>: <why>" and the hint to --help; returns exit code 2.
int RefuseUsage(std::ostream& err, const std::string& command, const std::string& why);
