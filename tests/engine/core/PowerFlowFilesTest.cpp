#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/engine/core/ResultFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

std::string golden(const std::string& name) {
    return readFileText(testDataPath("engine/" + name));
}

// Five buses in areas 1 and 3 (area 2 has no bus): a generator held at its minimum, a
// shunt capacitor, a transformer with tap 0.975, two tie lines between the areas, an
// overloaded line and a line rated 0. Its solution agrees with an independent Newton
// solution of the full complex model (held generator fixed at -10 MVAR) to within the
// mismatch tolerance. Every result file is compared byte for byte.
//
// lossotp.dat by hand from the written voltages:
//   line charging = 0.025 (1.04^2 + 1.0255^2) + 0.015 (1.0255^2 + 0.9998^2)
//                   + transformer legs 0.9986^2 (1 - 1/0.975)(10/0.975)
//                   + 1.0065^2 (1 - 0.975)(10/0.975)         = 0.0816 p.u. = 8.16 MVAR
//   shunts        = 0.9998^2 x 0.10                           = 9.996 MVAR
//   reactive loss = 100 (0.43708 - 0.15 - 0.2 - 0.1 - 0.08) + 8.16 + 9.996 = 8.86 MVAR
TEST(PowerFlowFilesTest, EveryResultFileOfATwoAreaCaseIsTheGoldenFile) {
    ScopedWorkDir dir;
    const auto& m = runPowerFlow(golden("two_areas.dat"), parameters());
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(readFileText(files::kBusResults), golden("two_areas_busotp.dat"));
    EXPECT_EQ(readFileText(files::kBranchResults), golden("two_areas_branchotp.dat"));
    EXPECT_EQ(readFileText(files::kLossResults), golden("two_areas_lossotp.dat"));
    EXPECT_EQ(readFileText(files::kPowerFlowReport), golden("two_areas_pfoutput.dat"));
    EXPECT_EQ(readFileText(files::kErrorLog), "");

    EXPECT_NEAR(m.QCHARGE,
                100 * (0.025 * (1.04 * 1.04 + 1.0255 * 1.0255) +
                       0.015 * (1.0255 * 1.0255 + 0.9998 * 0.9998) +
                       0.9986 * 0.9986 * (1 - 1 / 0.975) * (10 / 0.975) +
                       1.0065 * 1.0065 * (1 - 0.975) * (10 / 0.975)),
                0.01);
    EXPECT_NEAR(m.QSHUNT, 100 * 0.9998 * 0.9998 * 0.10, 0.01);
    // The golden flows and injections are those of a solved network.
    EXPECT_LT(largestImbalance(readResults(), {{3, 0.10}}), 0.002);
}

// A swing generation of 12 000 MW does not fit F10.5: the field is written as ten
// asterisks and the columns after it stay in place.
TEST(PowerFlowFilesTest, ValueTooWideForItsFieldIsWrittenAsAsterisks) {
    ScopedWorkDir dir;
    const auto& m = runPowerFlow(golden("wide_values.dat"), parameters());
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(readFileText(files::kBusResults), golden("wide_values_busotp.dat"));
    EXPECT_EQ(readFileText(files::kBranchResults), golden("wide_values_branchotp.dat"));
    EXPECT_EQ(readFileText(files::kPowerFlowReport), golden("wide_values_pfoutput.dat"));
    const std::string bus = readFileText(files::kBusResults);
    EXPECT_EQ(bus.substr(bus.find('\n') + 1, 41), "     1  1.0000     0.00  **********   144");
}

// Two lossless parallel lines carry only reactive power from area 1 to area 2 (no
// active power anywhere, so every angle stays 0 and the MW flow is exactly 0): each
// line has its own pair of branch records, and neither direction gets an interchange
// line in the report although MVAR flows.
TEST(PowerFlowFilesTest, ParallelTieLinesCarryingNoActivePower) {
    ScopedWorkDir dir;
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.0, .area = 1});
    c.bus({.number = 2, .loadQ = 10, .area = 2});
    c.branch({.from = 1, .to = 2, .r = 0, .x = 0.1}).branch({.from = 1, .to = 2, .r = 0, .x = 0.2});
    const auto& m = runPowerFlow(c.text(), parameters());
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    const Results r = readResults();
    ASSERT_EQ(r.branchEnds.size(), 4u);
    EXPECT_EQ(r.branchEnds[0].other, 2);
    EXPECT_EQ(r.branchEnds[1].other, 2);
    // The line of half the reactance carries two thirds of the reactive power.
    EXPECT_NEAR(r.branchEnds[0].q, 2 * r.branchEnds[1].q, 1e-4);
    EXPECT_GT(r.branchEnds[0].q, 0.05);
    const std::string report = readFileText(files::kPowerFlowReport);
    EXPECT_TRUE(report.ends_with("\n"
                                 "       1   AREA LOSS =     0.00  MW\n"
                                 "\n"
                                 "       2   AREA LOSS =     0.00  MW\n"))
        << report;
}

// Two runs on the same input give identical files, and a success after a failure
// writes status 0 over the old status.
TEST(PowerFlowFilesTest, RunsAreRepeatableAndASuccessReplacesAnOldStatus) {
    ScopedWorkDir dir;
    writeFileText(files::kBusResults, "      6\n");
    runPowerFlow(golden("two_areas.dat"), parameters());
    const char* names[] = {files::kBusResults,      files::kBranchResults,     files::kLossResults,
                           files::kPowerFlowReport, files::kAdmittanceListing, files::kErrorLog};
    std::string first[6];
    for (int k = 0; k < 6; ++k) first[k] = readFileText(names[k]);
    EXPECT_EQ(first[0].substr(0, 8), "      0\n");
    runPowerFlow(golden("two_areas.dat"), parameters());
    for (int k = 0; k < 6; ++k) EXPECT_EQ(readFileText(names[k]), first[k]) << names[k];
}

} // namespace
