#include "view/CVoltagePlotView.h"

#include "view/CPainterSurface.h"

#include <QPainter>
#include <QPalette>
#include <QTimer>

CVoltagePlotView::CVoltagePlotView(const CSkemtorApp& app, std::filesystem::path workingDirectory,
                                   std::function<void(int code)> report, QWidget* parent)
    : QWidget(parent), m_app(app),
      m_drawing(std::move(workingDirectory), [this, report = std::move(report)](int code) {
          if (!report) return;
          QTimer::singleShot(0, this, [report, code] { report(code); });
      }) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void CVoltagePlotView::Render(QPainter& painter, QSize size) {
    CPainterSurface surface(painter, false);
    m_drawing.Draw(surface, m_app, size.width(), size.height());
}

void CVoltagePlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter, size());
}
