#include "app/CPanes.h"

#include "model/SkemtorApp.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

// Stands in for a pane until its view exists: a white area the size of the pane.
QWidget* blankPane(QWidget* parent, const char* name) {
    auto* pane = new QWidget(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setAutoFillBackground(true);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Window, Qt::white);
    pane->setPalette(palette);
    pane->setMinimumSize(0, 0);
    return pane;
}

} // namespace

CDiagramPane CPanes::CreateDiagramPane(QWidget* parent, CSkemtorApp& app, CSkemtorDoc&) {
    CDiagramPane pane;
    pane.widget = blankPane(parent, "diagramPane");
    // The page shows the canvas outline, scaled to fit, until the diagram draws itself.
    pane.drawPage = [&app](QPainter& painter, const QRect& page) {
        const double sx = page.width() / static_cast<double>(app.m_canvasSize.width);
        const double sy = page.height() / static_cast<double>(app.m_canvasSize.height);
        const double scale = std::min(sx, sy);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(QRectF(page.left(), page.top(), app.m_canvasSize.width * scale,
                                app.m_canvasSize.height * scale));
    };
    return pane;
}

QWidget* CPanes::CreatePlotPane(QWidget* parent, CSkemtorApp&) {
    return blankPane(parent, "plotPane");
}
