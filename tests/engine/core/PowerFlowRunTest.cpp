#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/engine/core/ResultFiles.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The convergence summary lines of the report: P lines have the mismatch right after
// the counter, Q lines 20 blanks further right.
struct Summary {
    std::vector<double> p, q;
};

Summary summary(const std::string& report) {
    Summary s;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.size() == 25 && line[5] == '.') {
            s.p.push_back(std::stod(line.substr(7)));
        } else if (line.size() == 43 && line[5] == '.' &&
                   line.compare(7, 20, std::string(20, ' ')) == 0) {
            s.q.push_back(std::stod(line.substr(27)));
        }
    }
    return s;
}

const std::string kHeading = "            CONVERGENCE SUMMARY \n"
                             "   ITER            DELP              DELQ\n"
                             "\n";

// MAXIT = 0: no iteration, the results describe the flat start. By hand, for the line
// y = 1/(0.01 + j0.1) = 0.990099 - j9.900990 between the swing bus at 1.05 p.u. and
// the load bus at 1.0 p.u., all angles 0:
//   P1 = V1^2 G - V1 V2 G = 0.990099 (1.1025 - 1.05) = 0.0519802 p.u.
//   Q1 = V1^2 B' - V1 V2 B' with B' = 9.900990       = 0.5198020 p.u.
//   active loss   = 100 (0.0519802 - 0.40) = -34.8020 MW
//   reactive loss = 100 (0.5198020 - 0.10) =  41.9802 MVAR
TEST(PowerFlowRunTest, NoIterationsGivesTheFlatStart) {
    ScopedWorkDir dir;
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.05});
    c.bus({.number = 2, .loadP = 40, .loadQ = 10});
    c.branch({.from = 1, .to = 2, .r = 0.01, .x = 0.1});
    const auto& m = runPowerFlow(c.text(), parameters(0));
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(readFileText(files::kBusResults),
              "      0\n"
              "     1  1.0500     0.00     5.19802    51.98020     0.05198     0.51980\n"
              "     2  1.0000     0.00     0.00000     0.00000    -0.40000    -0.10000\n");
    EXPECT_EQ(readFileText(files::kLossResults), "     -34.8020       41.9802\n"
                                                 "       0.0000\n"
                                                 "       0.0000\n");
    const std::string report = readFileText(files::kPowerFlowReport);
    EXPECT_NE(report.find(kHeading + "\n  **************************** POWER FLOW REPORT"),
              std::string::npos)
        << report;
    EXPECT_TRUE(summary(report).p.empty());
}

// Only the swing bus and voltage-controlled buses: only P half-iterations run and the
// run converges on the P mismatch alone.
TEST(PowerFlowRunTest, CaseWithoutLoadBusesIteratesOnPOnly) {
    ScopedWorkDir dir;
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.04});
    c.bus({.number = 2, .type = 2, .voltage = 1.02, .genP = 50, .qMax = 100, .qMin = -100});
    c.bus({.number = 3, .type = 2, .voltage = 1.01, .loadP = 80, .qMax = 100, .qMin = -100});
    c.branch({.from = 1, .to = 2, .r = 0.02, .x = 0.1});
    c.branch({.from = 2, .to = 3, .r = 0.02, .x = 0.1});
    c.branch({.from = 1, .to = 3, .r = 0.04, .x = 0.2});
    const auto& m = runPowerFlow(c.text(), parameters());
    ASSERT_FALSE(m.status.failed()) << readFileText(files::kErrorLog);
    const Summary s = summary(readFileText(files::kPowerFlowReport));
    EXPECT_TRUE(s.q.empty());
    ASSERT_GE(s.p.size(), 2u);
    EXPECT_LT(s.p.back(), 0.001);
    EXPECT_GE(s.p.front(), 0.001);
    const Results r = readResults();
    EXPECT_DOUBLE_EQ(r.bus(2)->voltage, 1.02);
    EXPECT_DOUBLE_EQ(r.bus(3)->voltage, 1.01);
    EXPECT_LT(largestImbalance(r), 0.002);
}

struct FailureCase {
    const char* name;
    std::string (*caseText)();
    int status;
    const char* log;
    const char* reportEnd;
};

const char* kFactorFailure = " WARNING: FACTORIZATION FAILED FOR THE CHOSEN ORDERING ALGORITHM\n"
                             " ERROR RETURN FROM SUBROUTINE \"FACTORP\" \n"
                             " SOLUTION IS TERMINATED DUE TO FATAL ERROR\n";

const FailureCase kFailures[] = {
    // Buses 2 and 3 form an island without the swing bus: B' is singular at its second
    // pivot (2 - 2 x 2 / 2 = 0).
    {"IslandMakesBpSingular",
     [] {
         CaseBuilder c;
         c.bus({.number = 1, .type = 3}).bus({.number = 2, .loadP = 10, .loadQ = 5});
         c.bus({.number = 3, .loadP = 10, .loadQ = 5}).bus({.number = 4, .loadP = 10});
         c.branch({.from = 1, .to = 4, .r = 0, .x = 0.5})
             .branch({.from = 2, .to = 3, .r = 0, .x = 0.5});
         return c.text();
     },
     4, "  Error in P-SPARSE : IERR = -3\n", "    0.0          0.100000\n"},
    // A shunt of 2 p.u. at bus 2 cancels one of its lines in B'': B'' = [2 -2; -2 2] is
    // singular while B' = [4 -2; -2 2] is not.
    {"ShuntMakesBppSingular",
     [] {
         CaseBuilder c;
         c.bus({.number = 1, .type = 3}).bus({.number = 2, .loadP = 10, .loadQ = 5, .shunt = 2.0});
         c.bus({.number = 3, .loadP = 10, .loadQ = 5});
         c.branch({.from = 1, .to = 2, .r = 0, .x = 0.5})
             .branch({.from = 2, .to = 3, .r = 0, .x = 0.5});
         return c.text();
     },
     4, "  Error in Q-SPARSE : IERR = -3\n",
     "    0.0          0.100000\n    0.5                            1.937509\n"},
    // A feeder whose resistance is ten times its reactance: the decoupled iterations
    // diverge and the largest P mismatch rises four times in a row well before MAXIT.
    {"ResistiveFeederDiverges",
     [] {
         CaseBuilder c;
         c.bus({.number = 1, .type = 3}).bus({.number = 2, .loadP = 80});
         c.branch({.from = 1, .to = 2, .r = 1.0, .x = 0.1});
         return c.text();
     },
     6, "\n  Power Flow Algorithm Failed to Converge !\n",
     "\n  Power Flow Algorithm Failed to Converge !\n"},
};

class PowerFlowFailureTest : public testing::TestWithParam<FailureCase> {};

// The status is the first and only record of busotp.dat, the log holds the failure's
// words, the report ends with what was written before the failure, and the files the
// run never wrote keep their old content.
TEST_P(PowerFlowFailureTest, StatusLogAndUntouchedFiles) {
    ScopedWorkDir dir;
    const FailureCase& c = GetParam();
    writeFileText(files::kBranchResults, "old branch rows\n");
    writeFileText(files::kLossResults, "old losses\n");
    const auto& m = runPowerFlow(c.caseText(), parameters(100));
    EXPECT_EQ(m.status.code(), c.status);
    EXPECT_EQ(readFileText(files::kBusResults), format("   %4d\n", c.status));
    const std::string log = readFileText(files::kErrorLog);
    if (c.status == 4) {
        EXPECT_EQ(log, kFactorFailure + std::string(c.log));
    } else {
        EXPECT_EQ(log, c.log);
    }
    const std::string report = readFileText(files::kPowerFlowReport);
    EXPECT_TRUE(endsWith(report, c.reportEnd)) << report;
    EXPECT_EQ(report.find("POWER FLOW REPORT"), std::string::npos);
    EXPECT_LT(summary(report).p.size(), 100u);
    EXPECT_EQ(readFileText(files::kBranchResults), "old branch rows\n");
    EXPECT_EQ(readFileText(files::kLossResults), "old losses\n");
}

INSTANTIATE_TEST_SUITE_P(Failures, PowerFlowFailureTest, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<FailureCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
