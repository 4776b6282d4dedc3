#include "examples/generator/ExampleBuilder.h"
#include "examples/generator/ExampleGenerator.h"
#include "examples/generator/SourceError.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

using namespace tarvex::test;

namespace {

// Two buses 200 units apart and a branch from the top of one to the top of the other.
const std::string kNetwork = "case name=\"TEST\" base=100\n"         // 1
                             "bus 1 at=100,-200 type=slack v=1.05\n" // 2
                             "bus 2 at=300,-200\n"                   // 3
                             "line 1 2 r=0.01 x=0.1 rating=100 : 150,-190 150,-150 320,-150 "
                             "320,-190\n"; // 4

// The message of the first fault, or "" when the text builds.
std::string build(const std::string& text) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    try {
        CExampleBuilder(doc, app, "net.txt").Read(text);
    } catch (const CSourceError& error) {
        return error.what();
    }
    return "";
}

TEST(ExampleBuilderTest, TheSmallNetworkBuilds) {
    EXPECT_EQ(build(kNetwork), "");
}

struct BadRecord {
    const char* record; // appended as line 5
    const char* message;
};

void PrintTo(const BadRecord& bad, std::ostream* os) {
    *os << bad.record;
}

class ExampleBuilderRejects : public ::testing::TestWithParam<BadRecord> {};

TEST_P(ExampleBuilderRejects, NamingFileAndLine) {
    const std::string message = build(kNetwork + GetParam().record + "\n");
    EXPECT_EQ(message.rfind("net.txt:5: ", 0), 0u) << message;
    EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Records, ExampleBuilderRejects,
    ::testing::Values(
        BadRecord{"transformr 1 2 r=0 x=0.1 tap=1 rating=9 : 150,-200 150,-250",
                  "unknown record 'transformr'"},
        BadRecord{"bus 3 at=500,-200 volts=1.0", "unknown field 'volts' for bus"},
        BadRecord{"bus 3 at=500,-200 v=1,05", "v=1,05 is not a number"},
        BadRecord{"bus 3 at=500,-200 v=1 v=1", "field 'v' given twice"},
        BadRecord{"bus 3 name=\"OPEN at=500,-200", "unterminated quote"},
        BadRecord{"bus 3 at=500,-200 type=swing", "type=swing is not one of pq, pv, slack"},
        BadRecord{"bus 3 at=505,-200", "at 505,-200 is off the 10-unit grid"},
        BadRecord{"bus 3 at=500,10", "is off the canvas"},
        BadRecord{"bus 3 at=500,-200 length=80", "not a size of the layout dialog"},
        BadRecord{"bus 2 at=500,-200", "bus number 2 is already used"},
        BadRecord{"bus 30 at=500,-200", "bus number 30 is outside 1..29"},
        BadRecord{"bus 3 at=130,-200", "bus 3 overlaps bus 1"},
        BadRecord{"bus 3 name=\"THIRTEEN CHARS\" at=500,-200", "longer than 12 characters"},
        BadRecord{"bus 3 at=500,-200 type=slack", "a second slack bus (the first is on line 2)"},
        BadRecord{"bus 4 at=500,-200", "bus number 4 leaves a gap"},
        BadRecord{"line 2 1 r=0 x=0.1 rating=50 : 150,-190 150,-120 320,-120 320,-190",
                  "first point 150,-190 lies on bus 1, not on bus 2"},
        BadRecord{"line 1 2 r=0 x=0.1 rating=50 : 160,-200 160,-300",
                  "last point 160,-300 lies on no bus, not on bus 2"},
        BadRecord{"line 1 2 r=0 x=0.1 rating=50 : 160,-200 160,-300 330,-300 330,-200 340,-200",
                  "point 330,-200 lies on bus 2; the branch would end there"},
        BadRecord{"line 1 3 r=0 x=0.1 rating=50 : 160,-200 160,-300",
                  "bus 3 is not placed before this branch"},
        BadRecord{"line 1 2 r=0 x=0.1 : 160,-200 160,-250 330,-250 330,-200", "needs rating="},
        BadRecord{"line 1 2 r=0 rating=50 : 160,-200 160,-250 330,-250 330,-200", "needs x="},
        BadRecord{"line 1 2 r=0 x=0.1 rating=50", "needs ': ' and its points"},
        BadRecord{"line 1 2 r=0 x=0.1 rating=50 : 160,-200 160;-250", "'160;-250' is not a point"},
        // Points far beyond any canvas, where placing the bar or testing a hit would
        // overflow the coordinates.
        BadRecord{"bus 3 at=2147483640,-200", "at=2147483640,-200 lies beyond any canvas"},
        BadRecord{"bus 3 at=500,-2147483640 orientation=v length=210",
                  "at=500,-2147483640 lies beyond any canvas"},
        BadRecord{"line 1 2 r=0 x=0.1 rating=50 : 160,-200 -2147483640,-200 330,-200",
                  "'-2147483640,-200' lies beyond any canvas"},
        BadRecord{"capacitor 1 at=150,-1000010 b=0.1", "at=150,-1000010 lies beyond any canvas"},
        BadRecord{"capacitor 2 at=150,-190 b=0.1", "at=150,-190 lies on bus 1, not on bus 2"},
        BadRecord{"capacitor 1 at=150,-190 orientation=45 b=0.1", "orientation=45 is not one of"},
        BadRecord{"capacitor 1 at=150,-190 b=0.1 : 150,-190", "capacitor takes no point list"},
        BadRecord{"voltage 1 2 at=150,-190", "voltage needs one bus number, not 2"},
        BadRecord{"flow 1 2 at=250,-100", "at=250,-100 lies on no branch, not on 1-2"},
        BadRecord{"breaker 2 1 at=250,-150", "lies on branch 1-2, not on 2-1"},
        BadRecord{"zground 1 at=150,-190 x1=0.1", "needs pos=on or zero=on"},
        BadRecord{"case name=\"AGAIN\"", "a second case record (the first is on line 1)"}));

TEST(ExampleBuilderTest, FileWideFaultsNameTheCaseRecord) {
    EXPECT_EQ(build("bus 1 at=100,-200 type=slack\n"),
              "net.txt:1: the first record must be the case record");
    EXPECT_EQ(build("case name=\"NO SLACK\"\n\nbus 1 at=100,-200\n"),
              "net.txt:1: the network has no slack bus");
    EXPECT_EQ(build("# nothing but a comment\n"), "net.txt: no case record");
    const std::string longName = "case name=\"" + std::string(31, 'N') + "\"\n";
    EXPECT_NE(build(longName).find("net.txt:1: case name longer than 30"), std::string::npos);
}

// Every element lands where the editor's tool would put it, with the values given and
// the placing defaults for the rest (rectangles worked out by hand).
TEST(ExampleBuilderTest, PlacesElementsAsTheDrawingToolsDo) {
    const std::string text = "case name=\"GEOMETRY\" base=50\n"
                             "bus 1 at=100,-200 length=110 type=slack area=2 # comment\n"
                             "bus 2 at=400,-300 orientation=v length=130 area=2 name=\"TWO A\"\n"
                             "line 1 2 r=0.01 x=0.1 b=0.02 rating=80 r0=0.03 x0=0.3 zero=on"
                             " : 200,-200 200,-250 400,-250\n"
                             "capacitor 1 at=120,-200 orientation=90 b=0.25\n"
                             "generator 2 at=410,-200 orientation=180 model=two-axis h=3.5 ka=50\n"
                             "flow 2 1 at=300,-250 p=-0.5 q=0.1 psd=0.02\n"
                             "zground 1 at=150,-190 orientation=270 x0=0.2 zero=on\n";
    CSkemtorDoc doc;
    CSkemtorApp app;
    CExampleBuilder(doc, app, "geometry.txt").Read(text);
    EXPECT_EQ(app.m_caseName, "GEOMETRY" + std::string(23, ' '));
    EXPECT_EQ(app.m_mvaBase, 50.0);

    ASSERT_EQ(doc.GetBusCount(), 2);
    EXPECT_EQ(doc.GetBus(0)->GetRect(), (CRectL{100, -190, 210, -200}));
    EXPECT_EQ(doc.GetBus(1)->GetRect(), (CRectL{400, -170, 410, -300}));
    EXPECT_EQ(doc.GetBus(1)->m_horizontal, 0);
    EXPECT_EQ(doc.GetBus(1)->m_name, "TWO A");
    EXPECT_EQ(doc.GetBus(1)->m_qMax, 100.0);

    const CLine& line = *doc.GetLine(0);
    ASSERT_EQ(line.GetPointCount(), 3);
    EXPECT_EQ(line.GetPoint(1), (CPointL{200, -250}));
    EXPECT_EQ(line.m_bus1Horizontal, 1);
    EXPECT_EQ(line.m_bus2Horizontal, 0);
    EXPECT_EQ(line.m_b, 0.02);
    EXPECT_EQ(line.m_x0, 0.3);
    EXPECT_EQ(line.m_zeroSeqDisabled, 0);
    EXPECT_EQ(line.m_mvaLimit, 80);
    EXPECT_EQ(line.m_tap, 0.0);
    EXPECT_EQ(line.m_transformer, 0);
    EXPECT_EQ(line.m_area, 2);

    EXPECT_EQ(doc.GetCapacitance(0)->GetRect(), (CRectL{115, -200, 125, -220}));
    EXPECT_EQ(doc.GetCapacitance(0)->m_susceptance, 0.25);
    const CGenerator& gen = *doc.GetGenerator(0);
    EXPECT_EQ(gen.GetRect(), (CRectL{410, -192, 435, -208}));
    EXPECT_EQ(gen.m_model, CGenerator::kTwoAxis);
    EXPECT_EQ(gen.m_h, 3.5);
    EXPECT_EQ(gen.m_ka, 50.0);
    EXPECT_EQ(gen.m_ta, 0.2); // placing default

    const CPowerFlow& flow = *doc.GetPowerFlow(0);
    EXPECT_EQ(flow.GetRect(), (CRectL{297, -247, 303, -253}));
    EXPECT_EQ(flow.m_bus1, 2);
    EXPECT_EQ(flow.m_bus2, 1);
    EXPECT_EQ(flow.m_p, -0.5);
    EXPECT_EQ(flow.m_pSd, 0.02);
    EXPECT_EQ(flow.m_qSd, app.m_sdPowerFlow);
    const CZground& z = *doc.GetZground(0);
    EXPECT_EQ(z.GetRect(), (CRectL{145, -170, 155, -190}));
    EXPECT_EQ(z.m_posEnabled, 0);
    EXPECT_EQ(z.m_zeroEnabled, 1);
    EXPECT_EQ(z.m_x0, 0.2);
}

TEST(ExampleBuilderTest, GeneratorWritesTheGoodFilesAndReportsTheBadOne) {
    ScopedWorkDir dir;
    std::filesystem::create_directory("source");
    writeFileText("source/good.txt", kNetwork);
    writeFileText("source/bad.txt", kNetwork + "bus 3 at=500,-200 v=high\n");
    const CExampleGenerator::Report report = CExampleGenerator::GenerateAll("source", ".");
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_EQ(report.errors[0], "source/bad.txt:5: v=high is not a number");
    ASSERT_EQ(report.written.size(), 1u);
    EXPECT_EQ(report.written[0], std::filesystem::path("./good.tvx"));
    EXPECT_FALSE(readFileText("good.tvx").empty());
    EXPECT_FALSE(std::filesystem::exists("bad.tvx"));
}

} // namespace
