#pragma once

#include "model/draw/DrawSurface.h"

#include <string>
#include <vector>

namespace tarvex::test {

// A drawing surface that writes down every call as one readable line, so a test can
// check exactly what a drawing rule drew and in which order, e.g.
//   "pen solid 1 0,0,0", "brush solid 0,255,255", "rect 10,20,30,15",
//   "text 5,7 left [B1]", "glyph generator 90 10,40", "polyline 0,0 10,10".
class RecordingSurface : public CDrawSurface {
public:
    std::vector<std::string> calls;

    void SetPen(const CPen& pen) override;
    void SetBrush(const CBrush& brush) override;
    void SetFont(FontKind font) override;
    void SetTextColor(CColor color) override;
    void Rectangle(const CRectL& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const CPointL* points, int count) override;
    // Texts are recorded with the text colour and font in force when drawn:
    // "text X,Y ALIGN R,G,B FONT [TEXT]".
    void Text(int x, int y, TextAlign align, const std::string& text) override;
    void Glyph(GlyphKind glyph, int orientation, int x, int y) override;

    // The recorded lines that start with `prefix`, e.g. all "text" calls.
    std::vector<std::string> Calls(const std::string& prefix) const;
    // Every recorded line joined with newlines, for failure messages.
    std::string Joined() const;

private:
    CColor m_textColor{};
    FontKind m_font = FontKind::Default;
};

std::string ToString(CColor color);

} // namespace tarvex::test
