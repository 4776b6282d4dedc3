// Status values and log texts of the sparse solver's failures, and that a failure never
// writes outside the arrays or leaves factors a solve-only call could use.
#include "tests/engine/sparse/SparseTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tarvex::test::sparse {
namespace {

using engine::SPARSE;
using engine::SparseOptions;

const std::string kFactorpTrailer = " ERROR RETURN FROM SUBROUTINE \"FACTORP\" \n"
                                    " SOLUTION IS TERMINATED DUE TO FATAL ERROR\n";
const std::string kOrderingOverflow = "  ERROR DETECTED IN ORDERING\n"
                                      "  INSUFFICIENT ALLOCATION, INCREASE NZA\n";
const std::string kDimension = " ERROR RETURN: DIMENSION OF [A] IS TOO SMALL\n";
const std::string kOrderingWarning =
    " WARNING: FACTORIZATION FAILED FOR THE CHOSEN ORDERING ALGORITHM\n";

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}
bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(SparseFailure, PivotOfExactlyTolPassesAndBelowFailsWithNothingSolved) {
    auto m = makeStorage();
    std::ostringstream log;
    load(*m, {{1, 1, 1.0E-8}});
    std::vector<double> b = {0.0, 3.0};
    ASSERT_EQ(SPARSE(*m, b, 1, 30, 1.0E-8, 1, SparseOptions::powerFlow(), log), 0);
    EXPECT_DOUBLE_EQ(b[1], 3.0E8);
    EXPECT_EQ(log.str(), "");

    load(*m, {{1, 1, 0.99E-8}});
    b = {0.0, 3.0};
    EXPECT_EQ(SPARSE(*m, b, 1, 30, 1.0E-8, 1, SparseOptions::powerFlow(), log), -3);
    EXPECT_EQ(b[1], 3.0);
    EXPECT_EQ(log.str(), kOrderingWarning + kFactorpTrailer);
}

TEST(SparseFailure, SmallPivotTextsPerUser) {
    struct Case {
        const char* name;
        SparseOptions options;
        std::string text;
    };
    const Case cases[] = {
        {"power flow", SparseOptions::powerFlow(), kOrderingWarning},
        {"gain matrix", SparseOptions::gainMatrix(true),
         "\n          *** ERROR: ZERO PIVOT DURING FACTORIZATION *** \n"},
        {"observability", SparseOptions::observability(4, false),
         kOrderingWarning + "          TRY WITH FULL PIVOTING INSTEAD\n"},
    };
    auto m = makeStorage();
    for (const Case& c : cases) {
        // Singular at step 2 in any order: rows 1 and 2 equal.
        load(*m, {{1, 1, 2.0}, {1, 2, 2.0}, {2, 1, 2.0}, {2, 2, 2.0}});
        std::vector<double> b = {0.0, 1.0, 1.0};
        std::ostringstream log;
        EXPECT_EQ(SPARSE(*m, b, 2, 100, 1.0E-6, 1, c.options, log), -3) << c.name;
        EXPECT_EQ(log.str(), c.text + kFactorpTrailer) << c.name;
        EXPECT_EQ(b[1], 1.0) << c.name;
        // The factors are incomplete: a solve-only call is refused.
        std::ostringstream after;
        EXPECT_EQ(SPARSE(*m, b, 2, 100, 1.0E-6, 0, c.options, after), -1) << c.name;
        EXPECT_EQ(b[1], 1.0) << c.name;
    }
}

TEST(SparseFailure, FillBeyondTheStorageLimitIsMinusTwo) {
    auto m = makeStorage();
    load(*m, ring6()); // 18 entries; the ordering needs 6 more for its fill-in
    std::vector<double> b = randomVector(6, 1);
    const std::vector<double> before = b;
    std::ostringstream log;
    EXPECT_EQ(SPARSE(*m, b, 6, 20, 1.0E-8, 1, SparseOptions::powerFlow(), log), -2);
    EXPECT_TRUE(startsWith(log.str(), kOrderingOverflow)) << log.str();
    EXPECT_TRUE(endsWith(log.str(), kDimension + kFactorpTrailer)) << log.str();
    EXPECT_EQ(b, before);
    EXPECT_FALSE(m->factoredFor(6));
}

TEST(SparseFailure, GainMatrixReportsTheDimensionOnTheConsoleStream) {
    auto m = makeStorage();
    load(*m, ring6());
    std::vector<double> b = randomVector(6, 1);
    std::ostringstream log;
    std::ostringstream console;
    SparseOptions o = SparseOptions::gainMatrix(true);
    o.dimensionStream = &console;
    EXPECT_EQ(SPARSE(*m, b, 6, 20, 1.0E-6, 1, o, log), -2);
    EXPECT_EQ(console.str(), kDimension);
    EXPECT_TRUE(startsWith(log.str(), kOrderingOverflow));
    EXPECT_TRUE(endsWith(log.str(), kOrderingOverflow + kFactorpTrailer)) << log.str();
}

TEST(SparseFailure, ObservabilityStopsTheOrderingAtTheFirstOverflow) {
    auto m = makeStorage();
    load(*m, ring6());
    std::vector<double> b = randomVector(6, 1);
    const std::vector<double> before = b;
    std::ostringstream log;
    // Highest index first: node 6 fills (4,5) and (5,4) up to 20 entries, then node 5's
    // first fill position is the 21st.
    EXPECT_EQ(SPARSE(*m, b, 6, 20, 1.0E-6, 1, SparseOptions::observability(0, false), log), -6);
    EXPECT_EQ(log.str(), kOrderingOverflow);
    EXPECT_EQ(b, before);
}

TEST(SparseFailure, StorageLimitBeyondTheArraysIsHeldToThem) {
    // Arrays of 20 entries with a limit of 1000: the fill-in still stops at the arrays
    // and is reported, never written past them.
    auto small = std::make_unique<engine::CSparseStorage<20, 6>>();
    load(*small, ring6());
    std::vector<double> b = randomVector(6, 1);
    std::ostringstream log;
    EXPECT_EQ(SPARSE(*small, b, 6, 1000, 1.0E-8, 1, SparseOptions::powerFlow(), log), -2);
    EXPECT_TRUE(endsWith(log.str(), kDimension + kFactorpTrailer)) << log.str();
    for (bool search : {false, true}) {
        load(*small, ring6());
        std::ostringstream natural;
        EXPECT_EQ(
            SPARSE(*small, b, 6, 1000, 1.0E-8, 1, SparseOptions::observability(4, search), natural),
            -2);
        EXPECT_EQ(natural.str(), kDimension + kFactorpTrailer);
    }
}

TEST(SparseFailure, BadCallsAreRefusedWithMinusOne) {
    auto m = makeStorage();
    struct Case {
        const char* name;
        Matrix entries;
        int n;
        std::size_t bSize;
        int ifact;
        SparseOptions options;
        std::string log;
    };
    const Case cases[] = {
        {"entry outside the order",
         {{1, 1, 1.0}, {3, 1, 1.0}},
         2,
         3,
         1,
         SparseOptions::powerFlow(),
         " ERROR IN SPARSE: ENTRY 2 AT (3,1) OUTSIDE THE MATRIX OF ORDER 2\n"},
        {"order zero",
         {{1, 1, 1.0}},
         0,
         3,
         1,
         SparseOptions::powerFlow(),
         " ERROR IN SPARSE: ORDER 0 OUTSIDE 1..60\n"},
        {"order above capacity",
         {{1, 1, 1.0}},
         61,
         62,
         1,
         SparseOptions::powerFlow(),
         " ERROR IN SPARSE: ORDER 61 OUTSIDE 1..60\n"},
        {"right-hand side too short",
         {{1, 1, 1.0}, {2, 2, 1.0}},
         2,
         2,
         1,
         SparseOptions::powerFlow(),
         " ERROR IN SPARSE: RIGHT-HAND SIDE SHORTER THAN THE ORDER 2\n"},
        {"solve only before any factoring",
         {{1, 1, 1.0}},
         1,
         2,
         0,
         SparseOptions::powerFlow(),
         " ERROR IN SPARSE: NO VALID FACTORS FOR A SOLVE-ONLY CALL\n"},
        {"keep a sequence never made",
         {{1, 1, 1.0}},
         1,
         2,
         1,
         SparseOptions::gainMatrix(false),
         " ERROR IN SPARSE: NO PIVOT SEQUENCE OF ORDER 1 TO KEEP\n"},
    };
    for (const Case& c : cases) {
        auto fresh = makeStorage();
        load(*fresh, c.entries);
        std::vector<double> b(c.bSize, 1.0);
        std::ostringstream log;
        EXPECT_EQ(SPARSE(*fresh, b, c.n, 100, 1.0E-8, c.ifact, c.options, log), -1) << c.name;
        EXPECT_EQ(log.str(), c.log) << c.name;
        EXPECT_EQ(b, std::vector<double>(c.bSize, 1.0)) << c.name;
    }
    // add() refuses what would not fit.
    auto tiny = std::make_unique<engine::CSparseStorage<2, 3>>();
    EXPECT_TRUE(tiny->add(1, 1, 1.0));
    EXPECT_FALSE(tiny->add(4, 1, 1.0));
    EXPECT_FALSE(tiny->add(1, 0, 1.0));
    EXPECT_TRUE(tiny->add(2, 2, 1.0));
    EXPECT_FALSE(tiny->add(3, 3, 1.0));
    EXPECT_EQ(tiny->entryCount(), 2);
}

TEST(SparseFailure, GainMatrixReusesTheFirstOrderingAfterNewValues) {
    auto m = makeStorage();
    const Matrix a = randomMatrix(15, 3, true, 11);
    load(*m, a);
    std::vector<double> b = randomVector(15, 2);
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 15, 12000, 1.0E-6, 1, SparseOptions::gainMatrix(true), log), 0);
    int rows[16];
    for (int k = 1; k <= 15; ++k) rows[k] = m->pivotRow(k);
    Matrix scaled = a;
    for (Entry& e : scaled) e.value *= 2.0;
    load(*m, scaled);
    b = randomVector(15, 2);
    ASSERT_EQ(SPARSE(*m, b, 15, 12000, 1.0E-6, 1, SparseOptions::gainMatrix(false), log), 0);
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(m->pivotRow(k), rows[k]);
    const auto expected = denseSolve(scaled, 15, randomVector(15, 2));
    for (int i = 1; i <= 15; ++i) EXPECT_NEAR(b[i], expected[i], 1e-12);
}

} // namespace
} // namespace tarvex::test::sparse
