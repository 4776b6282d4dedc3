#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

// How a subcommand tells the user about a failed engine run: the catalogue message of
// the status ("Error: 32.  ...", from tvx.err in DIR, else beside the program) and then
// the lines the engine wrote to ERROR.LOG in DIR, which name the record at fault.
void PrintEngineStatus(std::ostream& out, int status, const std::filesystem::path& dir);
void PrintEngineStatus(std::ostream& out, int status, const std::filesystem::path& dir,
                       const std::vector<std::filesystem::path>& catalogueDirs);
