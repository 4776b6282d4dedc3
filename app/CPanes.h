#pragma once

#include <QRect>

#include <functional>
#include <memory>

class CSkemtorApp;
class CSkemtorDoc;
class CSkemtorView;
class CUserInterface;
class CVoltagePlotView;
class CQtElementDialogs;
class QPainter;
class QWidget;

// The two panes of the main window's splitter. The frame creates each through one
// function here, so the diagram view and the plot view plug in at this one place.
struct CDiagramPane {
    CSkemtorView* view = nullptr;
    QWidget* widget = nullptr;
    std::shared_ptr<CQtElementDialogs> dialogs;
    // Draws the diagram as one printed page into `page` (device coordinates).
    std::function<void(QPainter&, const QRect&)> drawPage;
};

class CPanes {
public:
    static CDiagramPane CreateDiagramPane(QWidget* parent, CSkemtorApp& app, CSkemtorDoc& doc,
                                          CUserInterface& ui);
    // `report` shows an engine error code met while reading the plotted result file.
    static CVoltagePlotView* CreatePlotPane(QWidget* parent, CSkemtorApp& app,
                                            std::function<void(int code)> report);
};
