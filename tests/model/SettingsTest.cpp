// The settings file tvx.ini: 21 values, one per line, read with scanf-like conversions
// (reals in single precision) and written with fixed printf formats.
#include "model/Settings.h"
#include "model/SkemtorApp.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

namespace {

// What a C program writes with `format` for `value`: the independent reference for the
// settings writer, which does not use printf.
template <class T> std::string printed(const char* format, T value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A value read as single precision and widened, as every real of the file is.
double single(double value) {
    return static_cast<double>(static_cast<float>(value));
}

class SettingsTest : public ::testing::Test {
protected:
    ScopedWorkDir m_dir;
    CSkemtorApp m_app;
};

} // namespace

TEST_F(SettingsTest, InitialValuesAreWrittenLineByLine) {
    ASSERT_FALSE(CSettings::SaveSettings(m_app));
    const std::string expected = "0.001 \n0.001 \n0.001 \n0.001 \n"                   // deviations
                                 "0.00000 \n0.00000 \n0.00000 \n0.00000 \n0.00000 \n" // R X G B tap
                                 "0 \n3 \n1.96000 \n0 \n20 \n0.001 \n" // limit .. tolerance
                                 "0 \n0 \n0 \n0 \n0 \n"                // transient times
                                 "1 \n";                               // result-file switch
    EXPECT_EQ(readFileText("tvx.ini"), expected);
}

// Every line carries its own setting in its own format: a value distinct per line shows
// a swapped line or a wrong conversion.
TEST_F(SettingsTest, EveryLineHoldsItsSettingInItsFormat) {
    m_app.m_sdCurrent = 0.0125;
    m_app.m_sdPowerFlow = 2e-5;
    m_app.m_sdPowerInjection = 0.5;
    m_app.m_sdVoltage = 123456789.0;
    m_app.m_defaultR = 0.012345678;
    m_app.m_defaultX = 0.1;
    m_app.m_defaultG = -0.25;
    m_app.m_defaultB = 1.5;
    m_app.m_defaultTap = 0.975;
    m_app.m_defaultMvaLimit = 250;
    m_app.m_residualCount = 7;
    m_app.m_residualThreshold = 2.5;
    m_app.m_noise = 1;
    m_app.m_maxIterations = 35;
    m_app.m_tolerance = 1e-4;
    m_app.m_faultClearTime = 0.25;
    m_app.m_faultStartTime = 0.1;
    m_app.m_simTime = 3.0;
    m_app.m_timeStep = 0.01;
    m_app.m_tsTolerance = 1e-6;
    m_app.m_resultFileSwitch = 4817;
    ASSERT_FALSE(CSettings::SaveSettings(m_app));

    std::string expected;
    for (double v : {0.0125, 2e-5, 0.5, 123456789.0}) expected += printed("%g \n", v);
    for (double v : {0.012345678, 0.1, -0.25, 1.5, 0.975}) expected += printed("%.5f \n", v);
    expected += "250 \n7 \n" + printed("%.5f \n", 2.5) + "1 \n35 \n" + printed("%g \n", 1e-4);
    for (double v : {0.25, 0.1, 3.0, 0.01, 1e-6}) expected += printed("%g \n", v);
    expected += "4817 \n";
    EXPECT_EQ(readFileText("tvx.ini"), expected);

    // Read back into a fresh application, each value lands in its own setting.
    CSkemtorApp read;
    ASSERT_FALSE(CSettings::LoadSettings(read));
    EXPECT_EQ(read.m_sdCurrent, single(0.0125));
    EXPECT_EQ(read.m_sdPowerFlow, single(2e-5));
    EXPECT_EQ(read.m_sdPowerInjection, 0.5);
    EXPECT_EQ(read.m_sdVoltage, single(123457000.0)); // %g keeps six digits
    EXPECT_EQ(read.m_defaultR, single(0.01235));
    EXPECT_EQ(read.m_defaultG, -0.25);
    EXPECT_EQ(read.m_defaultTap, single(0.975));
    EXPECT_EQ(read.m_defaultMvaLimit, 250);
    EXPECT_EQ(read.m_residualCount, 7);
    EXPECT_EQ(read.m_residualThreshold, 2.5);
    EXPECT_EQ(read.m_noise, 1);
    EXPECT_EQ(read.m_maxIterations, 35);
    EXPECT_EQ(read.m_tolerance, single(1e-4));
    EXPECT_EQ(read.m_faultClearTime, 0.25);
    EXPECT_EQ(read.m_faultStartTime, single(0.1));
    EXPECT_EQ(read.m_simTime, 3.0);
    EXPECT_EQ(read.m_timeStep, single(0.01));
    EXPECT_EQ(read.m_tsTolerance, single(1e-6));
    EXPECT_EQ(read.m_resultFileSwitch, 4817);
}

TEST_F(SettingsTest, RealsAreReadInSinglePrecision) {
    writeFileText("tvx.ini", "0.1 \n0.2 \n0.3 \n0.001 \n");
    ASSERT_FALSE(CSettings::LoadSettings(m_app));
    EXPECT_EQ(m_app.m_sdCurrent, static_cast<double>(0.1f));
    EXPECT_NE(m_app.m_sdCurrent, 0.1);
    EXPECT_EQ(m_app.m_sdVoltage, static_cast<double>(0.001f));
}

TEST_F(SettingsTest, MissingFileKeepsEveryInitialValue) {
    m_app.m_faultBus1 = 4;
    m_app.m_faultBus2 = 5;
    m_app.m_faultKind = 1;
    const auto message = CSettings::LoadSettings(m_app);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Error opening tvx.ini");
    EXPECT_EQ(m_app.m_faultBus1, 4);
    EXPECT_EQ(m_app.m_faultBus2, 5);
    EXPECT_EQ(m_app.m_faultKind, 1);
    EXPECT_EQ(m_app.m_opfConstraints, 0);
    EXPECT_EQ(m_app.m_sdCurrent, 0.001);
    EXPECT_EQ(m_app.m_resultFileSwitch, 1);
}

TEST_F(SettingsTest, ShortFileSetsOnlyTheLinesItHas) {
    writeFileText("tvx.ini", "0.01 \n0.02 \n0.03 \n0.04 \n");
    m_app.m_faultBus1 = 4;
    m_app.m_faultKind = 1;
    ASSERT_FALSE(CSettings::LoadSettings(m_app));
    EXPECT_EQ(m_app.m_sdCurrent, single(0.01));
    EXPECT_EQ(m_app.m_sdPowerFlow, single(0.02));
    EXPECT_EQ(m_app.m_sdPowerInjection, single(0.03));
    EXPECT_EQ(m_app.m_sdVoltage, single(0.04));
    const CSkemtorApp initial;
    EXPECT_EQ(m_app.m_defaultR, initial.m_defaultR);
    EXPECT_EQ(m_app.m_defaultMvaLimit, initial.m_defaultMvaLimit);
    EXPECT_EQ(m_app.m_residualCount, initial.m_residualCount);
    EXPECT_EQ(m_app.m_residualThreshold, initial.m_residualThreshold);
    EXPECT_EQ(m_app.m_maxIterations, initial.m_maxIterations);
    EXPECT_EQ(m_app.m_resultFileSwitch, initial.m_resultFileSwitch);
    // A file that could be read sets the values the file does not hold.
    EXPECT_EQ(m_app.m_faultBus1, 1);
    EXPECT_EQ(m_app.m_faultBus2, 2);
    EXPECT_EQ(m_app.m_faultKind, 0);
    EXPECT_EQ(m_app.m_opfConstraints, 1);
}

// A real value that runs into the end of the file is not taken; an integer is.
TEST_F(SettingsTest, ValueAtTheVeryEndOfTheFile) {
    writeFileText("tvx.ini", "0.01 \n0.02");
    ASSERT_FALSE(CSettings::LoadSettings(m_app));
    EXPECT_EQ(m_app.m_sdCurrent, single(0.01));
    EXPECT_EQ(m_app.m_sdPowerFlow, 0.001);

    std::string upToLimit = "1 \n1 \n1 \n1 \n0 \n0 \n0 \n0 \n0 \n";
    writeFileText("tvx.ini", upToLimit + "80");
    ASSERT_FALSE(CSettings::LoadSettings(m_app));
    EXPECT_EQ(m_app.m_defaultMvaLimit, 80);
}

// A damaged line ends the reading there; what came before is kept, the rest untouched.
TEST_F(SettingsTest, DamagedLineEndsTheReading) {
    writeFileText("tvx.ini", "0.01 \n0.02 \nabc \n0.04 \n");
    ASSERT_FALSE(CSettings::LoadSettings(m_app));
    EXPECT_EQ(m_app.m_sdPowerFlow, single(0.02));
    EXPECT_EQ(m_app.m_sdPowerInjection, 0.001);
    EXPECT_EQ(m_app.m_sdVoltage, 0.001);
    EXPECT_EQ(m_app.m_opfConstraints, 1);
}

TEST_F(SettingsTest, SaveFailureKeepsTheValuesAndReportsIt) {
    fs::create_directory("tvx.ini"); // a folder where the file should be
    m_app.m_sdVoltage = 0.5;
    const auto message = CSettings::SaveSettings(m_app);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Error opening tvx.ini");
    EXPECT_EQ(m_app.m_sdVoltage, 0.5);
    EXPECT_TRUE(fs::is_directory("tvx.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
}
