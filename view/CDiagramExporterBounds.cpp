#include "view/CDiagramExporterBounds.h"

#include "view/CSkemtorView.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <cmath>

namespace {

// A paint engine that draws nothing and keeps the union of the device rectangles that
// the painting would touch. It takes every feature, so the painter hands it paths, texts
// and pictures untransformed together with the transform to apply.
class BoundsEngine : public QPaintEngine {
public:
    BoundsEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QRectF Covered() const { return m_covered; }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& changed) override {
        const QPaintEngine::DirtyFlags flags = changed.state();
        if (flags & QPaintEngine::DirtyTransform) m_transform = changed.transform();
        if (flags & QPaintEngine::DirtyPen) m_pen = changed.pen();
    }

    void drawPath(const QPainterPath& path) override { AddStroked(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i) polygon << points[i];
        AddStroked(polygon.boundingRect());
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { Add(r); }
    void drawTiledPixmap(const QRectF& r, const QPixmap&, const QPointF&) override { Add(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        Add(r);
    }
    void drawTextItem(const QPointF& p, const QTextItem& text) override {
        Add(QRectF(p.x(), p.y() - text.ascent(), text.width(), text.ascent() + text.descent()));
    }

private:
    // A stroked outline reaches half the pen's width beyond its geometry.
    void AddStroked(const QRectF& geometry) {
        const qreal half =
            m_pen.style() == Qt::NoPen ? 0.0 : std::max<qreal>(m_pen.widthF(), 1) / 2;
        Add(geometry.adjusted(-half, -half, half, half));
    }
    void Add(const QRectF& rect) {
        const QRectF mapped = m_transform.mapRect(rect);
        m_covered = m_covered.isNull() ? mapped : m_covered.united(mapped);
    }

    QTransform m_transform;
    QPen m_pen;
    QRectF m_covered;
};

// A device as large as the canvas could ever be, painted only to be measured.
class BoundsDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    QRectF Covered() const { return m_engine.Covered(); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        constexpr int kSize = 1 << 24;
        constexpr int kDpi = 96;
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return kSize;
        case PdmWidthMM:
        case PdmHeightMM:
            return static_cast<int>(kSize * 25.4 / kDpi);
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable BoundsEngine m_engine;
};

} // namespace

CRectL CDiagramExporterBounds::Measure(CSkemtorView& view) {
    BoundsDevice device;
    {
        QPainter painter(&device);
        // One device unit per diagram unit; the diagram's own transform turns y downward.
        view.DrawDiagram(painter, 1.0, false);
    }
    const QRectF covered = device.Covered();
    if (covered.isNull()) return {};
    return {static_cast<int>(std::floor(covered.left())),
            -static_cast<int>(std::floor(covered.top())),
            static_cast<int>(std::ceil(covered.right())),
            -static_cast<int>(std::ceil(covered.bottom()))};
}
