#pragma once

#include <QRect>

#include <functional>

class CSkemtorApp;
class CSkemtorDoc;
class QPainter;
class QWidget;

// The two panes of the main window's splitter. The frame creates each through one
// function here, so the diagram view and the plot view plug in at this one place.
struct CDiagramPane {
    QWidget* widget = nullptr;
    // Draws the diagram as one printed page into `page` (device coordinates).
    std::function<void(QPainter&, const QRect&)> drawPage;
};

class CPanes {
public:
    static CDiagramPane CreateDiagramPane(QWidget* parent, CSkemtorApp& app, CSkemtorDoc& doc);
    static QWidget* CreatePlotPane(QWidget* parent, CSkemtorApp& app);
};
