#include "view/VoltagePlotDrawing.h"

#include "engine/core/ExchangeFiles.h"
#include "model/SkemtorApp.h"
#include "view/VoltagePlotDrawingInput.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

using Input = CVoltagePlotDrawingInput;

// Truncation toward zero of a scaled value. A value within round-off of a whole pixel
// counts as that pixel (a bar exactly at the top of the scale reaches the top), and
// values far outside any pane are held to a range an int can take.
int toPixel(double value) {
    if (!std::isfinite(value)) return 0;
    constexpr double kRoundOff = 1e-7;
    constexpr double kFar = 1e6;
    value += value < 0 ? -kRoundOff : kRoundOff;
    return static_cast<int>(std::clamp(value, -kFar, kFar));
}

// printf "%W.Df" in the C notation whatever the user's locale.
std::string fixed(double value, int width, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

CPen solidPen(CColor color) {
    return CPen{PenStyle::Solid, 1, color};
}

// The colours of the swing curves; quantity i takes colour i mod 6.
constexpr std::array<CColor, 6> kCurveColors = {tarvex::colors::kRed,   tarvex::colors::kBlue,
                                                tarvex::colors::kGreen, tarvex::colors::kYellow,
                                                tarvex::colors::kCyan,  tarvex::colors::kBlack};

void line(CDrawSurface& surface, int x1, int y1, int x2, int y2) {
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

// Offset of a value above the bottom of its family, in pixels; a flat family (zero
// scale) lies on its bottom line.
int offset(double value, double bottom, double scale) {
    return scale > 0 ? toPixel((value - bottom) / scale) : 0;
}

} // namespace

CVoltagePlotDrawing::CVoltagePlotDrawing(std::filesystem::path directory, ErrorReport report)
    : m_directory(std::move(directory)), m_report(std::move(report)) {}

void CVoltagePlotDrawing::Draw(CDrawSurface& surface, const CSkemtorApp& app, int width,
                               int height) {
    if (app.m_resultState != m_lastResultState) {
        m_lastResultState = app.m_resultState;
        m_reported.reset();
    }
    surface.SetFont(FontKind::Default);
    surface.SetTextColor(tarvex::colors::kBlack);
    surface.SetPen(solidPen(tarvex::colors::kBlack));
    surface.SetBrush(CBrush{true, tarvex::colors::kRed});
    if (app.m_resultState == CSkemtorApp::kPowerFlowResults)
        DrawVoltageProfile(surface, app, width, height);
    else if (app.m_resultState == CSkemtorApp::kTransientResults)
        DrawSwingCurves(surface, width, height);
}

void CVoltagePlotDrawing::DrawVoltageProfile(CDrawSurface& surface, const CSkemtorApp& app, int W,
                                             int H) const {
    const std::vector<Input::BusVoltage> rows = Input::PlottedBusVoltages(m_directory, app);
    const int N = std::max(app.m_powerFlowBusCount, 0);
    const std::size_t used = rows.size();

    // The limits compare with the voltages in the single precision the file was read in,
    // so a bus at exactly a limit counts as within it.
    const float vMax = static_cast<float>(app.m_vMax);
    const float vMin = static_cast<float>(app.m_vMin);
    float top = vMax;
    for (std::size_t i = 0; i < used; ++i) top = std::max(top, rows[i].voltage);

    // A pane too small for the axes' margins has no room for a chart.
    if (H - 30 <= 0 || W - 70 <= 0) return;
    const double s = static_cast<double>(top) / (H - 30); // p.u. per pixel
    if (!(s > 0)) return;
    const double u = static_cast<double>(N) / (W - 70); // buses per pixel

    const int yMax = H - (toPixel(vMax / s) + 25);
    line(surface, 55, yMax, W - 15, yMax);
    surface.Text(1, H - 90, TextAlign::Left, "Vmax:");
    surface.Text(1, H - 70, TextAlign::Left, fixed(app.m_vMax, 2, 3));
    const int yMin = H - (toPixel(vMin / s) + 25);
    line(surface, 55, yMin, W - 15, yMin);
    surface.Text(1, H - 50, TextAlign::Left, "Vmin:");
    surface.Text(1, H - 30, TextAlign::Left, fixed(app.m_vMin, 2, 3));

    line(surface, 55, 5, 55, H - 25);

    for (std::size_t i = 0; i < used; ++i) {
        const auto [bus, v] = rows[i];
        // The bar stands at the bus's number, not at its place in the file.
        const int x = toPixel(bus / u + 55);
        const int y = H - toPixel(v / s) - 25;
        const CColor color = (v < vMin || v > vMax) ? tarvex::colors::kRed : tarvex::colors::kBlue;
        surface.SetPen(solidPen(color));
        surface.SetBrush(CBrush{true, color});
        surface.Rectangle(CRectL{x - 2, std::max(H - 25, y), x + 2, std::min(H - 25, y)});
        surface.Text(x - 10, H - 15, TextAlign::Left, std::to_string(bus));
    }
}

void CVoltagePlotDrawing::DrawSwingCurves(CDrawSurface& surface, int W, int H) {
    const int half = H / 2;
    // The margins of the axes leave no room for curves in a smaller pane.
    if (W - 55 < 0 || half - 6 <= 0) return;

    line(surface, 40, half - 2, 40, 15);
    line(surface, 40, half - 2, W - 15, half - 2);
    line(surface, 40, half + 2, 40, H);
    line(surface, 40, H - 2, W - 15, H - 2);
    for (const int y : {5, half - 2, half + 2, H - 2}) line(surface, 35, y, 40, y);
    const int d = (W - 55) / 10;
    for (int k = 0; k <= 10; ++k) {
        const int x = 40 + k * d;
        line(surface, x, H - 4, x, H);
        line(surface, x, half - 4, x, half);
    }

    const std::filesystem::path file = m_directory / tarvex::files::kTransientPlot;
    std::optional<Input::SwingCurves> curves = Input::PlottedSwingCurves(m_directory);
    if (!curves) return;
    if (curves->announced >= Input::kRecordLimit) {
        Report(kTooManyRecordsError, file);
        return;
    }
    const std::vector<Input::SwingRecord>& records = curves->records;
    const int M = curves->KeptPairs();
    const int T = curves->announced;

    // The angles of the other quantities are relative to the first, the reference, so
    // with more than one quantity the lower family's extremes leave the first out.
    double maxA = 0.0, minA = 1.0e6, maxB = -1.0e6, minB = 1.0e6;
    const int firstB = M > 1 ? 1 : 0;
    for (const auto& record : records)
        for (int i = 0; i < M; ++i) {
            const auto k = static_cast<std::size_t>(i);
            maxA = std::max(maxA, static_cast<double>(record.a[k]));
            minA = std::min(minA, static_cast<double>(record.a[k]));
            if (i < firstB) continue;
            maxB = std::max(maxB, static_cast<double>(record.b[k]));
            minB = std::min(minB, static_cast<double>(record.b[k]));
        }

    surface.Text(W - 60, half + 5, TextAlign::Left, "t=");
    if (records.size() >= 2) {
        const double span = T * (static_cast<double>(records[1].time) - records[0].time);
        surface.Text(W - 40, half + 5, TextAlign::Left, fixed(span, 2, 3));
    }
    surface.Text(15, 20, TextAlign::Left, fixed(maxA, 2, 0));
    surface.Text(15, (half - 30) / 2, TextAlign::Left, "V");
    surface.Text(15, half - 10, TextAlign::Left, fixed(minA, 2, 0));
    surface.Text(10, half + 10, TextAlign::Left, fixed(maxB, 3, 1));
    surface.Text(5, half + (H - half - 40) / 2, TextAlign::Left, "ang");
    surface.Text(10, H - 20, TextAlign::Left, fixed(minB, 3, 1));

    const double xStep = static_cast<double>(T) / (W - 30); // records per pixel
    const double upper = (maxA - minA) / (half - 6);
    const double lower = (maxB - minB) / (half - 6);
    auto xOf = [&](std::size_t r) { return toPixel(static_cast<double>(r) / xStep + 40); };

    for (int i = 0; i < M; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const CColor color = kCurveColors[k % kCurveColors.size()];
        surface.MoveTo(40, H / 4);
        surface.SetPen(solidPen(color));
        surface.SetTextColor(color);
        for (std::size_t r = 0; r < records.size(); ++r)
            surface.LineTo(xOf(r), half - offset(records[r].a[k], minA, upper) - 3);
        surface.Text(W - 40, (i + 1) * 20, TextAlign::Left, "G" + std::to_string(i + 1));
    }
    for (int i = 1; i < M; ++i) {
        const auto k = static_cast<std::size_t>(i);
        surface.MoveTo(40, H - H / 4);
        surface.SetPen(solidPen(kCurveColors[k % kCurveColors.size()]));
        for (std::size_t r = 0; r < records.size(); ++r)
            surface.LineTo(xOf(r), H - offset(records[r].b[k], minB, lower) - 3);
    }
}

void CVoltagePlotDrawing::Report(int code, const std::filesystem::path& file) {
    std::error_code error;
    FileStamp stamp;
    stamp.time = std::filesystem::last_write_time(file, error);
    stamp.size = std::filesystem::file_size(file, error);
    if (m_reported == stamp) return;
    m_reported = stamp;
    if (m_report) m_report(code);
}
