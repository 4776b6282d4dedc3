#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/engine/core/ResultFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

struct Published {
    int number, type;
    double voltage, angle, loadP, genP, genQ, shunt;
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
        auto field = [&line](int first, int last) {
            return std::atof(line.substr(first - 1, last - first + 1).c_str());
        };
        out.push_back({std::atoi(line.substr(0, 4).c_str()), std::atoi(line.substr(24, 2).c_str()),
                       field(28, 33), field(34, 40), field(41, 49), field(60, 67), field(68, 75),
                       field(115, 122)});
    }
    return out;
}

// Limits enforced, tolerances 0.001 p.u.: every voltage within 0.002 p.u. and every
// angle within 0.05 degrees of the published solution, the swing generation within
// 1 MW / 2 MVAR of the published figure and the active loss within 1 MW of published
// total generation minus total load.
TEST(PowerFlowSolutionTest, Ieee14MatchesThePublishedSolution) {
    ScopedWorkDir dir;
    const std::string text = readFileText(casePath("ieee14cdf.txt"));
    const auto& m = runPowerFlow(text, parameters(100, 0.001, 0.001, 1));
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    const std::vector<Published> published = publishedSolution(text);
    ASSERT_EQ(published.size(), 14u);
    double totalGen = 0, totalLoad = 0;
    const Published* swing = nullptr;
    for (const Published& p : published) {
        if (p.type == 3) swing = &p;
        const int i = m.INTIDX[p.number];
        EXPECT_NEAR(m.VMAG[i], p.voltage, 0.002) << "bus " << p.number;
        EXPECT_NEAR(m.VANG[i] * kDegrees, p.angle, 0.05) << "bus " << p.number;
        totalGen += p.genP;
        totalLoad += p.loadP;
    }
    ASSERT_NE(swing, nullptr);
    EXPECT_EQ(m.EXTNUM[m.SLACK], swing->number);
    EXPECT_NEAR(m.PGEN[m.SLACK] * m.BASEMVA, swing->genP, 1.0);
    EXPECT_NEAR(m.QGEN[m.SLACK] * m.BASEMVA, swing->genQ, 2.0);
    EXPECT_NEAR(m.PLOSS, totalGen - totalLoad, 1.0);

    // The same figures as the editor reads them from the result files.
    const Results r = readResults();
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.buses.size(), published.size());
    ASSERT_EQ(r.branchEnds.size(), 2u * 20u);
    std::map<int, double> shunts;
    for (std::size_t k = 0; k < published.size(); ++k) {
        const Published& p = published[k];
        EXPECT_EQ(r.buses[k].number, p.number);
        EXPECT_NEAR(r.buses[k].voltage, p.voltage, 0.002) << "bus " << p.number;
        EXPECT_NEAR(r.buses[k].angle, p.angle, 0.05) << "bus " << p.number;
        if (p.shunt != 0.0) shunts[p.number] = p.shunt;
    }
    EXPECT_NEAR(r.bus(swing->number)->genP, swing->genP, 1.0);
    EXPECT_NEAR(r.bus(swing->number)->genQ, swing->genQ, 2.0);
    // Flows and injections written agree: at every bus the flows leaving it (and its
    // shunt) add up to its net injection, within the mismatch tolerance.
    EXPECT_LT(largestImbalance(r, shunts), 0.002);
}

} // namespace
