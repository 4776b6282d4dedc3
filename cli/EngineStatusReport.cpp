#include "cli/EngineStatusReport.h"

#include "cli/WorkingDirectory.h"
#include "engine/core/ExchangeFiles.h"
#include "model/ErrorCatalogue.h"

#include <fstream>
#include <string>

namespace fs = std::filesystem;

void PrintEngineStatus(std::ostream& out, int status, const fs::path& dir) {
    std::vector<fs::path> dirs;
    if (auto exe = CErrorCatalogue::ExecutableDirectory()) dirs.push_back(*exe);
    PrintEngineStatus(out, status, dir, dirs);
}

void PrintEngineStatus(std::ostream& out, int status, const fs::path& dir,
                       const std::vector<fs::path>& catalogueDirs) {
    {
        // The catalogue is looked up in the working directory first, as the editor does.
        const WorkingDirectory inDir(dir);
        out << CErrorCatalogue::Message(status, catalogueDirs);
    }
    std::ifstream log(dir / tarvex::files::kErrorLog);
    std::string line;
    bool first = true;
    while (std::getline(log, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        if (first) out << "ERROR.LOG:\n";
        first = false;
        out << "  " << line << "\n";
    }
}
