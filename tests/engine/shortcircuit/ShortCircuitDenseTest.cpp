#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

// The solver against an independent dense computation: the bus impedance matrices as
// the inverses of dense admittance matrices, and the fault currents from the textbook
// Thevenin equations at the faulted buses, on random small networks; and Kirchhoff's
// current law at every bus with the branch currents the solver reports.
namespace {

namespace sc = tarvex::engine::shortcircuit;
using Complex = std::complex<double>;
using Matrix = std::vector<std::vector<Complex>>;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

struct Element {
    int from, to;
    double r, x;
};

struct Network {
    int buses = 0;
    std::vector<Element> positive, zero;
    std::vector<std::pair<int, int>> faults; // bus, type
};

// Gaussian elimination with partial pivoting; solves A X = B for every column of B.
Matrix solveDense(Matrix a, Matrix b) {
    const std::size_t n = a.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[p][c])) p = r;
        std::swap(a[p], a[c]);
        std::swap(b[p], b[c]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c) continue;
            const Complex f = a[r][c] / a[c][c];
            for (std::size_t j = 0; j < n; ++j) a[r][j] -= f * a[c][j];
            for (std::size_t j = 0; j < b[r].size(); ++j) b[r][j] -= f * b[c][j];
        }
    }
    for (std::size_t r = 0; r < n; ++r)
        for (auto& v : b[r]) v /= a[r][r];
    return b;
}

Matrix impedanceMatrix(int n, const std::vector<Element>& elements) {
    Matrix y(n, std::vector<Complex>(n)), identity(n, std::vector<Complex>(n));
    for (int i = 0; i < n; ++i) identity[i][i] = 1.0;
    for (const Element& e : elements) {
        const Complex a = 1.0 / Complex(e.r, e.x);
        if (e.from > 0) y[e.from - 1][e.from - 1] += a;
        if (e.to > 0) y[e.to - 1][e.to - 1] += a;
        if (e.from > 0 && e.to > 0) {
            y[e.from - 1][e.to - 1] -= a;
            y[e.to - 1][e.from - 1] -= a;
        }
    }
    return solveDense(y, identity);
}

std::string shortFile(const Network& net) {
    std::string text;
    char line[96];
    for (auto [bus, type] : net.faults) {
        std::snprintf(line, sizeof line, "%3d %3d \n", bus, type);
        text += line;
    }
    std::snprintf(line, sizeof line, "%3d %3d \n", net.buses,
                  static_cast<int>(net.positive.size()));
    text += line;
    for (const Element& e : net.positive) {
        std::snprintf(line, sizeof line, "%3d %3d %10.6f %10.6f \n", e.from, e.to, e.r, e.x);
        text += line;
    }
    std::snprintf(line, sizeof line, "%3d %3d \n", net.buses, static_cast<int>(net.zero.size()));
    text += line;
    for (const Element& e : net.zero) {
        std::snprintf(line, sizeof line, "%3d %3d %10.6f %10.6f 0 \n", e.from, e.to, e.r, e.x);
        text += line;
    }
    return text;
}

// A connected random network: a random spanning tree plus extra branches, sources at
// some buses; every branch is in the zero sequence with three times its impedance, and
// the zero sequence is grounded at the first source. Values have six decimals, as the
// editor writes them.
Network randomNetwork(std::mt19937& rng, int buses, int faults) {
    auto value = [&](double lo, double hi) {
        const double v = std::uniform_real_distribution<double>(lo, hi)(rng);
        return std::round(v * 1.0E6) / 1.0E6;
    };
    Network net;
    net.buses = buses;
    std::vector<Element> branches;
    for (int b = 2; b <= buses; ++b)
        branches.push_back({std::uniform_int_distribution<int>(1, b - 1)(rng), b, value(0.0, 0.05),
                            value(0.05, 0.4)});
    for (int extra = 0; extra < buses / 2; ++extra) {
        const int a = std::uniform_int_distribution<int>(1, buses)(rng);
        const int b = std::uniform_int_distribution<int>(1, buses)(rng);
        if (a != b) branches.push_back({a, b, value(0.0, 0.05), value(0.05, 0.4)});
    }
    for (int b = 1; b <= buses; ++b) {
        if (b != 1 && std::uniform_int_distribution<int>(0, 2)(rng) != 0) continue;
        net.positive.push_back({0, b, value(0.0, 0.01), value(0.1, 0.3)});
        net.zero.push_back({0, b, 0.0, value(0.02, 0.1)});
    }
    for (const Element& e : branches) {
        net.positive.push_back(e);
        net.zero.push_back({e.from, e.to, 3 * e.r, 3 * e.x});
    }
    std::vector<int> order(buses);
    for (int i = 0; i < buses; ++i) order[i] = i + 1;
    std::shuffle(order.begin(), order.end(), rng);
    for (int f = 0; f < faults; ++f)
        net.faults.push_back({order[f], std::uniform_int_distribution<int>(0, 1)(rng) ? 3 : 1});
    return net;
}

// The expected phase-a fault currents and bus voltages: sequence currents from the
// Thevenin equations at the faulted buses, written out per fault type.
struct Expected {
    std::vector<Complex> faultCurrent, voltage;
};

Expected expected(const Network& net) {
    const Matrix z1 = impedanceMatrix(net.buses, net.positive);
    const Matrix z0 = impedanceMatrix(net.buses, net.zero);
    const std::size_t nf = net.faults.size();
    // Unknowns per fault: I1, I2, I0. Rows per fault: three-phase V1 = 0, V2 = 0, I0 = 0;
    // line to ground I1 = I0, I2 = I0, V0 + V1 + V2 = 0.
    Matrix a(3 * nf, std::vector<Complex>(3 * nf)), b(3 * nf, std::vector<Complex>(1));
    for (std::size_t f = 0; f < nf; ++f) {
        const int k = net.faults[f].first - 1;
        const std::size_t i1 = 3 * f, i2 = 3 * f + 1, i0 = 3 * f + 2;
        if (net.faults[f].second == 3) {
            for (std::size_t g = 0; g < nf; ++g) {
                const int m = net.faults[g].first - 1;
                a[i1][3 * g] = z1[k][m];
                a[i2][3 * g + 1] = z1[k][m];
            }
            b[i1][0] = 1.0;
            a[i0][i0] = 1.0;
        } else {
            a[i1][i1] = 1.0;
            a[i1][i0] = -1.0;
            a[i2][i2] = 1.0;
            a[i2][i0] = -1.0;
            for (std::size_t g = 0; g < nf; ++g) {
                const int m = net.faults[g].first - 1;
                a[i0][3 * g] += z1[k][m];
                a[i0][3 * g + 1] += z1[k][m];
                a[i0][3 * g + 2] += z0[k][m];
            }
            b[i0][0] = 1.0;
        }
    }
    const Matrix x = solveDense(a, b);
    Expected e;
    for (std::size_t f = 0; f < nf; ++f)
        e.faultCurrent.push_back(x[3 * f][0] + x[3 * f + 1][0] + x[3 * f + 2][0]);
    for (int i = 0; i < net.buses; ++i) {
        Complex v = 1.0;
        for (std::size_t g = 0; g < nf; ++g) {
            const int m = net.faults[g].first - 1;
            v -= z1[i][m] * (x[3 * g][0] + x[3 * g + 1][0]) + z0[i][m] * x[3 * g + 2][0];
        }
        e.voltage.push_back(v);
    }
    return e;
}

// Phase-a current from each bus into the network around it, from the solver's own
// sequence voltages and branch currents; must be zero at every bus. The sources are
// 1.0 p.u. behind the positive-sequence impedances to ground.
void expectKirchhoff(const sc::ShortCircuitModule& m, const Network& net) {
    std::vector<Complex> sum(net.buses + 1);
    for (int i = 1; i <= net.buses; ++i) sum[i] = m.IA[i];
    for (int k = 1; k <= m.POS.count; ++k) {
        const Element& e = net.positive[k - 1];
        if (e.from == 0) {
            const Complex y = 1.0 / Complex(e.r, e.x);
            sum[e.to] += (m.V[sc::kPositive][e.to] - 1.0) * y + m.V[sc::kNegative][e.to] * y;
        } else {
            sum[e.from] += m.IBRANCH[k];
            sum[e.to] -= m.IBRANCH[k];
        }
    }
    for (const Element& e : net.zero)
        if (e.from == 0) sum[e.to] += m.V[sc::kZero][e.to] / Complex(e.r, e.x);
    for (int i = 1; i <= net.buses; ++i) EXPECT_LT(std::abs(sum[i]), 1.0E-9) << "bus " << i;
}

TEST(ShortCircuitDense, RandomNetworksMatchTheDenseInverseForOneAndTwoFaults) {
    std::mt19937 rng(20261211);
    for (int trial = 0; trial < 40; ++trial) {
        const int buses = 2 + trial % 6;
        const int faults = 1 + trial % 2;
        const Network net = randomNetwork(rng, buses, faults);
        ScopedWorkDir dir;
        writeFileText(tarvex::files::kShortCircuitInput, shortFile(net));
        sc::SHORTCKT();
        const sc::ShortCircuitModule& m = sc::shortCircuitModule();
        ASSERT_FALSE(m.status.failed()) << "trial " << trial << "\n" << shortFile(net);
        const Expected e = expected(net);
        for (std::size_t f = 0; f < net.faults.size(); ++f)
            EXPECT_LT(std::abs(m.IA[net.faults[f].first] - e.faultCurrent[f]), 1.0E-9)
                << "trial " << trial << " fault " << f;
        for (int i = 1; i <= buses; ++i)
            EXPECT_LT(std::abs(m.VA[i] - e.voltage[i - 1]), 1.0E-9)
                << "trial " << trial << " bus " << i;
        expectKirchhoff(m, net);
    }
}

TEST(ShortCircuitDense, APurelyResistiveNetworkIsSolvedToo) {
    // No reactance anywhere: the susceptance-first form meets a zero pivot and the run
    // refactors with conductance first.
    Network net;
    net.buses = 3;
    net.positive = {{0, 1, 0.1, 0.0}, {1, 2, 0.2, 0.0}, {2, 3, 0.3, 0.0}};
    net.zero = {{0, 1, 0.05, 0.0}, {1, 2, 0.6, 0.0}, {2, 3, 0.9, 0.0}};
    net.faults = {{3, 1}, {2, 3}};
    ScopedWorkDir dir;
    writeFileText(tarvex::files::kShortCircuitInput, shortFile(net));
    sc::SHORTCKT();
    const sc::ShortCircuitModule& m = sc::shortCircuitModule();
    ASSERT_FALSE(m.status.failed());
    const Expected e = expected(net);
    EXPECT_LT(std::abs(m.IA[3] - e.faultCurrent[0]), 1.0E-9);
    EXPECT_LT(std::abs(m.IA[2] - e.faultCurrent[1]), 1.0E-9);
    expectKirchhoff(m, net);
}

} // namespace
