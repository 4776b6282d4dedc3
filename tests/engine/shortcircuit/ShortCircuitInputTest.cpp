#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "engine/shortcircuit/ShortCircuitStatus.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

// How short.dat is read (the section rule for the two-integer lines) and the statuses of
// malformed or unsolvable input.
namespace {

namespace sc = tarvex::engine::shortcircuit;
namespace files = tarvex::files;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

const sc::ShortCircuitModule& run(const std::string& text) {
    writeFileText(files::kShortCircuitInput, text);
    sc::SHORTCKT();
    return sc::shortCircuitModule();
}

struct StatusCase {
    const char* name;
    const char* text;
    int status;
};

class ShortCircuitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ShortCircuitStatus, IsReportedFirstInTheBusFileWithALogLine) {
    ScopedWorkDir dir;
    const sc::ShortCircuitModule& m = run(GetParam().text);
    EXPECT_EQ(m.status.code(), GetParam().status);
    char expected[16];
    std::snprintf(expected, sizeof expected, "   %4d\n", GetParam().status);
    EXPECT_EQ(readFileText(files::kShortCircuitBuses), expected);
    EXPECT_NE(readFileText(files::kErrorLog).find("SHORT CIRCUIT"), std::string::npos);
}

// A generator at bus 1, a line 1-2 and a floating bus 3 unless the case says otherwise.
INSTANTIATE_TEST_SUITE_P(
    Input, ShortCircuitStatus,
    testing::Values(
        StatusCase{"Empty", "", sc::kMalformedInput},
        StatusCase{"OnlyOneHeader", "3 0\n", sc::kMalformedInput},
        StatusCase{"NotANumber", "2 3\n3 2\n0 1 0 x\n1 2 0 0.1\n3 0\n", sc::kMalformedInput},
        StatusCase{"ThreeFields", "2 3\n3 2\n0 1 0.2\n1 2 0 0.1\n3 0\n", sc::kMalformedInput},
        StatusCase{"FewerPositiveRecords", "2 3\n3 3\n0 1 0 0.2\n1 2 0 0.1\n3 0\n",
                   sc::kMalformedInput},
        StatusCase{"MorePositiveRecords", "2 3\n3 1\n0 1 0 0.2\n1 2 0 0.1\n3 0\n",
                   sc::kMalformedInput},
        StatusCase{"MoreZeroRecords", "2 3\n3 1\n0 1 0 0.2\n3 0\n0 1 0 0.1 0\n",
                   sc::kMalformedInput},
        StatusCase{"FractionalBus", "2 3\n3 2\n0 1.5 0 0.2\n1 2 0 0.1\n3 0\n", sc::kMalformedInput},
        StatusCase{"HeadersDisagree", "2 3\n3 2\n0 1 0 0.2\n1 2 0 0.1\n4 0\n", sc::kMalformedInput},
        StatusCase{"UnknownFaultType", "2 2\n3 2\n0 1 0 0.2\n1 2 0 0.1\n3 0\n",
                   sc::kMalformedInput},
        StatusCase{"FaultBeyondTheBuses", "4 3\n3 2\n0 1 0 0.2\n1 2 0 0.1\n3 0\n",
                   sc::kBusOutOfRange},
        StatusCase{"BranchBeyondTheBuses", "2 3\n3 2\n0 1 0 0.2\n1 4 0 0.1\n3 0\n",
                   sc::kBusOutOfRange},
        StatusCase{"NegativeBus", "2 3\n3 2\n0 1 0 0.2\n1 -2 0 0.1\n3 0\n", sc::kBusOutOfRange},
        StatusCase{"ZeroImpedanceBranch", "2 3\n3 2\n0 1 0 0.2\n1 2 0 0\n3 0\n",
                   sc::kZeroImpedance},
        StatusCase{"ZeroImpedanceToGround", "2 3\n3 2\n0 1 0 0.2\n1 2 0 0.1\n3 1\n0 2 0 0 0\n",
                   sc::kZeroImpedance},
        StatusCase{"FaultWithoutSource", "3 3\n3 2\n0 1 0 0.2\n1 2 0 0.1\n3 0\n", sc::kNoSource},
        StatusCase{"NoSourceAnywhere", "2 1\n3 1\n1 2 0 0.1\n3 0\n", sc::kNoSource},
        StatusCase{"TwoFaultsAtOneBus", "2 3\n2 1\n3 2\n0 1 0 0.2\n1 2 0 0.1\n3 0\n",
                   sc::kTwoFaultsAtOneBus},
        StatusCase{"TooManyBuses", "1 3\n301 1\n0 1 0 0.2\n301 0\n", sc::kTooLarge}),
    [](const testing::TestParamInfo<StatusCase>& param) { return param.param.name; });

TEST(ShortCircuitInput, WithoutPositiveRecordsTheLastTwoPairsAreTheHeaders) {
    ScopedWorkDir dir;
    // Two faults, the positive header (2, 0), the zero header (2, 1) and one zero record:
    // with no source the faults are refused, but only after the sections were placed.
    const sc::ShortCircuitModule& m = run("1 3\n2 1\n2 0\n2 1\n0 1 0 0.1 0\n");
    EXPECT_EQ(m.NFAULT, 2);
    EXPECT_EQ(m.NBUS, 2);
    EXPECT_EQ(m.POS.count, 0);
    EXPECT_EQ(m.ZERO.count, 1);
    EXPECT_EQ(m.status.code(), sc::kNoSource);
}

TEST(ShortCircuitInput, NoFaultsLeaveThePreFaultState) {
    ScopedWorkDir dir;
    const sc::ShortCircuitModule& m = run("  2   2 \n  0   1   0.000000   0.200000 \n"
                                          "  1   2   0.000000   0.100000 \n  2   0 \n");
    ASSERT_EQ(m.status.code(), 0);
    EXPECT_EQ(m.NFAULT, 0);
    EXPECT_EQ(readFileText(files::kShortCircuitBuses),
              "      0\n"
              "    1     1.000000     0.0000       0.000000     0.0000\n"
              "    2     1.000000     0.0000       0.000000     0.0000\n");
    EXPECT_EQ(readFileText(files::kShortCircuitLines), "    1     2       0.000000     0.0000\n");
}

TEST(ShortCircuitInput, ALineToGroundFaultWithoutZeroSequencePathDrawsNoCurrent) {
    ScopedWorkDir dir;
    // The zero sequence has the line but nothing to ground: Z0 is infinite at bus 2.
    const sc::ShortCircuitModule& m = run("2 1\n2 2\n0 1 0 0.2\n1 2 0 0.1\n2 1\n1 2 0 0.3 0\n");
    ASSERT_EQ(m.status.code(), 0);
    EXPECT_EQ(std::abs(m.IA[2]), 0.0);
    EXPECT_NEAR(std::abs(m.VA[2]), 1.0, 1.0E-12);
    EXPECT_EQ(std::abs(m.IBRANCH[2]), 0.0);
}

TEST(ShortCircuitInput, AZeroSequenceRecordNamedTheOtherWayRoundKeepsTheBranchDirection) {
    ScopedWorkDir dir;
    // The two-bus textbook case with its zero-sequence transformer record reversed: the
    // line-to-ground fault current still flows from bus 1 to bus 2 (4 at -90 degrees).
    const sc::ShortCircuitModule& m =
        run("2 1\n2 2\n0 1 0 0.2\n1 2 0 0.1\n2 2\n0 1 0 0.05 0\n2 1 0 0.1 0\n");
    ASSERT_EQ(m.status.code(), 0);
    EXPECT_NEAR(m.IBRANCH[2].real(), 0.0, 1.0E-12);
    EXPECT_NEAR(m.IBRANCH[2].imag(), -4.0, 1.0E-12);
}

TEST(ShortCircuitInput, ParallelBranchesPairWithTheirOwnZeroSequenceRecords) {
    ScopedWorkDir dir;
    // Two lines 1-2 of different zero-sequence impedance: each positive record takes the
    // zero record in the same place among the records of its pair.
    const sc::ShortCircuitModule& m = run("2 1\n2 3\n0 1 0 0.2\n1 2 0 0.1\n1 2 0 0.1\n"
                                          "2 3\n0 1 0 0.05 0\n1 2 0 0.2 0\n1 2 0 0.6 0\n");
    ASSERT_EQ(m.status.code(), 0);
    EXPECT_EQ(m.ZMATCH[2], 2);
    EXPECT_EQ(m.ZMATCH[3], 3);
    // The zero-sequence current divides 3 : 1 between the lines, the others equally.
    const std::complex<double> i0 = m.IFAULT[sc::kZero][1];
    EXPECT_NEAR(std::abs(m.IBRANCH[2] - (i0 + 0.75 * i0)), 0.0, 1.0E-12);
    EXPECT_NEAR(std::abs(m.IBRANCH[3] - (i0 + 0.25 * i0)), 0.0, 1.0E-12);
}

} // namespace
