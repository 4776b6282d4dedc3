#include "engine/stability/Stability.h"
#include "engine/stability/StabilityLimits.h"
#include "tests/engine/stability/StabilityInputs.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <sstream>
#include <vector>

namespace tarvex::test::stability {
namespace {

using engine::stability::kSynchronousSpeed;
using engine::stability::runStability;
using engine::stability::StabilityModule;
using engine::stability::stabilityModule;

// The rotor angles (degrees) of dyplot.dat, one vector per plotted bus.
std::vector<std::vector<double>> plottedAngles(int buses) {
    std::istringstream in(readFileText("dyplot.dat"));
    int count = 0, records = 0;
    in >> count >> records;
    std::vector<std::vector<double>> angles(buses);
    double t = 0, v = 0, a = 0;
    while (in >> t) {
        for (int k = 0; k < buses; ++k) {
            in >> v >> a;
            angles[k].push_back(a);
        }
    }
    return angles;
}

// With the fault after the end of the run, the power flow solution is an equilibrium:
// the machines neither accelerate nor move, whatever their model.
class EquilibriumTest : public ::testing::TestWithParam<int> {};

TEST_P(EquilibriumTest, AnglesAndSpeedsStayConstantWithoutAFault) {
    ScopedWorkDir dir;
    const int model = GetParam();
    Settings settings;
    settings.time = 2.0;
    settings.faultStart = 2.5;
    settings.faultClear = 2.6;
    settings.plotted = {1, 2};
    writeInputs(twoMachineBuses(), twoMachineAdmittances(),
                {{1, model, 5.0, 0.0}, {2, model, 8.0, 0.0}}, settings);
    StabilityModule& m = stabilityModule();
    ASSERT_EQ(runStability(m), 0) << readFileText("ERROR.LOG");
    EXPECT_EQ(m.stepsRun, 2001);
    const auto angles = plottedAngles(2);
    ASSERT_EQ(angles[0].size(), 2001u);
    for (int k = 0; k < 2; ++k) {
        for (double a : angles[k]) ASSERT_NEAR(a, angles[k].front(), 1.0E-6 * 180.0 / M_PI);
    }
    for (int i = 1; i <= 2; ++i) {
        EXPECT_NEAR(m.OMEGA[i], kSynchronousSpeed, 1.0E-6);
        EXPECT_NEAR(m.DELTA[i] * 180.0 / engine::stability::kPi, angles[i - 1].front(), 1.0E-4);
    }
    // The machine at bus 1 leads: its rotor is ahead of its 30 degree terminal.
    EXPECT_GT(angles[0].front(), 30.0);
}

INSTANTIATE_TEST_SUITE_P(BothModels, EquilibriumTest, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return p.param == 1 ? "Classical" : "TwoAxis";
                         });

// One machine against a very large one (an infinite bus) through X = 0.5, with a
// three-phase fault at the machine's terminal, where its electrical power is zero.
// The equal-area criterion gives the critical clearing angle and time:
//   delta_cr = arccos[(pi - 2 delta0) sin delta0 - cos delta0]
//   t_cr = sqrt(4 H (delta_cr - delta0) / (ws Pm)).
class CriticalClearingTest : public ::testing::Test {
protected:
    static constexpr double kH = 5.0, kXd = 0.2, kXdBig = 1.0E-4, kHBig = 5.0E5;
    static constexpr double kStep = 0.001;

    // Largest angle difference (degrees) for a fault lasting `steps` time steps.
    double swing(int steps) {
        ScopedWorkDir dir;
        Settings s;
        s.step = kStep;
        s.time = 1.5;
        s.faultStart = 0.5 * kStep; // applied at the step of t = 0.001
        s.faultClear = s.faultStart + steps * kStep;
        s.bus1 = 1;
        std::vector<StabilityBus> buses = {{1, 2, 1.0, 30.0, 0.0, 0.0, 100.0, 26.79492},
                                           {2, 3, 1.0, 0.0, 0.0, 0.0, -100.0, 26.79492}};
        writeInputs(buses, twoMachineAdmittances(),
                    {{1, 1, kH, 0.0, 1.0, kXd}, {2, 1, kHBig, 0.0, 1.0, kXdBig}}, s);
        StabilityModule& m = stabilityModule();
        EXPECT_EQ(runStability(m), 0) << readFileText("ERROR.LOG");
        return m.MAXANGLE[2];
    }
};

TEST_F(CriticalClearingTest, MatchesTheEqualAreaCriterionToOneStep) {
    // Internal voltages from the terminal conditions, E = V + j X'd I.
    using C = std::complex<double>;
    const C v1 = std::polar(1.0, 30.0 * M_PI / 180.0), v2(1.0, 0.0);
    const C i1 = std::conj(C(1.0, 0.2679492) / v1), i2 = std::conj(C(-1.0, 0.2679492) / v2);
    const C e1 = v1 + C(0, kXd) * i1, e2 = v2 + C(0, kXdBig) * i2;
    const double delta0 = std::arg(e1) - std::arg(e2);
    const double pmax = std::abs(e1) * std::abs(e2) / (kXd + 0.5 + kXdBig);
    ASSERT_NEAR(pmax * std::sin(delta0), 1.0, 1.0E-6); // Pm = Pmax sin delta0
    const double pi = M_PI;
    const double deltaCr = std::acos((pi - 2.0 * delta0) * std::sin(delta0) - std::cos(delta0));
    const double ws = 2.0 * 3.1415925 * 60.0;
    const double tcr = std::sqrt(4.0 * kH * (deltaCr - delta0) / (ws * 1.0));
    // Hand check of the figures: |E1| = 1.0724, delta0 = 0.7113 rad, delta_cr = 1.1975 rad,
    // t_cr = sqrt(20 * 0.4862 / 376.99) = 0.1606 s.
    EXPECT_NEAR(tcr, 0.1606, 0.0005);
    const int earlier = static_cast<int>(std::floor(tcr / kStep)) - 1;
    const int later = static_cast<int>(std::ceil(tcr / kStep)) + 1;
    EXPECT_LT(swing(earlier), 180.0);
    EXPECT_GT(swing(later), 180.0);
}

} // namespace
} // namespace tarvex::test::stability
