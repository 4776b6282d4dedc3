#include "engine/placement/Kovral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// KOVRAL against an independent answer: every point of the integer box enumerated in the
// test, on random set covering, knapsack and general programs; and its input checks.
namespace tarvex::engine {
namespace {

struct Program {
    int m = 0;
    int n = 0;
    std::vector<double> a; // row-major here, passed column-major
    std::vector<int> kt;
    std::vector<double> b;
    std::vector<double> c;
    std::vector<double> u;
    bool maximize = false;
    bool bounds = false;
    double& at(int i, int j) { return a[static_cast<std::size_t>(i * n + j)]; }
    double at(int i, int j) const { return a[static_cast<std::size_t>(i * n + j)]; }
};

struct Answer {
    int status = 0;
    double z = 0.0;
    std::vector<double> x;
    int output[4] = {};
    std::string console;
};

std::vector<int> controls(const Program& p) {
    std::vector<int> in(21, 0);
    in[0] = p.m;
    in[1] = p.n;
    in[2] = p.m;
    in[3] = p.n;
    in[4] = p.maximize ? 1 : 0;
    in[5] = static_cast<int>(kovralWorkspace(p.m, p.n));
    in[6] = 1;
    in[7] = p.bounds ? 1 : 0;
    in[10] = 100000;
    return in;
}

Answer solve(const Program& p, std::vector<int> in, const char* outputFile = "") {
    std::vector<double> columnMajor(static_cast<std::size_t>(p.m * p.n));
    for (int i = 0; i < p.m; ++i)
        for (int j = 0; j < p.n; ++j)
            columnMajor[static_cast<std::size_t>(j * p.m + i)] = p.at(i, j);
    std::vector<double> u = p.u;
    u.resize(static_cast<std::size_t>(p.n), 1.0);
    std::vector<double> work(static_cast<std::size_t>(std::max<long>(in[5], 1)));
    Answer answer;
    answer.x.assign(static_cast<std::size_t>(p.n), -7.0);
    answer.z = -7.0;
    std::ostringstream console;
    KOVRAL(columnMajor.data(), p.kt.data(), p.b.data(), p.c.data(), u.data(), in.data(), "title",
           outputFile, "", answer.z, answer.x.data(), answer.output, work.data(), console);
    answer.status = answer.output[0];
    answer.console = console.str();
    return answer;
}

bool satisfies(const Program& p, const std::vector<double>& x) {
    for (int i = 0; i < p.m; ++i) {
        double lhs = 0.0;
        for (int j = 0; j < p.n; ++j) lhs += p.at(i, j) * x[static_cast<std::size_t>(j)];
        const double b = p.b[static_cast<std::size_t>(i)];
        const int t = p.kt[static_cast<std::size_t>(i)];
        if (t < 0 && lhs < b - 1e-9) return false;
        if (t > 0 && lhs > b + 1e-9) return false;
        if (t == 0 && std::fabs(lhs - b) > 1e-9) return false;
    }
    return true;
}

double objective(const Program& p, const std::vector<double>& x) {
    double z = 0.0;
    for (int j = 0; j < p.n; ++j)
        z += p.c[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)];
    return z;
}

// Every integer point of the box; false when none is feasible.
bool bruteForce(const Program& p, double& best) {
    std::vector<double> x(static_cast<std::size_t>(p.n), 0.0);
    bool found = false;
    while (true) {
        if (satisfies(p, x)) {
            const double z = objective(p, x);
            if (!found || (p.maximize ? z > best : z < best)) best = z;
            found = true;
        }
        int j = 0;
        for (; j < p.n; ++j) {
            const double top = p.bounds ? p.u[static_cast<std::size_t>(j)] : 1.0;
            if (x[static_cast<std::size_t>(j)] < top) {
                x[static_cast<std::size_t>(j)] += 1.0;
                break;
            }
            x[static_cast<std::size_t>(j)] = 0.0;
        }
        if (j == p.n) return found;
    }
}

Program setCovering(std::mt19937& rng) {
    Program p;
    p.m = std::uniform_int_distribution<int>(2, 7)(rng);
    p.n = std::uniform_int_distribution<int>(2, 10)(rng);
    p.a.assign(static_cast<std::size_t>(p.m * p.n), 0.0);
    std::bernoulli_distribution cover(0.35);
    for (int i = 0; i < p.m; ++i)
        for (int j = 0; j < p.n; ++j) p.at(i, j) = cover(rng) ? 1.0 : 0.0;
    p.kt.assign(static_cast<std::size_t>(p.m), -1);
    p.b.assign(static_cast<std::size_t>(p.m), 1.0);
    std::uniform_int_distribution<int> cost(1, 20);
    for (int j = 0; j < p.n; ++j) p.c.push_back(cost(rng));
    return p;
}

Program knapsack(std::mt19937& rng) {
    Program p;
    p.m = std::uniform_int_distribution<int>(1, 2)(rng);
    p.n = std::uniform_int_distribution<int>(2, 6)(rng);
    p.maximize = true;
    p.bounds = true;
    std::uniform_int_distribution<int> weight(1, 9);
    for (int i = 0; i < p.m * p.n; ++i) p.a.push_back(weight(rng));
    p.kt.assign(static_cast<std::size_t>(p.m), 1);
    for (int i = 0; i < p.m; ++i) p.b.push_back(std::uniform_int_distribution<int>(5, 25)(rng));
    for (int j = 0; j < p.n; ++j) {
        p.c.push_back(weight(rng));
        p.u.push_back(std::uniform_int_distribution<int>(1, 3)(rng));
    }
    return p;
}

Program general(std::mt19937& rng) {
    Program p;
    p.m = std::uniform_int_distribution<int>(1, 4)(rng);
    p.n = std::uniform_int_distribution<int>(1, 6)(rng);
    p.maximize = std::bernoulli_distribution(0.5)(rng);
    p.bounds = std::bernoulli_distribution(0.5)(rng);
    std::uniform_int_distribution<int> coefficient(-5, 5);
    for (int i = 0; i < p.m * p.n; ++i) p.a.push_back(coefficient(rng));
    for (int i = 0; i < p.m; ++i) {
        p.kt.push_back(std::uniform_int_distribution<int>(-1, 1)(rng));
        p.b.push_back(std::uniform_int_distribution<int>(-4, 6)(rng));
    }
    for (int j = 0; j < p.n; ++j) {
        p.c.push_back(coefficient(rng));
        p.u.push_back(p.bounds ? std::uniform_int_distribution<int>(0, 2)(rng) : 1.0);
    }
    return p;
}

void expectMatchesBruteForce(const Program& p, int rule, int trial) {
    SCOPED_TRACE("trial " + std::to_string(trial) + " rule " + std::to_string(rule));
    std::vector<int> in = controls(p);
    in[12] = rule;
    const Answer answer = solve(p, in);
    double best = 0.0;
    if (!bruteForce(p, best)) {
        EXPECT_EQ(answer.status, kKovralInfeasible);
        return;
    }
    ASSERT_EQ(answer.status, kKovralOptimal);
    EXPECT_TRUE(satisfies(p, answer.x));
    EXPECT_DOUBLE_EQ(objective(p, answer.x), best);
    EXPECT_DOUBLE_EQ(answer.z, best);
    for (int j = 0; j < p.n; ++j) {
        EXPECT_GE(answer.x[static_cast<std::size_t>(j)], 0.0);
        EXPECT_LE(answer.x[static_cast<std::size_t>(j)],
                  p.bounds ? p.u[static_cast<std::size_t>(j)] : 1.0);
    }
}

TEST(KovralBruteForce, RandomProgramsOfEachKindReachTheEnumeratedOptimum) {
    std::mt19937 rng(20261211);
    Program (*makers[])(std::mt19937&) = {setCovering, knapsack, general};
    int infeasible = 0;
    for (auto make : makers) {
        for (int trial = 0; trial < 60; ++trial) {
            const Program p = make(rng);
            double best = 0.0;
            if (!bruteForce(p, best)) ++infeasible;
            expectMatchesBruteForce(p, 0, trial);
            expectMatchesBruteForce(p, 1, trial);
        }
    }
    // The general programs include infeasible ones, so that answer is exercised too.
    EXPECT_GT(infeasible, 0);
}

TEST(KovralBruteForce, SetCoveringReturnsTheCheapestCover) {
    // Rows {1,2}, {2,3}, {1,3}: covers are any two columns or column 4 (covers all) alone.
    Program p;
    p.m = 3;
    p.n = 4;
    p.a = {1, 1, 0, 1, 0, 1, 1, 1, 1, 0, 1, 1};
    p.kt = {-1, -1, -1};
    p.b = {1, 1, 1};
    p.c = {3, 4, 5, 8};
    const Answer answer = solve(p, controls(p));
    ASSERT_EQ(answer.status, kKovralOptimal);
    EXPECT_DOUBLE_EQ(answer.z, 7.0); // columns 1 and 2 (3 + 4) beat column 4 (8)
    EXPECT_EQ(answer.x, (std::vector<double>{1, 1, 0, 0}));
}

TEST(KovralEdgeCases, FeasibleZeroPointSolvesInOneIteration) {
    Program p;
    p.m = 1;
    p.n = 3;
    p.a = {1, 2, 3};
    p.kt = {1};
    p.b = {4};
    p.c = {1, 2, 0};
    const Answer answer = solve(p, controls(p));
    EXPECT_EQ(answer.status, kKovralOptimal);
    EXPECT_EQ(answer.output[1], 1);
    EXPECT_EQ(answer.output[2], 1);
    EXPECT_EQ(answer.x, (std::vector<double>{0, 0, 0}));
}

TEST(KovralEdgeCases, IterationLimitKeepsTheBestIncumbentAndZeroMeansFiveThousand) {
    std::mt19937 rng(7);
    Program p = setCovering(rng);
    p.m = 6;
    p.n = 10;
    p.a.assign(60, 0.0);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 10; ++j) p.at(i, j) = (i + j) % 3 == 0 ? 1.0 : 0.0;
    p.kt.assign(6, -1);
    p.b.assign(6, 1.0);
    p.c = {5, 4, 3, 6, 2, 7, 9, 1, 8, 3};
    std::vector<int> in = controls(p);
    in[10] = 3;
    const Answer limited = solve(p, in);
    EXPECT_EQ(limited.status, kKovralIterationLimit);
    EXPECT_EQ(limited.output[1], 3);
    in[10] = 0;
    const Answer full = solve(p, in);
    EXPECT_EQ(full.status, kKovralOptimal);
    EXPECT_LE(full.output[1], kKovralDefaultIterationLimit);
    double best = 0.0;
    ASSERT_TRUE(bruteForce(p, best));
    EXPECT_DOUBLE_EQ(full.z, best);
}

Program smallProgram() {
    Program p;
    p.m = 2;
    p.n = 2;
    p.a = {1, 1, 1, -1};
    p.kt = {-1, 1};
    p.b = {1, 0};
    p.c = {2, 3};
    return p;
}

TEST(KovralInputChecks, IllegalRowTypeListsKtAndLeavesTheAnswerAlone) {
    Program p = smallProgram();
    p.kt = {-1, 2};
    const Answer answer = solve(p, controls(p));
    EXPECT_EQ(answer.status, kKovralDataError);
    EXPECT_NE(answer.console.find("*** ERROR, ILLEGAL VALUES IN KT.  KT CONTAINS\n"
                                  "          -1           2\n"),
              std::string::npos)
        << answer.console;
    EXPECT_EQ(answer.x, (std::vector<double>{-7, -7}));
    EXPECT_EQ(answer.z, -7.0);
}

TEST(KovralInputChecks, EachInconsistentControlHasItsLine) {
    struct Case {
        int index; // 0-based into INPUT
        int value;
        const char* line;
    };
    const long minimum = kovralWorkspace(2, 2);
    char small[64];
    std::snprintf(small, sizeof small, " MUST BE AT LEAST%8ld", minimum);
    const Case cases[] = {
        {2, 0, "INPUT(3) NON-POSITIVE OR EXCEEDS INPUT(1)"},
        {2, 3, "INPUT(3) NON-POSITIVE OR EXCEEDS INPUT(1)"},
        {3, 3, "INPUT(4) NON-POISTIVE OR EXCEEDS INPUT(2)"},
        {5, static_cast<int>(minimum - 1), small},
        {4, 2, "INPUT( 5) NOT 0 OR 1"},
        {14, 5, "INPUT(15) NOT 0 OR 1"},
        {15, 3, "INPUT(16) NOT 0, 1, OR 2"},
        {19, -1, "INPUT(20) NOT 0, 1, OR 2"},
    };
    for (const Case& c : cases) {
        const Program p = smallProgram();
        std::vector<int> in = controls(p);
        in[static_cast<std::size_t>(c.index)] = c.value;
        const Answer answer = solve(p, in);
        EXPECT_EQ(answer.status, kKovralDataError) << c.line;
        EXPECT_NE(answer.console.find("*** ERROR, INCONSISTENT DATA IN INPUT."), std::string::npos);
        EXPECT_NE(answer.console.find(std::string(c.line) + "\n"), std::string::npos)
            << c.line << "\n"
            << answer.console;
    }
}

TEST(KovralReports, WidthIsClampedAndFiledOutputGoesToTheFile) {
    const Program p = smallProgram();
    std::vector<int> in = controls(p);
    in[14] = 1; // parameters
    in[18] = 2; // solution report with summary
    in[20] = 40;
    const Answer narrow = solve(p, in);
    EXPECT_NE(narrow.console.find("  72   MAXIMUM OUTPUT COLUMN WIDTH"), std::string::npos)
        << narrow.console;
    EXPECT_NE(narrow.console.find("SOLUTION IS OPTIMAL"), std::string::npos);
    EXPECT_NE(narrow.console.find("NUMBER OF TIMES FATHOMED BY AN INFEASIBLE CONSTRAINT"),
              std::string::npos);
    in[20] = 200;
    EXPECT_NE(solve(p, in).console.find(" 132   MAXIMUM OUTPUT COLUMN WIDTH"), std::string::npos);

    const auto dir = std::filesystem::temp_directory_path() / "tarvex_kovral_report";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "solution.txt").string();
    in[19] = 2;
    const Answer filed = solve(p, in, name.c_str());
    EXPECT_EQ(filed.status, kKovralOptimal);
    EXPECT_EQ(filed.console, "");
    std::ifstream file(name);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("S O L U T I O N    R E P O R T"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tarvex::engine
