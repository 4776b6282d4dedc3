#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"
#include "engine/estimation/Wls.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/engine/estimation/WlsHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

using namespace tarvex::test;
using tarvex::engine::wlsModule;
using tarvex::engine::WlsModule;

struct VhatRow {
    int bus;
    double v, angleDeg;
};

std::vector<VhatRow> readVhat() {
    std::vector<VhatRow> rows;
    std::istringstream in(readFileText("Vhat.dat"));
    VhatRow r{};
    while (in >> r.bus >> r.v >> r.angleDeg) rows.push_back(r);
    return rows;
}

struct RnRow {
    int kind, from, to;
    double value;
    int flag;
};

std::vector<RnRow> readRn() {
    std::vector<RnRow> rows;
    std::istringstream in(readFileText("rn.dat"));
    RnRow r{};
    while (in >> r.kind) {
        r.to = 0;
        in >> r.from;
        if (r.kind >= 4) in >> r.to;
        in >> r.value >> r.flag;
        rows.push_back(r);
    }
    return rows;
}

// Measurements computed exactly from the solved IEEE 14-bus power flow, without noise,
// give the power flow state back.
TEST(WlsEstimator, ExactMeasurementsOfASolvedPowerFlowGiveItsStateBack) {
    for (bool currents : {false, true}) {
        ScopedWorkDir dir;
        const std::string caseText = readFileText(testDataPath("engine/estimation/ieee14cdf.txt"));
        const auto& pf = runPowerFlow(caseText, parameters(100, 1.0E-7, 1.0E-7, 1));
        ASSERT_EQ(statusOf("busotp.dat"), 0);
        const auto meters = powerFlowMeters(pf, currents);
        std::vector<double> vmag(pf.NB + 1), vang(pf.NB + 1);
        for (int i = 1; i <= pf.NB; ++i) {
            vmag[i] = pf.VMAG[i];
            vang[i] = pf.VANG[i];
        }
        runWls(caseText, meters);
        ASSERT_EQ(statusOf("Zhat.dat"), 0) << readFileText("ERROR.LOG");
        const auto rows = readVhat();
        ASSERT_EQ(rows.size(), 14u);
        for (int i = 1; i <= 14; ++i) {
            EXPECT_NEAR(rows[i - 1].v, vmag[i], 1.0E-4) << "bus " << i;
            EXPECT_NEAR(rows[i - 1].angleDeg * M_PI / 180.0, vang[i], 1.0E-4) << "bus " << i;
        }
        const WlsModule& m = wlsModule();
        EXPECT_TRUE(m.converged);
        for (int z = 1; z <= m.M; ++z) EXPECT_NEAR(m.R[z], 0.0, 1.0E-4) << z;
        for (const RnRow& r : readRn()) {
            EXPECT_EQ(r.flag, 0);
            EXPECT_LT(r.value, 0.05);
        }
    }
}

// Two buses, one line with R = 0 (estimated with R = 1.0E-6) and X = 0.1, so
// G = -1e-6 / (1e-12 + 0.01) = -1e-4 and B = 0.1 / 0.01 = 10, no charging.
// States (swing bus 1): x = (theta2, V1, V2). Meters, all with sd 0.01 (w = 1e4):
// P12 = 0.5, Q12 = 0.2, V1 = 1.0, V2 = 0.98. At the flat start (terms in G dropped):
//   H = [ -10  0   0 ]   P12: dP/dtheta2 = v a = -B
//       [  0  10 -10 ]   Q12: dQ/dV1 = a + 2B = B, dQ/dV2 = a = -B
//       [  0   1   0 ]
//       [  0   0   1 ]
//   gain = w [ 100 0 0 ; 0 101 -100 ; 0 -100 101 ]
//   r = (0.5, 0.2, 0, -0.02), H^T W r = w (-5, 2, -2.02)
//   dx: dtheta2 = -5/100 = -0.05; [101 -100; -100 101] (dV1, dV2) = (2, -2.02) gives
//   dV1 = (202 - 202)/201 = 0, dV2 = (-204.02 + 200)/201 = -0.02.
class TwoBusHandWorked : public ::testing::Test {
protected:
    std::string caseText() const {
        return CaseBuilder()
            .bus({.number = 1, .type = 3, .voltage = 1.0})
            .bus({.number = 2})
            .branch({.from = 1, .to = 2, .r = 0.0, .x = 0.1})
            .text();
    }
    std::vector<Meter> meters() const {
        return {{4, 1, 2, 0.5}, {5, 1, 2, 0.2}, {1, 1, 0, 1.0}, {1, 2, 0, 0.98}};
    }
    ScopedWorkDir dir;
};

TEST_F(TwoBusHandWorked, GainMatrixAtTheFlatStart) {
    runWls(caseText(), meters(), wlsParameters(0, 0)); // no iteration: final step at flat start
    ASSERT_EQ(statusOf("Zhat.dat"), 0) << readFileText("ERROR.LOG");
    const WlsModule& m = wlsModule();
    ASSERT_EQ(m.N, 3);
    auto gain = [&](int r, int c) {
        const int e = m.GENTRY[r][c];
        return e == 0 ? 0.0 : m.GVAL[e];
    };
    EXPECT_NEAR(gain(1, 1), 1.0E6, 1.0);
    EXPECT_NEAR(gain(2, 2), 1.01E6, 1.0);
    EXPECT_NEAR(gain(3, 3), 1.01E6, 1.0);
    EXPECT_NEAR(gain(2, 3), -1.0E6, 1.0);
    EXPECT_NEAR(gain(3, 2), -1.0E6, 1.0);
    EXPECT_NEAR(gain(1, 2), 0.0, 50.0); // only products with G = -1e-4
}

TEST_F(TwoBusHandWorked, FirstCorrection) {
    runWls(caseText(), meters(), wlsParameters(0, 1));
    ASSERT_EQ(statusOf("Zhat.dat"), 0) << readFileText("ERROR.LOG");
    const WlsModule& m = wlsModule();
    EXPECT_NEAR(m.TH[2], -0.05, 1.0E-4);
    EXPECT_NEAR(m.V[1], 1.0, 1.0E-4);
    EXPECT_NEAR(m.V[2], 0.98, 1.0E-4);
    EXPECT_EQ(m.iterations, 1);
}

// The layouts of the three result files, on the two-bus line with three meters that
// each are the only one observing their state (all critical), estimated at the flat
// start (no iteration).
TEST_F(TwoBusHandWorked, ResultFileLayouts) {
    runWls(caseText(), {{4, 1, 2, 0.5}, {1, 1, 0, 1.0}, {1, 2, 0, 0.98}}, wlsParameters(0, 0));
    EXPECT_EQ(readFileText("Zhat.dat"), " 0\n"
                                        "      4    1    2     0.50000     0.00000\n"
                                        "      1    1          1.00000     1.00000\n"
                                        "      1    2          0.98000     1.00000\n");
    EXPECT_EQ(readFileText("Vhat.dat"), "         1          1.0000          0.00\n"
                                        "         2          1.0000          0.00\n");
    EXPECT_EQ(readFileText("rn.dat"), "      4    1    2               0.0000     1\n"
                                      "      1    1                    0.0000     1\n"
                                      "      1    2                    0.0000     1\n");
}

// IEEE 14-bus full meter set with one gross error (+25 sigma on the real injection at
// bus 4): that meter has the largest normalized residual.
TEST(WlsEstimator, GrossErrorHasTheLargestNormalizedResidual) {
    ScopedWorkDir dir;
    const std::string caseText = readFileText(testDataPath("engine/estimation/ieee14cdf.txt"));
    auto meters = powerFlowMeters(runPowerFlow(caseText, parameters(100, 1.0E-7, 1.0E-7, 1)));
    for (Meter& meter : meters)
        if (meter.kind == 2 && meter.from == 4) meter.value += 25 * meter.sd;
    runWls(caseText, meters);
    ASSERT_EQ(statusOf("Zhat.dat"), 0) << readFileText("ERROR.LOG");
    const auto rows = readRn();
    ASSERT_EQ(rows.size(), meters.size());
    EXPECT_EQ(rows[0].kind, 2);
    EXPECT_EQ(rows[0].from, 4);
    EXPECT_EQ(rows[0].flag, 0);
    EXPECT_GT(rows[0].value, 3.0);
    EXPECT_GT(rows[0].value, rows[1].value);
    for (size_t k = 1; k < rows.size(); ++k) EXPECT_GE(rows[k - 1].value, rows[k].value);
}

// Three buses in a chain. Bus 3's angle is seen only through P23: that meter is
// critical (flag 1, written first with 0) even with a gross error on it, while the
// redundant P12/P21 pair and the voltages are not.
TEST(WlsEstimator, CriticalMeasurementIsFlaggedAndWrittenFirst) {
    ScopedWorkDir dir;
    const std::string caseText = CaseBuilder()
                                     .bus({.number = 1, .type = 3, .voltage = 1.0})
                                     .bus({.number = 2})
                                     .bus({.number = 3})
                                     .branch({.from = 1, .to = 2, .r = 0.01, .x = 0.1})
                                     .branch({.from = 2, .to = 3, .r = 0.01, .x = 0.1})
                                     .text();
    runWls(caseText, {{1, 1, 0, 1.0},
                      {1, 2, 0, 0.99},
                      {1, 3, 0, 0.98},
                      {1, 3, 0, 0.985},
                      {1, 2, 0, 0.995},
                      {1, 1, 0, 1.002},
                      {4, 1, 2, 0.3},
                      {4, 2, 1, -0.29},
                      {4, 2, 3, 0.9}});
    ASSERT_EQ(statusOf("Zhat.dat"), 0) << readFileText("ERROR.LOG");
    const auto rows = readRn();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0].kind, 4);
    EXPECT_EQ(rows[0].from, 2);
    EXPECT_EQ(rows[0].to, 3);
    EXPECT_EQ(rows[0].flag, 1);
    EXPECT_EQ(rows[0].value, 0.0);
    for (size_t k = 1; k < rows.size(); ++k) EXPECT_EQ(rows[k].flag, 0) << k;
}

} // namespace
