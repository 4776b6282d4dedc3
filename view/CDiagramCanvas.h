#pragma once

#include <QWidget>

class CSkemtorView;

// The drawing area inside the diagram view's scroll area: as large as the canvas, it
// paints the diagram and hands its mouse and key events to the view.
class CDiagramCanvas : public QWidget {
    Q_OBJECT
public:
    explicit CDiagramCanvas(CSkemtorView& view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CSkemtorView& m_view;
};
