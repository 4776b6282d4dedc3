#include "app/CPanes.h"

#include "model/SkemtorApp.h"
#include "view/CQtElementDialogs.h"
#include "view/CSkemtorView.h"
#include "view/CVoltagePlotView.h"

#include <QPaintDevice>
#include <QPainter>

CDiagramPane CPanes::CreateDiagramPane(QWidget* parent, CSkemtorApp& app, CSkemtorDoc& doc,
                                       CUserInterface& ui) {
    CDiagramPane pane;
    pane.dialogs = std::make_shared<CQtElementDialogs>(parent, app, doc);
    pane.view = new CSkemtorView(doc, app, ui, *pane.dialogs, parent);
    pane.view->setObjectName(QStringLiteral("diagramPane"));
    pane.dialogs->SetParent(pane.view);
    pane.widget = pane.view;
    // A printed page shows the canvas's top-left corner at true size: one unit is a
    // hundredth of an inch on paper as on the screen.
    CSkemtorView* view = pane.view;
    pane.drawPage = [view](QPainter& painter, const QRect& page) {
        painter.save();
        painter.translate(page.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), page.size()));
        view->DrawDiagram(painter, painter.device()->logicalDpiX() / 100.0, false);
        painter.restore();
    };
    return pane;
}

CVoltagePlotView* CPanes::CreatePlotPane(QWidget* parent, CSkemtorApp& app,
                                         std::function<void(int code)> report) {
    auto* plot = new CVoltagePlotView(app, ".", std::move(report), parent);
    plot->setObjectName(QStringLiteral("plotPane"));
    return plot;
}
