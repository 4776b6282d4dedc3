#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

struct Published {
    int number;
    double voltage, angle, loadP, genP, genQ;
};

// The published solution on the bus cards of the IEEE case (columns 28-33 final
// voltage, 34-40 final angle), read here by plain column slicing.
std::vector<Published> publishedSolution(const std::string& text) {
    std::vector<Published> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line) && line.rfind("BUS DATA", 0) != 0) {
    }
    while (std::getline(in, line) && line.rfind("-999", 0) != 0) {
        out.push_back({std::atoi(line.substr(0, 4).c_str()), std::atof(line.substr(27, 6).c_str()),
                       std::atof(line.substr(33, 7).c_str()), std::atof(line.substr(40, 9).c_str()),
                       std::atof(line.substr(59, 8).c_str()),
                       std::atof(line.substr(67, 8).c_str())});
    }
    return out;
}

TEST(PowerFlowSolutionTest, Ieee14MatchesThePublishedSolution) {
    ScopedWorkDir dir;
    const std::string text = readFileText(casePath("ieee14cdf.txt"));
    const auto& m = runPowerFlow(text);
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    const std::vector<Published> published = publishedSolution(text);
    ASSERT_EQ(published.size(), 14u);
    double totalGen = 0, totalLoad = 0;
    for (const Published& p : published) {
        const int i = m.INTIDX[p.number];
        EXPECT_NEAR(m.VMAG[i], p.voltage, 0.002) << "bus " << p.number;
        EXPECT_NEAR(m.VANG[i] * kDegrees, p.angle, 0.05) << "bus " << p.number;
        totalGen += p.genP;
        totalLoad += p.loadP;
    }
    EXPECT_NEAR(m.PGEN[m.SLACK] * 100.0, 232.4, 1.0);
    EXPECT_NEAR(m.QGEN[m.SLACK] * 100.0, -16.9, 2.0);
    EXPECT_NEAR(m.PLOSS, totalGen - totalLoad, 1.0);
    EXPECT_EQ(readFileText(files::kBusResults).substr(0, 8), "      0\n");
}

} // namespace
