#include "model/Current.h"
#include "model/PowerFlow.h"
#include "model/PowerInjection.h"
#include "model/SkemtorApp.h"
#include "model/Voltage.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

using tarvex::test::RecordingSurface;
using Mode = CSkemtorApp::Mode;

namespace {

constexpr int kRedundant = 0, kCritical = 1, kLargest = 2, kBad = 3;

CSkemtorApp estimationApp(int seDisplay, int resultState = CSkemtorApp::kWlsResults) {
    CSkemtorApp app;
    app.m_mode = Mode::StateEstimation;
    app.m_resultState = resultState;
    app.m_seDisplay = seDisplay;
    return app;
}

// A flow meter at (300, -200): rectangle 297..303, -203..-197; labels at x 304, the real
// part at y -173 and the reactive part at y -188.
CPowerFlow flowMeter() {
    return CPowerFlow(300, -200, 3, 5, 0.5, 0.1, 0.001);
}

TEST(MeterDrawTest, EstimateLabelsRedOnlyForBadDataParts) {
    struct Case {
        const char* what;
        bool pValid, qValid;
        int pClass, qClass;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"both parts",
         true,
         true,
         kLargest,
         kCritical,
         {"text 304,-173 left 0,0,0 label [0.457P]", "text 304,-188 left 0,0,0 label [-0.123Q]"}},
        // A LAV run that flagged only the reactive part.
        {"reactive flagged",
         true,
         true,
         kRedundant,
         kBad,
         {"text 304,-173 left 0,0,0 label [0.457P]", "text 304,-188 left 255,0,0 label [-0.123Q]"}},
        {"real flagged",
         true,
         true,
         kBad,
         kRedundant,
         {"text 304,-173 left 255,0,0 label [0.457P]", "text 304,-188 left 0,0,0 label [-0.123Q]"}},
        {"reactive only",
         false,
         true,
         kRedundant,
         kRedundant,
         {"text 304,-188 left 0,0,0 label [-0.123Q]"}},
        {"no results", false, false, kRedundant, kRedundant, {}},
    };
    const CSkemtorApp app = estimationApp(0, CSkemtorApp::kLavResults);
    for (const Case& c : cases) {
        CPowerFlow meter = flowMeter();
        meter.SetRealEstimate(0.45, 0.4567, c.pValid);
        meter.SetReactiveEstimate(-0.12, -0.1234, c.qValid);
        meter.m_pClass = c.pClass;
        meter.m_qClass = c.qClass;
        RecordingSurface surface;
        meter.DrawLabels(surface, app);
        EXPECT_EQ(surface.Calls("text"), c.texts) << c.what << "\n" << surface.Joined();
        if (!c.texts.empty()) {
            EXPECT_EQ(surface.calls.back(), "font default") << c.what;
        }
    }
}

TEST(MeterDrawTest, ResidualLabelsRedForLargestBlueForCritical) {
    struct Case {
        int residualClass;
        const char* color;
    };
    const Case cases[] = {
        {kLargest, "255,0,0"}, {kCritical, "0,0,255"}, {kRedundant, "0,0,0"}, {kBad, "0,0,0"}};
    const CSkemtorApp app = estimationApp(2);
    for (const Case& c : cases) {
        CPowerInjection injection(200, -100, 0, 4, 0, 0, 0.001); // 180..200, -105..-95
        injection.SetRealResidual(3.21456, c.residualClass, 1, 0);
        injection.SetReactiveResidual(-0.5, c.residualClass, 1, 1);
        CVoltage voltage(200, -100, 90, 4, 1.0, 0.001); // 195..205, -120..-100
        voltage.SetResidualResult(2.5, c.residualClass, 1, 0);
        CCurrent current(300, -200, 3, 5, 0.2, 0.001);
        current.SetResidualResult(-1.75, c.residualClass, 1, 2);

        RecordingSurface surface;
        injection.DrawLabels(surface, app);
        voltage.DrawLabels(surface, app);
        current.DrawLabels(surface, app);
        const std::string color = c.color;
        EXPECT_EQ(surface.Calls("text"),
                  (std::vector<std::string>{"text 201,-75 left " + color + " label [3.215P]",
                                            "text 201,-90 left " + color + " label [-0.500Q]",
                                            "text 206,-90 left " + color + " label [2.500]",
                                            "text 304,-173 left " + color + " label [-1.750]"}))
            << "class " << c.residualClass;
    }
}

TEST(MeterDrawTest, NoLabelsOutsideStateEstimationOrForVoltageEstimates) {
    const CSkemtorApp voltageEstimates = estimationApp(1);
    CSkemtorApp powerFlow = estimationApp(0);
    powerFlow.m_mode = Mode::PowerFlow;
    for (const CSkemtorApp* app :
         {&voltageEstimates, static_cast<const CSkemtorApp*>(&powerFlow)}) {
        CPowerFlow meter = flowMeter();
        meter.SetRealEstimate(0.45, 0.46, 1);
        meter.SetReactiveEstimate(0.1, 0.11, 1);
        CVoltage voltage(200, -100, 0, 4, 1.0, 0.001);
        voltage.SetEstimateResult(1.0, 1.01, 1);
        RecordingSurface surface;
        meter.DrawLabels(surface, *app);
        voltage.DrawLabels(surface, *app);
        EXPECT_TRUE(surface.calls.empty()) << surface.Joined();
    }
}

TEST(MeterDrawTest, EstimateStatusTexts) {
    const CSkemtorApp base = estimationApp(0);
    {
        CSkemtorApp app = base;
        CPowerFlow meter = flowMeter();
        meter.SetRealEstimate(0.45, 0.456789, 1);
        meter.SetReactiveEstimate(-0.12, -0.123456, 1);
        meter.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "Z Estimates:       PMeas.: 0.45000  PEstim.: 0.45679      "
                                    "QMeas.: -0.12000  QEstim.: -0.12346");
    }
    {
        CSkemtorApp app = base;
        CPowerInjection meter(200, -100, 0, 4, 0, 0, 0.001);
        meter.SetReactiveEstimate(-0.12, -0.123456, 1);
        meter.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "Z Estimates:       QMeas.: -0.12000  QEstim.: -0.12346");
    }
    {
        CSkemtorApp app = base;
        CCurrent meter(300, -200, 3, 5, 0.2, 0.001);
        meter.SetEstimateResult(0.2, 0.21, 1);
        meter.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "Z Estimates:       PMeas.: 0.20000  PEstim.: 0.21000      ");
    }
    {
        CSkemtorApp app = base;
        CVoltage meter(200, -100, 0, 4, 1.0, 0.001);
        meter.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "Z Estimates:       ");
    }
}

TEST(MeterDrawTest, ResidualStatusTextsWithRankEndingsAndBlanks) {
    struct Case {
        int residualClass;
        int position; // 1-based, as stored
        std::string flowReal;
        std::string otherReal;
    };
    const Case cases[] = {
        {kLargest, 1, "Real: 3.21457 (1st Largest)    ", "Real: 3.21457 (1st Largest)     "},
        {kLargest, 2, "Real: 3.21457 (2nd Largest)    ", "Real: 3.21457 (2nd Largest)     "},
        {kLargest, 3, "Real: 3.21457 (3rd Largest)    ", "Real: 3.21457 (3rd Largest)     "},
        {kLargest, 4, "Real: 3.21457 (4th Largest)    ", "Real: 3.21457 (4th Largest)     "},
        {kLargest, 12, "Real: 3.21457 (12th Largest)    ", "Real: 3.21457 (12th Largest)     "},
        {kCritical, 1, "Real: 3.21457 (Critical)     ", "Real: 3.21457 (Critical)     "},
        {kRedundant, 1, "Real: 3.21457 (Redundant)     ", "Real: 3.21457 (Redundant)     "},
        {kBad, 1, "", ""},
    };
    for (const Case& c : cases) {
        const std::string reactive =
            c.residualClass == kBad ? "" : "Reactive: -0.50000 (Redundant)     ";
        CSkemtorApp app = estimationApp(2);
        CPowerFlow flow = flowMeter();
        flow.SetRealResidual(3.214567, c.residualClass, 1, c.position - 1);
        flow.SetReactiveResidual(-0.5, c.residualClass == kBad ? kBad : kRedundant, 1, 0);
        flow.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "NR:       " + c.flowReal + reactive) << c.position;

        CPowerInjection injection(200, -100, 0, 4, 0, 0, 0.001);
        injection.SetRealResidual(3.214567, c.residualClass, 1, c.position - 1);
        injection.SetReactiveResidual(-0.5, c.residualClass == kBad ? kBad : kRedundant, 1, 0);
        injection.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "NR:       " + c.otherReal + reactive) << c.position;

        CVoltage voltage(200, -100, 0, 4, 1.0, 0.001);
        voltage.SetResidualResult(3.214567, c.residualClass, 1, c.position - 1);
        voltage.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "NR:       " + c.otherReal) << c.position;

        CCurrent current(300, -200, 3, 5, 0.2, 0.001);
        current.SetResidualResult(3.214567, c.residualClass, 1, c.position - 1);
        current.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "NR:       " + c.otherReal) << c.position;
    }

    // A reactive part among the largest: ordinal and five blanks on every meter.
    CSkemtorApp app = estimationApp(2);
    CPowerFlow flow = flowMeter();
    flow.SetReactiveResidual(2.0, kLargest, 1, 1);
    flow.FormatStatus(app);
    EXPECT_EQ(app.m_statusText, "NR:       Reactive: 2.00000 (2nd Largest)     ");
}

TEST(MeterDrawTest, StatusTextKeptWithoutResultsAndClearedOutsideEstimation) {
    // Result state 0 or 1: the meter leaves the status bar as it was.
    for (int state : {0, 1}) {
        CSkemtorApp app = estimationApp(0, state);
        app.m_statusText = "previous";
        CPowerFlow meter = flowMeter();
        meter.SetRealEstimate(0.45, 0.46, 1);
        meter.FormatStatus(app);
        CVoltage voltage(200, -100, 0, 4, 1.0, 0.001);
        voltage.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "previous") << state;
    }
    // Results of another analysis in another mode: emptied, nothing written.
    CSkemtorApp app = estimationApp(0, CSkemtorApp::kPowerFlowResults);
    app.m_mode = Mode::PowerFlow;
    app.m_statusText = "previous";
    CCurrent current(300, -200, 3, 5, 0.2, 0.001);
    current.SetEstimateResult(0.2, 0.21, 1);
    current.FormatStatus(app);
    EXPECT_EQ(app.m_statusText, "");
    // Voltage estimates display: emptied, meters have nothing to add.
    CSkemtorApp voltages = estimationApp(1);
    voltages.m_statusText = "previous";
    current.FormatStatus(voltages);
    EXPECT_EQ(voltages.m_statusText, "");
}

} // namespace
