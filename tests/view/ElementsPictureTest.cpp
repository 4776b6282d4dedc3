// Renders every element kind, in every orientation and with its result labels, through
// the painter surface into one picture: the element catalogue of the user guide. Set
// TARVEX_ELEMENTS_PICTURE to a file name to keep the picture.
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "view/CPainterSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using Mode = CSkemtorApp::Mode;

namespace {

constexpr int kCellWidth = 300;
constexpr int kCellHeight = 200;
constexpr int kCanvasWidth = 4 * kCellWidth;
constexpr int kCanvasHeight = 3 * kCellHeight;
constexpr double kScale = 1.5; // pixels per logical unit

// One panel of the picture: a few elements shown as one mode and display show them.
struct Cell {
    std::string title;
    CSkemtorApp app;
    int x0 = 0, y0 = 0; // upper-left corner
    std::vector<CLine> lines;
    std::vector<CBus> buses;
    std::vector<CCapacitance> capacitances;
    std::vector<CCircuitBreaker> breakers;
    std::vector<CPowerFlow> flows;
    std::vector<CCurrent> currents;
    std::vector<CPowerInjection> injections;
    std::vector<CVoltage> voltages;
    std::vector<CShort> shorts;
    std::vector<CZground> zgrounds;
    std::vector<CGenerator> generators;
};

CSkemtorApp appIn(Mode mode, int resultState, int displayChoice = 0, int seDisplay = 1) {
    CSkemtorApp app;
    app.m_mode = mode;
    app.m_resultState = resultState;
    app.m_displayChoice = displayChoice;
    app.m_seDisplay = seDisplay;
    return app;
}

CBus bus(int x, int y, int horizontal, int number, int type, const char* name) {
    CBus b(x, y, horizontal, number);
    b.m_type = type;
    b.m_name = name;
    return b;
}

CLine line(std::vector<CPointL> points, int bus1, int bus2) {
    const CSkemtorApp settings;
    return CLine(points.data(), static_cast<int>(points.size()), bus1, 1, bus2, 1, settings);
}

// A horizontal bus carrying symbols below (90) and above (270) its middle, and a
// vertical bus carrying them left (0) and right (180) of it.
template <typename Symbol, typename Make>
void twoBusesWithSymbols(Cell& cell, std::vector<Symbol>& symbols, int firstNumber, int type,
                         Make make) {
    const int x0 = cell.x0, y0 = cell.y0;
    cell.buses.push_back(bus(x0 + 130, y0 - 105, 1, firstNumber, type, "Lake"));
    cell.buses.push_back(bus(x0 + 235, y0 - 175, 0, firstNumber + 1, type, "Mill"));
    symbols.push_back(make(x0 + 95, y0 - 105, 90, firstNumber));
    symbols.push_back(make(x0 + 95, y0 - 95, 270, firstNumber));
    symbols.push_back(make(x0 + 225, y0 - 115, 0, firstNumber + 1));
    symbols.push_back(make(x0 + 235, y0 - 115, 180, firstNumber + 1));
}

std::vector<Cell> catalogue() {
    std::vector<Cell> cells;
    auto place = [&](const char* title, CSkemtorApp app, int column, int row) -> Cell& {
        Cell& cell = cells.emplace_back();
        cell.title = title;
        cell.app = app;
        cell.x0 = column * kCellWidth;
        cell.y0 = -row * kCellHeight;
        return cell;
    };

    // A small network after a power flow, showing line flows: a line, a transformer, a
    // branch over its limit behind an open breaker.
    {
        Cell& c = place("Buses, lines, transformer, breaker after a power flow",
                        appIn(Mode::PowerFlow, 4, 2), 0, 0);
        const int x0 = c.x0, y0 = c.y0;
        c.buses.push_back(bus(x0 + 130, y0 - 105, 1, 1, CBus::kSlack, "North"));
        c.buses.push_back(bus(x0 + 530, y0 - 105, 1, 2, CBus::kGenerator, "East"));
        c.buses.push_back(bus(x0 + 930, y0 - 105, 1, 3, CBus::kLoad, "South"));
        CLine l12 = line({{x0 + 130, y0 - 100}, {x0 + 460, y0 - 100}}, 1, 2);
        l12.SetFlowResult(0.8512, 0.1243, 1);
        l12.SetFlowResult(-0.8437, -0.1102, 2);
        CLine t23 = line({{x0 + 530, y0 - 100}, {x0 + 860, y0 - 100}}, 2, 3);
        t23.m_transformer = 1;
        t23.SetFlowResult(0.6021, 0.2010, 1);
        t23.SetFlowResult(-0.6021, -0.1873, 2);
        CLine l13 = line(
            {{x0 + 95, y0 - 105}, {x0 + 95, y0 - 170}, {x0 + 895, y0 - 170}, {x0 + 895, y0 - 105}},
            1, 3);
        l13.SetWithinLimit(0);
        c.lines = {l12, t23, l13};
        c.breakers.emplace_back(x0 + 495, y0 - 170, 1, 3);
        c.breakers.back().Toggle(); // open
    }
    // Bus-attached symbols in their four orientations.
    {
        Cell& c = place("Capacitors", appIn(Mode::PowerFlow, 4, 0), 0, 1);
        twoBusesWithSymbols(c, c.capacitances, 4, CBus::kLoad,
                            [](int x, int y, int o, int b) { return CCapacitance(x, y, o, b); });
        c.buses[0].SetPowerFlowResult(0.9873, -4.21, 0, 0, 1);
        c.buses[1].SetPowerFlowResult(1.0125, -2.08, 0, 0, 1);
    }
    {
        Cell& c = place("Generators", appIn(Mode::OptimalPowerFlow, 7, 1), 1, 1);
        twoBusesWithSymbols(c, c.generators, 6, CBus::kGenerator,
                            [](int x, int y, int o, int b) { return CGenerator(x, y, o, b); });
        c.buses[0].SetPowerFlowResult(1.02, 1.5, 40.0, 12.37, 1);
        c.buses[1].SetPowerFlowResult(1.01, 0.8, 25.5, 8.02, 1);
        c.generators[0].m_realPowerCost = 1105.2;
        c.generators[1].m_realPowerCost = 1250.0;
        c.generators[2].m_realPowerCost = 870.0;
        c.generators[3].m_realPowerCost = 980.5;
    }
    {
        Cell& c = place("Faults", appIn(Mode::ShortCircuit, 0), 2, 1);
        twoBusesWithSymbols(c, c.shorts, 8, CBus::kLoad,
                            [](int x, int y, int o, int b) { return CShort(x, y, o, b); });
    }
    {
        Cell& c = place("Impedances to ground", appIn(Mode::ShortCircuit, 0), 3, 1);
        twoBusesWithSymbols(c, c.zgrounds, 10, CBus::kLoad,
                            [](int x, int y, int o, int b) { return CZground(x, y, o, b); });
    }
    {
        Cell& c = place("Injection meters, estimates", appIn(Mode::StateEstimation, 3, 0, 0), 0, 2);
        twoBusesWithSymbols(c, c.injections, 12, CBus::kLoad, [](int x, int y, int o, int b) {
            return CPowerInjection(x, y, o, b, 0, 0, 0.001);
        });
        c.injections[1].SetRealEstimate(0.3, 0.312, 1);
        c.injections[1].SetReactiveEstimate(0.1, 0.095, 1);
        c.injections[1].SetReactiveResidual(0, 3, 1, 0); // flagged bad by the LAV estimator
        c.injections[3].SetRealEstimate(-0.2, -0.214, 1);
        c.injections[3].SetReactiveEstimate(-0.05, -0.047, 1);
    }
    {
        Cell& c = place("Voltage meters, residuals", appIn(Mode::StateEstimation, 2, 0, 2), 1, 2);
        twoBusesWithSymbols(c, c.voltages, 14, CBus::kLoad, [](int x, int y, int o, int b) {
            return CVoltage(x, y, o, b, 1.0, 0.001);
        });
        c.voltages[1].SetResidualResult(2.871, 2, 1, 0);
        c.voltages[3].SetResidualResult(0.412, 0, 1, 1);
    }
    // Flow and current meters on a branch, with normalized residuals.
    {
        Cell& c = place("Flow and current meters", appIn(Mode::StateEstimation, 2, 0, 2), 2, 2);
        const int x0 = c.x0, y0 = c.y0;
        c.buses.push_back(bus(x0 + 50, y0 - 160, 0, 16, CBus::kLoad, "West"));
        c.buses.push_back(bus(x0 + 260, y0 - 160, 0, 17, CBus::kLoad, "Dock"));
        c.lines.push_back(line({{x0 + 50, y0 - 125}, {x0 + 250, y0 - 125}}, 16, 17));
        c.flows.emplace_back(x0 + 90, y0 - 125, 16, 17, 0.5, 0.1, 0.001);
        c.flows.back().SetRealResidual(3.412, 2, 1, 0);
        c.flows.back().SetReactiveResidual(0.215, 0, 1, 3);
        c.currents.emplace_back(x0 + 180, y0 - 125, 16, 17, 0.52, 0.001);
        c.currents.back().SetResidualResult(1.204, 1, 1, 0);
    }
    // What the pointer selects: dotted outlines and lighter branch colours.
    {
        Cell& c = place("Selected elements", appIn(Mode::NetworkEdit, 0), 3, 2);
        const int x0 = c.x0, y0 = c.y0;
        c.buses.push_back(bus(x0 + 100, y0 - 75, 1, 18, CBus::kSlack, ""));
        c.buses.push_back(bus(x0 + 270, y0 - 75, 1, 19, CBus::kLoad, ""));
        c.buses[0].SetSelected(1);
        c.lines.push_back(line({{x0 + 100, y0 - 70}, {x0 + 200, y0 - 70}}, 18, 19));
        c.lines.push_back(line(
            {{x0 + 65, y0 - 75}, {x0 + 65, y0 - 140}, {x0 + 235, y0 - 140}, {x0 + 235, y0 - 75}},
            18, 19));
        c.lines[1].m_transformer = 1;
        for (CLine& l : c.lines) l.SetSelected(1);
        c.breakers.emplace_back(x0 + 150, y0 - 70, 18, 19);
        c.breakers.back().SetSelected(1);
        c.capacitances.emplace_back(x0 + 255, y0 - 75, 90, 19);
        c.capacitances.back().SetSelected(1);
    }
    return cells;
}

template <typename T>
void drawAll(CDrawSurface& s, const CSkemtorApp& app, const std::vector<T>& elements, bool labels) {
    for (const T& element : elements) {
        element.Draw(s, app, app.m_resultState);
        if constexpr (requires { element.DrawLabels(s, app); })
            if (labels) element.DrawLabels(s, app);
    }
}

void drawCell(CDrawSurface& s, const Cell& c) {
    s.SetTextColor({0, 0, 0});
    s.Text(c.x0 + 10, c.y0 - 8, TextAlign::Left, c.title);
    // The diagram's order: branches, buses, shunts and breakers, meters, faults and
    // impedances to ground, generators.
    drawAll(s, c.app, c.lines, true);
    drawAll(s, c.app, c.buses, true);
    drawAll(s, c.app, c.capacitances, false);
    drawAll(s, c.app, c.breakers, false);
    drawAll(s, c.app, c.flows, true);
    drawAll(s, c.app, c.currents, true);
    drawAll(s, c.app, c.injections, true);
    drawAll(s, c.app, c.voltages, true);
    drawAll(s, c.app, c.shorts, false);
    drawAll(s, c.app, c.zgrounds, false);
    drawAll(s, c.app, c.generators, true);
}

QImage render(const std::vector<Cell>& cells) {
    QImage image(static_cast<int>(kCanvasWidth * kScale), static_cast<int>(kCanvasHeight * kScale),
                 QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(kScale, -kScale);
    CPainterSurface surface(painter, true);
    for (const Cell& cell : cells) drawCell(surface, cell);
    return image;
}

QRect pixels(const CRectL& r) {
    return QRect(
        QPoint(static_cast<int>(r.m_xMin * kScale), static_cast<int>(-r.m_yMax * kScale)),
        QPoint(static_cast<int>(r.m_xMax * kScale) - 1, static_cast<int>(-r.m_yMin * kScale) - 1));
}

// Pixels clearly not white (a cyan bar counts as much as a black one).
int inkedPixels(const QImage& image, const QRect& area) {
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 160) ++inked;
        }
    return inked;
}

TEST(ElementsPictureTest, EverySymbolShowsInsideItsOwnRectangle) {
    const std::vector<Cell> cells = catalogue();
    const QImage image = render(cells);

    std::vector<CRectL> symbols;
    for (const Cell& c : cells) {
        for (const auto& e : c.capacitances) symbols.push_back(e.GetRect());
        for (const auto& e : c.generators) symbols.push_back(e.GetRect());
        for (const auto& e : c.shorts) symbols.push_back(e.GetRect());
        for (const auto& e : c.zgrounds) symbols.push_back(e.GetRect());
        for (const auto& e : c.injections) symbols.push_back(e.GetRect());
        for (const auto& e : c.voltages) symbols.push_back(e.GetRect());
        for (const auto& e : c.buses) symbols.push_back(e.GetRect());
    }
    // 6 kinds x 4 orientations and a selected capacitor; 19 buses.
    ASSERT_EQ(symbols.size(), 25u + 19u);
    for (const CRectL& r : symbols) {
        const QRect area = pixels(r);
        EXPECT_GT(inkedPixels(image, area), area.width() * area.height() / 12)
            << r.m_xMin << "," << r.m_yMax;
    }
    // The branch over its limit is drawn red along its bottom run.
    const QRgb overLimit =
        image.pixel(static_cast<int>(200 * kScale), static_cast<int>(170 * kScale));
    EXPECT_GT(qRed(overLimit), 200);
    EXPECT_LT(qBlue(overLimit), 80);

    if (const char* path = std::getenv("TARVEX_ELEMENTS_PICTURE")) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(path), "PNG")) << path;
    }
}

} // namespace
