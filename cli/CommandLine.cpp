#include "cli/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

bool parseInt(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || v < 0 || v > 1000000) return false;
    value = static_cast<int>(v);
    return true;
}

bool parsePositive(const std::string& text, double& value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v) || v <= 0.0) return false;
    value = v;
    return true;
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& args) {
    if (args.empty()) {
        refuse("no command given");
        return;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        m_action = args.size() == 1 ? Action::ProgramHelp : Action::BadUsage;
        if (args.size() != 1) refuse("--help takes no arguments");
        return;
    }
    if (args[0] == "powerflow") {
        parsePowerFlow(args);
        return;
    }
    refuse("unknown command '" + args[0] + "'");
}

void CommandLine::refuse(const std::string& why) {
    m_action = Action::BadUsage;
    m_error = why;
}

void CommandLine::parsePowerFlow(const std::vector<std::string>& args) {
    m_action = Action::PowerFlow;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::size_t left = args.size() - i - 1;
        if (a == "--help" || a == "-h") {
            m_action = Action::PowerFlowHelp;
            return;
        } else if (a == "--dir" && left >= 1) {
            m_powerFlow.dir = args[++i];
        } else if (a == "--case" && left >= 1) {
            m_powerFlow.caseFile = args[++i];
        } else if (a == "--max-iterations" && left >= 1) {
            if (!parseInt(args[++i], m_powerFlow.maxIterations)) {
                return refuse("--max-iterations needs a whole number from 0 to 1000000");
            }
            m_powerFlow.settingsGiven = true;
        } else if (a == "--tolerance" && left >= 2) {
            if (!parsePositive(args[i + 1], m_powerFlow.toleranceP) ||
                !parsePositive(args[i + 2], m_powerFlow.toleranceQ)) {
                return refuse("--tolerance needs two positive numbers (P and Q, per unit)");
            }
            i += 2;
            m_powerFlow.settingsGiven = true;
        } else if (a == "--ignore-q-limits") {
            m_powerFlow.ignoreQLimits = true;
            m_powerFlow.settingsGiven = true;
        } else if (a == "--dir" || a == "--case" || a == "--max-iterations" ||
                   a == "--tolerance") {
            return refuse(a + " is missing its value");
        } else {
            return refuse("unknown option '" + a + "' for powerflow");
        }
    }
}

const char* CommandLine::programHelp() {
    return "Usage: tarvex-engine <command> [options]\n"
           "\n"
           "Runs a Tarvex analysis engine on the exchange files of a directory, as the\n"
           "desktop program does, so cases can be run in batches and results checked by\n"
           "scripts.\n"
           "\n"
           "Commands:\n"
           "  powerflow    fast decoupled power flow of pfinput.dat\n"
           "\n"
           "Run 'tarvex-engine <command> --help' for the options of a command.\n";
}

const char* CommandLine::powerFlowHelp() {
    return "Usage: tarvex-engine powerflow [--dir DIR] [--case FILE] [--max-iterations N]\n"
           "                               [--tolerance P Q] [--ignore-q-limits]\n"
           "\n"
           "Runs the power flow on pfinput.dat in DIR and writes busotp.dat, branchotp.dat,\n"
           "lossotp.dat, ymatrix.dat and the report pfoutput.dat there (failures are\n"
           "explained in ERROR.LOG).\n"
           "\n"
           "Options:\n"
           "  --dir DIR             directory of the files (default: the current one)\n"
           "  --case FILE           copy FILE to DIR/pfinput.dat first\n"
           "  --max-iterations N    at most N iterations (default 100)\n"
           "  --tolerance P Q       largest P and Q mismatch, per unit (default 0.001 0.001)\n"
           "  --ignore-q-limits     do not hold generators to their reactive limits\n"
           "  --help                show this text\n"
           "\n"
           "pfparam.dat is written from these settings, except when DIR already holds one\n"
           "and no setting was given. Prints the status and its meaning and the path of\n"
           "the report. Exit status: 0 when the power flow succeeded, 1 otherwise, 2 for\n"
           "bad usage.\n";
}
