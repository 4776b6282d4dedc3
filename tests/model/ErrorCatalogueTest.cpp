// The error catalogue tvx.err: lookups by code, the messages built from an entry, where
// the file is found, and the catalogue shipped with the program.
#include "model/ErrorCatalogue.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

namespace {
fs::path shippedCatalogue() {
    return fs::path(TARVEX_SOURCE_DIR) / "data" / "tvx.err";
}
} // namespace

TEST(ErrorCatalogueLookup, EntryLayouts) {
    const std::string text(198, 't');
    const struct {
        const char* what;
        std::string catalogue;
        int code;
        std::optional<std::string> found;
    } cases[] = {
        {"code and text on one line", "1 First.\n6 Diverged.\n7 Areas.\n", 6, "Diverged.\n"},
        {"code alone, text on the next line", "5\nNo admittance.\n6\nDiverged.\n", 6,
         "Diverged.\n"},
        {"entries apart by blank lines and indent", "\n\n  5 A.\n\n\t 6   Diverged. \n", 6,
         "Diverged. \n"},
        {"last line without its line feed", "5 A.\n6 Diverged.", 6, "Diverged."},
        {"code not in the catalogue", "5 A.\n60 Sixty.\n", 6, std::nullopt},
        {"a code is not matched inside another", "16 Sixteen.\n", 6, std::nullopt},
        {"first of two entries wins", "6 First.\n6 Second.\n", 6, "First.\n"},
        {"text that looks like a code is text", "5\n6 is not a code here.\n6 Six.\n", 6, "Six.\n"},
        {"a line without a code is skipped", "# power flow\n6 Six.\n", 6, "Six.\n"},
        {"catalogue written with CRLF", "5 A.\r\n6 Six.\r\n", 6, "Six.\n"},
        {"negative codes", "-1 Minus one.\n", -1, "Minus one.\n"},
        {"198 characters and the line feed are kept whole", "6 " + text + "\n7 x\n", 6,
         text + "\n"},
        {"a longer text is cut to 199 characters", "6 " + text + "uvw\n7 Seven.\n", 6, text + "u"},
        {"the rest of a cut line is not read as entries", "6 " + text + " 7 no\n7 Seven.\n", 7,
         "Seven.\n"},
        {"empty catalogue", "", 6, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CErrorCatalogue::FindText(c.catalogue, c.code), c.found) << c.what;
}

TEST(ErrorCatalogueLookup, MessagesForFoundMissingAndAbsentCatalogue) {
    ScopedWorkDir dir;
    EXPECT_EQ(CErrorCatalogue::Message(6, {}), "Error opening tvx.err");

    writeFileText("tvx.err", "6\nThe power flow diverged.\n101 Too many buses.\n");
    EXPECT_EQ(CErrorCatalogue::Message(6, {}), "Error: 6.  The power flow diverged.\n");
    EXPECT_EQ(CErrorCatalogue::Message(101, {}), "Error: 101.  Too many buses.\n");
    EXPECT_EQ(CErrorCatalogue::Message(7, {}),
              "Analysis Error.  Specific error not found in tvx.err");

    // Read afresh for every lookup: an edited catalogue is used at once.
    writeFileText("tvx.err", "6 Edited.\n");
    EXPECT_EQ(CErrorCatalogue::Message(6, {}), "Error: 6.  Edited.\n");

    // A catalogue that cannot be opened counts as missing.
    fs::remove("tvx.err");
    fs::create_directory("tvx.err");
    EXPECT_EQ(CErrorCatalogue::Message(6, {}), "Error opening tvx.err");
}

// The working directory's catalogue comes first; without one, the first install
// directory that holds a catalogue.
TEST(ErrorCatalogueLookup, WorkingDirectoryFirstThenInstallDirectories) {
    ScopedWorkDir dir;
    fs::create_directories("empty");
    fs::create_directories("shipped");
    fs::create_directories("other");
    writeFileText("shipped/tvx.err", "6 From the program folder.\n");
    writeFileText("other/tvx.err", "6 From a later folder.\n");
    const std::vector<fs::path> installDirs = {dir.path() / "empty", dir.path() / "shipped",
                                               dir.path() / "other"};
    EXPECT_EQ(CErrorCatalogue::Find(installDirs), dir.path() / "shipped" / "tvx.err");
    EXPECT_EQ(CErrorCatalogue::Message(6, installDirs), "Error: 6.  From the program folder.\n");

    writeFileText("tvx.err", "6 From the working folder.\n");
    EXPECT_EQ(CErrorCatalogue::Message(6, installDirs), "Error: 6.  From the working folder.\n");
}

TEST(ErrorCatalogueLookup, ExecutableDirectoryHoldsTheRunningProgram) {
    const auto dir = CErrorCatalogue::ExecutableDirectory();
    ASSERT_TRUE(dir);
    EXPECT_TRUE(fs::exists(*dir / "model_tests"));
}

// Every status an engine writes into a status file, and the editor's own codes, have a
// text of their own in the shipped catalogue, short enough to be shown whole.
TEST(ShippedCatalogue, HasAWholeTextForEveryCode) {
    const std::string catalogue = readFileText(shippedCatalogue());
    ASSERT_FALSE(catalogue.empty());
    const int codes[] = {
        1,   2,   3,   4,  5,  6,  7, // power flow
        20,  21,  22,  23, 24, 25,    // observability
        30,  31,  32,                 // weighted least squares (30 also least absolute value)
        40,  41,                      // least absolute value
        70,  71,                      // optimal power flow
        100, 101, 200,                // the editor: no slack bus, too many buses, no buses
    };
    std::set<std::string> texts;
    for (int code : codes) {
        const auto text = CErrorCatalogue::FindText(catalogue, code);
        ASSERT_TRUE(text) << "no entry for " << code;
        EXPECT_EQ(text->back(), '\n') << code << " was cut";
        EXPECT_GT(text->size(), 40u) << code << ": too short to explain anything";
        EXPECT_TRUE(texts.insert(*text).second) << code << " repeats another code's text";
    }
}

// Each line of the shipped catalogue is an entry with a code; none is read twice.
TEST(ShippedCatalogue, EveryLineIsOneEntry) {
    const std::string catalogue = readFileText(shippedCatalogue());
    std::set<int> seen;
    std::size_t pos = 0;
    while (pos < catalogue.size()) {
        const std::size_t end = catalogue.find('\n', pos);
        ASSERT_NE(end, std::string::npos) << "last line without a line feed";
        const std::string line = catalogue.substr(pos, end - pos);
        pos = end + 1;
        std::size_t digits = 0;
        const int code = std::stoi(line, &digits);
        ASSERT_GT(digits, 0u) << line;
        EXPECT_EQ(line[digits], ' ') << line;
        EXPECT_TRUE(seen.insert(code).second) << "code " << code << " twice";
        EXPECT_LE(line.size() - digits - 1, CErrorCatalogue::kMaxTextLength - 1) << line;
    }
}
