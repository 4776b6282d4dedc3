#include "model/draw/SymbolDrawing.h"

using namespace tarvex::colors;

void CSymbolDrawing::Glyph(CDrawSurface& surface, const CElement& element, GlyphKind glyph,
                           int orientation) {
    surface.SetPen(Dotted(element.IsSelected() ? kSelectionGrey : kWhite));
    surface.SetBrush(Hollow());
    surface.Rectangle(element.GetRect());
    surface.Glyph(glyph, orientation, element.m_xMin, element.m_yMax);
}

void CSymbolDrawing::FilledSquare(CDrawSurface& surface, const CElement& element, CColor color) {
    surface.SetPen(element.IsSelected() ? Dotted(kSelectionGrey) : Solid(color));
    surface.SetBrush(Hollow());
    surface.Rectangle(element.GetRect());
    surface.SetPen(Solid(color));
    surface.SetBrush(Fill(color));
    surface.Rectangle(Inset(element.GetRect(), 1));
}
