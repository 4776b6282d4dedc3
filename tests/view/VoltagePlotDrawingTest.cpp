#include "view/VoltagePlotDrawing.h"

#include "model/SkemtorApp.h"
#include "tests/support/FileText.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using tarvex::test::RecordingSurface;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;
using Calls = std::vector<std::string>;

// A bus results row as the power flow writes it: bus, |V|, angle, generation MW and
// MVAr, net injections.
std::string busRow(int bus, const char* voltage) {
    char row[96];
    std::snprintf(row, sizeof row, "  %4d  %s  %7.2f  %10.5f  %10.5f  %10.5f  %10.5f\n", bus,
                  voltage, -1.5, 0.0, 0.0, -0.2, -0.1);
    return row;
}

// The calls from the first one equal to `first`, `count` of them.
Calls slice(const RecordingSurface& surface, const std::string& first, std::size_t count) {
    const auto begin = std::find(surface.calls.begin(), surface.calls.end(), first);
    if (begin == surface.calls.end()) return {};
    const auto available = static_cast<std::size_t>(surface.calls.end() - begin);
    return Calls(begin, begin + static_cast<std::ptrdiff_t>(std::min(count, available)));
}

std::size_t countOf(const RecordingSurface& surface, const std::string& call) {
    return static_cast<std::size_t>(std::count(surface.calls.begin(), surface.calls.end(), call));
}

// Each bar as "BRUSH | RECT | LABEL".
Calls bars(const RecordingSurface& surface) {
    Calls found;
    for (std::size_t i = 0; i < surface.calls.size(); ++i)
        if (surface.calls[i].rfind("rect ", 0) == 0) {
            const std::string& brush = i > 0 ? surface.calls[i - 1] : "";
            const std::string& label = i + 1 < surface.calls.size() ? surface.calls[i + 1] : "";
            found.push_back(brush + " | " + surface.calls[i] + " | " + label);
        }
    return found;
}

class VoltageProfileTest : public ::testing::Test {
protected:
    VoltageProfileTest() {
        app.m_resultState = CSkemtorApp::kPowerFlowResults;
        app.m_vMax = 1.05;
        app.m_vMin = 0.95;
    }

    // A pane of 370 x 530 pixels: 500 pixels of voltage scale (H - 30) and 300 of bus
    // scale (W - 70).
    RecordingSurface draw() {
        RecordingSurface surface;
        drawing.Draw(surface, app, 370, 530);
        return surface;
    }

    ScopedWorkDir dir;
    CSkemtorApp app;
    std::vector<int> reported;
    CVoltagePlotDrawing drawing{dir.path(), [this](int code) { reported.push_back(code); }};
};

TEST_F(VoltageProfileTest, HighBusRaisesTheTopButNotTheLimitLineAndABusAtVminIsWithin) {
    writeFileText("busotp.dat",
                  "     0\n" + busRow(1, "1.0700") + busRow(2, "1.0000") + busRow(3, "0.9500"));
    app.m_powerFlowBusCount = 3;
    const RecordingSurface surface = draw();

    // top = 1.07: s = 1.07 / 500 = 0.00214 p.u. per pixel; u = 3 / 300 buses per pixel.
    // Vmax: 1.05 / s = 490.65 -> 490, y = 530 - 515 = 15.
    // Vmin: 0.95 / s = 443.93 -> 443, y = 530 - 468 = 62.
    EXPECT_EQ(slice(surface, "move 55,15", 2), (Calls{"move 55,15", "line 355,15"}))
        << surface.Joined();
    EXPECT_EQ(slice(surface, "move 55,62", 2), (Calls{"move 55,62", "line 355,62"}));
    EXPECT_EQ(slice(surface, "move 55,5", 2), (Calls{"move 55,5", "line 55,505"}));
    EXPECT_EQ(
        surface.Calls("text 1,"),
        (Calls{"text 1,440 left 0,0,0 default [Vmax:]", "text 1,460 left 0,0,0 default [1.050]",
               "text 1,480 left 0,0,0 default [Vmin:]", "text 1,500 left 0,0,0 default [0.950]"}));

    // Bars at x = b / u + 55; 1.07 reaches the top of the scale (500 -> y = 5), 1.00 is
    // 467.29 -> 467 (y = 38), 0.95 is 443 (y = 62).
    EXPECT_EQ(
        bars(surface),
        (Calls{"brush solid 255,0,0 | rect 153,505,157,5 | text 145,515 left 0,0,0 default [1]",
               "brush solid 0,0,255 | rect 253,505,257,38 | text 245,515 left 0,0,0 default [2]",
               "brush solid 0,0,255 | rect 353,505,357,62 | text 345,515 left 0,0,0 default "
               "[3]"}));
    EXPECT_EQ(countOf(surface, "pen solid 1 255,0,0"), 1u);
    EXPECT_EQ(countOf(surface, "pen solid 1 0,0,255"), 2u);
}

TEST_F(VoltageProfileTest, BarsStandAtTheBusNumberEvenBeyondTheAxes) {
    writeFileText("busotp.dat",
                  "     0\n" + busRow(1, "1.0000") + busRow(2, "1.0000") + busRow(5, "1.0000"));
    app.m_powerFlowBusCount = 3;
    const RecordingSurface surface = draw();

    // top = Vmax = 1.05: 1.0 / (1.05 / 500) = 476.19 -> 476, y = 29; u = 3 / 300, so bus 5
    // stands at x = 555, past the right end of the limit lines (355).
    const Calls found = surface.Calls("rect");
    EXPECT_EQ(found, (Calls{"rect 153,505,157,29", "rect 253,505,257,29", "rect 553,505,557,29"}))
        << surface.Joined();
    EXPECT_EQ(slice(surface, "move 55,5", 2), (Calls{"move 55,5", "line 355,5"}))
        << "the Vmax line is at the top of the scale";
}

TEST_F(VoltageProfileTest, TheHighestBarReachesTheTopOfTheAxis) {
    // The highest voltage is the top of the scale, v / s = H - 30 exactly; computed in
    // floating point some of these come out a hair below 500 and must not lose a pixel.
    app.m_powerFlowBusCount = 1;
    for (const char* voltage : {"1.0600", "1.0700", "1.1000", "1.2020"}) {
        writeFileText("busotp.dat", "     0\n" + busRow(1, voltage));
        const RecordingSurface surface = draw();
        EXPECT_EQ(surface.Calls("rect"), Calls{"rect 353,505,357,5"}) << voltage;
    }
}

TEST_F(VoltageProfileTest, OnlyTheBusCountOfTheLastPowerFlowIsUsed) {
    // An older, longer file: the third row is not part of the last power flow and must
    // neither draw a bar nor raise the top of the scale.
    writeFileText("busotp.dat",
                  "     0\n" + busRow(1, "1.0000") + busRow(2, "1.0000") + busRow(3, "1.2000"));
    app.m_powerFlowBusCount = 2;
    const RecordingSurface surface = draw();
    EXPECT_EQ(surface.Calls("rect").size(), 2u);
    EXPECT_EQ(slice(surface, "move 55,5", 2), (Calls{"move 55,5", "line 355,5"}))
        << surface.Joined();
}

TEST_F(VoltageProfileTest, AShortFileDrawsTheRowsItHasOnTheAnnouncedScale) {
    writeFileText("busotp.dat",
                  "     0\n" + busRow(1, "1.0000") + busRow(2, "1.0000") + "     3  0.98");
    app.m_powerFlowBusCount = 4;
    const RecordingSurface surface = draw();
    // u = 4 / 300: x = b * 75 + 55.
    EXPECT_EQ(surface.Calls("rect"), (Calls{"rect 128,505,132,29", "rect 203,505,207,29"}))
        << surface.Joined();
    EXPECT_TRUE(reported.empty());
}

TEST_F(VoltageProfileTest, AMissingFileLeavesTheLimitsAndTheAxisOnly) {
    app.m_powerFlowBusCount = 3;
    const RecordingSurface surface = draw();
    EXPECT_TRUE(surface.Calls("rect").empty());
    EXPECT_EQ(surface.Calls("line"), (Calls{"line 355,5", "line 355,53", "line 55,505"}))
        << surface.Joined();
    EXPECT_EQ(surface.Calls("text").size(), 4u);
    EXPECT_TRUE(reported.empty());
}

TEST_F(VoltageProfileTest, WithoutStatusRecordsTheFirstRowIsABus) {
    writeFileText("busotp.dat", busRow(1, "1.0000") + busRow(2, "1.0000"));
    app.m_powerFlowBusCount = 2;
    app.m_resultFileSwitch = CSkemtorApp::kSkipErrorCode;
    const RecordingSurface surface = draw();
    // u = 2 / 300: x = b * 150 + 55.
    EXPECT_EQ(surface.Calls("rect"), (Calls{"rect 203,505,207,29", "rect 353,505,357,29"}))
        << surface.Joined();
}

TEST_F(VoltageProfileTest, AZeroScaleDrawsNothingButTheSetUp) {
    writeFileText("busotp.dat", "     0\n" + busRow(1, "0.0000"));
    app.m_powerFlowBusCount = 1;
    app.m_vMax = 0.0;
    app.m_vMin = 0.0;
    const RecordingSurface surface = draw();
    EXPECT_EQ(surface.calls, (Calls{"font default", "pen solid 1 0,0,0", "brush solid 255,0,0"}));
}

TEST_F(VoltageProfileTest, OtherResultStatesLeaveThePaneEmpty) {
    writeFileText("busotp.dat", "     0\n" + busRow(1, "1.0000"));
    writeFileText("dyplot.dat", "   1     1\n0.000000\n1.0\n2.0\n");
    app.m_powerFlowBusCount = 1;
    for (const int state : {0, 1, 2, 3, 5, 7}) {
        app.m_resultState = state;
        const RecordingSurface surface = draw();
        EXPECT_EQ(surface.calls.size(), 3u) << "state " << state << "\n" << surface.Joined();
    }
}

// Swing curves on a pane of 255 x 212 pixels: H/2 = 106, 100 pixels of scale per family
// (H/2 - 6), 225 pixels of time (W - 30), ticks every (W - 55) / 10 = 20 pixels.
class SwingCurvesTest : public VoltageProfileTest {
protected:
    SwingCurvesTest() { app.m_resultState = CSkemtorApp::kTransientResults; }

    RecordingSurface draw() {
        RecordingSurface surface;
        drawing.Draw(surface, app, 255, 212);
        return surface;
    }
};

TEST_F(SwingCurvesTest, OneQuantityHasNoLowerCurveAndItsAnglesLabelTheLowerFamily) {
    writeFileText("dyplot.dat", "   1     3\n"
                                "0.000000\n       1.000000\n      10.000000\n"
                                "0.010000\n       1.500000\n      20.000000\n"
                                "0.020000\n       2.000000\n      30.000000\n");
    const RecordingSurface surface = draw();

    // x = r / (3 / 225) + 40 = 40, 115, 190; a from 1 to 2 over 100 pixels:
    // y = 106 - (a - 1) * 100 - 3 = 103, 53, 3.
    EXPECT_EQ(slice(surface, "move 40,53", 6),
              (Calls{"move 40,53", "pen solid 1 255,0,0", "line 40,103", "line 115,53",
                     "line 190,3", "text 215,20 left 255,0,0 default [G1]"}))
        << surface.Joined();
    EXPECT_EQ(countOf(surface, "move 40,159"), 0u) << "no lower curve";
    EXPECT_EQ(surface.Calls("text").size(), 9u);
    for (const char* text :
         {"text 195,111 left 0,0,0 default [t=]", "text 215,111 left 0,0,0 default [0.030]",
          "text 15,20 left 0,0,0 default [ 2]", "text 15,38 left 0,0,0 default [V]",
          "text 15,96 left 0,0,0 default [ 1]", "text 10,116 left 0,0,0 default [30.0]",
          "text 5,139 left 0,0,0 default [ang]", "text 10,192 left 0,0,0 default [10.0]"})
        EXPECT_EQ(countOf(surface, text), 1u) << text << "\n" << surface.Joined();
}

TEST_F(SwingCurvesTest, AnglesOfLaterQuantitiesAreRelativeToTheFirst) {
    // Absolute angles 10/15/40 then 12/22/32; relative to the first: 5, 30 and 10, 20.
    writeFileText("dyplot.dat", "   3     2\n"
                                "0.000000\n1.0\n10.0\n1.0\n15.0\n1.0\n40.0\n"
                                "0.500000\n1.1\n12.0\n1.0\n22.0\n1.0\n32.0\n");
    const RecordingSurface surface = draw();

    // Relative angles from 5 to 30 over 100 pixels (0.25 degree per pixel); x = 40 and
    // 1 / (2 / 225) + 40 = 152.5 -> 152.
    EXPECT_EQ(slice(surface, "move 40,159", 8),
              (Calls{"move 40,159", "pen solid 1 0,0,255", "line 40,209", "line 152,189",
                     "move 40,159", "pen solid 1 0,255,0", "line 40,109", "line 152,149"}))
        << surface.Joined();
    EXPECT_EQ(countOf(surface, "move 40,159"), 2u) << "the first quantity is the reference";
    EXPECT_EQ(countOf(surface, "text 10,116 left 0,0,0 default [30.0]"), 1u);
    EXPECT_EQ(countOf(surface, "text 10,192 left 0,0,0 default [5.0]"), 1u);
    EXPECT_EQ(countOf(surface, "text 215,111 left 0,0,0 default [1.000]"), 1u);

    // Every upper curve starts from (40, H/4) in its own colour; 1.1 is the top.
    EXPECT_EQ(countOf(surface, "move 40,53"), 3u);
    EXPECT_EQ(slice(surface, "move 40,53", 4),
              (Calls{"move 40,53", "pen solid 1 255,0,0", "line 40,103", "line 152,3"}));
    for (const char* text :
         {"text 215,20 left 255,0,0 default [G1]", "text 215,40 left 0,0,255 default [G2]",
          "text 215,60 left 0,255,0 default [G3]"})
        EXPECT_EQ(countOf(surface, text), 1u) << text << "\n" << surface.Joined();
}

TEST_F(SwingCurvesTest, AxesAndTicksComeFirstAndAMissingFileDrawsOnlyThem) {
    const RecordingSurface surface = draw();
    const Calls axes = slice(surface, "move 40,104", 8);
    EXPECT_EQ(axes, (Calls{"move 40,104", "line 40,15", "move 40,104", "line 240,104",
                           "move 40,108", "line 40,212", "move 40,210", "line 240,210"}))
        << surface.Joined();
    for (const std::string y : {"5", "104", "108", "210"})
        EXPECT_EQ(slice(surface, "move 35," + y, 2), (Calls{"move 35," + y, "line 40," + y}));
    EXPECT_EQ(countOf(surface, "move 240,208"), 1u) << "the eleventh tick at 40 + 10 * 20";
    EXPECT_EQ(surface.Calls("line").size(), 4u + 4u + 22u);
    EXPECT_TRUE(surface.Calls("text").empty());
    EXPECT_TRUE(reported.empty());
}

TEST_F(SwingCurvesTest, AShortFileDrawsTheCompleteRecords) {
    // Five records announced, two complete and a third cut in the middle of its pairs.
    writeFileText("dyplot.dat", "   2     5\n"
                                "0.000000\n1.0\n0.0\n1.0\n10.0\n"
                                "0.010000\n1.1\n0.0\n1.0\n20.0\n"
                                "0.020000\n1.2\n");
    const RecordingSurface surface = draw();
    // x = r / (5 / 225) + 40 = 40, 85.
    EXPECT_EQ(slice(surface, "move 40,53", 4),
              (Calls{"move 40,53", "pen solid 1 255,0,0", "line 40,103", "line 85,3"}))
        << surface.Joined();
    EXPECT_EQ(slice(surface, "move 40,159", 4),
              (Calls{"move 40,159", "pen solid 1 0,0,255", "line 40,209", "line 85,109"}));
    // t = T * (t(1) - t(0)) with the announced T.
    EXPECT_EQ(countOf(surface, "text 215,111 left 0,0,0 default [0.050]"), 1u);
}

TEST_F(SwingCurvesTest, QuantitiesBeyondNineAreReadButNotDrawn) {
    // Ten pairs per record: the tenth must still be read, or the second record would
    // start inside the first.
    std::string text = "  10     2\n";
    for (const char* time : {"0.000000", "0.010000"}) {
        text += std::string(time) + "\n";
        for (int i = 0; i < 10; ++i)
            text += (i == 0 && time[3] == '1') ? "1.1\n0.0\n" : "1.0\n0.0\n";
    }
    writeFileText("dyplot.dat", text);
    const RecordingSurface surface = draw();
    EXPECT_EQ(countOf(surface, "move 40,53"), 9u) << surface.Joined();
    EXPECT_EQ(countOf(surface, "move 40,159"), 8u);
    EXPECT_EQ(slice(surface, "move 40,53", 4),
              (Calls{"move 40,53", "pen solid 1 255,0,0", "line 40,103", "line 152,3"}));
    EXPECT_EQ(countOf(surface, "text 215,180 left 0,255,0 default [G9]"), 1u)
        << "colour 8 mod 6: green";
}

TEST_F(SwingCurvesTest, TooManyRecordsIsReportedOncePerResultStateAndFile) {
    writeFileText("dyplot.dat", "   2 10000\n0.000000\n1.0\n0.0\n1.0\n10.0\n");
    RecordingSurface surface = draw();
    EXPECT_EQ(reported, std::vector<int>{CVoltagePlotDrawing::kTooManyRecordsError});
    EXPECT_TRUE(surface.Calls("text").empty()) << surface.Joined();
    EXPECT_EQ(surface.Calls("line").size(), 30u) << "the axes are drawn before the file is read";

    draw();
    EXPECT_EQ(reported.size(), 1u) << "repainting does not repeat the message";

    app.m_resultState = CSkemtorApp::kNoResults;
    draw();
    app.m_resultState = CSkemtorApp::kTransientResults;
    draw();
    EXPECT_EQ(reported.size(), 2u) << "a new result state reports again";

    writeFileText("dyplot.dat", "   1 12000\n");
    draw();
    EXPECT_EQ(reported.size(), 3u) << "a new file reports again";
}

TEST_F(SwingCurvesTest, JustBelowTheRecordLimitIsDrawn) {
    writeFileText("dyplot.dat", "   1  9999\n0.000000\n1.0\n5.0\n0.010000\n1.0\n5.0\n");
    const RecordingSurface surface = draw();
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(countOf(surface, "move 40,53"), 1u) << surface.Joined();
    // A flat curve (zero scale) lies on the bottom of its family.
    EXPECT_EQ(slice(surface, "move 40,53", 4),
              (Calls{"move 40,53", "pen solid 1 255,0,0", "line 40,103", "line 40,103"}));
}

} // namespace
