#include "model/Line.h"
#include "model/SkemtorApp.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <vector>

using tarvex::test::RecordingSurface;
using Mode = CSkemtorApp::Mode;

namespace {

CLine branch(std::vector<CPointL> points, int bus1 = 3, int bus2 = 5) {
    const CSkemtorApp settings;
    return CLine(points.data(), static_cast<int>(points.size()), bus1, 1, bus2, 1, settings);
}

const std::vector<CPointL> kElbow{{100, -100}, {100, -200}, {400, -200}};

TEST(LineDrawTest, ColourByResultStateFlagsTransformerAndSelection) {
    struct Case {
        const char* what;
        int resultState;
        bool observable;
        bool withinLimit;
        bool transformer;
        bool selected;
        const char* color;
    };
    const Case cases[] = {
        {"line", 0, true, true, false, false, "0,0,255"},
        {"selected line", 0, true, true, false, true, "0,128,255"},
        {"transformer", 0, true, true, true, false, "128,128,128"},
        {"selected transformer", 0, true, true, true, true, "192,192,192"},
        {"unobservable", 1, false, true, false, false, "255,0,0"},
        {"unobservable selected", 1, false, true, true, true, "255,0,255"},
        {"unobservable after a clear", 0, false, true, false, false, "0,0,255"},
        {"unobservable, pf results", 4, false, true, false, false, "0,0,255"},
        {"over limit", 4, true, false, false, false, "255,0,0"},
        {"over limit opf", 7, true, false, true, false, "255,0,0"},
        {"over limit selected", 4, true, false, false, true, "255,0,255"},
        {"over limit, estimator", 2, true, false, false, false, "0,0,255"},
        {"over limit, observability", 1, true, false, false, false, "0,0,255"},
    };
    const CSkemtorApp app;
    for (const Case& c : cases) {
        CLine line = branch(kElbow);
        line.m_observable = c.observable;
        line.m_withinLimit = c.withinLimit;
        line.m_transformer = c.transformer;
        line.SetSelected(c.selected);
        RecordingSurface surface;
        line.Draw(surface, app, c.resultState);
        const std::string color = c.color;
        EXPECT_EQ(surface.Calls("pen"), std::vector<std::string>{"pen solid 2 " + color}) << c.what;
        EXPECT_EQ(surface.Calls("brush"), std::vector<std::string>{"brush solid " + color})
            << c.what;
        EXPECT_EQ(surface.calls.back(), "polyline 100,-100 100,-200 400,-200") << c.what;
    }
}

TEST(LineDrawTest, TransformerGlyphOnTheMiddleSegmentBeforeThePolyline) {
    struct Case {
        std::vector<CPointL> points;
        const char* glyph; // corner 10 left of and 10 above the segment's midpoint
    };
    const Case cases[] = {
        // Two points: the only segment, midpoint (250, -100).
        {{{100, -100}, {400, -100}}, "glyph transformer 0 240,-90"},
        // Three points: k = 3/2 - 1 = 0, the first segment, midpoint (100, -150).
        {kElbow, "glyph transformer 0 90,-140"},
        // Four points: k = 1, segment 1..2 from (100,-200) to (300,-200).
        {{{100, -100}, {100, -200}, {300, -200}, {300, -300}}, "glyph transformer 0 190,-190"},
        // Odd halves truncate toward the first point: (0,0)-(-5,-7) gives (-2,-3).
        {{{0, 0}, {-5, -7}}, "glyph transformer 0 -12,7"},
    };
    const CSkemtorApp app;
    for (const Case& c : cases) {
        CLine line = branch(c.points);
        line.m_transformer = 1;
        RecordingSurface surface;
        line.Draw(surface, app, 0);
        ASSERT_EQ(surface.calls.size(), 4u) << surface.Joined();
        EXPECT_EQ(surface.calls.front(), c.glyph);
        EXPECT_EQ(surface.calls.back().rfind("polyline", 0), 0u);
    }

    CLine line = branch(kElbow);
    RecordingSurface surface;
    line.Draw(surface, app, 0);
    EXPECT_TRUE(surface.Calls("glyph").empty()) << "a line has no transformer glyph";
}

TEST(LineDrawTest, BranchWithoutPointsDrawsNoGlyphAndNoLabels) {
    // A document file may hold a branch with fewer than two points.
    CSkemtorApp app;
    app.m_mode = Mode::PowerFlow;
    app.m_resultState = 4;
    app.m_displayChoice = 2;
    for (int count : {0, 1}) {
        CLine line = branch({{10, -10}, {20, -10}});
        line.m_pointCount = count;
        line.m_transformer = 1;
        line.SetFlowResult(0.5, 0.1, 1);
        RecordingSurface surface;
        line.Draw(surface, app, 4);
        EXPECT_TRUE(surface.Calls("glyph").empty()) << count;
        line.DrawLabels(surface, app);
        EXPECT_EQ(surface.Calls("text").size(), count == 0 ? 0u : 2u) << count;
    }
}

TEST(LineDrawTest, FlowLabelsAThirdInFromEachEndInMegawatts) {
    CSkemtorApp app;
    app.m_mode = Mode::PowerFlow;
    app.m_resultState = 4;
    app.m_displayChoice = 2;
    app.m_mvaBase = 100.0;
    // First (100,-100), last (400,-200): thirds of (300, -100) are (100, -33).
    CLine line = branch(kElbow);
    line.SetFlowResult(0.4567, -0.1234, 1);
    line.SetFlowResult(-0.4501, 0.0987, 2);
    RecordingSurface surface;
    line.DrawLabels(surface, app);
    EXPECT_EQ(surface.Calls("text"),
              (std::vector<std::string>{"text 200,-123 center 255,0,0 label [(45.7,-12.3)]",
                                        "text 300,-157 center 0,0,255 label [(-45.0,9.9)]"}));

    // The MVA base scales both labels.
    app.m_mvaBase = 10.0;
    RecordingSurface scaled;
    line.DrawLabels(scaled, app);
    EXPECT_EQ(scaled.Calls("text").front(), "text 200,-123 center 255,0,0 label [(4.6,-1.2)]");
}

TEST(LineDrawTest, FlowLabelsOnlyForLineFlowsAndAValidFirstEnd) {
    struct Case {
        const char* what;
        Mode mode;
        int resultState;
        int displayChoice;
        bool valid1;
        bool valid2;
        size_t labels;
    };
    const Case cases[] = {
        {"pf", Mode::PowerFlow, 4, 2, true, true, 2},
        {"opf", Mode::OptimalPowerFlow, 7, 2, true, false, 2},
        {"second end only", Mode::PowerFlow, 4, 2, false, true, 0},
        {"bus voltages shown", Mode::PowerFlow, 4, 0, true, true, 0},
        {"generation shown", Mode::PowerFlow, 4, 1, true, true, 0},
        {"pf mode, other results", Mode::PowerFlow, 2, 2, true, true, 0},
        {"estimation mode", Mode::StateEstimation, 4, 2, true, true, 0},
    };
    for (const Case& c : cases) {
        CSkemtorApp app;
        app.m_mode = c.mode;
        app.m_resultState = c.resultState;
        app.m_displayChoice = c.displayChoice;
        CLine line = branch(kElbow);
        if (c.valid1) line.SetFlowResult(0.1, 0.2, 1);
        if (c.valid2) line.SetFlowResult(-0.1, -0.2, 2);
        RecordingSurface surface;
        line.DrawLabels(surface, app);
        EXPECT_EQ(surface.Calls("text").size(), c.labels) << c.what;
    }
}

TEST(LineDrawTest, StatusTextsForFlowsAndFaultCurrents) {
    struct Case {
        const char* what;
        Mode mode;
        int resultState;
        bool valid1;
        bool valid2;
        std::string text;
    };
    const Case cases[] = {
        {"both ends", Mode::PowerFlow, 4, true, true,
         "B3 to B5: PFlow: 45.67  QFlow: -12.34      B5 to B3: PFlow: -45.01  QFlow: 9.87"},
        {"first end", Mode::OptimalPowerFlow, 7, true, false,
         "B3 to B5: PFlow: 45.67  QFlow: -12.34      "},
        {"second end", Mode::PowerFlow, 4, false, true, "B5 to B3: PFlow: -45.01  QFlow: 9.87"},
        {"no flows", Mode::PowerFlow, 4, false, false, ""},
        {"fault current, first end", Mode::ShortCircuit, 5, true, false,
         "B3 to B5: Current 2.5000  Angle: -80.125      "},
        // The second end's text replaces the first's.
        {"fault current, both ends", Mode::ShortCircuit, 5, true, true,
         "B5 to B3: Current: 2.5000  Angle: -80.125"},
        {"estimator results", Mode::StateEstimation, 2, true, true, ""},
    };
    for (const Case& c : cases) {
        CSkemtorApp app;
        app.m_mode = c.mode;
        app.m_resultState = c.resultState;
        app.m_statusText = "old";
        CLine line = branch(kElbow);
        if (c.valid1) line.SetFlowResult(0.456749, -0.1234, 1);
        if (c.valid2) line.SetFlowResult(-0.4501, 0.0987, 2);
        if (c.mode == Mode::ShortCircuit) {
            line.m_flowValid1 = line.m_flowValid2 = 0;
            if (c.valid1) line.SetShortCircuitResult(2.5, -80.125, 1);
            if (c.valid2) line.SetShortCircuitResult(2.5, -80.125, 2);
        }
        line.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, c.text) << c.what;
    }

    CSkemtorApp app;
    app.m_mode = Mode::StateEstimation;
    app.m_resultState = 1;
    app.m_statusText = "kept";
    branch(kElbow).FormatStatus(app);
    EXPECT_EQ(app.m_statusText, "kept");
}

} // namespace
