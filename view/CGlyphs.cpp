#include "view/CGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace {

int orientationIndex(int orientation) {
    switch (orientation) {
    case 90:
        return 1;
    case 180:
        return 2;
    case 270:
        return 3;
    default:
        return 0;
    }
}

// Maps the symbol's own frame onto the picture: u runs from the bus (0) to the far end
// (length), v across the symbol (-half..+half). Pictures have y growing downward.
QTransform symbolFrame(int orientation, qreal length, qreal half) {
    switch (orientation) {
    case 90: // below the bus: bus side at the top
        return QTransform(0, 1, 1, 0, half, 0);
    case 180: // right of the bus: bus side at the left
        return QTransform(1, 0, 0, 1, 0, half);
    case 270: // above the bus: bus side at the bottom
        return QTransform(0, -1, 1, 0, half, length);
    default: // left of the bus: bus side at the right
        return QTransform(-1, 0, 0, 1, length, half);
    }
}

const QColor kInk(0, 0, 0);
const QColor kFaultRed(255, 0, 0);
const QColor kInjectionGreen(0, 128, 0);
const QColor kVoltageBlue(0, 0, 255);

QPen stroke(const QColor& color, qreal width = 1.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Three shortening bars of the earth symbol, across the symbol at u = at, at + 2, at + 4.
void earth(QPainter& p, qreal at) {
    p.drawLine(QPointF(at, -4), QPointF(at, 4));
    p.drawLine(QPointF(at + 2, -2.5), QPointF(at + 2, 2.5));
    p.drawLine(QPointF(at + 4, -1), QPointF(at + 4, 1));
}

void capacitor(QPainter& p) {
    p.setPen(stroke(kInk));
    p.drawLine(QPointF(0, 0), QPointF(7.5, 0));
    p.setPen(stroke(kInk, 1.5));
    p.drawLine(QPointF(7.5, -4.2), QPointF(7.5, 4.2));
    p.drawLine(QPointF(10.5, -4.2), QPointF(10.5, 4.2));
    p.setPen(stroke(kInk));
    p.drawLine(QPointF(10.5, 0), QPointF(14, 0));
    earth(p, 14);
}

void zground(QPainter& p) {
    p.setPen(stroke(kInk));
    const QPointF zigzag[] = {{0, 0},  {3, 0},   {4, -3}, {6, 3},   {8, -3},
                              {10, 3}, {12, -3}, {13, 0}, {14.5, 0}};
    p.drawPolyline(zigzag, static_cast<int>(std::size(zigzag)));
    earth(p, 14.5);
}

// A lightning stroke coming in from the far end with its arrow head at the bus.
void fault(QPainter& p) {
    p.setPen(stroke(kFaultRed, 1.2));
    const QPointF bolt[] = {{18.5, -3.2}, {10, 1.5}, {11.5, -2}, {3.5, 1.5}};
    p.drawPolyline(bolt, static_cast<int>(std::size(bolt)));
    const QPointF tip(0.5, 2.8);
    const QPointF back = bolt[3];
    const QPointF dir = (tip - back) / std::hypot(tip.x() - back.x(), tip.y() - back.y());
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = tip - dir * 3.5;
    const QPointF head[] = {tip, base + normal * 1.8, base - normal * 1.8};
    p.setBrush(kFaultRed);
    p.drawPolygon(head, 3);
}

// A round meter on a stub, its letter kept upright whatever the orientation.
void meter(QPainter& p, const QColor& color, const QString& letter) {
    p.setPen(stroke(color));
    p.drawLine(QPointF(0, 0), QPointF(10.4, 0));
    p.drawEllipse(QPointF(14.8, 0), 4.4, 4.4);
    const QPointF centre = p.transform().map(QPointF(14.8, 0));
    p.save();
    p.resetTransform(); // the device's own pixel ratio scaling stays
    QFont font("Arial");
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), Qt::AlignCenter, letter);
    p.restore();
}

// A machine circle on a stub with an upright sine wave inside.
void generator(QPainter& p) {
    p.setPen(stroke(kInk));
    p.drawLine(QPointF(0, 0), QPointF(9.3, 0));
    p.drawEllipse(QPointF(16.6, 0), 7.3, 7.3);
    const QPointF c = p.transform().map(QPointF(16.6, 0));
    QPainterPath wave(QPointF(c.x() - 4.5, c.y()));
    wave.cubicTo(c.x() - 3, c.y() - 4, c.x() - 1.5, c.y() - 4, c.x(), c.y());
    wave.cubicTo(c.x() + 1.5, c.y() + 4, c.x() + 3, c.y() + 4, c.x() + 4.5, c.y());
    p.save();
    p.resetTransform(); // the device's own pixel ratio scaling stays
    p.setPen(stroke(kInk));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.restore();
}

// Two interlinked windings, one above the other.
void transformer(QPainter& p) {
    p.setPen(stroke(kInk, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 6.3), 4.4, 4.4);
    p.drawEllipse(QPointF(5, 13.7), 4.4, 4.4);
}

QPixmap render(GlyphKind glyph, int orientation, qreal pixelRatio) {
    const QSize size = CGlyphs::Size(glyph, orientation);
    QPixmap pixmap(std::lround(size.width() * pixelRatio), std::lround(size.height() * pixelRatio));
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setBrush(Qt::NoBrush);
    if (glyph == GlyphKind::Transformer) {
        transformer(p);
        return pixmap;
    }
    const bool isGenerator = glyph == GlyphKind::Generator;
    const qreal length = isGenerator ? 25 : 20;
    const qreal half = isGenerator ? 8 : 5;
    p.setTransform(symbolFrame(orientation, length, half), true);
    switch (glyph) {
    case GlyphKind::Capacitor:
        capacitor(p);
        break;
    case GlyphKind::Fault:
        fault(p);
        break;
    case GlyphKind::Zground:
        zground(p);
        break;
    case GlyphKind::PowerInjectionMeter:
        meter(p, kInjectionGreen, QStringLiteral("P"));
        break;
    case GlyphKind::VoltageMeter:
        meter(p, kVoltageBlue, QStringLiteral("V"));
        break;
    case GlyphKind::Generator:
        generator(p);
        break;
    case GlyphKind::Transformer:
        break;
    }
    return pixmap;
}

} // namespace

CGlyphs::CGlyphs(qreal pixelRatio) {
    constexpr int orientations[] = {0, 90, 180, 270};
    for (int kind = 0; kind < kKinds; ++kind)
        for (int i = 0; i < 4; ++i)
            m_pixmaps[static_cast<std::size_t>(kind)][static_cast<std::size_t>(i)] =
                render(static_cast<GlyphKind>(kind), orientations[i], pixelRatio);
}

const QPixmap& CGlyphs::Pixmap(GlyphKind glyph, int orientation) const {
    return m_pixmaps[static_cast<std::size_t>(glyph)]
                    [static_cast<std::size_t>(orientationIndex(orientation))];
}

QSize CGlyphs::Size(GlyphKind glyph, int orientation) {
    if (glyph == GlyphKind::Transformer) return {10, 20};
    const bool across = orientation == 90 || orientation == 270;
    if (glyph == GlyphKind::Generator) return across ? QSize(16, 25) : QSize(25, 16);
    return across ? QSize(10, 20) : QSize(20, 10);
}

const CGlyphs& CGlyphs::Shared() {
    static const CGlyphs glyphs(kSharedPixelRatio);
    return glyphs;
}
