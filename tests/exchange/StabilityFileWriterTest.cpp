#include "exchange/StabilityFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::testDataPath;

CGenerator& addGenerator(CSkemtorDoc& doc, int bus, int model) {
    auto g = std::make_unique<CGenerator>(0, 0, 0, bus);
    g->m_model = model;
    CGenerator& ref = *g;
    doc.AddGenerator(std::move(g));
    return ref;
}

// A classical generator, a two-axis one with the default exciter (KA 20 shows as
// "  20.0000", VRMIN -7.3 as "  -7.3000"), and a generator with a model the program
// has no layout for, which is counted but writes no record.
TEST(StabilityFileWriterTest, DynamicDataOfMixedGenerators) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_mvaBase = 100.0;
    CGenerator& classical = addGenerator(doc, 1, CGenerator::kClassical);
    classical.m_h = 23.64;
    classical.m_xdPrime = 0.0608;
    CGenerator& twoAxis = addGenerator(doc, 12, CGenerator::kTwoAxis);
    twoAxis.m_h = 6.4;
    twoAxis.m_damping = 0.0;
    twoAxis.m_xd = 0.8958;
    twoAxis.m_xdPrime = 0.1198;
    twoAxis.m_tdoPrime = 6.0;
    twoAxis.m_xq = 0.8645;
    twoAxis.m_xqPrime = 0.1969;
    twoAxis.m_tqoPrime = 0.535;
    addGenerator(doc, 7, 3);
    ASSERT_TRUE(CStabilityFileWriter::WriteDynamicData(doc, app, "dyinput.dat"));
    EXPECT_EQ(readFileText("dyinput.dat"),
              readFileText(testDataPath("exchange/dyinput_mixed.dat")));
}

TEST(StabilityFileWriterTest, DynamicDataWithoutGenerators) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    app.m_mvaBase = 50.0;
    ASSERT_TRUE(CStabilityFileWriter::WriteDynamicData(doc, app, "dyinput.dat"));
    EXPECT_EQ(readFileText("dyinput.dat"),
              readFileText(testDataPath("exchange/dyinput_empty.dat")));
}

struct ParameterCase {
    const char* name;
    int plotCount;
    const char* golden;
};

class StabilityParametersTest : public ::testing::TestWithParam<ParameterCase> {};

// The settings of a line fault with two plotted buses, and an empty plot list that
// still writes "BUS TO PLOT 0" and the end line.
TEST_P(StabilityParametersTest, WritesSettingsAndPlotList) {
    ScopedWorkDir dir;
    CSkemtorApp app;
    app.m_tsTolerance = 0.0001;
    app.m_timeStep = 0.01;
    app.m_simTime = 2.0;
    app.m_faultKind = 1;
    app.m_faultStartTime = 0.1;
    app.m_faultClearTime = 0.183;
    app.m_faultBus1 = 7;
    app.m_faultBus2 = 5;
    app.m_plotVariables[0] = "Bus 1";
    app.m_plotVariables[1] = "Bus 12";
    app.m_plotVariables[2] = "Bus 3"; // beyond the count: not written
    app.m_plotVariableCount = GetParam().plotCount;
    ASSERT_TRUE(CStabilityFileWriter::WriteStabilityParameters(app, "TSparameter.dat"));
    EXPECT_EQ(readFileText("TSparameter.dat"), readFileText(testDataPath(GetParam().golden)));
}

INSTANTIATE_TEST_SUITE_P(
    PlotLists, StabilityParametersTest,
    ::testing::Values(ParameterCase{"TwoBuses", 2, "exchange/tsparameter_two.dat"},
                      ParameterCase{"Empty", 0, "exchange/tsparameter_empty.dat"}),
    [](const ::testing::TestParamInfo<ParameterCase>& p) { return p.param.name; });

TEST(StabilityFileWriterTest, UnwritableFileIsReported) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    EXPECT_FALSE(CStabilityFileWriter::WriteDynamicData(doc, app, "missing/dyinput.dat"));
    EXPECT_FALSE(CStabilityFileWriter::WriteStabilityParameters(app, "missing/TSparameter.dat"));
}

} // namespace
