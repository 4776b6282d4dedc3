#include "cli/PowerFlowCommand.h"
#include "cli/CommandLine.h"
#include "engine/core/ExchangeFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

using namespace tarvex::test;
namespace files = tarvex::files;
namespace fs = std::filesystem;

namespace {

const std::string kDefaultParameters = "   100  1.000000e-03 1.000000e-03  1\n";

std::string ieee14() {
    return casePath("ieee14cdf.txt").string();
}

struct CommandRun {
    int code;
    std::string out, err;
};

CommandRun runCommand(const std::vector<std::string>& args) {
    const CommandLine line(args);
    EXPECT_EQ(line.action(), CommandLine::Action::PowerFlow) << line.error();
    std::ostringstream out, err;
    const int code = PowerFlowCommand(line.powerFlow()).run(out, err);
    return {code, out.str(), err.str()};
}

TEST(PowerFlowCommandTest, CopiesTheCaseWritesDefaultSettingsAndReportsSuccess) {
    ScopedWorkDir dir;
    fs::create_directory("work");
    const CommandRun r = runCommand({"powerflow", "--dir", "work", "--case", ieee14()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFileText("work/pfinput.dat"), readFileText(ieee14()));
    EXPECT_EQ(readFileText("work/pfparam.dat"), kDefaultParameters);
    const std::string report = (fs::absolute("work") / files::kPowerFlowReport).string();
    EXPECT_EQ(r.out, "Status 0: the power flow ran to the end\nReport: " + report + "\n");
    EXPECT_EQ(readFileText(report).substr(0, 26), "  Power Flow Case Title : ");
    EXPECT_EQ(readFileText("work/busotp.dat").substr(0, 8), "      0\n");
    // The command returns to the directory it started in.
    EXPECT_EQ(fs::current_path(), dir.path());
}

TEST(PowerFlowCommandTest, SettingsOptionsAreWrittenAndAnExistingFileKeptWithoutThem) {
    ScopedWorkDir dir;
    writeFileText("pfparam.dat", "   7  1.0e-02 2.0e-02  0\n");
    writeFileText("pfinput.dat", readFileText(ieee14()));
    // No settings option: the directory's own pfparam.dat is used as it is.
    CommandRun r = runCommand({"powerflow"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFileText("pfparam.dat"), "   7  1.0e-02 2.0e-02  0\n");

    r = runCommand({"powerflow", "--max-iterations", "12", "--tolerance", "0.0001", "0.002",
                    "--ignore-q-limits"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFileText("pfparam.dat"), "   12  1.000000e-04 2.000000e-03  0\n");
    // Any one settings option writes the whole file, the others at their defaults.
    r = runCommand({"powerflow", "--max-iterations", "0"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFileText("pfparam.dat"), "   0  1.000000e-03 1.000000e-03  1\n");
}

TEST(PowerFlowCommandTest, FailedRunPrintsItsStatusAndExitsWithOne) {
    ScopedWorkDir dir;
    std::string text = readFileText(ieee14());
    text.replace(text.find("100.0"), 5, "  0.0"); // base MVA zero: status 2
    writeFileText("bad.dat", text);
    const CommandRun r = runCommand({"powerflow", "--case", "bad.dat"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Status 2: the base MVA is zero or negative");
    EXPECT_EQ(readFileText(files::kBusResults), "      2\n");
}

TEST(PowerFlowCommandTest, MissingDirectoryOrCaseIsAnError) {
    ScopedWorkDir dir;
    CommandRun r = runCommand({"powerflow", "--dir", "nowhere"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tarvex-engine: no such directory: nowhere\n");
    r = runCommand({"powerflow", "--case", "missing.dat"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(files::kCaseFile));
}

struct UsageCase {
    std::vector<std::string> args;
    CommandLine::Action action;
};

TEST(CommandLineTest, RecognisesHelpAndRefusesBadUsage) {
    using A = CommandLine::Action;
    const UsageCase cases[] = {
        {{"--help"}, A::ProgramHelp},
        {{"-h"}, A::ProgramHelp},
        {{"powerflow", "--help"}, A::PowerFlowHelp},
        {{"powerflow", "--dir", "x", "-h"}, A::PowerFlowHelp},
        {{"powerflow", "--dir", "x", "--case", "c.dat"}, A::PowerFlow},
        {{}, A::BadUsage},
        {{"--help", "powerflow"}, A::BadUsage},
        {{"estimate"}, A::BadUsage},
        {{"powerflow", "--verbose"}, A::BadUsage},
        {{"powerflow", "--dir"}, A::BadUsage},
        {{"powerflow", "--tolerance", "0.001"}, A::BadUsage},
        {{"powerflow", "--tolerance", "0.001", "-1"}, A::BadUsage},
        {{"powerflow", "--tolerance", "x", "0.001"}, A::BadUsage},
        {{"powerflow", "--max-iterations", "-3"}, A::BadUsage},
        {{"powerflow", "--max-iterations", "ten"}, A::BadUsage},
        {{"powerflow", "--max-iterations", "1.5"}, A::BadUsage},
    };
    for (const UsageCase& c : cases) {
        std::string joined;
        for (const std::string& a : c.args) joined += a + " ";
        const CommandLine line(c.args);
        EXPECT_EQ(line.action(), c.action) << joined;
        EXPECT_EQ(line.error().empty(), c.action != A::BadUsage) << joined;
    }
}

// The program itself: exit codes and the help texts on standard output.
struct ProgramRun {
    int code;
    std::string out, err;
};

ProgramRun runProgram(const std::string& args) {
    const std::string command =
        std::string(TARVEX_ENGINE_EXE) + " " + args + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFileText("stdout.txt"),
            readFileText("stderr.txt")};
}

TEST(EngineProgramTest, ExitCodesAndHelp) {
    ScopedWorkDir dir;
    ProgramRun r = runProgram("--help");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, CommandLine::programHelp());
    r = runProgram("powerflow --help");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, CommandLine::powerFlowHelp());

    r = runProgram("powerflow --max-iterations lots");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tarvex-engine: --max-iterations needs a whole number from 0 to 1000000\n"
                     "Run 'tarvex-engine --help' for usage.\n");
    EXPECT_EQ(runProgram("").code, 2);
    EXPECT_FALSE(fs::exists(files::kBusResults)); // bad usage runs nothing

    r = runProgram("powerflow --case " + ieee14());
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Status 0: the power flow ran to the end");
    r = runProgram("powerflow --max-iterations 100 --tolerance 1e-9 1e-9 --case " + ieee14() +
                   " --dir .");
    EXPECT_EQ(r.code, 0) << r.err;

    // A zero-impedance branch: status 1, exit code 1.
    std::string text = readFileText(ieee14());
    text.replace(text.find("0.01938   0.05917"), 17, "0.0       0.0    ");
    writeFileText("zero.dat", text);
    r = runProgram("powerflow --case zero.dat");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Status 1: a branch has zero resistance and zero reactance");
}

} // namespace
