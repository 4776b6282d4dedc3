#include "engine/core/ExchangeFiles.h"
#include "engine/estimation/LEcuyerGenerator.h"
#include "engine/estimation/Wls.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/estimation/WlsHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tarvex::test;
using tarvex::engine::estimationRandomGenerator;
using tarvex::engine::LEcuyerGenerator;

std::string threeBusCase() {
    return CaseBuilder()
        .bus({.number = 1, .type = 3, .voltage = 1.0})
        .bus({.number = 2})
        .bus({.number = 3})
        .branch({.from = 1, .to = 2, .r = 0.01, .x = 0.1})
        .branch({.from = 2, .to = 3, .r = 0.01, .x = 0.1})
        .text();
}

// A well-formed measure.dat for threeBusCase, to be spoiled by one edit per case.
const char* const kGoodMeasurements = "   3\n"
                                      "  1 1.0 0.004 0\n"
                                      "  2 0.99 0.004 0\n"
                                      "  3 0.98 0.004 0\n"
                                      "   0\n"
                                      "   0\n"
                                      "   2\n"
                                      "  1  2 0.3 0.008 0\n"
                                      "  2  3 0.2 0.008 0\n"
                                      "   0\n"
                                      "   0\n"
                                      "\n\n";

struct StatusCase {
    const char* name;
    std::string measurements;
    std::string parameters;
    int status;
    const char* logText;
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(WlsStatus, EveryMalformedInputHasItsStatusAndLogLine) {
    const std::string good = kGoodMeasurements;
    const std::string params = wlsParameters();
    const StatusCase cases[] = {
        {"non-numeric value", replaced(good, "0.99", "O.99"), params, 33, "NOT A NUMBER"},
        {"non-numeric bus", replaced(good, "  2  3 0.2", "  2  x 0.2"), params, 33, "NOT A NUMBER"},
        {"count above the records", replaced(good, "   2\n", "   3\n"), params, 34,
         "MORE RECORDS COUNTED"},
        {"count below the records", replaced(good, "   2\n", "   1\n"), params, 34,
         "MORE RECORDS THAN THE COUNT"},
        {"file ends inside a group", good.substr(0, good.find("  2  3")), params, 34,
         "FEWER RECORDS"},
        {"bus without a card", replaced(good, "  3 0.98", "  7 0.98"), params, 35, "NO BUS CARD"},
        {"flow without a branch", replaced(good, "  2  3 0.2", "  1  3 0.2"), params, 36,
         "NO BRANCH"},
        {"zero deviation", replaced(good, "0.99 0.004", "0.99 0"), params, 37,
         "STANDARD DEVIATION"},
        {"negative deviation", replaced(good, "0.3 0.008", "0.3 -0.008"), params, 37,
         "STANDARD DEVIATION"},
        {"settings unreadable", good, "    0  twenty 0.001\n", 38, "parameter.dat"},
        {"settings missing items", good, "    0\n", 38, "parameter.dat"},
        {"angle seen by one flow of two", replaced(good, "   2\n  1  2 0.3 0.008 0\n", "   1\n"),
         params, 32, "UNOBSERVABLE"},
        {"no angle information",
         replaced(good, "   2\n  1  2 0.3 0.008 0\n  2  3 0.2 0.008 0\n", "   0\n"), params, 31,
         "PIVOT ROW  1 IS EMPTY"},
    };
    for (const StatusCase& c : cases) {
        ScopedWorkDir dir;
        writeFileText(tarvex::files::kCaseFile, threeBusCase());
        writeFileText(tarvex::files::kMeasurements, c.measurements);
        writeFileText(tarvex::files::kEstimatorParameters, c.parameters);
        tarvex::engine::WLSEST();
        EXPECT_EQ(statusOf("Zhat.dat"), c.status) << c.name;
        EXPECT_NE(readFileText("ERROR.LOG").find(c.logText), std::string::npos)
            << c.name << ": " << readFileText("ERROR.LOG");
    }
}

TEST(WlsStatus, UnreadableCaseFile) {
    ScopedWorkDir dir;
    writeFileText(tarvex::files::kCaseFile, "not a case\n");
    writeFileText(tarvex::files::kMeasurements, kGoodMeasurements);
    writeFileText(tarvex::files::kEstimatorParameters, wlsParameters());
    tarvex::engine::WLSEST();
    EXPECT_EQ(statusOf("Zhat.dat"), 39);
    EXPECT_FALSE(readFileText("ERROR.LOG").empty());
}

TEST(WlsStatus, MeasurementFileTheEditorWritesWithoutMetersIsRead) {
    ScopedWorkDir dir;
    writeFileText(tarvex::files::kCaseFile, threeBusCase());
    writeFileText(tarvex::files::kMeasurements,
                  readFileText(testDataPath("exchange/no_meters_measure.dat")));
    writeFileText(tarvex::files::kEstimatorParameters, wlsParameters());
    tarvex::engine::WLSEST();
    EXPECT_EQ(statusOf("Zhat.dat"), 31); // read fine, but nothing observes the states
}

// The noise is zero-mean Gaussian with the meter's deviation.
TEST(WlsNoise, GaussianDrawsHaveMeanZeroAndUnitSpread) {
    LEcuyerGenerator g;
    const int n = 20000;
    double sum = 0.0, squares = 0.0;
    int negative = 0;
    for (int k = 0; k < n; ++k) {
        const double x = g.gaussian();
        sum += x;
        squares += x * x;
        negative += x < 0.0;
    }
    const double mean = sum / n;
    EXPECT_NEAR(mean, 0.0, 0.03);
    EXPECT_NEAR(std::sqrt(squares / n - mean * mean), 1.0, 0.03);
    EXPECT_NEAR(negative, n / 2, n / 20);
}

TEST(WlsNoise, UniformsStayInsideTheOpenInterval) {
    LEcuyerGenerator g;
    for (int k = 0; k < 10000; ++k) {
        const float u = g.uniform();
        ASSERT_GT(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
}

// Each run continues the generator: two runs give different noisy values, and the
// first run after start-up (generator at its seeds) always gives the same ones.
TEST(WlsNoise, RunsContinueTheGeneratorAndTheFirstRunIsReproducible) {
    ScopedWorkDir dir;
    auto run = [] {
        writeFileText(tarvex::files::kCaseFile, threeBusCase());
        writeFileText(tarvex::files::kMeasurements, kGoodMeasurements);
        writeFileText(tarvex::files::kEstimatorParameters, wlsParameters(1));
        tarvex::engine::WLSEST();
        return readFileText("Zhat.dat");
    };
    estimationRandomGenerator().reset(); // as at start-up
    const std::string first = run();
    const std::string second = run();
    EXPECT_NE(first, second);
    estimationRandomGenerator().reset();
    EXPECT_EQ(run(), first);
    EXPECT_EQ(statusOf("Zhat.dat"), 0);
    // The measured column holds the noisy value: not the 0.30000 written.
    EXPECT_EQ(first.find("     0.30000"), std::string::npos) << first;
}

TEST(WlsNoise, NoNoiseKeepsTheMeasuredValues) {
    ScopedWorkDir dir;
    writeFileText(tarvex::files::kCaseFile, threeBusCase());
    writeFileText(tarvex::files::kMeasurements, kGoodMeasurements);
    writeFileText(tarvex::files::kEstimatorParameters, wlsParameters(0));
    tarvex::engine::WLSEST();
    EXPECT_NE(readFileText("Zhat.dat").find("    1    2     0.30000"), std::string::npos);
}

} // namespace
