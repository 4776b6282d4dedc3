#include "engine/core/ExchangeFiles.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace tarvex::test;
namespace files = tarvex::files;

namespace {

// Three buses in a line: swing 1, load 2, load 3.
CaseBuilder threeBuses() {
    CaseBuilder c;
    c.bus({.number = 1, .type = 3, .voltage = 1.05});
    c.bus({.number = 2, .loadP = 50, .loadQ = 10});
    c.bus({.number = 3, .loadP = 30});
    c.branch({.from = 1, .to = 2}).branch({.from = 2, .to = 3});
    return c;
}

std::string replaceOnce(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The line of the bus card with this number ("   2 BUS2 ..."), for edits in place.
std::string busCard(const std::string& text, int number) {
    const std::string start = format("%4d BUS%d", number, number);
    const auto at = text.find(start);
    return text.substr(at, text.find('\n', at) - at);
}

struct StatusCase {
    const char* name;
    std::function<std::string()> caseText;
    int status;
    const char* log; // the whole of ERROR.LOG
};

std::string manyBuses(int count) {
    CaseBuilder c;
    c.bus({.number = 1, .type = 3});
    for (int n = 2; n <= count; ++n) c.bus({.number = n});
    for (int n = 2; n <= count; ++n) c.branch({.from = n - 1, .to = n});
    return c.text();
}

// The swing bus and then `count` voltage-controlled buses with distinct limits, each a
// generator row.
std::string manyGenerators(int count) {
    CaseBuilder c;
    c.bus({.number = 1, .type = 3});
    for (int n = 2; n <= count + 1; ++n) {
        c.bus({.number = n, .type = 2, .voltage = 1.01, .qMax = 10, .qMin = -10});
    }
    for (int n = 2; n <= count + 1; ++n) c.branch({.from = n - 1, .to = n});
    return c.text();
}

std::string manyBranches(int count) {
    CaseBuilder c;
    c.bus({.number = 1, .type = 3}).bus({.number = 2});
    for (int n = 0; n < count; ++n) c.branch({.from = 1, .to = 2});
    return c.text();
}

const StatusCase kCases[] = {
    {"ZeroImpedanceBranch",
     [] {
         CaseBuilder c = threeBuses();
         return c.branch({.from = 3, .to = 1, .r = 0, .x = 0}).text();
     },
     1, " DATA ERROR : BRANCH  3-  1 PARAMETERS ARE ALL ZERO \n"},
    {"ZeroReactanceWithResistance",
     [] {
         CaseBuilder c = threeBuses();
         return c.branch({.from = 1, .to = 3, .r = 0.05, .x = 0}).text();
     },
     1, " DATA ERROR : BRANCH  1-  3 REACTANCE IS ZERO, BRANCH CARD 3\n"},
    {"BaseMvaZero", [] { return CaseBuilder(0.0).bus({.number = 1, .type = 3}).text(); }, 2,
     " DATA ERROR : BASE MVA IS ENTERED AS    0.0\n"},
    {"BaseMvaNegative", [] { return CaseBuilder(-50.0).bus({.number = 1, .type = 3}).text(); }, 2,
     " DATA ERROR : BASE MVA IS ENTERED AS  -50.0\n"},
    {"EmptyFile", [] { return std::string(); }, 3, " ERROR READING THE CASE TITLE\n"},
    {"LettersInBaseMva", [] { return replaceOnce(threeBuses().text(), "100.0", "1OO.0"); }, 3,
     " ERROR READING THE CASE TITLE\n"},
    {"EndOfFileAtAHeader",
     [] {
         const std::string t = threeBuses().text();
         return t.substr(0, t.find("LOSS ZONES"));
     },
     3, " ERROR READING THE CASE TITLE\n"},
    {"EndOfFileInsideBusData",
     [] {
         const std::string t = threeBuses().text();
         return t.substr(0, t.find("-999"));
     },
     3, " DATA ERROR : END OF FILE INSIDE THE BUS DATA (AFTER LINE 5)\n"},
    {"EndOfFileInsideLossZones",
     [] {
         const std::string t = threeBuses().text();
         return t.substr(0, t.find("-99\n", t.find("LOSS")));
     },
     3, " DATA ERROR : END OF FILE INSIDE THE LOSS ZONE DATA (AFTER LINE 11)\n"},
    {"MoreThan40Buses", [] { return manyBuses(41); }, 3,
     " DATA ERROR : MORE THAN 40 BUS CARDS, BUS CARD ON LINE 43\n"},
    // Every generator row comes from a bus card, so the bus limit is what stops a 41st
    // one: the generator table cannot be overrun.
    {"MoreThan40GeneratorRows", [] { return manyGenerators(40); }, 3,
     " DATA ERROR : MORE THAN 40 BUS CARDS, BUS CARD ON LINE 43\n"},
    {"MoreThan100Branches", [] { return manyBranches(101); }, 3,
     " DATA ERROR : MORE THAN 100 BRANCH CARDS, BRANCH CARD ON LINE 107\n"},
    {"BusNumberAbove40",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 41}).text();
     },
     3, " DATA ERROR : BUS NUMBER 41 IS OUTSIDE 1 TO 40, BUS CARD ON LINE 6\n"},
    {"BusNumberZero",
     [] {
         const std::string t = threeBuses().text();
         return replaceOnce(t, "   3 BUS3", "   0 BUS3");
     },
     3, " DATA ERROR : BUS NUMBER 0 IS OUTSIDE 1 TO 40, BUS CARD ON LINE 5\n"},
    {"DuplicateBusNumber",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 2}).text();
     },
     3, " DATA ERROR : BUS NUMBER 2 APPEARS ON A SECOND BUS CARD, BUS CARD ON LINE 6\n"},
    {"BranchToBusWithoutCard",
     [] {
         CaseBuilder c = threeBuses();
         return c.branch({.from = 3, .to = 17}).text();
     },
     3, " DATA ERROR : BRANCH NAMES BUS 17 WHICH HAS NO BUS CARD, BRANCH CARD ON LINE 10\n"},
    {"BranchBusOutsideRange",
     [] {
         CaseBuilder c = threeBuses();
         return c.branch({.from = 99, .to = 1}).text();
     },
     3, " DATA ERROR : BUS NUMBER 99 IS OUTSIDE 1 TO 40, BRANCH CARD ON LINE 10\n"},
    {"BranchToItself",
     [] {
         CaseBuilder c = threeBuses();
         return c.branch({.from = 2, .to = 2}).text();
     },
     3, " DATA ERROR : BRANCH CONNECTS BUS 2 TO ITSELF, BRANCH CARD ON LINE 10\n"},
    {"TwoSwingBuses",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 4, .type = 3}).text();
     },
     3,
     " DATA ERROR : SECOND SWING BUS 4 (ONLY ONE BUS CARD MAY HAVE TYPE 3), BUS CARD ON LINE 6\n"},
    {"NoSwingBus",
     [] {
         CaseBuilder c;
         c.bus({.number = 1}).bus({.number = 2}).branch({.from = 1, .to = 2});
         return c.text();
     },
     3, " DATA ERROR : NO SWING BUS, NO BUS CARD HAS TYPE CODE 3\n"},
    {"LettersInLoadField",
     [] {
         const std::string t = threeBuses().text();
         return replaceOnce(t, "    50.00", "    5O.00");
     },
     3, " DATA ERROR : UNREADABLE NUMBER IN COLUMNS 41-49 (LOAD MW), BUS CARD ON LINE 4\n"},
    {"LettersInReactance",
     [] {
         const std::string t = threeBuses().text();
         return replaceOnce(t, "   0.100000", "   0.1000x0");
     },
     3, " DATA ERROR : UNREADABLE NUMBER IN COLUMNS 30-40 (REACTANCE), BRANCH CARD ON LINE 8\n"},
    {"LettersInBusNumber",
     [] { return replaceOnce(threeBuses().text(), "   3 BUS3", "  3X BUS3"); }, 3,
     " DATA ERROR : UNREADABLE NUMBER IN COLUMNS 1-4 (BUS NUMBER), BUS CARD ON LINE 5\n"},
    {"NegativeArea",
     [] {
         const std::string t = threeBuses().text();
         const std::string card = busCard(t, 3);
         return replaceOnce(t, card, card.substr(0, 18) + "-2" + card.substr(20));
     },
     3, " DATA ERROR : AREA NUMBER -2 IS NEGATIVE, BUS CARD ON LINE 5\n"},
    {"BusWithoutBranchOrShunt",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 4}).text();
     },
     5, "  BDIAG ( 4 ) = 0 \n"},
    {"BusWithOnlyAShunt",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 4, .shunt = 0.1}).text();
     },
     5, "  BPDG ( 4 ) = 0 \n"},
    {"AreaAbove10",
     [] {
         CaseBuilder c = threeBuses();
         return c.bus({.number = 4, .area = 11}).text();
     },
     7, "  AREA LIMIT (10) IS EXCEEDED ! EDIT PFLINFLO\n"},
};

class ReaderStatusTest : public testing::TestWithParam<StatusCase> {};

// Each bad case stops with its status as the first record of the status file and one
// log line; the files the run never wrote keep what an earlier run left in them.
TEST_P(ReaderStatusTest, ReportsStatusAndLogLine) {
    ScopedWorkDir dir;
    const StatusCase& c = GetParam();
    writeFileText(files::kBusResults, "      0\n  old bus rows\n");
    writeFileText(files::kBranchResults, "old branch rows\n");
    writeFileText(files::kLossResults, "old losses\n");
    writeFileText(files::kAdmittanceListing, "old listing\n");
    auto m = runReader(c.caseText());
    EXPECT_TRUE(m->status.failed());
    EXPECT_EQ(m->status.code(), c.status);
    EXPECT_EQ(readFileText(files::kBusResults), format("   %4d\n", c.status));
    EXPECT_EQ(readFileText(files::kErrorLog), c.log);
    EXPECT_EQ(readFileText(files::kBranchResults), "old branch rows\n");
    EXPECT_EQ(readFileText(files::kLossResults), "old losses\n");
    EXPECT_EQ(readFileText(files::kAdmittanceListing), "old listing\n");
}

INSTANTIATE_TEST_SUITE_P(BadCases, ReaderStatusTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<StatusCase>& param) {
                             return std::string(param.param.name);
                         });

// Exactly 40 buses, 39 generator rows beside the swing bus and 100 branches are within
// the tables.
TEST(ReaderLimitsTest, FullTablesAreAccepted) {
    ScopedWorkDir dir;
    auto buses = runReader(manyBuses(40));
    EXPECT_FALSE(buses->status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(buses->NB, 40);
    auto generators = runReader(manyGenerators(39));
    EXPECT_FALSE(generators->status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(generators->NGEN, 39);
    EXPECT_EQ(generators->GENBUS[39], 40);
    auto branches = runReader(manyBranches(100));
    EXPECT_FALSE(branches->status.failed()) << readFileText(files::kErrorLog);
    EXPECT_EQ(branches->NBR, 100);
}

// A missing case file is reported like an unreadable title card.
TEST(ReaderLimitsTest, MissingCaseFileIsStatus3) {
    ScopedWorkDir dir;
    auto m = std::make_unique<tarvex::engine::PowerFlowModule>();
    m->reset();
    m->files.openAll();
    tarvex::engine::READPF(*m);
    m->files.closeAll();
    EXPECT_EQ(m->status.code(), 3);
    EXPECT_EQ(readFileText(files::kErrorLog), " ERROR READING THE CASE TITLE\n");
}

} // namespace
