#pragma once

#include "model/Element.h"
#include "model/draw/DrawSurface.h"

// The two ways a symbol that is not a bus bar or a branch is drawn: a picture beside a
// bus (shunt, fault, impedance to ground, generator, injection and voltage meters) or a
// small filled square on a branch (flow and current meters).
class CSymbolDrawing {
public:
    // A dotted outline (selection grey when selected, white otherwise, so it vanishes on
    // the white canvas) and the glyph of the orientation with its upper-left corner at
    // the rectangle's upper-left corner.
    static void Glyph(CDrawSurface& surface, const CElement& element, GlyphKind glyph,
                      int orientation);
    // Outline dotted selection grey when selected, else solid in the colour; then the
    // rectangle inset by one unit filled in the colour.
    static void FilledSquare(CDrawSurface& surface, const CElement& element, CColor color);

    static CRectL Inset(const CRectL& rect, int by) {
        return {rect.m_xMin + by, rect.m_yMax - by, rect.m_xMax - by, rect.m_yMin + by};
    }
    static CPen Dotted(CColor color) { return {PenStyle::Dotted, 1, color}; }
    static CPen Solid(CColor color, int width = 1) { return {PenStyle::Solid, width, color}; }
    static CBrush Fill(CColor color) { return {true, color}; }
    static CBrush Hollow() { return {false, {}}; }
};
