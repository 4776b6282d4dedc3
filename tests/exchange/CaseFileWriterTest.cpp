#include "exchange/CaseFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

namespace {

using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::testDataPath;

CBus& addBus(CSkemtorDoc& doc, const char* name, int type, int area) {
    auto bus = std::make_unique<CBus>(100 * (doc.GetBusCount() + 1), -100, 1, doc.NextBusNumber());
    bus->m_name = name;
    bus->m_type = type;
    bus->m_area = area;
    CBus& ref = *bus;
    doc.AddBus(std::move(bus));
    return ref;
}

CLine& addLine(CSkemtorDoc& doc, const CSkemtorApp& app, int from, int to) {
    const CPointL points[2] = {{0, 0}, {10, 0}};
    auto line = std::make_unique<CLine>(points, 2, from, 1, to, 1, app);
    CLine& ref = *line;
    doc.AddLine(std::move(line));
    return ref;
}

// Five buses covering both record layouts, long and short names, areas 0 and 12, a
// skipped bus type, two shunts on one bus, and branches covering lines, tap changers,
// a phase shifter, a tie line and breakers that do and do not take branches out.
class CaseFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.SetCaseName("IEEE 14 BUS TEST CASE");

        CBus& slack = addBus(doc, "SLACK", CBus::kSlack, 0);
        slack.m_voltage = 1.06;
        slack.m_genP = 232.39;
        slack.m_genQ = -16.89;

        CBus& pv = addBus(doc, "GENERATOR-TWELVE", CBus::kGenerator, 12);
        pv.m_voltage = 1.045;
        pv.m_angle = -4.98;
        pv.m_loadP = 21.7;
        pv.m_loadQ = 12.7;
        pv.m_genP = 40;
        pv.m_genQ = 42.4;
        pv.m_qMax = 50;
        pv.m_qMin = -40;

        CBus& pq = addBus(doc, "AB", CBus::kLoad, 12);
        pq.m_voltage = 1.01;
        pq.m_angle = -12.72;
        pq.m_loadP = 94.2;
        pq.m_loadQ = 19.0;

        addBus(doc, "", CBus::kLoad, 0);
        addBus(doc, "PV-DEFAULT", CBus::kGenerator, 0);
        addBus(doc, "TYPE ONE", 1, 0); // not a type the engine knows: left out

        for (double b : {0.1, 0.2}) {
            auto shunt = std::make_unique<CCapacitance>(0, 0, 0, 4);
            shunt->m_susceptance = b;
            doc.AddCapacitance(std::move(shunt));
        }

        CLine& line = addLine(doc, app, 1, 2);
        line.m_r = 0.01938;
        line.m_x = 0.05917;
        line.m_b = 0.0528;
        line.m_tap = 1.0;
        line.m_mvaLimit = 100;
        line.m_phase = 10.0; // a line never keeps a phase angle

        CLine& tapChanger = addLine(doc, app, 2, 3);
        tapChanger.m_transformer = 1;
        tapChanger.m_x = 0.20912;
        tapChanger.m_tap = 0.978;
        tapChanger.m_phase = 5.0;
        tapChanger.m_area = 12;

        CLine& shifter = addLine(doc, app, 3, 4);
        shifter.m_transformer = 1;
        shifter.m_phaseShifter = 1;
        shifter.m_r = 0.001;
        shifter.m_x = 0.1;
        shifter.m_tap = 1.0;
        shifter.m_phase = -3.5;
        shifter.m_mvaLimit = 250;
        shifter.m_area = 99;

        // Parallel branches 4-1 and 1-4 go out together with one open breaker 1-4.
        addLine(doc, app, 4, 1).m_x = 0.3;
        addLine(doc, app, 1, 4).m_x = 0.3;

        CLine& last = addLine(doc, app, 2, 5);
        last.m_r = 0.05;
        last.m_x = 0.2;
        last.m_b = 0.04;
        last.m_tap = 1.0;
        last.m_mvaLimit = 99999;

        auto addBreaker = [&](int bus1, int bus2, int closed) {
            auto breaker = std::make_unique<CCircuitBreaker>(0, 0, bus1, bus2);
            breaker->m_closed = closed;
            doc.AddBreaker(std::move(breaker));
        };
        addBreaker(1, 4, 0); // open: removes both parallel branches
        addBreaker(5, 2, 1); // closed: no effect
        addBreaker(1, 3, 0); // open, but no branch 1-3: no effect
    }

    ScopedWorkDir dir;
    CSkemtorApp app;
    CSkemtorDoc doc;
};

TEST_F(CaseFileWriterTest, WritesEveryColumnAsTheReaderExpects) {
    ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "pfinput.dat"));
    EXPECT_EQ(readFileText("pfinput.dat"),
              readFileText(testDataPath("exchange/five_bus_case.dat")));
}

TEST_F(CaseFileWriterTest, PhaseAngleIsClearedInTheDocumentExceptForPhaseShifters) {
    ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "pfinput.dat"));
    EXPECT_EQ(doc.GetLine(0)->m_phase, 0.0);
    EXPECT_EQ(doc.GetLine(1)->m_phase, 0.0);
    EXPECT_EQ(doc.GetLine(2)->m_phase, -3.5);
}

TEST_F(CaseFileWriterTest, ReplacesAnOlderFile) {
    tarvex::test::writeFileText("pfinput.dat", std::string(10000, 'x'));
    ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "pfinput.dat"));
    EXPECT_EQ(readFileText("pfinput.dat"),
              readFileText(testDataPath("exchange/five_bus_case.dat")));
}

TEST_F(CaseFileWriterTest, ReportsAFileThatCannotBeCreated) {
    EXPECT_FALSE(CCaseFileWriter::WriteCaseFile(doc, app, "no-such-dir/pfinput.dat"));
    EXPECT_FALSE(CCaseFileWriter::WritePowerFlowParameters(app, "no-such-dir/pfparam.dat"));
}

TEST(CaseFileWriter, SingleSlackBusWithoutCaseNameOrBranches) {
    ScopedWorkDir dir;
    CSkemtorApp app; // case name not set yet: the title holds only the base
    CSkemtorDoc doc;
    addBus(doc, "ONLY", CBus::kSlack, 0);
    ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "pfinput.dat"));
    EXPECT_EQ(readFileText("pfinput.dat"),
              readFileText(testDataPath("exchange/single_bus_case.dat")));
}

// The engine reads the base from columns 31-36: a case name that reaches column 31 must
// not run into it, whatever its length; a name with a blank there is written whole.
TEST(CaseFileWriter, TitleKeepsColumn31Blank) {
    ScopedWorkDir dir;
    const struct {
        std::string name;
        std::string title;
    } cases[] = {
        {"IEEE 14 BUS TEST CASE" + std::string(10, ' '), "IEEE 14 BUS TEST CASE          100.0"},
        {std::string(31, 'N'), std::string(30, 'N') + " 100.0"},
        {std::string(30, 'A') + std::string(10, 'B'), std::string(30, 'A') + " 100.0"},
        {"SHORT", "SHORT100.0"},
    };
    for (const auto& c : cases) {
        CSkemtorApp app;
        app.m_caseName = c.name;
        CSkemtorDoc doc;
        addBus(doc, "ONLY", CBus::kSlack, 0);
        ASSERT_TRUE(CCaseFileWriter::WriteCaseFile(doc, app, "pfinput.dat"));
        const std::string text = readFileText("pfinput.dat");
        EXPECT_EQ(text.substr(0, text.find('\n')), c.title) << c.name;
        EXPECT_EQ(app.m_caseName, c.name); // the name itself is not changed
    }
}

TEST(CaseFileWriter, PowerFlowParameters) {
    ScopedWorkDir dir;
    CSkemtorApp app;
    ASSERT_TRUE(CCaseFileWriter::WritePowerFlowParameters(app, "pfparam.dat"));
    EXPECT_EQ(readFileText("pfparam.dat"),
              readFileText(testDataPath("exchange/default_pfparam.dat")));

    app.m_pfMaxIterations = 25;
    app.m_pfMaxPMismatch = 0.0001;
    app.m_pfMaxQMismatch = 0.0025;
    app.m_qLimitsIgnored = 1;
    ASSERT_TRUE(CCaseFileWriter::WritePowerFlowParameters(app, "pfparam.dat"));
    EXPECT_EQ(readFileText("pfparam.dat"),
              readFileText(testDataPath("exchange/limits_ignored_pfparam.dat")));
}

} // namespace
