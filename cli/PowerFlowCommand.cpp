#include "cli/PowerFlowCommand.h"

#include "cli/WorkingDirectory.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// pfparam.dat as the editor writes it.
bool writeParameters(const fs::path& path, const PowerFlowOptions& o) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const int ok = std::fprintf(file, "   %d  %e %e  %d\n", o.maxIterations, o.toleranceP,
                                o.toleranceQ, o.ignoreQLimits ? 0 : 1);
    return std::fclose(file) == 0 && ok > 0;
}

// The first integer of the status file, as the editor reads it.
bool readStatus(const fs::path& path, int& status) {
    std::ifstream in(path);
    return static_cast<bool>(in >> status);
}

} // namespace

const char* PowerFlowCommand::statusMeaning(int status) {
    switch (status) {
    case 0:
        return "the power flow ran to the end";
    case 1:
        return "a branch has zero resistance and zero reactance";
    case 2:
        return "the base MVA is zero or negative";
    case 3:
        return "the case or settings file could not be read";
    case 4:
        return "the sparse solution failed (factorization error)";
    case 5:
        return "a bus has a zero diagonal in B or B'";
    case 6:
        return "the largest P mismatch rose four iterations in a row";
    case 7:
        return "an area number is above 10";
    default:
        return "unknown status";
    }
}

int PowerFlowCommand::run(std::ostream& out, std::ostream& err) const {
    namespace files = tarvex::files;
    std::error_code ec;
    const fs::path dir = fs::absolute(m_options.dir, ec);
    if (ec || !fs::is_directory(dir)) {
        err << "tarvex-engine: no such directory: " << m_options.dir << "\n";
        return 1;
    }
    if (!m_options.caseFile.empty()) {
        fs::copy_file(m_options.caseFile, dir / files::kCaseFile,
                      fs::copy_options::overwrite_existing, ec);
        if (ec) {
            err << "tarvex-engine: cannot copy " << m_options.caseFile << " to "
                << (dir / files::kCaseFile).string() << ": " << ec.message() << "\n";
            return 1;
        }
    }
    const fs::path parameters = dir / files::kPowerFlowParameters;
    if (m_options.settingsGiven || !fs::exists(parameters)) {
        if (!writeParameters(parameters, m_options)) {
            err << "tarvex-engine: cannot write " << parameters.string() << "\n";
            return 1;
        }
    }
    {
        WorkingDirectory inDir(dir);
        tarvex::engine::PFLINFLO();
    }
    int status = 0;
    if (!readStatus(dir / files::kBusResults, status)) {
        err << "tarvex-engine: no status in " << (dir / files::kBusResults).string() << "\n";
        return 1;
    }
    out << "Status " << status << ": " << statusMeaning(status) << "\n";
    out << "Report: " << (dir / files::kPowerFlowReport).string() << "\n";
    return status == 0 ? 0 : 1;
}
