// Arguments of the document commands: `case` and `powerflow --document`.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

using Action = CommandLine::Action;

TEST(DocumentCommandLine, CaseCommand) {
    const struct {
        std::vector<std::string> args;
        Action action;
        const char* document;
        const char* output;
    } cases[] = {
        {{"case", "net.tvx"}, Action::Case, "net.tvx", ""},
        {{"case", "net.tvx", "--output", "out.dat"}, Action::Case, "net.tvx", "out.dat"},
        {{"case", "--output", "out.dat", "net.tvx"}, Action::Case, "net.tvx", "out.dat"},
        {{"case", "--help"}, Action::CaseHelp, "", ""},
        {{"case"}, Action::BadUsage, "", ""},
        {{"case", "net.tvx", "--output"}, Action::BadUsage, "net.tvx", ""},
        {{"case", "a.tvx", "b.tvx"}, Action::BadUsage, "a.tvx", ""},
        {{"case", "net.tvx", "--dir", "x"}, Action::BadUsage, "net.tvx", ""},
    };
    for (const auto& c : cases) {
        const CommandLine line(c.args);
        EXPECT_EQ(line.action(), c.action) << testing::PrintToString(c.args);
        if (c.action == Action::BadUsage) {
            EXPECT_FALSE(line.error().empty());
            continue;
        }
        EXPECT_EQ(line.caseFile().document, c.document);
        EXPECT_EQ(line.caseFile().output, c.output);
    }
}

TEST(DocumentCommandLine, PowerFlowOnADocument) {
    const CommandLine line(
        {"powerflow", "--document", "net.tvx", "--dir", "work", "--max-iterations", "12"});
    ASSERT_EQ(line.action(), Action::PowerFlow) << line.error();
    EXPECT_EQ(line.powerFlow().documentFile, "net.tvx");
    EXPECT_EQ(line.powerFlow().dir, "work");
    EXPECT_EQ(line.powerFlow().maxIterations, 12);
    EXPECT_TRUE(line.powerFlow().caseFile.empty());

    EXPECT_TRUE(CommandLine({"powerflow"}).powerFlow().documentFile.empty());
    const CommandLine both({"powerflow", "--document", "net.tvx", "--case", "pf.dat"});
    EXPECT_EQ(both.action(), Action::BadUsage);
    EXPECT_NE(both.error().find("--document"), std::string::npos);
    const CommandLine missing({"powerflow", "--document"});
    EXPECT_EQ(missing.action(), Action::BadUsage);
    EXPECT_NE(missing.error().find("--document"), std::string::npos);
}

TEST(DocumentCommandLine, HelpTextsNameTheDocumentCommands) {
    const std::string program = CommandLine::programHelp();
    EXPECT_NE(program.find("  case "), std::string::npos);
    EXPECT_NE(program.find("  powerflow "), std::string::npos);
    const std::string powerFlow = CommandLine::powerFlowHelp();
    EXPECT_NE(powerFlow.find("--document DOC.tvx"), std::string::npos);
    EXPECT_NE(powerFlow.find("tvx.err"), std::string::npos);
    const std::string caseHelp = CommandLine::caseHelp();
    EXPECT_NE(caseHelp.find("Usage: tarvex-engine case DOC.tvx [--output FILE]"),
              std::string::npos);
}
