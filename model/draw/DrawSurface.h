#pragma once

#include "model/Rect.h"

#include <string>

// The few drawing operations the diagram elements and the plot pane need, in the
// caller's own coordinates. The diagram draws in logical units of 0.01 inch with y
// growing upward; the plot pane draws in window pixels with y growing downward. The
// surface knows which and keeps text upright either way. Keeping the drawing rules on
// this interface lets them be tested by recording what they draw, without a display.

struct CColor {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
    bool operator==(const CColor&) const = default;
};

namespace tarvex::colors {
constexpr CColor kBlack{0, 0, 0};
constexpr CColor kWhite{255, 255, 255};
constexpr CColor kSelectionGrey{128, 128, 128};
constexpr CColor kLightGrey{192, 192, 192};
constexpr CColor kRed{255, 0, 0};
constexpr CColor kGreen{0, 255, 0};
constexpr CColor kDarkGreen{0, 128, 0};
constexpr CColor kCyan{0, 255, 255};
constexpr CColor kBlue{0, 0, 255};
constexpr CColor kLightBlue{0, 128, 255};
constexpr CColor kMagenta{255, 0, 255};
constexpr CColor kYellow{255, 255, 0};
} // namespace tarvex::colors

enum class PenStyle { Solid, Dotted, None };

struct CPen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    CColor color{};
    bool operator==(const CPen&) const = default;
};

// A brush either fills with one colour or leaves the inside alone.
struct CBrush {
    bool solid = false;
    CColor color{};
    bool operator==(const CBrush&) const = default;
};

// Horizontal placement of a text relative to its reference point; the point is always
// the top of the text.
enum class TextAlign { Left, Center, Right };

// The device's default font, or the result-label font (Arial, 12 logical units high).
enum class FontKind { Default, Label };

// The bus-attached symbols and the transformer, drawn as transparent pictures.
enum class GlyphKind {
    Capacitor,
    Fault,
    Zground,
    PowerInjectionMeter,
    VoltageMeter,
    Generator,
    Transformer
};

class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    virtual void SetPen(const CPen& pen) = 0;
    virtual void SetBrush(const CBrush& brush) = 0;
    virtual void SetFont(FontKind font) = 0;
    virtual void SetTextColor(CColor color) = 0;

    // Outline with the current pen, inside filled with the current brush.
    virtual void Rectangle(const CRectL& rect) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position with the current pen; the end becomes current.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const CPointL* points, int count) = 0;
    virtual void Text(int x, int y, TextAlign align, const std::string& text) = 0;
    // The glyph of the given orientation (0, 90, 180, 270) with its upper-left corner
    // at (x, y).
    virtual void Glyph(GlyphKind glyph, int orientation, int x, int y) = 0;
};
