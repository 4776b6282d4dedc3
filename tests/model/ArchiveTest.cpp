// Golden-byte tests of the document file: expected bytes are written by hand from the
// object-archive wire format (tests/data/model/*.hex or ArchiveBytes), never produced
// by the archive under test.
#include "model/Archive.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/support/FileText.h"

#include <gtest/gtest.h>

using tarvex::test::ArchiveBytes;
using tarvex::test::readHexGolden;
using tarvex::test::testDataPath;

namespace {

std::string store(CSkemtorDoc& doc, CSkemtorApp& app) {
    CArchive ar;
    doc.Serialize(ar, app);
    return ar.Bytes();
}

void load(const std::string& bytes, CSkemtorDoc& doc, CSkemtorApp& app) {
    const auto result = CDocumentFile::LoadBytes(bytes, "golden.tvx", doc, app);
    ASSERT_TRUE(result.ok) << result.message;
}

std::unique_ptr<CBus> slackBus() {
    auto bus = std::make_unique<CBus>(200, -100, 1, 1);
    bus->m_name = "Bus1";
    bus->m_angle = -30.0;
    bus->m_genP = 2.0;
    bus->m_genQ = 4.0;
    bus->m_loadP = 50.0;
    bus->m_loadQ = -25.0;
    bus->m_type = CBus::kSlack;
    bus->m_area = 2;
    return bus;
}

// Bytes compared as hex so a failure shows where they part.
std::string hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

} // namespace

TEST(ArchiveGolden, EmptyDocumentIsBaseNameAndElevenZeroCounts) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_caseName = "Empty";
    EXPECT_EQ(hex(store(doc, app)), hex(readHexGolden(testDataPath("model/empty_document.hex"))));

    CSkemtorApp loaded;
    loaded.m_mvaBase = 1.0;
    load(readHexGolden(testDataPath("model/empty_document.hex")), doc, loaded);
    EXPECT_EQ(loaded.m_mvaBase, 100.0);
    // A loaded name is padded to the 31 columns of the case file's title.
    EXPECT_EQ(loaded.m_caseName, "Empty                          ");
    EXPECT_EQ(doc.GetBusCount(), 0);
}

TEST(ArchiveGolden, SecondBusRefersBackToTheClassRecord) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_mvaBase = 10.0;
    app.m_caseName.clear();
    doc.AddBus(slackBus());
    doc.AddBus(std::make_unique<CBus>(300, 50, 0, 2));
    const std::string golden = readHexGolden(testDataPath("model/two_buses.hex"));
    EXPECT_EQ(hex(store(doc, app)), hex(golden));

    CSkemtorDoc loaded;
    CSkemtorApp loadedApp;
    load(golden, loaded, loadedApp);
    EXPECT_EQ(loadedApp.m_mvaBase, 10.0);
    ASSERT_EQ(loaded.GetBusCount(), 2);
    const CBus& first = *loaded.GetBus(0);
    EXPECT_EQ(first.GetRect(), (CRectL{130, -90, 200, -100}));
    EXPECT_EQ(first.m_name, "Bus1");
    EXPECT_EQ(first.m_angle, -30.0);
    EXPECT_EQ(first.m_loadQ, -25.0);
    EXPECT_EQ(first.m_type, CBus::kSlack);
    EXPECT_EQ(first.m_area, 2);
    const CBus& second = *loaded.GetBus(1);
    EXPECT_EQ(second.m_horizontal, 0);
    EXPECT_EQ(second.m_number, 2);
    EXPECT_EQ(second.GetRect(), (CRectL{290, 120, 300, 50}));
}

TEST(ArchiveGolden, BranchWithSevenPointsStoresThemAfterItsFields) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_caseName = "Net";
    doc.AddBus(std::make_unique<CBus>(70, 0, 1, 1));
    auto line = std::make_unique<CLine>();
    line->m_r = 0.5;
    line->m_x = 0.25;
    line->m_b = 0.125;
    line->m_tap = 1.0;
    line->m_bus1 = 1;
    line->m_bus1Horizontal = 1;
    line->m_bus2 = 2;
    line->m_transformer = 1;
    line->m_x0 = 2.0;
    line->m_r0 = 4.0;
    line->m_zeroSeqDisabled = 0;
    line->m_mvaLimit = 150;
    line->m_area = 99;
    line->m_tieLine = 1;
    line->m_phaseShifter = 1;
    line->m_phase = -30.0;
    const CPointL points[] = {{10, 20}, {10, 30}, {20, 30}, {20, 40}, {30, 40}, {30, 50}, {40, 50}};
    line->m_pointCount = 7;
    std::copy(std::begin(points), std::end(points), line->m_points.begin());
    doc.AddLine(std::move(line));
    auto shortLine = std::make_unique<CLine>();
    shortLine->m_bus1 = shortLine->m_bus2 = 1;
    shortLine->m_pointCount = 2;
    shortLine->m_points[1] = {5, 0};
    doc.AddLine(std::move(shortLine));

    const std::string golden = readHexGolden(testDataPath("model/branch_seven_points.hex"));
    EXPECT_EQ(hex(store(doc, app)), hex(golden));

    CSkemtorDoc loaded;
    load(golden, loaded, app);
    ASSERT_EQ(loaded.GetLineCount(), 2);
    const CLine& read = *loaded.GetLine(0);
    EXPECT_EQ(read.GetPointCount(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(read.GetPoint(i), points[i]) << "point " << i;
    EXPECT_EQ(read.m_x0, 2.0);
    EXPECT_EQ(read.m_r0, 4.0);
    EXPECT_EQ(read.m_phase, -30.0);
    EXPECT_EQ(loaded.GetLine(1)->GetPoint(1), (CPointL{5, 0}));
}

TEST(ArchiveGolden, LongBusNameUsesTheTwoByteLengthForm) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_caseName = "C";
    auto bus = std::make_unique<CBus>(70, 0, 1, 1);
    const std::string name(300, 'n');
    bus->m_name = name;
    doc.AddBus(std::move(bus));

    ArchiveBytes expected;
    expected.f64(100.0).str("C").u16(1).newClass("CBus").rect(10, 0, 0, 70).i32(1).i32(1);
    expected.text("\xFF").u16(300).text(name); // 255, then the 16-bit length 300
    expected.f64(1.0).f64(0).f64(0).f64(0).f64(0).f64(0).f64(100.0).f64(-100.0).i32(0).i32(0);
    for (int i = 0; i < 10; ++i) expected.u16(0);
    EXPECT_EQ(hex(store(doc, app)), hex(expected.bytes()));
    EXPECT_EQ(hex(store(doc, app)), hex(readHexGolden(testDataPath("model/long_bus_name.hex"))));

    CSkemtorDoc loaded;
    load(expected.bytes(), loaded, app);
    ASSERT_EQ(loaded.GetBusCount(), 1);
    EXPECT_EQ(loaded.GetBus(0)->m_name, name);
}

// The document loader's fuzz corpus starts from every golden archive, byte for byte, so
// the fuzzer explores from real documents of each shape.
TEST(ArchiveGolden, FuzzCorpusHoldsEveryGoldenArchive) {
    namespace fs = std::filesystem;
    const fs::path corpus = fs::path(TARVEX_SOURCE_DIR) / "fuzz/corpus/document_loader";
    int goldens = 0;
    for (const auto& entry : fs::directory_iterator(testDataPath("model"))) {
        if (entry.path().extension() != ".hex") continue;
        ++goldens;
        const fs::path seed = corpus / entry.path().filename().replace_extension(".tvx");
        EXPECT_EQ(hex(tarvex::test::readFileText(seed)), hex(readHexGolden(entry.path()))) << seed;
    }
    EXPECT_GE(goldens, 4);
}

// The three string length forms and their boundaries.
TEST(ArchivePrimitives, StringLengthForms) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        std::string value(c.length, 'x');
        CArchive out;
        out.Exchange(value);
        EXPECT_EQ(hex(out.Bytes().substr(0, c.prefix.size())), hex(c.prefix)) << c.length;
        EXPECT_EQ(out.Bytes().size(), c.prefix.size() + c.length) << c.length;
        CArchive in(out.Bytes());
        std::string back;
        in.Exchange(back);
        EXPECT_EQ(back, value) << c.length;
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(ArchivePrimitives, CountsBelowAndFromFFFF) {
    CArchive out;
    out.WriteCount(0xFFFE);
    out.WriteCount(0xFFFF);
    EXPECT_EQ(hex(out.Bytes()), hex(std::string("\xFE\xFF\xFF\xFF\xFF\xFF\x00\x00", 8)));
}

TEST(ArchivePrimitives, CountLargerThanTheBytesLeftIsRefused) {
    std::string bytes("\xE8\x03", 2); // 1000 objects ...
    bytes += std::string(20, '\0');   // ... in 20 bytes
    CArchive in(bytes);
    EXPECT_THROW(in.ReadCount(), CArchiveException);
}

// Past 0x7FFE indices a class reference takes the word 0x7FFF and a 32-bit tag.
TEST(ArchivePrimitives, ClassReferencesBeyondSixteenBitsUseTheBigTag) {
    CArchive out;
    constexpr int kBuses = 40000;
    for (int i = 0; i < kBuses; ++i) out.WriteObjectTag("CBus");
    const std::size_t before = out.Bytes().size();
    out.WriteObjectTag("CLine"); // class record takes index 40002
    out.WriteObjectTag("CLine");
    ArchiveBytes expected;
    expected.newClass("CLine").u16(0x7FFF).i32(static_cast<std::int32_t>(0x80000000u | 40002u));
    EXPECT_EQ(hex(out.Bytes().substr(before)), hex(expected.bytes()));

    CArchive in(out.Bytes());
    for (int i = 0; i < kBuses; ++i) ASSERT_TRUE(in.ReadObjectTag("CBus"));
    EXPECT_TRUE(in.ReadObjectTag("CLine"));
    EXPECT_TRUE(in.ReadObjectTag("CLine"));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchivePrimitives, ReferencesToObjectsOrUnknownIndicesAreRefused) {
    const std::string first = ArchiveBytes().newClass("CBus").bytes();
    const struct {
        const char* what;
        std::string tag;
    } cases[] = {
        {"reference to the object at index 2", ArchiveBytes().classRef(2).bytes()},
        {"object reference without class bit", ArchiveBytes().u16(2).bytes()},
        {"class index never recorded", ArchiveBytes().classRef(9).bytes()},
        {"class recorded twice", ArchiveBytes().newClass("CBus").bytes()},
    };
    for (const auto& c : cases) {
        const std::string bytes = first + c.tag;
        CArchive in(bytes);
        ASSERT_TRUE(in.ReadObjectTag("CBus"));
        try {
            in.ReadObjectTag("CBus");
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::Cause::BadFormat) << c.what;
        }
    }
}
