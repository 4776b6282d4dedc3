// ReportError: the catalogue message shown as the modal "Error Message" box.
#include "exchange/ErrorReporter.h"

#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using tarvex::test::FakeUserInterface;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

TEST(ErrorReporterTest, ShowsTheExactMessageInTheErrorBox) {
    ScopedWorkDir dir;
    writeFileText("tvx.err", "4\nThe sparse solution failed.\n100 No slack bus.\n");
    FakeUserInterface ui;
    const CErrorReporter reporter{{}};
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {4, "Error: 4.  The sparse solution failed.\n"},
        {100, "Error: 100.  No slack bus.\n"},
        {41, "Analysis Error.  Specific error not found in tvx.err"},
    };
    for (const auto& c : cases) {
        reporter.ReportError(ui, c.code);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().title, "Error Message");
        EXPECT_EQ(ui.messages.back().text, c.text);
        EXPECT_EQ(ui.messages.back().icon, CUserInterface::Icon::Exclamation);
    }
    EXPECT_EQ(ui.messages.size(), 3u);

    fs::remove("tvx.err");
    reporter.ReportError(ui, 4);
    EXPECT_EQ(ui.messages.back().text, "Error opening tvx.err");
}

// By default the reporter falls back on the catalogue beside the running program.
TEST(ErrorReporterTest, DefaultInstallDirectoryIsTheProgramFolder) {
    const CErrorReporter reporter;
    ASSERT_EQ(reporter.InstallDirectories().size(), 1u);
    EXPECT_TRUE(fs::exists(reporter.InstallDirectories()[0] / "exchange_tests"));
}
