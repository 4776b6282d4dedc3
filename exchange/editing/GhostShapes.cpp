#include "exchange/editing/GhostShapes.h"

#include "model/draw/DrawSurface.h"

namespace tarvex::editing {

void BeginGhost(CDrawSurface& surface) {
    surface.SetPen({PenStyle::Solid, 1, tarvex::colors::kBlack});
    surface.SetBrush({});
}

void DrawCrossHair(CDrawSurface& surface, CPointL at) {
    constexpr int kHalf = 10;
    surface.MoveTo(at.x - kHalf, at.y);
    surface.LineTo(at.x + kHalf, at.y);
    surface.MoveTo(at.x, at.y - kHalf);
    surface.LineTo(at.x, at.y + kHalf);
}

} // namespace tarvex::editing
