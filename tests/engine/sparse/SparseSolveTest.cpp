// Solutions of the sparse solver against an independent dense solve, for every option
// set its three users pass.
#include "tests/engine/sparse/SparseTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tarvex::test::sparse {
namespace {

using engine::SPARSE;
using engine::SparseOptions;

struct Variant {
    const char* name;
    SparseOptions options;
};

std::vector<Variant> variants() {
    return {
        {"power flow", SparseOptions::powerFlow()},
        {"gain matrix", SparseOptions::gainMatrix(true)},
        {"observability 0", SparseOptions::observability(0, false)},
        {"observability 1", SparseOptions::observability(1, false)},
        {"observability 2", SparseOptions::observability(2, false)},
        {"observability 3", SparseOptions::observability(3, false)},
        {"observability 4", SparseOptions::observability(4, false)},
        {"observability 4 with pivot search", SparseOptions::observability(4, true)},
        {"observability 0 with pivot search", SparseOptions::observability(0, true)},
    };
}

void expectNear(const std::vector<double>& expected, const std::vector<double>& actual, int n,
                const std::string& what) {
    for (int i = 1; i <= n; ++i) {
        EXPECT_NEAR(expected[i], actual[i], 1e-10 * (1.0 + std::fabs(expected[i])))
            << what << ", variable " << i;
    }
}

TEST(SparseSolve, RandomSystemsMatchDenseSolveForEveryVariant) {
    auto m = makeStorage();
    const int sizes[] = {1, 2, 7, 24, 59};
    unsigned seed = 1;
    for (const Variant& v : variants()) {
        for (bool symmetric : {true, false}) {
            for (int n : sizes) {
                ++seed;
                const Matrix a = randomMatrix(n, 3, symmetric, seed);
                std::vector<double> b = randomVector(n, seed * 7);
                const std::vector<double> expected = denseSolve(a, n, b);
                load(*m, a);
                std::ostringstream log;
                const int ierr = SPARSE(*m, b, n, 12000, 1.0E-8, 1, v.options, log);
                const std::string what = std::string(v.name) + (symmetric ? " sym" : " unsym") +
                                         " n=" + std::to_string(n);
                ASSERT_EQ(ierr, 0) << what << "\n" << log.str();
                EXPECT_EQ(log.str(), "") << what;
                expectNear(expected, b, n, what);
            }
        }
    }
}

TEST(SparseSolve, OneByOneIsOneDivision) {
    auto m = makeStorage();
    load(*m, {{1, 1, 4.0}});
    std::vector<double> b = {0.0, 10.0};
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 1, 30, 1.0E-8, 1, SparseOptions::powerFlow(), log), 0);
    EXPECT_EQ(b[1], 2.5);
}

TEST(SparseSolve, PowerFlowFactorsInNaturalOrderKeepingTheFillPositions) {
    auto m = makeStorage();
    const Matrix a = ring6();
    load(*m, a);
    std::vector<double> b = randomVector(6, 3);
    const auto expected = denseSolve(a, 6, b);
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 6, 180, 1.0E-8, 1, SparseOptions::powerFlow(), log), 0);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(m->pivotRow(k), k);
        EXPECT_EQ(m->pivotColumn(k), k);
    }
    // The ordering (lowest index first) fills (2,3), (3,4) and (4,5), both ways; natural
    // elimination of the ring needs exactly these positions, so nothing more is appended.
    EXPECT_EQ(m->fillCount(), 3);
    EXPECT_EQ(m->entryCount(), 18 + 6);
    EXPECT_NE(m->findEntry(2, 3), 0);
    EXPECT_NE(m->findEntry(5, 4), 0);
    expectNear(expected, b, 6, "ring");
}

TEST(SparseSolve, DuplicatedEntriesActAsTheirSum) {
    auto m = makeStorage();
    // Two parallel branches between 1 and 3 listed apart, and a diagonal given in two
    // parts, against the same matrix with each position once.
    const Matrix split = {{1, 1, 5.0},  {1, 3, -1.5}, {3, 1, -1.5}, {2, 2, 3.0},
                          {1, 2, -1.0}, {2, 1, -1.0}, {3, 3, 2.0},  {1, 3, -0.5},
                          {3, 1, -0.5}, {2, 3, -1.0}, {3, 2, -1.0}, {3, 3, 2.5}};
    const Matrix summed = {{1, 1, 5.0},  {1, 3, -2.0}, {3, 1, -2.0}, {2, 2, 3.0}, {1, 2, -1.0},
                           {2, 1, -1.0}, {3, 3, 4.5},  {2, 3, -1.0}, {3, 2, -1.0}};
    for (const Variant& v : variants()) {
        std::vector<double> b1 = {0.0, 1.0, -2.0, 3.0};
        std::vector<double> b2 = b1;
        std::ostringstream log;
        load(*m, split);
        ASSERT_EQ(SPARSE(*m, b1, 3, 100, 1.0E-8, 1, v.options, log), 0) << v.name;
        load(*m, summed);
        ASSERT_EQ(SPARSE(*m, b2, 3, 100, 1.0E-8, 1, v.options, log), 0) << v.name;
        expectNear(b2, b1, 3, v.name);
        expectNear(denseSolve(summed, 3, {0.0, 1.0, -2.0, 3.0}), b1, 3, v.name);
    }
}

TEST(SparseSolve, HugeDiagonalGivesAVanishingCorrection) {
    // B'' with bus 3 voltage controlled: its diagonal carries 1.0E22, whatever its
    // right-hand side holds its correction vanishes, and the other variables solve the
    // system with row and column 3 removed.
    auto m = makeStorage();
    Matrix a = randomMatrix(8, 3, true, 99);
    load(*m, a);
    m->value(m->findEntry(3, 3)) = 1.0E22;
    std::vector<double> b = randomVector(8, 5);
    b[3] = 123.0;
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 8, 240, 1.0E-8, 1, SparseOptions::powerFlow(), log), 0);
    EXPECT_LT(std::fabs(b[3]), 1e-18);

    Matrix reduced;
    for (const Entry& e : a) {
        if (e.row == 3 || e.col == 3) continue;
        reduced.push_back({e.row < 3 ? e.row : e.row - 1, e.col < 3 ? e.col : e.col - 1, e.value});
    }
    std::vector<double> rb = randomVector(8, 5);
    rb.erase(rb.begin() + 3);
    const auto expected = denseSolve(reduced, 7, rb);
    for (int i = 1; i <= 7; ++i) EXPECT_NEAR(b[i < 3 ? i : i + 1], expected[i], 1e-12) << i;
}

TEST(SparseSolve, SolveOnlyCallsMatchARefactorization) {
    auto m = makeStorage();
    for (const Variant& v : variants()) {
        const Matrix a = randomMatrix(30, 3, false, 1234);
        load(*m, a);
        std::vector<double> first = randomVector(30, 1);
        std::ostringstream log;
        ASSERT_EQ(SPARSE(*m, first, 30, 12000, 1.0E-8, 1, v.options, log), 0) << v.name;
        for (unsigned s = 2; s <= 4; ++s) {
            std::vector<double> solveOnly = randomVector(30, s);
            ASSERT_EQ(SPARSE(*m, solveOnly, 30, 12000, 1.0E-8, 0, v.options, log), 0);
            auto fresh = makeStorage();
            load(*fresh, a);
            std::vector<double> refactored = randomVector(30, s);
            ASSERT_EQ(SPARSE(*fresh, refactored, 30, 12000, 1.0E-8, 1, v.options, log), 0);
            for (int i = 1; i <= 30; ++i) EXPECT_EQ(solveOnly[i], refactored[i]) << v.name;
        }
    }
}

TEST(SparseSolve, TransposedSolveUsesTheSameFactors) {
    auto m = makeStorage();
    for (const Variant& v : variants()) {
        const Matrix a = randomMatrix(25, 3, false, 77);
        load(*m, a);
        std::vector<double> b = randomVector(25, 8);
        std::ostringstream log;
        ASSERT_EQ(SPARSE(*m, b, 25, 12000, 1.0E-8, 1, v.options, log), 0) << v.name;
        SparseOptions t = v.options;
        t.transposed = true;
        std::vector<double> bt = randomVector(25, 9);
        const auto expected = denseSolve(a, 25, bt, true);
        ASSERT_EQ(SPARSE(*m, bt, 25, 12000, 1.0E-8, 0, t, log), 0) << v.name;
        expectNear(expected, bt, 25, std::string(v.name) + " transposed");
    }
}

TEST(SparseSolve, ForwardAndBackPassesComposeToTheFullSolve) {
    auto m = makeStorage();
    const Matrix a = randomMatrix(20, 3, false, 4);
    load(*m, a);
    SparseOptions o = SparseOptions::observability(4, true);
    std::vector<double> full = randomVector(20, 6);
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, full, 20, 4000, 1.0E-6, 1, o, log), 0);
    std::vector<double> split = randomVector(20, 6);
    o.back = false;
    ASSERT_EQ(SPARSE(*m, split, 20, 4000, 1.0E-6, 0, o, log), 0);
    o.back = true;
    o.forward = false;
    ASSERT_EQ(SPARSE(*m, split, 20, 4000, 1.0E-6, 0, o, log), 0);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(split[i], full[i]);
}

TEST(SparseSolve, PivotSearchExchangesRowsOfAZeroDiagonal) {
    // A permutation-like matrix with zero diagonal: natural order fails without search.
    auto m = makeStorage();
    const Matrix a = {{1, 2, 2.0}, {2, 1, 3.0}, {2, 3, 1.0}, {3, 3, 1.0}, {3, 1, 1.0}};
    for (bool transpose : {false, true}) {
        load(*m, a);
        SparseOptions o = SparseOptions::observability(4, true);
        std::vector<double> b = {0.0, 4.0, 5.0, 6.0};
        std::ostringstream log;
        ASSERT_EQ(SPARSE(*m, b, 3, 4000, 1.0E-6, 1, o, log), 0);
        EXPECT_EQ(m->zeroPivotCount(), 0);
        EXPECT_EQ(log.str(), "");
        EXPECT_EQ(m->pivotRow(1), 2); // column 1's largest entry is in row 2
        std::vector<double> bt = {0.0, 1.0, -1.0, 2.0};
        if (transpose) {
            o.transposed = true;
            ASSERT_EQ(SPARSE(*m, bt, 3, 4000, 1.0E-6, 0, o, log), 0);
            expectNear(denseSolve(a, 3, {0.0, 1.0, -1.0, 2.0}, true), bt, 3, "transposed");
        } else {
            expectNear(denseSolve(a, 3, {0.0, 4.0, 5.0, 6.0}), b, 3, "direct");
        }
    }
}

TEST(SparseSolve, ZeroPivotIsReplacedAndListed) {
    auto m = makeStorage();
    // Rows 1 and 2 are equal: rank 2, singular at step 2.
    load(*m, {{1, 1, 1.0}, {1, 2, 1.0}, {2, 1, 1.0}, {2, 2, 1.0}, {3, 3, 2.0}});
    std::vector<double> b = {0.0, 2.0, 2.0, 4.0};
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 3, 4000, 1.0E-6, 1, SparseOptions::observability(4, true), log), 0);
    EXPECT_EQ(log.str(), " !!!   WARNING : MATRIX IS SINGULAR\n"
                         " ZERO PIVOT AT (  2,  2) WILL BE SET EQUAL TO 1.0\n"
                         "\n");
    ASSERT_EQ(m->zeroPivotCount(), 1);
    EXPECT_EQ(m->zeroPivotStep(1), 2);
    // A consistent right-hand side is solved with the replaced variable at zero.
    EXPECT_DOUBLE_EQ(b[1], 2.0);
    EXPECT_DOUBLE_EQ(b[2], 0.0);
    EXPECT_DOUBLE_EQ(b[3], 2.0);
}

} // namespace
} // namespace tarvex::test::sparse
