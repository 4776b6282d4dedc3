#include "exchange/editing/DiagramPainter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvex::test {
namespace {

using Mode = CSkemtorApp::Mode;

// Two buses in different areas joined by a branch, with a meter and a generator on them.
class DiagramPainterTest : public ::testing::Test {
protected:
    CSkemtorDoc doc;
    CSkemtorApp app;

    void SetUp() override {
        doc.AddBus(std::make_unique<CBus>(200, -200, 1, 1));
        doc.AddBus(std::make_unique<CBus>(500, -200, 1, 2));
        doc.GetBus(1)->m_area = 3;
        const CPointL points[2] = {{150, -190}, {450, -190}};
        doc.AddLine(std::make_unique<CLine>(points, 2, 1, 1, 2, 1, app));
        doc.AddVoltage(std::make_unique<CVoltage>(150, -190, 90, 1, 1.0, 0.001));
        doc.AddGenerator(std::make_unique<CGenerator>(450, -190, 270, 2));
    }

    std::vector<std::string> Glyphs() {
        RecordingSurface surface;
        CDiagramPainter::Draw(surface, doc, app);
        return surface.Calls("glyph");
    }
};

TEST_F(DiagramPainterTest, MetersAndMachinesShowOnlyInTheirModes) {
    struct Case {
        Mode mode;
        std::vector<std::string> glyphs;
    };
    for (const Case& c :
         {Case{Mode::NetworkEdit, {}}, Case{Mode::StateEstimation, {"glyph voltage 90 145,-190"}},
          Case{Mode::TransientStability, {"glyph generator 270 442,-165"}},
          Case{Mode::ShortCircuit, {}}}) {
        app.m_mode = c.mode;
        EXPECT_EQ(Glyphs(), c.glyphs) << static_cast<int>(c.mode);
    }
}

TEST_F(DiagramPainterTest, BranchesTakeTheirAreaFromTheirBusesWhenDrawn) {
    RecordingSurface surface;
    CDiagramPainter::Draw(surface, doc, app);
    EXPECT_EQ(doc.GetLine(0)->m_area, CLine::kTieLineArea);
    EXPECT_EQ(doc.GetLine(0)->m_tieLine, 1);
    doc.GetBus(0)->m_area = 3;
    CDiagramPainter::Draw(surface, doc, app);
    EXPECT_EQ(doc.GetLine(0)->m_area, 3);
    EXPECT_EQ(doc.GetLine(0)->m_tieLine, 0);
    // Branches are drawn first, so buses and symbols lie on top of them.
    EXPECT_EQ(surface.calls.front().substr(0, 3), "pen");
    const auto firstPolyline = std::find_if(surface.calls.begin(), surface.calls.end(),
                                            [](auto& s) { return s.rfind("polyline", 0) == 0; });
    const auto firstRect = std::find_if(surface.calls.begin(), surface.calls.end(),
                                        [](auto& s) { return s.rfind("rect", 0) == 0; });
    EXPECT_LT(firstPolyline - surface.calls.begin(), firstRect - surface.calls.begin());
}

TEST_F(DiagramPainterTest, BoundsHoldEveryVisibleElementWithTheMargin) {
    const CRectL bounds = CDiagramPainter::Bounds(doc, app, 50);
    EXPECT_EQ(bounds, (CRectL{80, -140, 550, -250}));
    app.m_mode = Mode::TransientStability;
    EXPECT_EQ(CDiagramPainter::Bounds(doc, app, 0).m_yMax, -165) << "the generator reaches up";
    CSkemtorDoc empty;
    EXPECT_EQ(CDiagramPainter::Bounds(empty, app, 10), (CRectL{-10, 10, 10, -10}));
}

} // namespace
} // namespace tarvex::test
