// The tarvex-engine program itself, started from a folder of the test's own, as a user
// or a script starts it.
#include "exchange/CaseFileWriter.h"
#include "tests/cli/TestDocument.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;

namespace {

struct Outcome {
    int status = -1;
    std::string output; // standard output and error together
};

Outcome runProgram(const std::string& arguments) {
    const std::string command = std::string("'") + TARVEX_ENGINE_EXE + "' " + arguments + " 2>&1";
    Outcome outcome;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        outcome.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// The shipped catalogue's text for `code`, read straight from the source tree.
std::string shippedText(int code) {
    const std::string catalogue = readFileText(fs::path(TARVEX_SOURCE_DIR) / "data/tvx.err");
    const std::string key = "\n" + std::to_string(code) + " ";
    const std::size_t at = ("\n" + catalogue).find(key);
    if (at == std::string::npos) return {};
    const std::size_t start = at + key.size() - 1;
    return catalogue.substr(start, catalogue.find('\n', start) - start + 1);
}

} // namespace

// No tvx.err in the folder the program runs in: the one installed beside it is used.
TEST(EngineProgram, FindsTheCatalogueBesideItselfWhenTheFolderHasNone) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    tarvex::test::buildThreeBusNetwork(doc, app);
    doc.GetBus(0)->m_type = CBus::kGenerator; // no slack bus
    tarvex::test::saveDocument("network.tvx", doc, app);
    ASSERT_FALSE(fs::exists("tvx.err"));

    const Outcome outcome = runProgram("powerflow --document network.tvx");
    EXPECT_EQ(outcome.status, 1);
    const std::string text = shippedText(100);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(outcome.output, "Error: 100.  " + text);
}

TEST(EngineProgram, RunsTheDocumentCommands) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    tarvex::test::buildThreeBusNetwork(doc, app);
    tarvex::test::saveDocument("network.tvx", doc, app);
    ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "editor.dat"));

    const Outcome written = runProgram("case network.tvx");
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.output, readFileText("editor.dat"));

    const Outcome solved = runProgram("powerflow --document network.tvx");
    EXPECT_EQ(solved.status, 0) << solved.output;
    EXPECT_NE(solved.output.find("bus    3  V "), std::string::npos) << solved.output;
    EXPECT_NE(solved.output.find("branch    3 ->    2  P "), std::string::npos);

    const Outcome help = runProgram("case --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: tarvex-engine case", 0), 0u);
    EXPECT_EQ(runProgram("case").status, 2);
}
