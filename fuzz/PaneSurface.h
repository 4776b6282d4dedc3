#pragma once

#include "model/draw/DrawSurface.h"

#include <cstdlib>
#include <string>

// A plot pane for a fuzz run: draws nothing, but stops the run when a picture holds a
// coordinate no pane could show or a number printed as "nan" or "inf".
class CPaneSurface : public CDrawSurface {
public:
    void SetPen(const CPen&) override {}
    void SetBrush(const CBrush&) override {}
    void SetFont(FontKind) override {}
    void SetTextColor(CColor) override {}
    void Rectangle(const CRectL& rect) override {
        Check(rect.m_xMin, rect.m_yMax);
        Check(rect.m_xMax, rect.m_yMin);
    }
    void MoveTo(int x, int y) override { Check(x, y); }
    void LineTo(int x, int y) override { Check(x, y); }
    void Polyline(const CPointL* points, int count) override {
        for (int i = 0; i < count; ++i) Check(points[i].x, points[i].y);
    }
    void Text(int x, int y, TextAlign, const std::string& text) override {
        Check(x, y);
        if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos)
            std::abort();
    }
    void Glyph(GlyphKind, int, int x, int y) override { Check(x, y); }

private:
    // Scaled values are held within a million pixels of the pane.
    static void Check(int x, int y) {
        constexpr int kFar = 4'000'000;
        if (std::abs(x) > kFar || std::abs(y) > kFar) std::abort();
    }
};
