#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

// A generator on bus 1 feeding bus 2 through a transformer, worked by hand.
//
//   generator: X1 = X2 = 0.2, X0 = 0.05 (solidly grounded), an impedance to ground at
//   bus 1; transformer 1-2: X1 = X0 = 0.1 (grounded wye on both sides). Pre-fault 1.0.
//
// Three-phase fault at bus 2:
//   Z1(2,2) = j0.3, I = 1 / j0.3 = 3.333333 at -90 degrees;
//   V1(1) = 1 - Z1(1,2) I = 1 - j0.2 (-j3.333333) = 0.333333 at 0 degrees;
//   the transformer carries the fault current, 3.333333 at -90 from bus 1 to bus 2.
//
// Line-to-ground fault at bus 2:
//   Z0(2,2) = j0.05 + j0.1 = j0.15, I = 3 / (j0.3 + j0.3 + j0.15) = 3 / j0.75 = 4 at -90;
//   I0 = I1 = I2 = -j1.333333;
//   at bus 1: V1 = 1 - j0.2 (-j1.333333) = 0.733333, V2 = -0.266667, V0 = -j0.05 (-j1.333333)
//   = -0.066667, so Va = 0.4 at 0 degrees; Va(2) = 0;
//   the transformer carries all three sequence currents: 4 at -90 from bus 1 to bus 2.
namespace {

using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;
namespace files = tarvex::files;

std::string twoBusCase(int faultType) {
    return "  2   " + std::to_string(faultType) +
           " \n"
           "  2   2 \n"
           "  0   1   0.000000   0.200000 \n"
           "  1   2   0.000000   0.100000 \n"
           "  2   2 \n"
           "  0   1   0.000000   0.050000 0 \n"
           "  1   2   0.000000   0.100000 0 \n";
}

struct TextbookCase {
    int faultType;
    const char* buses;
    const char* lines;
};

class ShortCircuitTextbook : public testing::TestWithParam<TextbookCase> {};

TEST_P(ShortCircuitTextbook, MatchesTheHandWorkedFigures) {
    ScopedWorkDir dir;
    writeFileText(files::kShortCircuitInput, twoBusCase(GetParam().faultType));
    tarvex::engine::shortcircuit::SHORTCKT();
    EXPECT_EQ(readFileText(files::kShortCircuitBuses), GetParam().buses);
    EXPECT_EQ(readFileText(files::kShortCircuitLines), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    TwoBus, ShortCircuitTextbook,
    testing::Values(TextbookCase{3,
                                 "      0\n"
                                 "    1     0.333333     0.0000       0.000000     0.0000\n"
                                 "    2     0.000000     0.0000       3.333333   -90.0000\n",
                                 "    1     2       3.333333   -90.0000\n"},
                    TextbookCase{1,
                                 "      0\n"
                                 "    1     0.400000     0.0000       0.000000     0.0000\n"
                                 "    2     0.000000     0.0000       4.000000   -90.0000\n",
                                 "    1     2       4.000000   -90.0000\n"}));

} // namespace
