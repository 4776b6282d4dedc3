#include "cli/CommandLine.h"

#include "cli/Subcommand.h"

#include <algorithm>
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
    if (args[0] == "case") {
        parseCase(args);
        return;
    }
    if (FindAnalysisSubcommand(args[0]) != nullptr) {
        m_action = Action::Analysis;
        m_analysis = args[0];
        m_analysisArgs.assign(args.begin() + 1, args.end());
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
        } else if (a == "--document" && left >= 1) {
            m_powerFlow.documentFile = args[++i];
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
        } else if (a == "--dir" || a == "--case" || a == "--document" || a == "--max-iterations" ||
                   a == "--tolerance") {
            return refuse(a + " is missing its value");
        } else {
            return refuse("unknown option '" + a + "' for powerflow");
        }
    }
    if (!m_powerFlow.caseFile.empty() && !m_powerFlow.documentFile.empty())
        refuse("--case and --document cannot be used together");
}

void CommandLine::parseCase(const std::vector<std::string>& args) {
    m_action = Action::Case;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            m_action = Action::CaseHelp;
            return;
        } else if (a == "--output") {
            if (i + 1 >= args.size()) return refuse("--output is missing its value");
            m_case.output = args[++i];
        } else if (a.starts_with("-")) {
            return refuse("unknown option '" + a + "' for case");
        } else if (m_case.document.empty()) {
            m_case.document = a;
        } else {
            return refuse("case takes one document, not also '" + a + "'");
        }
    }
    if (m_case.document.empty()) refuse("case needs a document file (DOC.tvx)");
}

std::string CommandLine::programHelp() {
    std::string analyses;
    for (const Subcommand& command : AnalysisSubcommands()) {
        std::string name = command.name;
        name.resize(std::max<std::size_t>(name.size() + 1, 13), ' ');
        analyses += "  " + name + command.summary + "\n";
    }
    return "Usage: tarvex-engine <command> [options]\n"
           "\n"
           "Runs a Tarvex analysis engine on the exchange files of a directory, as the\n"
           "desktop program does, so cases can be run in batches and results checked by\n"
           "scripts.\n"
           "\n"
           "Commands:\n"
           "  powerflow    fast decoupled power flow of pfinput.dat, or of a document\n"
           "  case         write the power flow case file of a document\n" +
           analyses +
           "\n"
           "Run 'tarvex-engine <command> --help' for the options of a command.\n";
}

const char* CommandLine::powerFlowHelp() {
    return "Usage: tarvex-engine powerflow [--dir DIR] [--case FILE | --document DOC.tvx]\n"
           "                               [--max-iterations N] [--tolerance P Q]\n"
           "                               [--ignore-q-limits]\n"
           "\n"
           "Runs the power flow on pfinput.dat in DIR and writes busotp.dat, branchotp.dat,\n"
           "lossotp.dat, ymatrix.dat and the report pfoutput.dat there (failures are\n"
           "explained in ERROR.LOG).\n"
           "\n"
           "Options:\n"
           "  --dir DIR             directory of the files (default: the current one)\n"
           "  --case FILE           copy FILE to DIR/pfinput.dat first\n"
           "  --document DOC.tvx    run the power flow of the document, as the desktop\n"
           "                        program's Run power flow does (see below)\n"
           "  --max-iterations N    at most N iterations (default 100)\n"
           "  --tolerance P Q       largest P and Q mismatch, per unit (default 0.001 0.001)\n"
           "  --ignore-q-limits     do not hold generators to their reactive limits\n"
           "  --help                show this text\n"
           "\n"
           "pfparam.dat is written from these settings, except when DIR already holds one\n"
           "and no setting was given. Prints the status and its meaning and the path of\n"
           "the report.\n"
           "\n"
           "With --document, the network is checked first (fewer than 30 buses, a slack\n"
           "bus), pfinput.dat and pfparam.dat are written in DIR from the document and the\n"
           "settings, and the results are printed: one line per bus (number, voltage in\n"
           "p.u., angle in degrees, real and reactive generation in MW and MVAr) and one\n"
           "per branch end (from bus, to bus, real and reactive flow in MW and MVAr). A\n"
           "failure prints its message from the error catalogue tvx.err (looked for in DIR,\n"
           "then beside this program).\n"
           "\n"
           "Exit status: 0 when the power flow succeeded, 1 otherwise, 2 for bad usage.\n";
}

const char* CommandLine::caseHelp() {
    return "Usage: tarvex-engine case DOC.tvx [--output FILE]\n"
           "\n"
           "Writes the power flow case file of the document DOC.tvx in the IEEE common data\n"
           "format, exactly as the desktop program writes pfinput.dat for its analyses.\n"
           "\n"
           "Options:\n"
           "  --output FILE    write the case to FILE (default: the standard output)\n"
           "  --help           show this text\n"
           "\n"
           "Exit status: 0 when the case was written, 1 when the document could not be\n"
           "read or the file not written, 2 for bad usage.\n";
}
