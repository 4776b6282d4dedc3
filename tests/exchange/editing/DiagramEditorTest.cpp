#include "exchange/editing/BusAttachedTool.h"
#include "exchange/editing/LineTool.h"
#include "exchange/editing/Snap.h"
#include "tests/exchange/editing/EditorFixture.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <functional>

using Tool = CSkemtorApp::Tool;
using Mode = CSkemtorApp::Mode;

namespace tarvex::test {
namespace {

TEST(SnapTest, PositiveRoundsToNearestNegativeMovesTowardZero) {
    struct Case {
        CPointL in, out;
    };
    for (const Case& c :
         {Case{{133, -127}, {130, -120}}, Case{{135, -135}, {140, -130}},
          Case{{134, -121}, {130, -120}}, Case{{0, -5}, {0, 0}}, Case{{9, -9}, {10, 0}}}) {
        EXPECT_EQ(editing::SnapPoint(c.in), c.out) << c.in.x << "," << c.in.y;
    }
}

TEST_F(EditorFixture, PlacementClicksSnapPointerClicksDoNot) {
    CBus& bus = AddBus(133, -127);
    EXPECT_EQ(bus.GetRect(), (CRectL{60, -110, 130, -120}));
    EXPECT_EQ(bus.m_number, 1);
    EXPECT_EQ(app.m_tool, Tool::Pointer) << "a completed placement returns to the pointer";
    EXPECT_TRUE(dialogs.opened.empty()) << "a new bus opens no dialog";

    // Snapped, (131, -115) would land on the bar's right edge; unsnapped it misses.
    Click(Tool::Pointer, 131, -115);
    EXPECT_FALSE(bus.IsSelected());
    Click(Tool::Pointer, 129, -115);
    EXPECT_TRUE(bus.IsSelected());
}

TEST_F(EditorFixture, PlacementClickNearTheEdgeGrowsTheCanvasEvenWhenItMisses) {
    Click(Tool::Capacitor, 5910, -300);
    EXPECT_EQ(app.m_canvasSize.width, 6250);
    EXPECT_EQ(app.m_canvasSize.height, 6000);
    EXPECT_EQ(doc.GetCapacitanceCount(), 0);
    EXPECT_EQ(app.m_tool, Tool::Capacitor) << "a miss keeps the tool armed";
    Click(Tool::Capacitor, 300, -5910);
    EXPECT_EQ(app.m_canvasSize.height, 6250);
    EXPECT_EQ(host.resizes, 2);
    Click(Tool::Pointer, 6240, -6240);
    EXPECT_EQ(app.m_canvasSize.width, 6250) << "pointer clicks never grow the canvas";
}

TEST_F(EditorFixture, LineKeepsEveryCornerAndEndsOnTheBusClicked) {
    AddBus(200, -200);
    AddBus(500, -400);
    Click(Tool::Line, 150, -190);
    Click(Tool::Line, 300, -190); // off every bus: a corner
    Click(Tool::Line, 300, -390);
    EXPECT_EQ(doc.GetLineCount(), 0);
    EXPECT_EQ(doc.m_newLinePointCount, 3);
    Click(Tool::Line, 450, -390);
    ASSERT_EQ(doc.GetLineCount(), 1);
    const CLine& line = *doc.GetLine(0);
    EXPECT_EQ(line.m_bus1, 1);
    EXPECT_EQ(line.m_bus2, 2);
    ASSERT_EQ(line.m_pointCount, 4);
    EXPECT_EQ(line.GetPoint(1), (CPointL{300, -190}));
    EXPECT_EQ(line.GetPoint(3), (CPointL{450, -390}));
    EXPECT_EQ(doc.m_newLinePointCount, 0);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"line"});
}

TEST_F(EditorFixture, LineStopsTakingCornersWhenOnlyTheEndPointIsLeft) {
    AddBus(200, -200);
    Click(Tool::Line, 150, -190);
    for (int i = 0; i < 120; ++i) Click(Tool::Line, 1000 + 10 * i, -1000);
    EXPECT_EQ(doc.m_newLinePointCount, CSkemtorDoc::kMaxNewLinePoints - 1);
    EXPECT_EQ(app.m_statusText, CLineTool::kFullMessage);
    Click(Tool::Line, 160, -190);
    ASSERT_EQ(doc.GetLineCount(), 1);
    EXPECT_EQ(doc.GetLine(0)->m_pointCount, CLine::kMaxPoints);
    EXPECT_EQ(doc.GetLine(0)->GetPoint(CLine::kMaxPoints - 1), (CPointL{160, -190}));
}

TEST_F(EditorFixture, BusAttachedSymbolTurnsWithSpaceAndStartsAtZeroAgain) {
    AddBus(200, -200);
    app.m_tool = Tool::Capacitor;
    editor.Character(' ');
    editor.Character(' ');
    EXPECT_EQ(editor.m_direction, 180);
    editor.LeftButtonDown({150, -190});
    ASSERT_EQ(doc.GetCapacitanceCount(), 1);
    EXPECT_EQ(doc.GetCapacitance(0)->m_orientation, 180);
    EXPECT_EQ(doc.GetCapacitance(0)->GetBus(), 1);
    EXPECT_EQ(editor.m_direction, 0);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"capacitance"});
    app.m_tool = Tool::Line;
    editor.Character(' ');
    EXPECT_EQ(editor.m_direction, 0) << "only bus-attached tools turn";
}

TEST_F(EditorFixture, GhostGlyphCoversTheRectangleTheSymbolWillGet) {
    for (int direction : {0, 90, 180, 270}) {
        for (bool generator : {false, true}) {
            const CPointL at{400, -300};
            const CPointL corner = CBusAttachedTool::GhostCorner(at, direction, generator);
            const CRectL rect = generator ? CElement::SymbolRect(at.x, at.y, direction, 25, 8)
                                          : CElement::SymbolRect(at.x, at.y, direction, 20, 5);
            EXPECT_EQ(corner, (CPointL{rect.m_xMin, rect.m_yMax})) << direction << generator;
        }
    }
}

// Only a bus with nothing on it follows the mouse after it was picked.
TEST_F(EditorFixture, PickedBusFollowsTheMouseOnlyWhileNothingIsConnected) {
    CBus& bus = AddBus(200, -200);
    Click(Tool::Pointer, 150, -195);
    ASSERT_TRUE(bus.IsSelected());
    editor.MouseMove({303, -298}, true);
    EXPECT_EQ(bus.m_xMax, 300);
    EXPECT_EQ(bus.m_yMin, -290);

    doc.AddGenerator(std::make_unique<CGenerator>(240, -290, 0, bus.m_number));
    editor.MouseMove({500, -500}, true);
    EXPECT_EQ(bus.m_xMax, 300) << "a bus with a generator stays put";

    app.m_mode = Mode::PowerFlow;
    doc.RemoveGenerator(0);
    editor.MouseMove({500, -500}, true);
    EXPECT_EQ(bus.m_xMax, 300) << "buses move only in network edit mode";
}

TEST_F(EditorFixture, CursorHidesWhileAToolIsArmedInsideThePane) {
    app.m_tool = Tool::Generator;
    editor.MouseMove({100, -100}, true);
    EXPECT_TRUE(host.cursorHidden);
    EXPECT_TRUE(host.captured);
    editor.MouseMove({100, -100}, false);
    EXPECT_FALSE(host.cursorHidden);
    EXPECT_FALSE(host.captured);
}

class MeterPlacementTest : public EditorFixture {
protected:
    ScopedWorkDir dir;
};

// branchotp.dat holds both ends of every branch; a meter on a branch drawn from bus 2 to
// bus 1 must take the 2 -> 1 row, never the 1 -> 2 one.
TEST_F(MeterPlacementTest, FlowMeterTakesTheRowOfItsBranchDirection) {
    AddBus(200, -200);
    AddBus(500, -200);
    AddLine({450, -190}, {150, -190}); // from bus 2 to bus 1
    writeFileText("branchotp.dat", "1 2 0.500 0.100 0.510 0\n2 1 -0.490 -0.120 0.505 0\n");
    app.m_usePowerFlowResults = true;

    Click(Tool::PowerFlowMeasurement, 300, -190);
    ASSERT_EQ(doc.GetPowerFlowCount(), 1);
    const CPowerFlow& flow = *doc.GetPowerFlow(0);
    EXPECT_EQ(flow.GetBus(1), 2);
    EXPECT_FLOAT_EQ(static_cast<float>(flow.m_p), -0.49f);
    EXPECT_FLOAT_EQ(static_cast<float>(flow.m_q), -0.12f);

    Click(Tool::CurrentMeasurement, 320, -190);
    ASSERT_EQ(doc.GetCurrentCount(), 1);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetCurrent(0)->m_value), 0.505f);
    EXPECT_EQ(dialogs.opened,
              (std::vector<std::string>{"line", "power flow meter", "current meter"}));
}

TEST_F(MeterPlacementTest, BusMetersSkipTheStatusAndKeepDefaultsWithoutARow) {
    AddBus(200, -200);
    AddBus(500, -200);
    writeFileText("busotp.dat", "0\n2 1.020 -1.5 0.0 0.0 -0.300 -0.100\n");
    app.m_usePowerFlowResults = true;

    Click(Tool::VoltageMeasurement, 450, -195);
    Click(Tool::PowerInjectionMeasurement, 460, -195);
    Click(Tool::VoltageMeasurement, 150, -195); // bus 1 has no row
    ASSERT_EQ(doc.GetVoltageCount(), 2);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetVoltage(0)->m_value), 1.02f);
    EXPECT_EQ(doc.GetVoltage(1)->m_value, 1.0);
    ASSERT_EQ(doc.GetPowerInjectionCount(), 1);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerInjection(0)->m_p), -0.3f);
    EXPECT_FLOAT_EQ(static_cast<float>(doc.GetPowerInjection(0)->m_q), -0.1f);
}

TEST_F(MeterPlacementTest, MissingResultFileLeavesTheDefaults) {
    AddBus(200, -200);
    AddBus(500, -200);
    AddLine({150, -190}, {450, -190});
    app.m_usePowerFlowResults = true;
    Click(Tool::PowerFlowMeasurement, 300, -190);
    ASSERT_EQ(doc.GetPowerFlowCount(), 1);
    EXPECT_EQ(doc.GetPowerFlow(0)->m_p, 0.0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EditorFixture, DoubleClickOpensOnlyTheDialogsOfTheMode) {
    AddBus(200, -200);
    AddBus(500, -200);
    AddLine({150, -190}, {450, -190});
    doc.AddBreaker(std::make_unique<CCircuitBreaker>(300, -190, 1, 2));
    doc.AddGenerator(std::make_unique<CGenerator>(130, -195, 0, 1));
    dialogs.opened.clear();

    editor.DoubleClick({300, -190}); // the branch and its breaker
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"line"});
    EXPECT_FALSE(doc.GetBreaker(0)->IsClosed());

    doc.GetBreaker(0)->SetSelected(1);
    dialogs.opened.clear();
    editor.DoubleClick({300, -190});
    EXPECT_TRUE(dialogs.opened.empty()) << "a selected breaker keeps the line dialog closed";

    editor.DoubleClick({120, -195}); // the generator, hidden in network edit mode
    EXPECT_TRUE(dialogs.opened.empty());
    app.m_mode = Mode::OptimalPowerFlow;
    editor.DoubleClick({120, -195});
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"generator cost"});

    dialogs.opened.clear();
    editor.DoubleClick({190, -195}); // the bus, and the generator beside it is not hit
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"bus"});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditorFixture, DeleteTakesTheFirstSelectedKindOnly) {
    CBus& bus = AddBus(200, -200);
    doc.AddCapacitance(std::make_unique<CCapacitance>(150, -195, 90, 1));
    doc.GetCapacitance(0)->SetSelected(1);
    bus.SetSelected(1);
    editor.Character('D');
    EXPECT_EQ(doc.GetCapacitanceCount(), 1) << "only lower-case d deletes";
    app.m_statusText = "old";
    editor.Character('d');
    EXPECT_EQ(doc.GetCapacitanceCount(), 0);
    EXPECT_EQ(doc.GetBusCount(), 1);
    EXPECT_EQ(app.m_statusText, "");
    editor.Character('d');
    EXPECT_EQ(doc.GetBusCount(), 0);
}

TEST_F(EditorFixture, BusWithOnlyAGeneratorIsDeletedAndTheGeneratorStays) {
    AddBus(200, -200).SetSelected(1);
    doc.AddGenerator(std::make_unique<CGenerator>(130, -195, 0, 1));
    editor.Character('d');
    EXPECT_EQ(doc.GetBusCount(), 0);
    EXPECT_EQ(doc.GetGeneratorCount(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EditorFixture, DeletingASlackBusAsksFirst) {
    CBus& bus = AddBus(200, -200);
    bus.m_type = CBus::kSlack;
    bus.SetSelected(1);
    ui.answers = {false, true};
    editor.Character('d');
    EXPECT_EQ(doc.GetBusCount(), 1);
    editor.Character('d');
    EXPECT_EQ(doc.GetBusCount(), 0);
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"Warning: Deleting Slack Bus",
                                                      "Warning: Deleting Slack Bus"}));
}

struct Refusal {
    const char* what;
    std::function<void(CSkemtorDoc&)> attach;
    const char* title;
    const char* text;
};

class DeleteRefusalTest : public EditorFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(DeleteRefusalTest, ConnectedBusOrBranchIsKeptWithItsMessage) {
    AddBus(200, -200);
    AddBus(500, -200);
    const Refusal& refusal = GetParam();
    const bool branch = std::string(refusal.text).find("branch.") != std::string::npos;
    if (branch) AddLine({150, -190}, {450, -190});
    refusal.attach(doc);
    if (branch)
        doc.GetLine(0)->SetSelected(1);
    else
        doc.GetBus(0)->SetSelected(1);
    const int buses = doc.GetBusCount();
    const int lines = doc.GetLineCount();
    app.m_statusText = "kept";

    editor.Character('d');
    EXPECT_EQ(doc.GetBusCount(), buses);
    EXPECT_EQ(doc.GetLineCount(), lines);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, refusal.title);
    EXPECT_EQ(ui.messages[0].text, refusal.text);
    EXPECT_EQ(ui.messages[0].icon, CUserInterface::Icon::Exclamation);
    EXPECT_EQ(app.m_statusText, "kept");
}

const char* const kBusMeters =
    "There are measurements connected to this bus.  This bus cannot be deleted.";
const char* const kBranchMeters =
    "There are measurements connected to this branch.  This branch cannot be deleted.";

INSTANTIATE_TEST_SUITE_P(
    EveryRule, DeleteRefusalTest,
    ::testing::Values(
        Refusal{"capacitance",
                [](CSkemtorDoc& d) {
                    d.AddCapacitance(std::make_unique<CCapacitance>(150, -195, 0, 1));
                    d.AddShort(std::make_unique<CShort>(150, -195, 0, 1)); // reported second
                },
                "Warning: Connected Capacitance",
                "There is a capacitance connected to this bus.  This bus cannot be deleted."},
        Refusal{"short",
                [](CSkemtorDoc& d) { d.AddShort(std::make_unique<CShort>(150, -195, 0, 1)); },
                "Warning: Connected Short circuit",
                "There is a Short circuit connected to this bus.  This bus cannot be deleted."},
        Refusal{"zground",
                [](CSkemtorDoc& d) { d.AddZground(std::make_unique<CZground>(150, -195, 0, 1)); },
                "Warning: Connected Z ground circuit",
                "There is an Impedance to ground connected to this bus.  This bus cannot be "
                "deleted."},
        Refusal{"injection",
                [](CSkemtorDoc& d) {
                    d.AddPowerInjection(
                        std::make_unique<CPowerInjection>(150, -195, 0, 1, 0, 0, 0.001));
                },
                "Warning: Connected Measurements", kBusMeters},
        Refusal{"voltage",
                [](CSkemtorDoc& d) {
                    d.AddVoltage(std::make_unique<CVoltage>(150, -195, 0, 1, 1.0, 0.001));
                },
                "Warning: Connected Measurements", kBusMeters},
        Refusal{"line end",
                [](CSkemtorDoc& d) {
                    const CPointL points[2] = {{450, -190}, {150, -190}};
                    d.AddLine(std::make_unique<CLine>(points, 2, 2, 1, 1, 1, CSkemtorApp{}));
                },
                "Warning: Connected Branches",
                "There are branches connected to this bus.  This bus cannot be deleted."},
        Refusal{"flow meter reversed",
                [](CSkemtorDoc& d) {
                    d.AddPowerFlow(std::make_unique<CPowerFlow>(300, -190, 2, 1, 0, 0, 0.001));
                },
                "Warning: Connected Measurements", kBranchMeters},
        Refusal{"current meter",
                [](CSkemtorDoc& d) {
                    d.AddCurrent(std::make_unique<CCurrent>(300, -190, 1, 2, 0, 0.001));
                },
                "Warning: Connected Measurements", kBranchMeters},
        Refusal{"breaker",
                [](CSkemtorDoc& d) {
                    d.AddBreaker(std::make_unique<CCircuitBreaker>(300, -190, 2, 1));
                },
                "Warning: Connected Measurements", kBranchMeters}),
    [](const ::testing::TestParamInfo<Refusal>& test) {
        std::string name = test.param.what;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

} // namespace
} // namespace tarvex::test
