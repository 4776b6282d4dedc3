#include "tests/support/RecordingSurface.h"

namespace tarvex::test {

namespace {

std::string point(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

const char* styleName(PenStyle style) {
    switch (style) {
    case PenStyle::Solid:
        return "solid";
    case PenStyle::Dotted:
        return "dotted";
    case PenStyle::None:
        return "none";
    }
    return "?";
}

const char* glyphName(GlyphKind glyph) {
    switch (glyph) {
    case GlyphKind::Capacitor:
        return "capacitor";
    case GlyphKind::Fault:
        return "fault";
    case GlyphKind::Zground:
        return "zground";
    case GlyphKind::PowerInjectionMeter:
        return "injection";
    case GlyphKind::VoltageMeter:
        return "voltage";
    case GlyphKind::Generator:
        return "generator";
    case GlyphKind::Transformer:
        return "transformer";
    }
    return "?";
}

const char* alignName(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return "left";
    case TextAlign::Center:
        return "center";
    case TextAlign::Right:
        return "right";
    }
    return "?";
}

} // namespace

std::string ToString(CColor color) {
    return std::to_string(color.r) + "," + std::to_string(color.g) + "," + std::to_string(color.b);
}

void RecordingSurface::SetPen(const CPen& pen) {
    calls.push_back(std::string("pen ") + styleName(pen.style) + " " + std::to_string(pen.width) +
                    " " + ToString(pen.color));
}

void RecordingSurface::SetBrush(const CBrush& brush) {
    calls.push_back(brush.solid ? "brush solid " + ToString(brush.color) : "brush hollow");
}

void RecordingSurface::SetFont(FontKind font) {
    m_font = font;
    calls.push_back(font == FontKind::Label ? "font label" : "font default");
}

void RecordingSurface::SetTextColor(CColor color) {
    m_textColor = color;
}

void RecordingSurface::Rectangle(const CRectL& rect) {
    calls.push_back("rect " + point(rect.m_xMin, rect.m_yMax) + "," +
                    point(rect.m_xMax, rect.m_yMin));
}

void RecordingSurface::MoveTo(int x, int y) {
    calls.push_back("move " + point(x, y));
}

void RecordingSurface::LineTo(int x, int y) {
    calls.push_back("line " + point(x, y));
}

void RecordingSurface::Polyline(const CPointL* points, int count) {
    std::string line = "polyline";
    for (int i = 0; i < count; ++i) line += " " + point(points[i].x, points[i].y);
    calls.push_back(line);
}

void RecordingSurface::Text(int x, int y, TextAlign align, const std::string& text) {
    calls.push_back("text " + point(x, y) + " " + alignName(align) + " " + ToString(m_textColor) +
                    (m_font == FontKind::Label ? " label" : " default") + " [" + text + "]");
}

void RecordingSurface::Glyph(GlyphKind glyph, int orientation, int x, int y) {
    calls.push_back(std::string("glyph ") + glyphName(glyph) + " " + std::to_string(orientation) +
                    " " + point(x, y));
}

std::vector<std::string> RecordingSurface::Calls(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& call : calls)
        if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    return found;
}

std::string RecordingSurface::Joined() const {
    std::string all;
    for (const auto& call : calls) all += call + "\n";
    return all;
}

} // namespace tarvex::test
