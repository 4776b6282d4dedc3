#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

struct SettingsCase {
    const char* text;
    int maxit;
    double tolp, tolq;
    int iqlim;
};

// pfparam.dat is read in free format: items separated by blanks, commas or line ends,
// exponents in either spelling.
TEST(PowerFlowSettingsTest, ReadsTheFourItemsInFreeFormat) {
    const SettingsCase cases[] = {
        {"   100  1.000000e-03 1.000000e-03  1\n", 100, 0.001, 0.001, 1},
        {"   7  1.000000e-003 2.000000e-003  0\n", 7, 0.001, 0.002, 0},
        {"25,0.01,0.02,3", 25, 0.01, 0.02, 3},
        {"25\n0.5E-2\n\n1.0D-02\n0\n", 25, 0.005, 0.01, 0},
        {"\t 3 , 0.1 ,\r\n 0.2 , 1 trailing words are not read\n", 3, 0.1, 0.2, 1},
    };
    for (const SettingsCase& c : cases) {
        ScopedWorkDir dir;
        const auto& m = runPowerFlow(readFileText(testDataPath("engine/three_bus.dat")), c.text);
        EXPECT_FALSE(m.status.failed()) << c.text << readFileText(files::kErrorLog);
        EXPECT_EQ(m.MAXIT, c.maxit) << c.text;
        EXPECT_DOUBLE_EQ(m.TOLP, c.tolp) << c.text;
        EXPECT_DOUBLE_EQ(m.TOLQ, c.tolq) << c.text;
        EXPECT_EQ(m.IQLIM, c.iqlim) << c.text;
    }
}

// A settings file without its four items stops the run with the status of unreadable
// input before the case is read.
TEST(PowerFlowSettingsTest, UnreadableSettingsAreStatus3) {
    for (const char* text :
         {"", "100 0.001 0.001", "100 0.001 x 1", "1.5 0.001 0.001 1", "100 0.001 0.001 yes"}) {
        ScopedWorkDir dir;
        const auto& m = runPowerFlow(readFileText(testDataPath("engine/three_bus.dat")), text);
        EXPECT_EQ(m.status.code(), 3) << text;
        EXPECT_EQ(readFileText(files::kBusResults), "      3\n") << text;
        EXPECT_EQ(readFileText(files::kErrorLog),
                  " DATA ERROR : pfparam.dat DOES NOT HOLD MAXIT, TOLP, TOLQ AND IQLIM\n")
            << text;
        EXPECT_EQ(readFileText(files::kPowerFlowReport), "") << text;
    }
}

} // namespace
