#pragma once

#include "engine/core/sparse/Sparse.h"
#include "engine/core/sparse/SparseStorage.h"

#include <cmath>
#include <memory>
#include <random>
#include <utility>
#include <vector>

// Helpers shared by the sparse solver tests: a coordinate matrix kept by the test, an
// independent dense solve to check against, and random test systems.
namespace tarvex::test::sparse {

struct Entry {
    int row;
    int col;
    double value;
};

using Matrix = std::vector<Entry>;
// The large storage lives on the heap in tests; the engine keeps it in module structs.
using Storage = engine::CSparseStorage<12000, 60>;

inline std::unique_ptr<Storage> makeStorage() {
    return std::make_unique<Storage>();
}

inline void load(engine::CSparseMatrix& m, const Matrix& entries) {
    m.clear();
    for (const Entry& e : entries) m.add(e.row, e.col, e.value);
}

// Dense copy (0-based) with duplicates summed.
inline std::vector<std::vector<double>> dense(const Matrix& entries, int n, bool transpose) {
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    for (const Entry& e : entries) {
        if (transpose) {
            a[e.col - 1][e.row - 1] += e.value;
        } else {
            a[e.row - 1][e.col - 1] += e.value;
        }
    }
    return a;
}

// Gaussian elimination with partial pivoting; b and the result are 1-based like the
// solver's right-hand side.
inline std::vector<double> denseSolve(const Matrix& entries, int n, std::vector<double> b,
                                      bool transpose = false) {
    auto a = dense(entries, n, transpose);
    std::vector<double> x(b.begin() + 1, b.end());
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int r = k + 1; r < n; ++r) {
            if (std::fabs(a[r][k]) > std::fabs(a[p][k])) p = r;
        }
        std::swap(a[k], a[p]);
        std::swap(x[k], x[p]);
        for (int r = k + 1; r < n; ++r) {
            const double f = a[r][k] / a[k][k];
            for (int c = k; c < n; ++c) a[r][c] -= f * a[k][c];
            x[r] -= f * x[k];
        }
    }
    for (int k = n - 1; k >= 0; --k) {
        for (int c = k + 1; c < n; ++c) x[k] -= a[k][c] * x[c];
        x[k] /= a[k][k];
    }
    std::vector<double> out(n + 1, 0.0);
    for (int i = 0; i < n; ++i) out[i + 1] = x[i];
    return out;
}

// Random sparse matrix with about `perRow` off-diagonal entries a row, diagonally
// dominant so that any pivot order is stable. Symmetric ones mirror every entry;
// unsymmetric ones have independent values and some one-sided positions.
inline Matrix randomMatrix(int n, int perRow, bool symmetric, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> pick(1, n);
    std::uniform_real_distribution<double> val(-1.0, 1.0);
    Matrix m;
    std::vector<double> rowSum(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < perRow; ++c) {
            const int j = pick(gen);
            if (j == i) continue;
            const double v = val(gen);
            m.push_back({i, j, v});
            rowSum[i] += std::fabs(v);
            if (symmetric) {
                m.push_back({j, i, v});
                rowSum[j] += std::fabs(v);
            } else if (c % 2 == 0) {
                const double w = val(gen);
                m.push_back({j, i, w});
                rowSum[j] += std::fabs(w);
            }
        }
    }
    for (int i = 1; i <= n; ++i) m.push_back({i, i, rowSum[i] + 1.0 + std::fabs(val(gen))});
    return m;
}

inline std::vector<double> randomVector(int n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> val(-5.0, 5.0);
    std::vector<double> b(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) b[i] = val(gen);
    return b;
}

// The 6-node ring 1-2-4-6-5-3-1, diagonal first, then each edge both ways in this order.
inline Matrix ring6() {
    Matrix m;
    for (int i = 1; i <= 6; ++i) m.push_back({i, i, 4.0});
    const int edges[][2] = {{1, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 6}};
    for (const auto& e : edges) {
        m.push_back({e[0], e[1], -1.0});
        m.push_back({e[1], e[0], -1.0});
    }
    return m;
}

} // namespace tarvex::test::sparse
