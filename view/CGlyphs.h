#pragma once

#include "model/draw/DrawSurface.h"

#include <QPixmap>
#include <QSize>

#include <array>

// The pictures of the bus-attached symbols and of the transformer, drawn in code into
// transparent pixmaps: one per orientation (0, 90, 180, 270), sized in diagram units
// (20 x 10 or 10 x 20; the generator 25 x 16 or 16 x 25; the transformer 10 x 20).
// Each picture is rendered at `pixelRatio` device pixels per unit and carries that
// ratio, so it keeps its size in units and stays sharp when a printer or a zoomed
// view scales it up. The symbol's bus side is the edge facing the placing point:
// right for 0, top for 90, left for 180, bottom for 270.
class CGlyphs {
public:
    static constexpr qreal kSharedPixelRatio = 4.0;

    explicit CGlyphs(qreal pixelRatio = 1.0);

    // The picture of a glyph; an orientation other than the four gives the one of 0.
    const QPixmap& Pixmap(GlyphKind glyph, int orientation) const;
    // Its size in diagram units.
    static QSize Size(GlyphKind glyph, int orientation);

    // The set the program draws with, made on first use (after the application object
    // exists) and kept for the run.
    static const CGlyphs& Shared();

private:
    static constexpr int kKinds = 7;
    std::array<std::array<QPixmap, 4>, kKinds> m_pixmaps;
};
