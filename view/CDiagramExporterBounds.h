#pragma once

#include "model/Rect.h"

class CSkemtorView;

// Measures what the diagram really covers, in its own units: every line, bar, glyph and
// text as painted, texts by the line boxes of the fonts they are written in. The
// elements' rectangles alone miss the bus names written to the left of a bar and the
// result labels to its right, whose width only the fonts know.
class CDiagramExporterBounds {
public:
    // The covered rectangle; empty (all zero) when nothing is drawn.
    static CRectL Measure(CSkemtorView& view);
};
