#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tarvex::test;
using tarvex::engine::PowerFlowModule;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

struct Entry {
    int row, column;
    double bp, bpp;
};

// Sum of the coordinate entries at (row, column); duplicates act as their sum.
Entry sumAt(const PowerFlowModule& m, int row, int column) {
    Entry e{row, column, 0, 0};
    for (int k = 1; k <= m.NZ; ++k) {
        if (m.IROW[k] == row && m.JCOL[k] == column) {
            e.bp += m.VALBP[k];
            e.bpp += m.VALBPP[k];
        }
    }
    return e;
}

// ymatrix.dat of the IEEE 14-bus case against values worked out by hand from its cards
// (y = 1/(R + jX), diagonal = sum of y + j B/2 over the lines; a transformer with
// turns ratio t adds y/t^2 on its tap side and y on the other, -y/t off the diagonal).
TEST(AdmittanceTest, Ieee14ListingMatchesHandWorkedValues) {
    ScopedWorkDir dir;
    auto m = runReader(readFileText(casePath("ieee14cdf.txt")));
    ASSERT_FALSE(m->status.failed()) << readFileText(tarvex::files::kErrorLog);
    const std::vector<std::string> y = lines(readFileText(tarvex::files::kAdmittanceListing));
    ASSERT_EQ(y.size(), 14u + 2u * 20u);
    // Bus 1: lines 1-2 (0.01938 + j0.05917, B 0.0528) and 1-5 (0.05403 + j0.22304, B
    // 0.0492): G = 4.999132 + 1.025897, B = -15.263087 - 4.234984 + 0.0264 + 0.0246.
    EXPECT_EQ(y[0], "     1      1  (       6.025029,       -19.447070)");
    // Bus 4, y = 1/(R + jX) of each line on its cards:
    //   2-4 (0.05811 + j0.17632, B 0.0340)  y = 1.686033 - j 5.115838
    //   3-4 (0.06701 + j0.17103, B 0.0128)  y = 1.985976 - j 5.068817
    //   4-5 (0.01335 + j0.04211)            y = 6.840981 - j21.578554
    // and the tap sides of the transformers 4-7 (X 0.20912, t 0.978) and 4-9
    // (X 0.55618, t 0.969): -j(1/X)/t^2 = -j4.999502 and -j1.914860.
    //   G = 1.686033 + 1.985976 + 6.840981 = 10.512990
    //   B = -5.115838 - 5.068817 - 21.578554 + 0.0170 + 0.0064 - 4.999502 - 1.914860
    //     = -38.654171
    EXPECT_EQ(y[3], "     4      4  (      10.512990,       -38.654171)");
    // Bus 7: the Z side of 4-7 (-j1/0.20912 = -j4.781943, no tap scaling on that side)
    // plus 7-8 (-j1/0.17615) and 7-9 (-j1/0.11001): B = -19.549006, no resistance.
    EXPECT_EQ(y[6], "     7      7  (       0.000000,       -19.549006)");
    // Bus 9: the Z side of 4-9 (-j1.797979), 7-9 (-j9.090083), 9-10 (3.902050 -
    // j10.365394), 9-14 (1.424005 - j3.029050) and the 0.19 p.u. shunt:
    //   G = 3.902050 + 1.424005 = 5.326055
    //   B = -1.797979 - 9.090083 - 10.365394 - 3.029050 + 0.19 = -24.092506
    EXPECT_EQ(y[8], "     9      9  (       5.326055,       -24.092506)");
    // Branch 1 (1-2), both records: G_ij = -R/(R^2+X^2), B_ij = X/(R^2+X^2).
    EXPECT_EQ(y[14], "     2      1  (      -4.999132,        15.263087)");
    EXPECT_EQ(y[15], "     1      2  (      -4.999132,        15.263087)");
    // Transformer branches 8 (4-7), 9 (4-9), 10 (5-6): B_ij = (1/X)/t.
    EXPECT_EQ(y[14 + 2 * 7], "     7      4  (      -0.000000,         4.889513)");
    EXPECT_EQ(y[14 + 2 * 7 + 1], "     4      7  (      -0.000000,         4.889513)");
    EXPECT_EQ(y[14 + 2 * 8 + 1], "     4      9  (      -0.000000,         1.855500)");
    EXPECT_EQ(y[14 + 2 * 9 + 1], "     5      6  (      -0.000000,         4.257445)");

    // The pi-model legs of transformer 4-7: (1 - 1/t) B_ij at the tap side and
    // (1 - t) B_ij at the other side.
    EXPECT_NEAR(m->SHFR_B[8], -0.109989037, 1e-9);
    EXPECT_NEAR(m->SHTO_B[8], 0.107569279, 1e-9);
    EXPECT_DOUBLE_EQ(m->SHFR_G[8], 0.0);
    // A line keeps half its charging in both legs.
    EXPECT_DOUBLE_EQ(m->SHFR_B[1], 0.0264);
    EXPECT_DOUBLE_EQ(m->SHTO_B[1], 0.0264);
    // B' diagonal of bus 2: 1/0.05917 + 1/0.19797 + 1/0.17632 + 1/0.17388.
    EXPECT_NEAR(m->BPDG[2], -33.374326, 1e-6);
}

// Hand-written golden listing of a three-bus case with the swing bus second, a
// transformer (tap 0.95 on the swing side) and a shunt.
TEST(AdmittanceTest, ThreeBusListingIsTheGoldenFile) {
    ScopedWorkDir dir;
    auto m = runReader(readFileText(testDataPath("engine/three_bus.dat")));
    ASSERT_FALSE(m->status.failed()) << readFileText(tarvex::files::kErrorLog);
    EXPECT_EQ(readFileText(tarvex::files::kAdmittanceListing),
              readFileText(testDataPath("engine/three_bus_ymatrix.dat")));
}

// The swing bus (internal 2) swaps places with internal index 1; B' and B'' leave the
// swing bus out, and the voltage-controlled bus 3 gets 1.0E22 on its B'' diagonal.
TEST(AdmittanceTest, ThreeBusDecoupledMatrices) {
    ScopedWorkDir dir;
    auto m = runReader(readFileText(testDataPath("engine/three_bus.dat")));
    ASSERT_FALSE(m->status.failed());
    EXPECT_EQ(m->PERM[1], 2);
    EXPECT_EQ(m->PERM[2], 1);
    EXPECT_EQ(m->PERM[3], 3);
    EXPECT_EQ(m->IPERM[2], 1);
    EXPECT_EQ(m->IPERM[1], 2);
    EXPECT_EQ(m->NZ, 4); // two diagonals, the 1-3 pair (branches to the swing bus drop out)
    // Row 1 is bus 1 (lines to 2 and 3): B' = 1/0.06 + 1/0.04, B'' = 38.489412 by hand.
    const Entry d1 = sumAt(*m, 1, 1);
    EXPECT_NEAR(d1.bp, 1 / 0.06 + 1 / 0.04, 1e-9);
    EXPECT_NEAR(d1.bpp, 38.489412, 1e-6);
    // Row 2 is bus 3: B' = 1/0.1 + 1/0.04 (the tap does not enter B'); B'' pinned.
    const Entry d2 = sumAt(*m, 2, 2);
    EXPECT_NEAR(d2.bp, 1 / 0.1 + 1 / 0.04, 1e-9);
    EXPECT_EQ(d2.bpp, 1.0E22);
    const Entry o = sumAt(*m, 1, 2);
    EXPECT_NEAR(o.bp, -25.0, 1e-9);
    EXPECT_NEAR(o.bpp, -23.529412, 1e-6);
    EXPECT_NEAR(sumAt(*m, 2, 1).bpp, -23.529412, 1e-6);
    // The untreated copy keeps -B of the admittance matrix for bus 3: 33.469412.
    for (int k = 1; k <= m->NZ; ++k) {
        EXPECT_EQ(m->IROW0[k], m->IROW[k]);
        EXPECT_EQ(m->JCOL0[k], m->JCOL[k]);
        if (m->IROW[k] == 2 && m->JCOL[k] == 2) {
            EXPECT_NEAR(m->VALBPP0[k], 33.469412, 1e-6);
        }
    }
    // Flat start; scheduled injections in per unit.
    EXPECT_DOUBLE_EQ(m->VMAG[1], 1.0);
    EXPECT_DOUBLE_EQ(m->VMAG[2], 1.05);
    EXPECT_DOUBLE_EQ(m->VMAG[3], 1.02);
    EXPECT_DOUBLE_EQ(m->PSCH[3], 0.4);
    EXPECT_DOUBLE_EQ(m->QSCH[1], -0.3);
}

// Consecutive parallels of one orientation merge into one off-diagonal; parallels
// listed apart (or reversed) stay separate entries at the same position, same sum.
TEST(AdmittanceTest, ParallelBranchesMergeOnlyWhenConsecutive) {
    ScopedWorkDir dir;
    const BranchSpec a{.from = 2, .to = 3, .r = 0.01, .x = 0.1};
    const BranchSpec b{.from = 2, .to = 3, .r = 0.02, .x = 0.2};
    const BranchSpec other{.from = 1, .to = 2, .r = 0.01, .x = 0.05};
    const BranchSpec reversed{.from = 3, .to = 2, .r = 0.02, .x = 0.2};
    auto build = [](const std::vector<BranchSpec>& branches) {
        CaseBuilder c;
        c.bus({.number = 1, .type = 3}).bus({.number = 2}).bus({.number = 3});
        for (const BranchSpec& s : branches) c.branch(s);
        return runReader(c.text());
    };
    auto merged = build({other, a, b});
    ASSERT_FALSE(merged->status.failed());
    EXPECT_EQ(merged->NMBR, 2);
    EXPECT_EQ(merged->MBR[2], 2);
    EXPECT_NEAR(merged->BPOFF[2], 1 / 0.1 + 1 / 0.2, 1e-12);
    EXPECT_EQ(merged->NZ, 4);
    const Entry m1 = sumAt(*merged, 1, 2);
    EXPECT_NEAR(m1.bp, -(1 / 0.1 + 1 / 0.2), 1e-12);

    for (const auto& order : {std::vector<BranchSpec>{a, other, b}, {other, a, reversed}}) {
        auto apart = build(order);
        ASSERT_FALSE(apart->status.failed());
        EXPECT_EQ(apart->NMBR, 3);
        EXPECT_EQ(apart->NZ, 6);
        const Entry s = sumAt(*apart, 1, 2);
        EXPECT_NEAR(s.bp, m1.bp, 1e-12);
        EXPECT_NEAR(s.bpp, m1.bpp, 1e-12);
    }
}

// A transformer with turns ratio 1.0 is a line: its charging enters the diagonals.
TEST(AdmittanceTest, TapOfOneIsALine) {
    ScopedWorkDir dir;
    CaseBuilder c;
    c.bus({.number = 1, .type = 3}).bus({.number = 2});
    c.branch({.from = 1, .to = 2, .r = 0.0, .x = 0.1, .charging = 0.04, .tap = 1.0});
    auto m = runReader(c.text());
    ASSERT_FALSE(m->status.failed());
    EXPECT_NEAR(m->BDIAG[2], -10.0 + 0.02, 1e-12);
    EXPECT_NEAR(m->BR_X[1], 10.0, 1e-12);
}

} // namespace
