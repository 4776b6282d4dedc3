#include "view/CPainterSurface.h"

#include "view/CGlyphs.h"

#include <QPolygon>

namespace {

// The default font of the diagram in logical units (0.01 inch): about 10 points.
constexpr int kDiagramFontSize = 14;
constexpr int kLabelFontSize = 12;

QColor toQColor(CColor color) {
    return QColor(color.r, color.g, color.b);
}

Qt::AlignmentFlag horizontal(TextAlign align) {
    switch (align) {
    case TextAlign::Center:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

CPainterSurface::CPainterSurface(QPainter& painter, bool yUp) : m_painter(painter), m_yUp(yUp) {
    m_painter.save();
    m_defaultFont = m_painter.font();
    // The device's default font is sized in device points; the diagram's transform would
    // scale it a second time on a printer, so it gets a size in logical units instead.
    if (m_yUp) m_defaultFont.setPixelSize(kDiagramFontSize);
    m_painter.setFont(m_defaultFont);
    m_painter.setBrush(Qt::NoBrush);
    ApplyPen();
}

CPainterSurface::~CPainterSurface() {
    m_painter.restore();
}

QFont CPainterSurface::LabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kLabelFontSize);
    font.setWeight(QFont::Normal);
    // Outline fonts at their best rendering, as for print.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality));
    return font;
}

void CPainterSurface::SetPen(const CPen& pen) {
    m_pen = pen;
    ApplyPen();
}

void CPainterSurface::ApplyPen() {
    if (m_pen.style == PenStyle::None) {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(toQColor(m_pen.color), m_pen.width < 1 ? 1 : m_pen.width);
    if (m_pen.style == PenStyle::Dotted) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    m_painter.setPen(pen);
}

void CPainterSurface::SetBrush(const CBrush& brush) {
    m_painter.setBrush(brush.solid ? QBrush(toQColor(brush.color)) : QBrush(Qt::NoBrush));
}

void CPainterSurface::SetFont(FontKind font) {
    m_painter.setFont(font == FontKind::Label ? LabelFont() : m_defaultFont);
}

void CPainterSurface::SetTextColor(CColor color) {
    m_textColor = toQColor(color);
}

void CPainterSurface::Rectangle(const CRectL& rect) {
    m_painter.drawRect(
        QRectF(QPointF(rect.m_xMin, rect.m_yMin), QPointF(rect.m_xMax, rect.m_yMax)).normalized());
}

void CPainterSurface::MoveTo(int x, int y) {
    m_current = QPoint(x, y);
}

void CPainterSurface::LineTo(int x, int y) {
    const QPoint end(x, y);
    m_painter.drawLine(m_current, end);
    m_current = end;
}

void CPainterSurface::Polyline(const CPointL* points, int count) {
    if (count < 2) return;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].x, points[i].y);
    // A polyline is never filled, whatever the brush.
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(polygon);
    m_painter.restore();
}

void CPainterSurface::Text(int x, int y, TextAlign align, const std::string& text) {
    if (text.empty()) return;
    m_painter.save();
    m_painter.translate(x, y);
    // In the diagram y grows upward; text is laid out downward from its top, so it is
    // drawn in a frame flipped back to y down at the reference point.
    if (m_yUp) m_painter.scale(1, -1);
    m_painter.setPen(m_textColor);
    m_painter.drawText(QRectF(0, 0, 0, 0),
                       horizontal(align) | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                       QString::fromStdString(text));
    m_painter.restore();
}

void CPainterSurface::Glyph(GlyphKind glyph, int orientation, int x, int y) {
    const QPixmap& pixmap = CGlyphs::Shared().Pixmap(glyph, orientation);
    const QSize size = CGlyphs::Size(glyph, orientation);
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.translate(x, y);
    if (m_yUp) m_painter.scale(1, -1); // keep the picture upright, hanging from (x, y)
    m_painter.drawPixmap(QRectF(0, 0, size.width(), size.height()), pixmap, QRectF(pixmap.rect()));
    m_painter.restore();
}
