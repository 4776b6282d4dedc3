#include "view/CSkemtorView.h"

#include "exchange/editing/DiagramPainter.h"
#include "view/CDiagramCanvas.h"
#include "view/CPainterSurface.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

CSkemtorView::CSkemtorView(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                           CElementDialogs& dialogs, QWidget* parent)
    : QScrollArea(parent), m_doc(doc), m_app(app), m_canvas(new CDiagramCanvas(*this)),
      m_editor(doc, app, ui, dialogs, *this) {
    setWidget(m_canvas);
    setWidgetResizable(false);
    // The main window focuses the pane itself; the keys belong to the canvas, which is
    // the one that turns them into editing commands.
    setFocusProxy(m_canvas);
    setBackgroundRole(QPalette::Base);
    CanvasResized();
}

CSkemtorView::~CSkemtorView() = default;

double CSkemtorView::PixelsPerUnit() const {
    return logicalDpiX() / 100.0;
}

CPointL CSkemtorView::ToLogical(QPoint pixel) const {
    const double scale = PixelsPerUnit();
    return {static_cast<int>(std::lround(pixel.x() / scale)),
            -static_cast<int>(std::lround(pixel.y() / scale))};
}

QPoint CSkemtorView::ToPixel(CPointL point) const {
    const double scale = PixelsPerUnit();
    return {static_cast<int>(std::lround(point.x * scale)),
            static_cast<int>(std::lround(-point.y * scale))};
}

bool CSkemtorView::IsInsideViewport(QPoint canvasPixel) const {
    return viewport()->rect().contains(m_canvas->mapTo(viewport(), canvasPixel));
}

void CSkemtorView::DrawDiagram(QPainter& painter, double pixelsPerUnit, bool withGhost) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(pixelsPerUnit, -pixelsPerUnit);
    {
        CPainterSurface surface(painter, true);
        CDiagramPainter::Draw(surface, m_doc, m_app);
        if (withGhost && m_app.m_tool != CSkemtorApp::Tool::Pointer) m_editor.DrawGhost(surface);
    }
    painter.restore();
}

void CSkemtorView::CanvasResized() {
    const double scale = PixelsPerUnit();
    m_canvas->resize(static_cast<int>(std::lround(m_app.m_canvasSize.width * scale)),
                     static_cast<int>(std::lround(m_app.m_canvasSize.height * scale)));
}

void CSkemtorView::SetCursorHidden(bool hidden) {
    if (hidden)
        m_canvas->setCursor(Qt::BlankCursor);
    else
        m_canvas->unsetCursor();
}

void CSkemtorView::SetMouseCaptured(bool captured) {
    // A grab on a hidden widget would take the mouse from the whole desktop.
    if (captured && m_canvas->isVisible())
        m_canvas->grabMouse();
    else if (!captured && QWidget::mouseGrabber() == m_canvas)
        m_canvas->releaseMouse();
}

void CSkemtorView::GhostChanged() {
    m_canvas->update();
}
