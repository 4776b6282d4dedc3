#include "model/Bus.h"
#include "model/SkemtorApp.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

using tarvex::test::RecordingSurface;
using Mode = CSkemtorApp::Mode;

namespace {

// A horizontal bus whose bar lies at x 130..200, y -100..-90.
CBus horizontalBus(int type) {
    CBus bus(200, -100, 1, 7);
    bus.m_type = type;
    bus.m_name = "NORTH";
    return bus;
}

TEST(BusDrawTest, BarFillsByTypeInsideTheOutline) {
    struct Case {
        int type;
        bool selected;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {CBus::kLoad,
         false,
         {"pen solid 1 0,0,0", "brush hollow", "rect 130,-90,200,-100", "pen solid 1 0,0,0",
          "brush solid 0,0,0", "rect 131,-91,199,-99"}},
        {CBus::kGenerator,
         false,
         {"pen solid 1 0,0,0", "brush hollow", "rect 130,-90,200,-100", "pen solid 1 0,255,0",
          "brush solid 0,255,0", "rect 131,-91,199,-99"}},
        {CBus::kSlack,
         true,
         {"pen dotted 1 128,128,128", "brush hollow", "rect 130,-90,200,-100",
          "pen solid 1 0,255,255", "brush solid 0,255,255", "rect 131,-91,199,-99"}},
        // A type the editor never produces keeps the outline's pen and brush.
        {1,
         true,
         {"pen dotted 1 128,128,128", "brush hollow", "rect 130,-90,200,-100",
          "rect 131,-91,199,-99"}},
    };
    const CSkemtorApp app;
    for (const Case& c : cases) {
        CBus bus = horizontalBus(c.type);
        bus.SetSelected(c.selected);
        RecordingSurface surface;
        bus.Draw(surface, app, 0);
        std::vector<std::string> shapes;
        for (const auto& call : surface.calls)
            if (call.rfind("text", 0) != 0) shapes.push_back(call);
        EXPECT_EQ(shapes, c.expected) << "type " << c.type;
    }
}

TEST(BusDrawTest, NumberAndNameBesideAHorizontalBarAndAboveAVerticalOne) {
    const CSkemtorApp app;
    RecordingSurface surface;
    horizontalBus(CBus::kLoad).Draw(surface, app, 0);
    EXPECT_EQ(surface.Calls("text"),
              (std::vector<std::string>{"text 120,-87 right 0,0,0 default [B7]",
                                        "text 120,-72 right 0,0,0 default [NORTH]"}));

    // Vertical bar x 190..200, y -100..-30: centred on x 195.
    CBus vertical(200, -100, 0, 12);
    vertical.m_name = "SOUTH";
    RecordingSurface verticalSurface;
    vertical.Draw(verticalSurface, app, 0);
    EXPECT_EQ(verticalSurface.Calls("text"),
              (std::vector<std::string>{"text 195,-10 center 0,0,0 default [B12]",
                                        "text 195,5 center 0,0,0 default [SOUTH]"}));
}

struct LabelCase {
    const char* what;
    Mode mode;
    int resultState;
    int displayChoice;
    int seDisplay;
    int type;
    bool pfValid;
    bool seValid;
    std::vector<std::string> texts;
};

TEST(BusDrawTest, ResultLabelsByModeStateAndDisplayChoice) {
    // Labels sit right of the bar (x 201), upper at y -70 and lower at y -85.
    const std::vector<std::string> voltages{"text 201,-70 left 0,0,0 label [0.982]",
                                            "text 201,-85 left 0,0,0 label [-3.14]"};
    const std::vector<std::string> generation{"text 201,-70 left 0,128,0 label [61.25]",
                                              "text 201,-85 left 0,0,0 label [-12.50]"};
    const std::vector<std::string> estimates{"text 201,-70 left 0,0,0 label [1.012]",
                                             "text 201,-85 left 0,0,0 label [-0.46]"};
    const std::vector<std::string> none;
    const LabelCase cases[] = {
        {"pf voltages", Mode::PowerFlow, 4, 0, 1, CBus::kLoad, true, false, voltages},
        {"opf voltages", Mode::OptimalPowerFlow, 7, 0, 1, CBus::kLoad, true, false, voltages},
        {"pf result invalid", Mode::PowerFlow, 4, 0, 1, CBus::kLoad, false, false, none},
        {"pf mode, opf state", Mode::PowerFlow, 7, 0, 1, CBus::kLoad, true, false, none},
        {"opf mode, pf state", Mode::OptimalPowerFlow, 4, 0, 1, CBus::kLoad, true, false, none},
        {"slack generation", Mode::PowerFlow, 4, 1, 1, CBus::kSlack, true, false, generation},
        {"pv generation", Mode::OptimalPowerFlow, 7, 1, 1, CBus::kGenerator, true, false,
         generation},
        {"pq has no generation", Mode::PowerFlow, 4, 1, 1, CBus::kLoad, true, false, none},
        {"line flows shown", Mode::PowerFlow, 4, 2, 1, CBus::kSlack, true, false, none},
        {"estimates", Mode::StateEstimation, 2, 0, 1, CBus::kLoad, false, true, estimates},
        {"estimates, any state", Mode::StateEstimation, 0, 0, 1, CBus::kLoad, false, true,
         estimates},
        {"estimate invalid", Mode::StateEstimation, 2, 0, 1, CBus::kLoad, false, false, none},
        {"residual display", Mode::StateEstimation, 2, 0, 2, CBus::kLoad, true, true, none},
        {"edit mode", Mode::NetworkEdit, 4, 0, 1, CBus::kLoad, true, true, none},
    };
    for (const LabelCase& c : cases) {
        CSkemtorApp app;
        app.m_mode = c.mode;
        app.m_resultState = c.resultState;
        app.m_displayChoice = c.displayChoice;
        app.m_seDisplay = c.seDisplay;
        CBus bus = horizontalBus(c.type);
        bus.SetPowerFlowResult(0.98234, -3.141, 61.2549, -12.5, c.pfValid);
        bus.SetEstimate(1.01249, -0.456, c.seValid);
        RecordingSurface surface;
        bus.DrawLabels(surface, app);
        EXPECT_EQ(surface.Calls("text"), c.texts) << c.what;
        if (!c.texts.empty()) {
            // Each label selects the label font and puts the default font back, and a
            // coloured label leaves the text colour black for what follows.
            EXPECT_EQ(surface.calls.front(), "font label") << c.what;
            EXPECT_EQ(surface.calls.back(), "font default") << c.what;
        } else {
            EXPECT_TRUE(surface.calls.empty()) << c.what << "\n" << surface.Joined();
        }
    }
}

TEST(BusDrawTest, StatusTextsByResultAndBusType) {
    struct Case {
        const char* what;
        Mode mode;
        int resultState;
        int seDisplay;
        int type;
        bool valid;
        double scCurrent;
        std::string text;
    };
    const Case cases[] = {
        {"pv", Mode::PowerFlow, 4, 1, CBus::kGenerator, true, 0,
         "Voltage: 1.0200  Angle: -2.50  Reactive Generation: 0.3512"},
        {"slack", Mode::OptimalPowerFlow, 7, 1, CBus::kSlack, true, 0,
         "Voltage: 1.0200  Angle: -2.50  Real Generation: 1.2346  Reactive Generation: 0.3512"},
        {"pq", Mode::PowerFlow, 4, 1, CBus::kLoad, true, 0, "Voltage: 1.0200  Angle: -2.50"},
        {"pf not valid", Mode::PowerFlow, 4, 1, CBus::kLoad, false, 0, ""},
        {"estimate", Mode::StateEstimation, 2, 1, CBus::kLoad, true, 0,
         "V Estimates:       Voltage: 0.99876  Angle.: -1.23457      "},
        {"no estimate", Mode::StateEstimation, 3, 1, CBus::kLoad, false, 0, "V Estimates:       "},
        {"residual display", Mode::StateEstimation, 2, 2, CBus::kLoad, true, 0, ""},
        {"fault current", Mode::ShortCircuit, 5, 1, CBus::kLoad, true, 4.5,
         "Voltage:   0.35  Angle: -12.300   Current Injection   4.50 Angle : -81.250 "},
        // With no fault current at the bus only its voltage and angle are shown.
        {"no fault current", Mode::ShortCircuit, 5, 1, CBus::kLoad, true, 0,
         "Voltage:   0.35  Angle: -12.300  "},
        {"short circuit in pf mode", Mode::PowerFlow, 5, 1, CBus::kLoad, true, 4.5, ""},
    };
    for (const Case& c : cases) {
        CSkemtorApp app;
        app.m_mode = c.mode;
        app.m_resultState = c.resultState;
        app.m_seDisplay = c.seDisplay;
        app.m_statusText = "old";
        CBus bus = horizontalBus(c.type);
        bus.SetPowerFlowResult(1.02, -2.5, 1.23456, 0.35123, c.valid);
        bus.SetEstimate(0.998761, -1.234567, c.valid);
        bus.SetShortCircuitResult(c.scCurrent, -81.25, 0.3512, -12.3);
        bus.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, c.text) << c.what;
    }
}

TEST(BusDrawTest, StatusTextIsKeptWithoutEstimatorOrLaterResults) {
    for (int state : {0, 1}) {
        CSkemtorApp app;
        app.m_mode = Mode::StateEstimation;
        app.m_resultState = state;
        app.m_statusText = "from the last element";
        CBus bus = horizontalBus(CBus::kLoad);
        bus.SetEstimate(1.0, 0.0, 1);
        bus.FormatStatus(app);
        EXPECT_EQ(app.m_statusText, "from the last element") << "state " << state;
    }
}

} // namespace
