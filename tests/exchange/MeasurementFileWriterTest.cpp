#include "exchange/MeasurementFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

namespace {

using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::testDataPath;

// Meters covering every section: an injection meter with only its real part on, a flow
// meter with only its real part on, a flow meter whose pair has an open breaker (left
// out) next to a current meter on the same pair (kept), a closed breaker that changes
// nothing, and bus numbers above 99 that run into the neighbouring field.
class MeasurementFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.AddVoltage(std::make_unique<CVoltage>(0, 0, 0, 1, 1.06, 0.004));

        doc.AddPowerInjection(std::make_unique<CPowerInjection>(0, 0, 0, 2, -0.217, -0.127, 0.01));
        auto realOnly = std::make_unique<CPowerInjection>(0, 0, 0, 3, 0.5, 0.3, 0.02);
        realOnly->m_qEnabled = 0;
        doc.AddPowerInjection(std::move(realOnly));

        auto flowRealOnly = std::make_unique<CPowerFlow>(0, 0, 1, 2, 1.5689, -0.204, 0.008);
        flowRealOnly->m_qEnabled = 0;
        doc.AddPowerFlow(std::move(flowRealOnly));
        doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 2, 3, 0.7323, 0.0356, 0.008));
        doc.AddPowerFlow(std::make_unique<CPowerFlow>(0, 0, 3, 1, 0.4, 0.1, 0.008)); // breaker open
        auto wide = std::make_unique<CPowerFlow>(0, 0, 12, 105, 0.1, 0.2, 0.008);
        wide->m_qEnabled = 0;
        doc.AddPowerFlow(std::move(wide));

        doc.AddCurrent(std::make_unique<CCurrent>(0, 0, 3, 1, 0.5, 0.01));

        auto open = std::make_unique<CCircuitBreaker>(0, 0, 1, 3);
        open->m_closed = 0;
        doc.AddBreaker(std::move(open));
        doc.AddBreaker(std::make_unique<CCircuitBreaker>(0, 0, 2, 3)); // closed
    }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
};

TEST_F(MeasurementFileWriterTest, WritesEverySectionWithCountsMatchingTheRecords) {
    ASSERT_TRUE(CMeasurementFileWriter::WriteMeasurementFile(doc, "measure.dat"));
    EXPECT_EQ(readFileText("measure.dat"),
              readFileText(testDataPath("exchange/meters_measure.dat")));
}

TEST_F(MeasurementFileWriterTest, ReplacesAnOlderFileUnderAnyName) {
    tarvex::test::writeFileText("chosen.dat", std::string(5000, 'x'));
    ASSERT_TRUE(CMeasurementFileWriter::WriteMeasurementFile(doc, "chosen.dat"));
    EXPECT_EQ(readFileText("chosen.dat"),
              readFileText(testDataPath("exchange/meters_measure.dat")));
}

TEST(MeasurementFileWriter, NoMetersGivesSixZeroCountsAndTwoEmptyLines) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    ASSERT_TRUE(CMeasurementFileWriter::WriteMeasurementFile(doc, "measure.dat"));
    EXPECT_EQ(readFileText("measure.dat"),
              readFileText(testDataPath("exchange/no_meters_measure.dat")));
}

TEST(MeasurementFileWriter, EstimatorParameters) {
    ScopedWorkDir dir;
    CSkemtorApp app;
    ASSERT_TRUE(CMeasurementFileWriter::WriteEstimatorParameters(app, "parameter.dat"));
    EXPECT_EQ(readFileText("parameter.dat"),
              readFileText(testDataPath("exchange/default_parameter.dat")));

    app.m_noise = 1;
    app.m_maxIterations = 7;
    app.m_tolerance = 0.00001;
    ASSERT_TRUE(CMeasurementFileWriter::WriteEstimatorParameters(app, "parameter.dat"));
    EXPECT_EQ(readFileText("parameter.dat"),
              readFileText(testDataPath("exchange/noise_parameter.dat")));
}

TEST(MeasurementFileWriter, ReportsAFileThatCannotBeCreated) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    EXPECT_FALSE(CMeasurementFileWriter::WriteMeasurementFile(doc, "no-such-dir/measure.dat"));
    EXPECT_FALSE(CMeasurementFileWriter::WriteEstimatorParameters(app, "no-such-dir/p.dat"));
}

} // namespace
