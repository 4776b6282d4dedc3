#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvex::test;
using tarvex::engine::PowerFlowModule;

namespace {

std::string ieee14() {
    return readFileText(casePath("ieee14cdf.txt"));
}

// Public copies of the IEEE cases are often stored with CRLF line ends and blanks at
// the ends of lines.
std::string withCrlfAndTrailingBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "   \r\n";
        else
            out += c;
    }
    return out;
}

// Counts and per-unit values of the IEEE 14-bus case, worked out from its cards.
TEST(CaseReaderTest, ReadsTheIeee14BusCase) {
    ScopedWorkDir dir;
    auto m = runReader(ieee14(), Stage::Read);
    ASSERT_FALSE(m->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(m->NB, 14);
    EXPECT_EQ(m->NBR, 20);
    EXPECT_EQ(m->NPQ, 9); // buses 4, 5, 7, 9-14
    EXPECT_EQ(m->NPV, 4); // buses 2, 3, 6, 8
    EXPECT_EQ(m->NGEN, 4);
    EXPECT_EQ(m->NSH, 1); // bus 9, 0.19 p.u.
    EXPECT_EQ(m->NAREA, 1);
    EXPECT_EQ(m->SLACK, 1);
    EXPECT_DOUBLE_EQ(m->BASEMVA, 100.0);
    EXPECT_EQ(std::string(m->TITLE.data()), " 08/19/93 UW ARCHIVE          ");

    // Bus 2: type 2, 1.045 p.u., -4.98 deg, load 21.7 + j12.7, generation 40 + j42.4,
    // limits 50 / -40 MVAR.
    const int b2 = m->INTIDX[2];
    EXPECT_EQ(b2, 2);
    EXPECT_EQ(m->BTYPE[b2], 3);
    EXPECT_DOUBLE_EQ(m->VDES[b2], 1.045);
    EXPECT_DOUBLE_EQ(m->ANG0[b2], -4.98 * 0.0174533);
    EXPECT_DOUBLE_EQ(m->PLOAD[b2], 0.217);
    EXPECT_DOUBLE_EQ(m->QLOAD[b2], 0.127);
    EXPECT_DOUBLE_EQ(m->PGEN[b2], 0.40);
    EXPECT_DOUBLE_EQ(m->QGEN[b2], 0.424);
    EXPECT_EQ(m->GENBUS[1], b2);
    EXPECT_DOUBLE_EQ(m->GENV[1], 1.045);
    EXPECT_DOUBLE_EQ(m->QMAX[1], 0.50);
    EXPECT_DOUBLE_EQ(m->QMIN[1], -0.40);
    // Bus 8: limits 24 / -6 MVAR, fourth generator row.
    EXPECT_EQ(m->GENBUS[4], m->INTIDX[8]);
    EXPECT_DOUBLE_EQ(m->QMAX[4], 0.24);
    EXPECT_DOUBLE_EQ(m->QMIN[4], -0.06);
    // Swing bus 1 with 232.4 MW on its card; load bus 4 with its desired voltage blank.
    EXPECT_EQ(m->BTYPE[1], 1);
    EXPECT_DOUBLE_EQ(m->PGEN[1], 2.324);
    EXPECT_DOUBLE_EQ(m->QGEN[1], -0.169);
    EXPECT_EQ(m->BTYPE[4], 2);
    EXPECT_DOUBLE_EQ(m->VDES[4], 1.0);
    EXPECT_DOUBLE_EQ(m->QLOAD[4], -0.039);
    // The shunt of bus 9 is kept as written (already per unit).
    EXPECT_EQ(m->SHBUS[1], 9);
    EXPECT_DOUBLE_EQ(m->SHB[1], 0.19);

    // Branch 1 (1-2): R 0.01938, X 0.05917, total charging 0.0528 -> half 0.0264.
    EXPECT_EQ(m->FROMB[1], 1);
    EXPECT_EQ(m->TOB[1], 2);
    EXPECT_DOUBLE_EQ(m->BR_R[1], 0.01938);
    EXPECT_DOUBLE_EQ(m->BR_X[1], 0.05917);
    EXPECT_DOUBLE_EQ(m->BR_B[1], 0.0264);
    // Branch 8 (4-7): the transformer with turns ratio 0.978.
    EXPECT_EQ(m->FROMB[8], 4);
    EXPECT_EQ(m->TOB[8], 7);
    EXPECT_DOUBLE_EQ(m->BR_X[8], 0.20912);
    EXPECT_DOUBLE_EQ(m->TAP[8], 0.978);
    EXPECT_DOUBLE_EQ(m->TAP[1], 0.0);
    EXPECT_EQ(m->FROMB[20], 13);
    EXPECT_EQ(m->TOB[20], 14);
}

// CRLF line ends and trailing blanks give the same tables and the same listing.
TEST(CaseReaderTest, CrlfAndTrailingBlanksReadTheSame) {
    ScopedWorkDir dir;
    auto plain = runReader(ieee14());
    ASSERT_FALSE(plain->status.failed());
    const std::string listing = readFileText(tarvex::files::kAdmittanceListing);
    auto crlf = runReader(withCrlfAndTrailingBlanks(ieee14()));
    ASSERT_FALSE(crlf->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(readFileText(tarvex::files::kAdmittanceListing), listing);
    EXPECT_EQ(crlf->NB, plain->NB);
    EXPECT_EQ(crlf->NBR, plain->NBR);
    EXPECT_EQ(crlf->PLOAD, plain->PLOAD);
    EXPECT_EQ(crlf->QMIN, plain->QMIN);
    EXPECT_EQ(crlf->TAP, plain->TAP);
    EXPECT_EQ(crlf->SHB, plain->SHB);
}

// The editor's layout: swing bus second, one generator with limits, one shunt.
TEST(CaseReaderTest, ReadsTheEditorsLayout) {
    ScopedWorkDir dir;
    auto m = runReader(readFileText(testDataPath("engine/three_bus.dat")), Stage::Read);
    ASSERT_FALSE(m->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(std::string(m->TITLE.data()), "THREE BUS TEACHING CASE       ");
    EXPECT_EQ(m->NB, 3);
    EXPECT_EQ(m->NBR, 3);
    EXPECT_EQ(m->SLACK, 2);
    EXPECT_EQ(m->NPQ, 1);
    EXPECT_EQ(m->NPV, 1);
    EXPECT_DOUBLE_EQ(m->QMAX[1], 0.5);
    EXPECT_DOUBLE_EQ(m->QMIN[1], -0.2);
    EXPECT_DOUBLE_EQ(m->PGEN[3], 0.6);
    EXPECT_DOUBLE_EQ(m->SHB[1], 0.05);
    EXPECT_DOUBLE_EQ(m->BR_B[1], 0.03);
    EXPECT_DOUBLE_EQ(m->TAP[2], 0.95);
    EXPECT_EQ(m->RATE1[3], 50);
}

// The report starts with the title echo.
TEST(CaseReaderTest, EchoesTitleAndBaseToTheReport) {
    ScopedWorkDir dir;
    runReader(readFileText(testDataPath("engine/three_bus.dat")), Stage::Read);
    EXPECT_EQ(readFileText(tarvex::files::kPowerFlowReport),
              "  Power Flow Case Title : THREE BUS TEACHING CASE       \n"
              "  Base MVA :  100.0 MVA\n"
              "\n");
}

TEST(CaseReaderTest, BusTypeRules) {
    ScopedWorkDir dir;
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.05});
    c.bus({.number = 2, .type = 2, .voltage = 1.02, .qMax = 0, .qMin = 0}); // equal limits
    c.bus({.number = 3, .type = 1, .voltage = 1.03});                       // unknown code
    c.bus({.number = 4, .type = 0, .voltage = 0.0});                        // zero voltages
    c.bus({.number = 5, .type = 2, .voltage = 0.0, .qMax = 10, .qMin = -10});
    c.branch({.from = 1, .to = 2}).branch({.from = 2, .to = 3}).branch({.from = 3, .to = 4});
    c.branch({.from = 4, .to = 5});
    auto m = runReader(c.text());
    ASSERT_FALSE(m->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(m->BTYPE[2], 2); // equal limits: a load bus, no generator row
    EXPECT_EQ(m->BTYPE[3], 0); // type code 1: internal type 0, not a load bus
    EXPECT_EQ(m->NPQ, 2);      // buses 2 and 4
    EXPECT_EQ(m->NPV, 1);
    EXPECT_EQ(m->NGEN, 1);
    EXPECT_EQ(m->GENBUS[1], 5);
    EXPECT_DOUBLE_EQ(m->GENV[1], 1.0); // final voltage zero -> 1.0
    EXPECT_DOUBLE_EQ(m->VDES[4], 1.0); // desired voltage zero -> 1.0
    // Flat start: load buses at 1.0, every other bus at its desired voltage.
    EXPECT_DOUBLE_EQ(m->VMAG[2], 1.0);
    EXPECT_DOUBLE_EQ(m->VMAG[3], 1.03);
    EXPECT_DOUBLE_EQ(m->VMAG[1], 1.05);
}

// Optional sections may be missing; an unknown header ends reading like END OF DATA.
TEST(CaseReaderTest, SectionDispatch) {
    ScopedWorkDir dir;
    const std::string full = readFileText(testDataPath("engine/three_bus.dat"));
    const std::string core = full.substr(0, full.find("LOSS ZONES"));
    auto bare = runReader(core + "END OF DATA\n");
    EXPECT_FALSE(bare->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(bare->NBR, 3);

    // Everything after an unknown header is ignored, even a bad branch section.
    auto unknown = runReader(core + "COMMENTS FOLLOW\nBRANCH DATA FOLLOWS\n   1   99\n");
    EXPECT_FALSE(unknown->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(unknown->NBR, 3);

    // Headers compare case and blanks exactly.
    auto lower = runReader(core + "end of data\nBRANCH DATA FOLLOWS\n   1   99\n");
    EXPECT_FALSE(lower->status.failed());
}

} // namespace
