#include "app/CToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

using Kind = CToolbarIcons::Kind;

const QColor kInk(0, 0, 0);
const QColor kBus(0, 0, 160);
const QColor kMeter(0, 128, 0);
const QColor kPaper(255, 255, 255);
const QColor kFolder(220, 180, 60);

void page(QPainter& p, int x, int y, int w, int h) {
    const QPolygon outline({{x, y}, {x + w - 4, y}, {x + w, y + 4}, {x + w, y + h}, {x, y + h}});
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(outline);
    p.drawLine(x + w - 4, y, x + w - 4, y + 4);
    p.drawLine(x + w - 4, y + 4, x + w, y + 4);
}

// A meter: a small circle with a letter, hung from a bus stroke on the left.
void meter(QPainter& p, const QString& letter) {
    p.setPen(QPen(kBus, 2));
    p.drawLine(2, 1, 2, 13);
    p.setPen(kMeter);
    p.drawLine(3, 7, 5, 7);
    p.setBrush(kPaper);
    p.drawEllipse(5, 2, 10, 10);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(5, 2, 11, 11), Qt::AlignCenter, letter);
}

void drawKind(QPainter& p, Kind kind) {
    switch (kind) {
    case Kind::None:
        break;
    case Kind::New:
        page(p, 3, 1, 10, 13);
        break;
    case Kind::Open:
        p.setPen(kInk);
        p.setBrush(kFolder);
        p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 5}, {14, 5}, {14, 13}, {1, 13}}));
        p.setBrush(QColor(250, 220, 110));
        p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {13, 13}, {1, 13}}));
        break;
    case Kind::Save:
        p.setPen(kInk);
        p.setBrush(QColor(40, 70, 150));
        p.drawRect(1, 1, 13, 12);
        p.setBrush(kPaper);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(4, 9, 7, 4);
        break;
    case Kind::Cut:
        p.setPen(QPen(kInk, 1));
        p.drawLine(5, 1, 10, 9);
        p.drawLine(10, 1, 5, 9);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(2, 9, 4, 4);
        p.drawEllipse(9, 9, 4, 4);
        break;
    case Kind::Copy:
        page(p, 1, 1, 8, 9);
        page(p, 6, 4, 8, 10);
        break;
    case Kind::Paste:
        p.setPen(kInk);
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(2, 2, 10, 12);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(5, 1, 4, 2);
        page(p, 7, 6, 7, 8);
        break;
    case Kind::Print:
        p.setPen(kInk);
        page(p, 4, 1, 8, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(kPaper);
        p.drawRect(4, 10, 8, 4);
        break;
    case Kind::About: {
        p.setPen(QPen(QColor(0, 0, 180), 2));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Kind::Pointer:
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawPolygon(QPolygon({{4, 1}, {4, 12}, {7, 9}, {9, 14}, {11, 13}, {9, 8}, {12, 8}}));
        break;
    case Kind::VerticalBus:
        p.fillRect(6, 1, 4, 13, kBus);
        break;
    case Kind::HorizontalBus:
        p.fillRect(1, 6, 14, 3, kBus);
        break;
    case Kind::Line:
        p.fillRect(1, 1, 2, 6, kBus);
        p.fillRect(13, 8, 2, 6, kBus);
        p.setPen(QPen(kInk, 1));
        p.drawLine(3, 4, 8, 4);
        p.drawLine(8, 4, 8, 11);
        p.drawLine(8, 11, 13, 11);
        break;
    case Kind::Capacitor:
        p.fillRect(1, 1, 14, 2, kBus);
        p.setPen(QPen(kInk, 1));
        p.drawLine(7, 3, 7, 6);
        p.setPen(QPen(kInk, 2));
        p.drawLine(3, 7, 12, 7);
        p.drawLine(3, 10, 12, 10);
        p.setPen(QPen(kInk, 1));
        p.drawLine(7, 11, 7, 14);
        break;
    case Kind::CircuitBreaker:
        p.setPen(kInk);
        p.drawLine(0, 7, 4, 7);
        p.drawLine(11, 7, 15, 7);
        p.setBrush(QColor(200, 0, 0));
        p.drawRect(4, 3, 7, 8);
        break;
    case Kind::PowerFlowMeasurement:
        meter(p, QStringLiteral("F"));
        break;
    case Kind::CurrentMeasurement:
        meter(p, QStringLiteral("I"));
        break;
    case Kind::PowerInjectionMeasurement:
        meter(p, QStringLiteral("P"));
        break;
    case Kind::VoltageMeasurement:
        meter(p, QStringLiteral("V"));
        break;
    case Kind::Generator: {
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawEllipse(1, 1, 13, 13);
        QPainterPath wave;
        wave.moveTo(4, 8);
        wave.cubicTo(6, 3, 8, 3, 8, 8);
        wave.cubicTo(8, 12, 10, 12, 12, 7);
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        break;
    }
    case Kind::ImpedanceToGround:
        p.fillRect(1, 0, 14, 2, kBus);
        p.setPen(kInk);
        p.drawPolyline(QPolygon({{8, 2}, {8, 3}, {5, 4}, {11, 6}, {5, 8}, {11, 10}, {8, 11}}));
        p.drawLine(4, 12, 12, 12);
        p.drawLine(6, 13, 10, 13);
        p.drawLine(7, 14, 9, 14);
        break;
    case Kind::ShortCircuit:
        p.fillRect(1, 0, 14, 2, kBus);
        p.setPen(QColor(200, 0, 0));
        p.setBrush(QColor(255, 200, 0));
        p.drawPolygon(QPolygon({{9, 2}, {4, 9}, {8, 9}, {6, 14}, {12, 6}, {8, 6}}));
        break;
    }
}

} // namespace

QPixmap CToolbarIcons::Pixmap(Kind kind) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        drawKind(painter, kind);
    }
    return pixmap;
}

QIcon CToolbarIcons::Icon(Kind kind) {
    return kind == Kind::None ? QIcon() : QIcon(Pixmap(kind));
}
