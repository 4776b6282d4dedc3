#include "model/Capacitance.h"
#include "model/CircuitBreaker.h"
#include "model/Current.h"
#include "model/Generator.h"
#include "model/PowerFlow.h"
#include "model/PowerInjection.h"
#include "model/Short.h"
#include "model/SkemtorApp.h"
#include "model/Voltage.h"
#include "model/Zground.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <functional>

using tarvex::test::RecordingSurface;
using Mode = CSkemtorApp::Mode;

namespace {

// Every bus-attached symbol placed at (200, -100) in each orientation, drawn through
// a function that builds it.
using DrawFn = std::function<void(RecordingSurface&, int orientation, bool selected)>;

template <typename Element> Element make(int orientation) {
    return Element(200, -100, orientation, 4);
}
template <> CPowerInjection make<CPowerInjection>(int orientation) {
    return CPowerInjection(200, -100, orientation, 4, 0, 0, 0.001);
}
template <> CVoltage make<CVoltage>(int orientation) {
    return CVoltage(200, -100, orientation, 4, 1.0, 0.001);
}

template <typename Element> DrawFn drawer() {
    return [](RecordingSurface& surface, int orientation, bool selected) {
        Element element = make<Element>(orientation);
        element.SetSelected(selected);
        const CSkemtorApp app;
        element.Draw(surface, app, 0);
    };
}

TEST(SymbolDrawTest, BusAttachedSymbolsDrawAnOutlineAndTheirGlyphAtTheUpperLeftCorner) {
    struct Kind {
        const char* glyph;
        bool generator;
        DrawFn draw;
    };
    const Kind kinds[] = {
        {"capacitor", false, drawer<CCapacitance>()},
        {"fault", false, drawer<CShort>()},
        {"zground", false, drawer<CZground>()},
        {"injection", false, drawer<CPowerInjection>()},
        {"voltage", false, drawer<CVoltage>()},
        {"generator", true, drawer<CGenerator>()},
    };
    // Upper-left corners relative to the placing point, as the placement ghost has them:
    // 20 x 10 symbols, and 25 x 16 for the generator.
    struct Corner {
        int orientation;
        const char* rect;
        const char* corner;
        const char* generatorRect;
        const char* generatorCorner;
    };
    const Corner corners[] = {
        {0, "180,-95,200,-105", "180,-95", "175,-92,200,-108", "175,-92"},
        {90, "195,-100,205,-120", "195,-100", "192,-100,208,-125", "192,-100"},
        {180, "200,-95,220,-105", "200,-95", "200,-92,225,-108", "200,-92"},
        {270, "195,-80,205,-100", "195,-80", "192,-75,208,-100", "192,-75"},
    };
    for (const Kind& kind : kinds) {
        for (const Corner& c : corners) {
            for (bool selected : {false, true}) {
                RecordingSurface surface;
                kind.draw(surface, c.orientation, selected);
                const std::string rect = kind.generator ? c.generatorRect : c.rect;
                const std::string corner = kind.generator ? c.generatorCorner : c.corner;
                EXPECT_EQ(surface.calls,
                          (std::vector<std::string>{
                              selected ? "pen dotted 1 128,128,128" : "pen dotted 1 255,255,255",
                              "brush hollow", "rect " + rect,
                              std::string("glyph ") + kind.glyph + " " +
                                  std::to_string(c.orientation) + " " + corner}))
                    << kind.glyph << " " << c.orientation;
            }
        }
    }
}

TEST(SymbolDrawTest, BranchMetersAreFilledSquaresInTheirColour) {
    const CSkemtorApp app;
    struct Case {
        bool current;
        bool selected;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {false,
         false,
         {"pen solid 1 0,255,0", "brush hollow", "rect 297,-197,303,-203", "pen solid 1 0,255,0",
          "brush solid 0,255,0", "rect 298,-198,302,-202"}},
        {false,
         true,
         {"pen dotted 1 128,128,128", "brush hollow", "rect 297,-197,303,-203",
          "pen solid 1 0,255,0", "brush solid 0,255,0", "rect 298,-198,302,-202"}},
        {true,
         false,
         {"pen solid 1 255,0,0", "brush hollow", "rect 297,-197,303,-203", "pen solid 1 255,0,0",
          "brush solid 255,0,0", "rect 298,-198,302,-202"}},
        {true,
         true,
         {"pen dotted 1 128,128,128", "brush hollow", "rect 297,-197,303,-203",
          "pen solid 1 255,0,0", "brush solid 255,0,0", "rect 298,-198,302,-202"}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        if (c.current) {
            CCurrent meter(300, -200, 3, 5, 0.2, 0.001);
            meter.SetSelected(c.selected);
            meter.Draw(surface, app, 2);
        } else {
            CPowerFlow meter(300, -200, 3, 5, 0.2, 0.1, 0.001);
            meter.SetSelected(c.selected);
            meter.Draw(surface, app, 2);
        }
        EXPECT_EQ(surface.calls, c.expected) << c.current << c.selected;
    }
}

TEST(SymbolDrawTest, CircuitBreakerIsATenUnitSquareFilledWhenClosed) {
    const CSkemtorApp app;
    struct Case {
        bool closed;
        bool selected;
        const char* pen;
        const char* brush;
    };
    const Case cases[] = {
        {true, false, "pen solid 1 0,0,255", "brush solid 0,0,255"},
        {false, false, "pen solid 1 0,0,255", "brush solid 255,255,255"},
        {true, true, "pen dotted 1 0,0,0", "brush solid 0,0,255"},
        {false, true, "pen dotted 1 0,0,0", "brush solid 255,255,255"},
    };
    for (const Case& c : cases) {
        CCircuitBreaker breaker(300, -200, 3, 5);
        if (!c.closed) breaker.Toggle();
        breaker.SetSelected(c.selected);
        RecordingSurface surface;
        breaker.Draw(surface, app, 0);
        EXPECT_EQ(surface.calls,
                  (std::vector<std::string>{c.pen, c.brush, "rect 295,-195,305,-205"}));
    }
}

TEST(SymbolDrawTest, GeneratorCostLabelAboveTheSymbolByOrientation) {
    CSkemtorApp app;
    app.m_mode = Mode::OptimalPowerFlow;
    app.m_resultState = CSkemtorApp::kOptimalPowerFlowResults;
    app.m_displayChoice = 1;
    struct Case {
        int orientation;
        const char* text; // generator rectangles as in the corner table above
    };
    const Case cases[] = {
        {0, "text 160,-62 left 0,0,0 label [$1234.6P]"},   // x min 175 - 15
        {90, "text 162,-70 left 0,0,0 label [$1234.6P]"},  // x min 192 - 30
        {180, "text 225,-62 left 0,0,0 label [$1234.6P]"}, // x max 225
        {270, "text 177,-45 left 0,0,0 label [$1234.6P]"}, // x min 192 - 15
    };
    for (const Case& c : cases) {
        CGenerator generator(200, -100, c.orientation, 4);
        generator.m_realPowerCost = 1234.56;
        RecordingSurface surface;
        generator.DrawLabels(surface, app);
        EXPECT_EQ(surface.Calls("text"), std::vector<std::string>{c.text}) << c.orientation;
    }

    // Only optimal power flow results with the generation display.
    struct Off {
        Mode mode;
        int state;
        int displayChoice;
    };
    const Off offs[] = {{Mode::OptimalPowerFlow, 7, 0},
                        {Mode::OptimalPowerFlow, 7, 2},
                        {Mode::OptimalPowerFlow, 4, 1},
                        {Mode::PowerFlow, 7, 1},
                        {Mode::TransientStability, 7, 1}};
    for (const Off& off : offs) {
        CSkemtorApp other;
        other.m_mode = off.mode;
        other.m_resultState = off.state;
        other.m_displayChoice = off.displayChoice;
        RecordingSurface surface;
        CGenerator(200, -100, 0, 4).DrawLabels(surface, other);
        EXPECT_TRUE(surface.calls.empty()) << surface.Joined();
    }
}

TEST(SymbolDrawTest, GeneratorStatusIsAlwaysEmptiedAndShowsTheCostAfterAnOptimalPowerFlow) {
    CGenerator generator(200, -100, 0, 4);
    generator.m_realPowerCost = 812.349;
    CSkemtorApp app;
    app.m_mode = Mode::OptimalPowerFlow;
    app.m_resultState = CSkemtorApp::kOptimalPowerFlowResults;
    generator.FormatStatus(app);
    EXPECT_EQ(app.m_statusText, "Real Power Cost: $ 812.3  Reactive Power Cost: $ 0.0");

    for (int state : {0, 1, 6}) {
        CSkemtorApp other;
        other.m_mode = Mode::TransientStability;
        other.m_resultState = state;
        other.m_statusText = "previous";
        generator.FormatStatus(other);
        EXPECT_EQ(other.m_statusText, "") << state;
    }
}

} // namespace
