#include "engine/core/EngineFile.h"
#include "engine/core/Record.h"

#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using tarvex::engine::EngineFile;
using tarvex::engine::Record;
using namespace tarvex::test;

namespace {

std::string text(const Record& r) {
    return std::string(r.data(), r.size());
}

// Opening creates a missing file and leaves an existing one alone; the first record
// written replaces the old content from the start.
TEST(EngineFileTest, KeepsUnwrittenFilesAndReplacesWrittenOnes) {
    ScopedWorkDir dir;
    writeFileText("kept.dat", "old status\nold rows\n");
    writeFileText("replaced.dat", "old status\nold rows\n");
    writeFileText("grown.dat", "0\n");
    {
        EngineFile kept, replaced, created, grown;
        kept.open("kept.dat");
        replaced.open("replaced.dat");
        created.open("created.dat");
        grown.open("grown.dat");
        Record r;
        r.text("new");
        replaced.write(r);
        replaced.writeEmpty();
        r.clear();
        r.text("a longer first record");
        grown.write(r);
        grown.writeRaw("raw\n", 4);
    }
    EXPECT_EQ(readFileText("kept.dat"), "old status\nold rows\n");
    // Nothing of the old content survives behind a shorter new one.
    EXPECT_EQ(readFileText("replaced.dat"), "new\n\n");
    EXPECT_EQ(readFileText("grown.dat"), "a longer first record\nraw\n");
    EXPECT_TRUE(std::filesystem::exists("created.dat"));
    EXPECT_EQ(readFileText("created.dat"), "");
}

TEST(RecordTest, FixedFieldsAreRightJustifiedAndOverflowAsAsterisks) {
    Record r;
    r.blanks(1).integer(14, 5).text("|").real(-19.44707, 15, 6).text("|").real(1.06, 6, 4);
    EXPECT_EQ(text(r), "    14|     -19.447070|1.0600");
    r.clear();
    r.integer(12345, 4).text("|").real(-100.0, 6, 2).text("|").real(0.5, 6, 4);
    EXPECT_EQ(text(r), "****|******|0.5000");
    r.clear();
    r.integer(-7, 2).real(123.456, 7, 2);
    EXPECT_EQ(text(r), "-7 123.46");
}

TEST(RecordTest, FreeFormatItemsStartWithABlankAndAreSeparatedByOne) {
    Record r;
    r.item(" BDIAG (").item(7LL).item(") = 0 ");
    EXPECT_EQ(text(r), "  BDIAG ( 7 ) = 0 ");
    r.clear();
    r.item(" Error in P-SPARSE : IERR =").item(-3LL);
    EXPECT_EQ(text(r), "  Error in P-SPARSE : IERR = -3");
    r.clear();
    r.item(0.25);
    EXPECT_EQ(text(r), " 0.25");
}

// A record longer than its buffer is cut, never written past it.
TEST(RecordTest, OverlongRecordIsCut) {
    Record r;
    for (int i = 0; i < 100; ++i) r.text("0123456789");
    EXPECT_EQ(r.size(), Record::kCapacity);
}

} // namespace
