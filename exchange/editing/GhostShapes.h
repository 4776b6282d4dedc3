#pragma once

#include "model/Rect.h"

class CDrawSurface;

namespace tarvex::editing {

// The pieces the placement ghosts are made of, in the ghost's thin black pen.
void BeginGhost(CDrawSurface& surface);
// Two 20-unit strokes crossing at the point.
void DrawCrossHair(CDrawSurface& surface, CPointL at);

} // namespace tarvex::editing
