#include "engine/opf/Opf.h"
#include "tests/engine/opf/OpfCase.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvex::test {
namespace {

// busotp.dat after a failed run holds the status record alone.
bool statusRecordOnly() {
    std::istringstream in(readFileText("busotp.dat"));
    std::string first, more;
    return static_cast<bool>(in >> first) && !(in >> more);
}

TEST(OpfStatus, MalformedGeneratorDataAndFailedProgramsEndWithTheirStatus) {
    const auto costs = sixBusCosts();
    auto with = [&](auto change) {
        auto c = costs;
        change(c);
        return generatorFile(c, {});
    };
    OpfSettings oneIteration;
    oneIteration.constraints = 1;
    oneIteration.maxIterations = 1;
    struct Case {
        const char* what;
        std::string caseText, generators;
        int status;
        const char* logged; // part of the ERROR.LOG line
    };
    const std::string full = generatorFile(costs, {});
    const Case cases[] = {
        {"generation cannot reach the load", sixBusCase(), with([](auto& c) {
             for (auto& g : c)
                 for (int j = 0; j < 4; ++j) g.p[j] = 10.0 + 10.0 * j;
         }),
         70, "IFAIL = 3"},
        {"constrained loop out of iterations", sixBusCase(100.0, 48),
         generatorFile(costs, oneIteration), 71, "ITERATION LIMIT"},
        {"settings line missing", sixBusCase(), full.substr(0, full.rfind('\n', full.size() - 2) + 1), 72,
         "LAST LINE"},
        {"no file at all", sixBusCase(), "", 72, "opfinputgen.dat"},
        {"record on a load bus", sixBusCase(), with([](auto& c) { c[2].bus = 4; }), 73,
         "BUS 4 IS NOT ON THE SWING BUS"},
        {"record on a bus not in the case", sixBusCase(), with([](auto& c) { c[2].bus = 9; }), 73,
         "BUS 9"},
        {"two records for one bus", sixBusCase(), with([](auto& c) { c[2].bus = 2; }), 74,
         "BUS 2 HAS MORE THAN ONE"},
        {"generator bus without record", sixBusCase(), with([](auto& c) { c.pop_back(); }), 74,
         "BUS 3 HAS NO COST RECORD"},
        {"cost points not increasing", sixBusCase(), with([](auto& c) { c[1].p[2] = c[1].p[1]; }),
         75, "BUS 2 HAS COST POINTS NOT INCREASING"},
    };
    for (const Case& c : cases) {
        ScopedWorkDir dir;
        if (c.generators.empty()) {
            writeFileText("pfinput.dat", c.caseText);
            writeFileText("pfparam.dat", "   100  1.000000e-07 1.000000e-07  1\n");
            engine::OPFMAIN();
        } else {
            runOpf(c.caseText, c.generators);
        }
        std::istringstream in(readFileText("busotp.dat"));
        int status = -1;
        in >> status;
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_TRUE(statusRecordOnly()) << c.what;
        EXPECT_NE(readFileText("ERROR.LOG").find(c.logged), std::string::npos)
            << c.what << ": " << readFileText("ERROR.LOG");
    }
}

// A flat segment costs nothing per MW: the generator using it as its highest segment has
// an incremental cost of 0.
TEST(OpfStatus, FlatHighestSegmentInUseHasZeroIncrementalCost) {
    ScopedWorkDir dir;
    auto costs = sixBusCosts();
    costs[1] = {2, {10, 50, 100, 150}, {300, 300, 300, 300}};
    ASSERT_EQ(runOpf(sixBusCase(), generatorFile(costs, {})), 0);
    const DispatchTable t = readDispatch(readFileText("opfoutput.dat"));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[1].bus, 2);
    EXPECT_NEAR(t.rows[1].p, 150.0, 0.005);
    EXPECT_EQ(t.rows[1].lambda, 0.0);
}

} // namespace
} // namespace tarvex::test
