#pragma once

class CDrawSurface;
class CSkemtorDoc;
class CSkemtorApp;

#include "model/Rect.h"

// Draws the whole one-line diagram in its fixed order: branches under buses, buses under
// the symbols on them, and the meters, faults and generators only in the modes that use
// them. Painting also brings each branch's area up to date from its end buses, so a bus
// moved to another area shows its branches as tie lines at once.
class CDiagramPainter {
public:
    static void Draw(CDrawSurface& surface, CSkemtorDoc& doc, const CSkemtorApp& app);

    // The rectangle holding every element drawn in the mode, widened by `margin` on each
    // side for the labels around them; a small rectangle at the origin for an empty
    // diagram.
    static CRectL Bounds(const CSkemtorDoc& doc, const CSkemtorApp& app, int margin);
};
