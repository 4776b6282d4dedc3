// Picture export of the diagram on the IEEE 14-bus example after a real power flow: each
// file is checked for its size (from the elements' own extents, worked out here), and
// for content a reader of the lab report would see: branches in blue where the lines
// run, the bus names and the solved voltages as real text.
#include "view/CDiagramExporter.h"

#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/exchange/editing/EditorFixture.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"
#include "view/CSkemtorView.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;
using tarvex::test::FakeDialogs;
using tarvex::test::FakeUserInterface;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;

std::string format3(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// The extents of what the power flow mode draws, from the elements themselves: every
// branch point, every bus bar and every shunt capacitor and breaker.
struct Extents {
    int xMin = 1 << 30, xMax = -(1 << 30), yMin = 1 << 30, yMax = -(1 << 30);
    void Add(int x, int y) {
        xMin = std::min(xMin, x);
        xMax = std::max(xMax, x);
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
    }
    template <class Array> void AddRects(const Array& array) {
        for (const auto& element : array) {
            Add(element->m_xMin, element->m_yMin);
            Add(element->m_xMax, element->m_yMax);
        }
    }
};

class DiagramExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto loaded =
            CDocumentFile::Load(fs::path(TARVEX_SOURCE_DIR) / "examples/ieee14.tvx", doc, app);
        ASSERT_TRUE(loaded.ok) << loaded.message;
        app.m_mode = CSkemtorApp::Mode::PowerFlow;
        const CErrorReporter errors{{}};
        CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
        ASSERT_TRUE(ui.messages.empty()) << ui.messages.front().text;
        ASSERT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);

        for (const auto& line : doc.LineArray())
            for (int i = 0; i < line->GetPointCount(); ++i)
                extents.Add(line->GetPoint(i).x, line->GetPoint(i).y);
        extents.AddRects(doc.BusArray());
        extents.AddRects(doc.CapacitanceArray());
        extents.AddRects(doc.BreakerArray());
        picture = CDiagramExporter::PictureBounds(view);
        left = picture.m_xMin;
        top = picture.m_yMax;
        width = picture.m_xMax - picture.m_xMin;
        height = picture.m_yMax - picture.m_yMin;
    }

    // Exports and, when the guide's pictures are asked for, keeps a copy there.
    void exportTo(const std::string& name) {
        QString error;
        ASSERT_TRUE(CDiagramExporter::Export(view, QString::fromStdString(name), error))
            << error.toStdString();
        EXPECT_TRUE(error.isEmpty());
        if (const char* guide = std::getenv("TARVEX_GUIDE_PICTURES"); guide && *guide)
            fs::copy_file(
                name, fs::path(guide) / ("ieee14-power-flow" + fs::path(name).extension().string()),
                fs::copy_options::overwrite_existing);
    }

    // The PNG pixel of a diagram point at two pixels per unit.
    static QPoint pixelOf(int x, int y, int left, int top) {
        const double scale = CDiagramExporter::kPngPixelsPerUnit;
        return {static_cast<int>((x - left) * scale), static_cast<int>((top - y) * scale)};
    }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    FakeDialogs dialogs;
    CSkemtorView view{doc, app, ui, dialogs};
    Extents extents;
    CRectL picture;
    int left = 0, top = 0, width = 0, height = 0;
};

TEST_F(DiagramExportTest, PictureHoldsEveryElementAndLabelWithABorder) {
    const int margin = CDiagramExporter::kMargin;
    EXPECT_LE(left, extents.xMin - margin);
    EXPECT_GE(top, extents.yMax + margin);
    EXPECT_GE(picture.m_xMax, extents.xMax + margin);
    EXPECT_LE(picture.m_yMin, extents.yMin - margin);

    exportTo("diagram.png");
    const QImage image("diagram.png");
    ASSERT_FALSE(image.isNull());
    const double scale = CDiagramExporter::kPngPixelsPerUnit;
    ASSERT_EQ(image.width(), static_cast<int>(width * scale));
    ASSERT_EQ(image.height(), static_cast<int>(height * scale));
    // Distance from each edge to the first pixel drawn: the border, no less (a label
    // cut at the edge) and not much more (room wasted on the page). Texts are measured
    // by their line boxes, so their ink may stand a little inside.
    int fromLeft = image.width(), fromRight = image.width(), fromTop = image.height(),
        fromBottom = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(Qt::white)) continue;
            fromLeft = std::min(fromLeft, x);
            fromRight = std::min(fromRight, image.width() - 1 - x);
            fromTop = std::min(fromTop, y);
            fromBottom = std::min(fromBottom, image.height() - 1 - y);
        }
    const int border = static_cast<int>(margin * scale);
    for (const int gap : {fromLeft, fromRight, fromTop, fromBottom}) {
        EXPECT_GE(gap, border - 2);
        EXPECT_LE(gap, border + 12);
    }
}

TEST_F(DiagramExportTest, PngShowsBranchesAndBusesWhereTheyAre) {
    exportTo("diagram.png");
    const QImage image("diagram.png");
    ASSERT_EQ(image.width(), static_cast<int>(width * CDiagramExporter::kPngPixelsPerUnit));

    // The middle of the longest segment of every line is blue (the pen is two units wide).
    int lines = 0;
    for (const auto& line : doc.LineArray()) {
        if (line->m_transformer) continue;
        int best = 0, length = -1;
        for (int i = 0; i + 1 < line->GetPointCount(); ++i) {
            const CPointL a = line->GetPoint(i), b = line->GetPoint(i + 1);
            const int l = std::abs(b.x - a.x) + std::abs(b.y - a.y);
            if (l > length) best = i, length = l;
        }
        const CPointL a = line->GetPoint(best), b = line->GetPoint(best + 1);
        const QPoint p = pixelOf((a.x + b.x) / 2, (a.y + b.y) / 2, left, top);
        SCOPED_TRACE("branch " + std::to_string(line->m_bus1) + "-" + std::to_string(line->m_bus2));
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::blue));
        ++lines;
    }
    EXPECT_GT(lines, 10);

    // Bus bars in the colours of their types, upright (a mirrored picture would miss).
    for (const auto& bus : doc.BusArray()) {
        const CRectL bar = bus->GetRect();
        const QPoint p =
            pixelOf((bar.m_xMin + bar.m_xMax) / 2, (bar.m_yMin + bar.m_yMax) / 2, left, top);
        const QColor expected = bus->m_type == CBus::kSlack       ? QColor(Qt::cyan)
                                : bus->m_type == CBus::kGenerator ? QColor(Qt::green)
                                                                  : QColor(Qt::black);
        EXPECT_EQ(image.pixelColor(p), expected) << "bus " << bus->m_number;
    }
}

TEST_F(DiagramExportTest, SvgKeepsTheRealSizeAndTheLabelsAsText) {
    exportTo("diagram.svg");
    const std::string svg = readFileText("diagram.svg");
    ASSERT_FALSE(svg.empty());
    // A hundredth of an inch per unit, so the picture is as large as on paper.
    std::smatch box;
    ASSERT_TRUE(std::regex_search(svg, box, std::regex(R"re(viewBox="0 0 (\d+) (\d+)")re")));
    EXPECT_EQ(std::stoi(box[1]), width);
    EXPECT_EQ(std::stoi(box[2]), height);

    auto hasText = [&](const std::string& text) {
        return std::regex_search(svg, std::regex("<text[^>]*>\\s*" + text + "\\s*</text>"));
    };
    for (int number = 1; number <= 14; ++number)
        EXPECT_TRUE(hasText("B" + std::to_string(number))) << "bus label B" << number;
    // Every solved voltage is labelled; the slack bus holds its 1.060 p.u.
    for (const auto& bus : doc.BusArray()) {
        ASSERT_TRUE(bus->m_pfValid);
        EXPECT_TRUE(hasText(format3(bus->m_pfVoltage))) << "bus " << bus->m_number;
    }
    EXPECT_TRUE(hasText("1\\.060"));
    // Branches are drawn in blue.
    EXPECT_NE(svg.find("stroke=\"#0000ff\""), std::string::npos);
}

TEST_F(DiagramExportTest, PdfIsOnePageTheSizeOfTheDiagram) {
    exportTo("diagram.pdf");
    const std::string pdf = readFileText("diagram.pdf");
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    const std::regex page(R"(/Type\s*/Page[^s])");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()),
        1);
    std::smatch box;
    ASSERT_TRUE(std::regex_search(
        pdf, box, std::regex(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])")));
    // 72 points per inch.
    EXPECT_NEAR(std::stod(box[1]), width * 0.72, 1.0);
    EXPECT_NEAR(std::stod(box[2]), height * 0.72, 1.0);
}

TEST_F(DiagramExportTest, RefusedFileNamesGiveAMessageAndLeaveNoFile) {
    fs::create_directory("out");
    tarvex::test::writeFileText("out/plain-file", "not a folder\n");
    for (const std::string name : {"out/diagram.bmp", "out/diagram", "out/missing/diagram.png",
                                   "out/plain-file/diagram.svg"}) {
        SCOPED_TRACE(name);
        QString error;
        EXPECT_FALSE(CDiagramExporter::Export(view, QString::fromStdString(name), error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(fs::exists(name));
    }
    std::vector<std::string> remaining;
    for (const auto& entry : fs::directory_iterator("out"))
        remaining.push_back(entry.path().filename().string());
    EXPECT_EQ(remaining, std::vector<std::string>{"plain-file"});
}

TEST(DiagramExportEmptyTest, AnEmptyDiagramGivesAPictureOfJustTheBorder) {
    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    FakeDialogs dialogs;
    CSkemtorView view{doc, app, ui, dialogs};
    QString error;
    ASSERT_TRUE(CDiagramExporter::Export(view, "empty.png", error)) << error.toStdString();
    const QImage image("empty.png");
    const int side =
        static_cast<int>(2 * CDiagramExporter::kMargin * CDiagramExporter::kPngPixelsPerUnit);
    ASSERT_EQ(image.size(), QSize(side, side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white));
    EXPECT_TRUE(CDiagramExporter::Export(view, "empty.pdf", error)) << error.toStdString();
    EXPECT_EQ(readFileText("empty.pdf").rfind("%PDF", 0), 0u);
}

// The file dialog's chosen filter completes a name typed without an extension.
TEST(DiagramExportFileNameTest, ANameWithoutExtensionTakesTheChosenFiltersOne) {
    struct Case {
        const char *typed, *filter, *expected;
    };
    const Case cases[] = {
        {"report/fig1", "PNG picture (*.png)", "report/fig1.png"},
        {"report.d/fig1", "PDF document (*.pdf)", "report.d/fig1.pdf"},
        {"fig1.svg", "PNG picture (*.png)", "fig1.svg"},
        {"fig1.jpg", "PNG picture (*.png)", "fig1.jpg"},
        {"values", "Comma-separated values (*.csv)", "values.csv"},
        {"fig1", "", "fig1"},
        {"", "PNG picture (*.png)", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDiagramExporter::WithSuffixOf(c.typed, c.filter).toStdString(), c.expected)
            << c.typed << " with " << c.filter;
}

} // namespace
