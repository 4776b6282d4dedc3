#pragma once

#include "model/draw/DrawSurface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>

// The abstract drawing surface on a QPainter. Two coordinate conventions:
// - yUp = true: the diagram. The painter's transform already maps logical units of
//   0.01 inch with y growing upward onto the device (so it is mirrored vertically);
//   texts and glyphs are drawn un-mirrored so they stay upright and readable.
// - yUp = false: the plot pane, in window pixels with y growing downward.
// The surface keeps its own pen, brush, font and text colour and applies them to the
// painter as each primitive is drawn; the painter's state is restored on destruction.
class CPainterSurface : public CDrawSurface {
public:
    CPainterSurface(QPainter& painter, bool yUp);
    ~CPainterSurface() override;
    CPainterSurface(const CPainterSurface&) = delete;
    CPainterSurface& operator=(const CPainterSurface&) = delete;

    void SetPen(const CPen& pen) override;
    void SetBrush(const CBrush& brush) override;
    void SetFont(FontKind font) override;
    void SetTextColor(CColor color) override;
    void Rectangle(const CRectL& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const CPointL* points, int count) override;
    void Text(int x, int y, TextAlign align, const std::string& text) override;
    void Glyph(GlyphKind glyph, int orientation, int x, int y) override;

    // The result-label font: Arial, 12 of the caller's units high.
    static QFont LabelFont();

private:
    void ApplyPen();

    QPainter& m_painter;
    bool m_yUp;
    CPen m_pen{};
    QFont m_defaultFont;
    QColor m_textColor{Qt::black};
    QPoint m_current{0, 0};
};
