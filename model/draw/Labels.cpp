#include "model/draw/Labels.h"

void CLabels::Draw(CDrawSurface& surface, int x, int y, const std::string& text, CColor color,
                   TextAlign align) {
    surface.SetFont(FontKind::Label);
    surface.SetTextColor(color);
    surface.Text(x, y, align, text);
    if (color != tarvex::colors::kBlack) surface.SetTextColor(tarvex::colors::kBlack);
    surface.SetFont(FontKind::Default);
}
