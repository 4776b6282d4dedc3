// short.dat as the editor writes it (golden files) and Run short circuit analysis with
// the real solver and with stand-ins that leave chosen result files.
#include "exchange/ShortCircuitCommands.h"

#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "exchange/ErrorReporter.h"
#include "exchange/ShortCircuitFileWriter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace files = tarvex::files;
using tarvex::test::FakeUserInterface;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::testDataPath;
using tarvex::test::writeFileText;

class ShortCircuitCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.m_mode = CSkemtorApp::Mode::ShortCircuit;
        writeFileText("tvx.err", "53 No source.\n");
    }

    void addBuses(int count) {
        for (int i = 0; i < count; ++i)
            doc.AddBus(std::make_unique<CBus>(100 * (i + 1), 0, 1, doc.NextBusNumber()));
    }
    CLine& addLine(int from, int to, double r, double x) {
        const CPointL points[2] = {{0, 0}, {10, 0}};
        doc.AddLine(std::make_unique<CLine>(points, 2, from, 1, to, 1, app));
        CLine& line = *doc.GetLine(doc.GetLineCount() - 1);
        line.m_r = r;
        line.m_x = x;
        return line;
    }
    void addFault(int bus, int type) {
        auto fault = std::make_unique<CShort>(0, 0, 0, bus);
        fault->SetFaultType(type);
        doc.AddShort(std::move(fault));
    }
    CZground& addGround(int bus, double r1, double x1, double r0, double x0, int pos, int zero) {
        auto z = std::make_unique<CZground>(0, 0, 0, bus);
        z->m_r1 = r1;
        z->m_x1 = x1;
        z->m_r0 = r0;
        z->m_x0 = x0;
        z->m_posEnabled = pos;
        z->m_zeroEnabled = zero;
        doc.AddZground(std::move(z));
        return *doc.GetZground(doc.GetZgroundCount() - 1);
    }
    // The two-bus textbook network of the solver's tests, with a second transformer drawn
    // the other way round (2 to 1) in the positive sequence only.
    void twoBusNetwork(int faultType) {
        addBuses(2);
        addGround(1, 0, 0.2, 0, 0.05, 1, 1);
        addLine(1, 2, 0, 0.1).m_zeroSeqDisabled = 0;
        doc.GetLine(0)->m_x0 = 0.3;
        addLine(2, 1, 0, 0.15);
        addGround(2, 0.5, 9.9, 0.5, 1.5, 0, 1);
        addFault(2, faultType);
    }
    CShortCircuitCommands commands(std::function<void()> engine) {
        return CShortCircuitCommands(doc, app, ui, errors, std::move(engine));
    }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    CErrorReporter errors{{}};
};

TEST_F(ShortCircuitCommandsTest, ThreeBusesTwoBranchesAndOneFaultWriteOnlyTheirRecords) {
    addBuses(3);
    addLine(1, 2, 0.01, 0.1);
    addLine(2, 3, 0.02, 0.2);
    addFault(2, 3);
    ASSERT_TRUE(CShortCircuitFileWriter::WriteShortCircuitFile(doc, "short.dat"));
    EXPECT_EQ(readFileText("short.dat"),
              readFileText(testDataPath("exchange/short_three_bus_one_fault.dat")));
}

TEST_F(ShortCircuitCommandsTest, EachSequenceHoldsOnlyItsEnabledElements) {
    // Bus 2's impedance to ground has only its zero sequence enabled; the second
    // branch keeps the default, zero-sequence data disabled.
    twoBusNetwork(1);
    ASSERT_TRUE(CShortCircuitFileWriter::WriteShortCircuitFile(doc, "short.dat"));
    EXPECT_EQ(readFileText("short.dat"),
              readFileText(testDataPath("exchange/short_zero_sequence_sections.dat")));
}

TEST_F(ShortCircuitCommandsTest, TheRealSolverResultsReachTheBusesAndBranches) {
    // Generators (X1 = 0.2 at bus 1, 0.3 at bus 3) feed a three-phase fault at bus 2
    // through j0.1 from bus 1 and j0.15 drawn from bus 3. The two paths, j0.3 and j0.45,
    // in parallel give Z1(2,2) = j0.18 and I = 1 / j0.18 = 5.555556 at -90 degrees,
    // divided 0.6 : 0.4; both generator buses are left at 1 - 0.2 x 0.6 / 0.18 = 1/3.
    addBuses(3);
    addGround(1, 0, 0.2, 0, 0, 1, 0);
    addGround(3, 0, 0.3, 0, 0, 1, 0);
    addLine(1, 2, 0, 0.1);
    addLine(3, 2, 0, 0.15);
    addFault(2, 3);
    commands(tarvex::engine::shortcircuit::SHORTCKT).RunShortCircuit();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kShortCircuitResults);
    const CBus& faulted = *doc.GetBus(1);
    EXPECT_NEAR(faulted.m_scCurrent, 1 / 0.18, 1e-5);
    EXPECT_NEAR(faulted.m_scCurrentAngle, -90, 1e-4);
    EXPECT_NEAR(faulted.m_scVoltage, 0, 1e-6);
    for (int bus : {0, 2}) {
        EXPECT_NEAR(doc.GetBus(bus)->m_scVoltage, 1.0 / 3, 1e-5);
        EXPECT_EQ(doc.GetBus(bus)->m_scCurrent, 0);
    }
    const CLine& first = *doc.GetLine(0);
    const CLine& second = *doc.GetLine(1);
    EXPECT_NEAR(first.m_scCurrent, 0.6 / 0.18, 1e-5);
    EXPECT_NEAR(first.m_scCurrentAngle, -90, 1e-4);
    EXPECT_NEAR(second.m_scCurrent, 0.4 / 0.18, 1e-5);
    EXPECT_NEAR(second.m_scCurrentAngle, -90, 1e-4);
    EXPECT_EQ(first.m_scValid1 + first.m_scValid2, 1);
}

TEST_F(ShortCircuitCommandsTest, AStatusIsShownFromTheCatalogueAndTheResultsStay) {
    twoBusNetwork(3);
    doc.GetBus(0)->SetShortCircuitResult(7, 8, 9, 10);
    app.m_resultState = CSkemtorApp::kShortCircuitResults;
    doc.GetZground(0)->m_posEnabled = 0; // no source left
    commands(tarvex::engine::shortcircuit::SHORTCKT).RunShortCircuit();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 53.  No source.\n");
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kNoResults);
    EXPECT_EQ(doc.GetBus(0)->m_scCurrent, 7);
}

TEST_F(ShortCircuitCommandsTest, AMissingResultFileChangesNothing) {
    twoBusNetwork(3);
    app.m_resultState = CSkemtorApp::kShortCircuitResults;
    commands([] {
        writeFileText(files::kShortCircuitBuses, "0\n1 0.5 0 0 0\n");
    }).RunShortCircuit();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("shline.out"), std::string::npos);
    EXPECT_EQ(app.m_resultState, CSkemtorApp::kShortCircuitResults);
    EXPECT_EQ(doc.GetBus(0)->m_scVoltage, 0);
}

TEST_F(ShortCircuitCommandsTest, ALaterRowForTheOtherDirectionReplacesTheSharedCurrent) {
    twoBusNetwork(3);
    commands([] {
        writeFileText(files::kShortCircuitBuses, "0\n");
        writeFileText(files::kShortCircuitLines, "1 2 3.5 -80\n2 1 1.25 100\n");
    }).RunShortCircuit();
    const CLine& first = *doc.GetLine(0);
    EXPECT_EQ(first.m_scCurrent, 1.25);
    EXPECT_EQ(first.m_scCurrentAngle, 100);
    EXPECT_EQ(first.m_scValid1, 1);
    EXPECT_EQ(first.m_scValid2, 1);
}

} // namespace
