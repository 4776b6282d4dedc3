// The minimum-degree ordering's tie rules on small graphs worked out by hand. Every
// matrix is loaded diagonal first, then each edge both ways in the listed order, which
// fixes the row-chain order the ordering walks.
#include "tests/engine/sparse/SparseTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tarvex::test::sparse {
namespace {

using engine::SPARSE;
using engine::SparseOptions;

Matrix graph(int n, std::initializer_list<std::pair<int, int>> edges) {
    Matrix m;
    for (int i = 1; i <= n; ++i) m.push_back({i, i, 6.0});
    for (const auto& [a, b] : edges) {
        m.push_back({a, b, -1.0});
        m.push_back({b, a, -1.0});
    }
    return m;
}

// Two triangles of pivots feeding the 4-cycle 3-5-4-6: nodes 1 and 2 have degree 2,
// their neighbours {5,6} and {3,4} get filled pairs, so after two steps 3..6 tie at
// degree 3 with one eliminated neighbour each; 5 and 6 became neighbours at step 1,
// 3 and 4 at step 2.
Matrix twoPivots() {
    return graph(6, {{1, 5}, {1, 6}, {2, 3}, {2, 4}, {3, 5}, {3, 6}, {4, 5}, {4, 6}});
}

// The ring 1-2-4-6-5-3-1.
Matrix ring() {
    return ring6();
}

// The path 3-1-4-2: nodes 2 and 3 have degree 1, 4 drops to 1 before the pre-pass reaches
// it, 1 drops to 1 after the pass has gone by.
Matrix path() {
    return graph(4, {{1, 3}, {1, 4}, {2, 4}});
}

struct Case {
    const char* name;
    Matrix matrix;
    SparseOptions options;
    std::vector<int> order; // node eliminated at step 1, 2, ...
    int fill;
};

TEST(SparseOrder, TieRulesGiveTheHandWorkedSequence) {
    const Case cases[] = {
        // Lowest index: 1 fills (2,3), 2 fills (3,4), 3 fills (4,5).
        {"ring, lowest index", ring(), SparseOptions::gainMatrix(true), {1, 2, 3, 4, 5, 6}, 3},
        // Highest index: 6 fills (4,5), 5 fills (3,4), 4 fills (2,3).
        {"ring, highest index",
         ring(),
         SparseOptions::observability(0, false),
         {6, 5, 4, 3, 2, 1},
         3},
        // After 1, nodes 2 and 3 have an eliminated neighbour: 4 wins; then 5 is the only
        // one without; then 2, 3, 6 tie with two each.
        {"ring, fewest eliminated",
         ring(),
         SparseOptions::observability(1, false),
         {1, 4, 5, 2, 3, 6},
         3},
        {"ring, least recent",
         ring(),
         SparseOptions::observability(2, false),
         {1, 4, 5, 2, 3, 6},
         3},
        {"ring, no degree updates",
         ring(),
         SparseOptions::observability(3, false),
         {1, 4, 5, 2, 3, 6},
         3},
        {"two pivots, lowest index",
         twoPivots(),
         SparseOptions::gainMatrix(true),
         {1, 2, 3, 4, 5, 6},
         2},
        {"two pivots, highest index",
         twoPivots(),
         SparseOptions::observability(0, false),
         {2, 1, 6, 5, 4, 3},
         2},
        // Nodes 3..6 all have one eliminated neighbour: lowest index, 3.
        {"two pivots, fewest eliminated",
         twoPivots(),
         SparseOptions::observability(1, false),
         {1, 2, 3, 4, 5, 6},
         2},
        // 5 and 6 were made neighbours at step 1, 3 and 4 at step 2: 5 first.
        {"two pivots, least recent",
         twoPivots(),
         SparseOptions::observability(2, false),
         {1, 2, 5, 3, 4, 6},
         2},
        // Pre-pass takes 2 (4 drops to 1), 3 (1 drops to 1), 4; 1 is left to the main loop.
        {"path, pre-pass", path(), SparseOptions::gainMatrix(true), {2, 3, 4, 1}, 0},
        // Without degree updates 4 stays at 2 and the pre-pass takes only 2 and 3; 1 and 4
        // tie at degree 2 with one eliminated neighbour each.
        {"path, no degree updates",
         path(),
         SparseOptions::observability(3, false),
         {2, 3, 1, 4},
         0},
    };
    for (const Case& c : cases) {
        auto m = makeStorage();
        load(*m, c.matrix);
        const int n = static_cast<int>(c.order.size());
        std::vector<double> b = randomVector(n, 17);
        const auto expected = denseSolve(c.matrix, n, b);
        std::ostringstream log;
        ASSERT_EQ(SPARSE(*m, b, n, 1000, 1.0E-8, 1, c.options, log), 0) << c.name;
        for (int k = 1; k <= n; ++k) {
            EXPECT_EQ(m->pivotRow(k), c.order[k - 1]) << c.name << ", step " << k;
            EXPECT_EQ(m->pivotColumn(k), c.order[k - 1]) << c.name << ", step " << k;
            EXPECT_EQ(m->rowStep(c.order[k - 1]), k) << c.name;
        }
        EXPECT_EQ(m->fillCount(), c.fill) << c.name;
        for (int i = 1; i <= n; ++i) EXPECT_NEAR(b[i], expected[i], 1e-12) << c.name;
    }
}

TEST(SparseOrder, FillIsCreatedBothWaysAtTheChainEnds) {
    auto m = makeStorage();
    load(*m, ring());
    std::vector<double> b = randomVector(6, 1);
    std::ostringstream log;
    ASSERT_EQ(SPARSE(*m, b, 6, 1000, 1.0E-8, 1, SparseOptions::gainMatrix(true), log), 0);
    // Entries 19..24 are the fill of steps 1, 2 and 3, each pair as (u,w) then (w,u).
    const int expected[][2] = {{2, 3}, {3, 2}, {4, 3}, {3, 4}, {5, 4}, {4, 5}};
    ASSERT_EQ(m->entryCount(), 24);
    for (int e = 19; e <= 24; ++e) {
        EXPECT_EQ(m->row(e), expected[e - 19][0]) << e;
        EXPECT_EQ(m->column(e), expected[e - 19][1]) << e;
    }
}

} // namespace
} // namespace tarvex::test::sparse
