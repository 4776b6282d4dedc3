#include "view/CDiagramCanvas.h"

#include "view/CSkemtorView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CDiagramCanvas::CDiagramCanvas(CSkemtorView& view) : QWidget(nullptr), m_view(view) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CDiagramCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.fillRect(event->rect(), Qt::white);
    m_view.DrawDiagram(painter, m_view.PixelsPerUnit(), true);
}

void CDiagramCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    m_view.Editor().LeftButtonDown(m_view.ToLogical(event->position().toPoint()));
}

void CDiagramCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    m_view.Editor().MouseMove(m_view.ToLogical(pixel), m_view.IsInsideViewport(pixel));
}

void CDiagramCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_view.Editor().DoubleClick(m_view.ToLogical(event->position().toPoint()));
}

void CDiagramCanvas::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 128)
        m_view.Editor().Character(static_cast<char>(text[0].unicode()));
    else
        QWidget::keyPressEvent(event);
}
