// `tarvex-engine case`: the document's case file through the editor's own writer.
#include "cli/CaseCommand.h"

#include "exchange/CaseFileWriter.h"
#include "model/DocumentFile.h"
#include "tests/cli/TestDocument.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

namespace {

class CaseCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        tarvex::test::buildThreeBusNetwork(doc, app);
        auto breaker = std::make_unique<CCircuitBreaker>(0, 0, 3, 2);
        breaker->Toggle(); // branch 2-3 out of service
        doc.AddBreaker(std::move(breaker));
        tarvex::test::saveDocument("network.tvx", doc, app);
        // What the editor writes for the same document.
        ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "editor.dat"));
        editorCase = readFileText("editor.dat");
    }

    int run(const CaseOptions& options) { return CaseCommand(options).run(out, err); }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    std::string editorCase;
    std::ostringstream out, err;
};

} // namespace

TEST_F(CaseCommandTest, WritesTheEditorsCaseToTheStandardOutput) {
    EXPECT_EQ(run({"network.tvx", ""}), 0);
    EXPECT_EQ(out.str(), editorCase);
    EXPECT_TRUE(err.str().empty());
    // The case of this document: its title, three buses and the two branches in service.
    EXPECT_EQ(out.str().substr(0, 37), "CLI THREE BUS" + std::string(18, ' ') + "100.0\n");
    EXPECT_NE(out.str().find("   3 BUS3"), std::string::npos);
    EXPECT_NE(out.str().find("\n   1    3  0000 0 0"), std::string::npos);
    EXPECT_EQ(out.str().find("\n   2    3"), std::string::npos);
    // Nothing is left behind in the working folder.
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 2);
}

TEST_F(CaseCommandTest, WritesTheCaseToAFile) {
    writeFileText("case.dat", "older content that must go\n");
    EXPECT_EQ(run({"network.tvx", "case.dat"}), 0);
    EXPECT_EQ(readFileText("case.dat"), editorCase);
    EXPECT_TRUE(out.str().empty());
}

TEST_F(CaseCommandTest, DocumentThatCannotBeReadIsNamed) {
    writeFileText("broken.tvx", readFileText("network.tvx").substr(0, 40));
    const struct {
        const char* document;
        const char* named;
    } cases[] = {{"broken.tvx", "broken.tvx past its end"}, {"absent.tvx", "absent.tvx"}};
    for (const auto& c : cases) {
        err.str("");
        EXPECT_EQ(run({c.document, "case.dat"}), 1) << c.document;
        EXPECT_NE(err.str().find(c.named), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists("case.dat"));
    }
    EXPECT_TRUE(out.str().empty());
}

TEST_F(CaseCommandTest, OutputThatCannotBeWrittenFails) {
    EXPECT_EQ(run({"network.tvx", "no/such/folder/case.dat"}), 1);
    EXPECT_NE(err.str().find("no/such/folder/case.dat"), std::string::npos);
}
