#include "view/CVoltagePlotView.h"

#include "model/SkemtorApp.h"
#include "view/CDiagramExporter.h"
#include "view/CPainterSurface.h"
#include "view/CPlotExporter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QTimer>

CVoltagePlotView::CVoltagePlotView(const CSkemtorApp& app, std::filesystem::path workingDirectory,
                                   std::function<void(int code)> report, QWidget* parent)
    : QWidget(parent), m_app(app), m_directory(workingDirectory),
      m_drawing(std::move(workingDirectory),
                [this, report = std::move(report)](int code) {
                    if (!report) return;
                    QTimer::singleShot(0, this, [report, code] { report(code); });
                }),
      m_exportPlot(new QAction(tr("Export Plot..."), this)),
      m_exportData(new QAction(tr("Export Data..."), this)) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    connect(m_exportPlot, &QAction::triggered, this, &CVoltagePlotView::AskAndExportPlot);
    connect(m_exportData, &QAction::triggered, this, &CVoltagePlotView::AskAndExportData);
}

void CVoltagePlotView::Render(QPainter& painter, QSize size) {
    CPainterSurface surface(painter, false);
    m_drawing.Draw(surface, m_app, size.width(), size.height());
}

void CVoltagePlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter, size());
}

QMenu* CVoltagePlotView::CreateContextMenu(QWidget* parent) {
    const bool plotted = m_app.m_resultState == CSkemtorApp::kPowerFlowResults ||
                         m_app.m_resultState == CSkemtorApp::kTransientResults;
    m_exportPlot->setEnabled(plotted);
    m_exportData->setEnabled(plotted);
    auto* menu = new QMenu(parent);
    menu->addAction(m_exportPlot);
    menu->addAction(m_exportData);
    return menu;
}

void CVoltagePlotView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QString CVoltagePlotView::SuggestedName(const QString& extension) const {
    const QString base = m_app.m_resultState == CSkemtorApp::kTransientResults
                             ? QStringLiteral("swing-curves")
                             : QStringLiteral("voltage-profile");
    const QString folder = m_lastExportFolder.isEmpty() ? QDir::currentPath() : m_lastExportFolder;
    return QDir(folder).filePath(base + extension);
}

void CVoltagePlotView::AskAndExportPlot() {
    QString filter;
    const QString name = CDiagramExporter::WithSuffixOf(
        QFileDialog::getSaveFileName(this, tr("Export Plot"), SuggestedName(".png"),
                                     QString::fromLatin1(CPlotExporter::kPictureFilter), &filter),
        filter);
    if (name.isEmpty()) return;
    m_lastExportFolder = QFileInfo(name).absolutePath();
    QString error;
    if (!CPlotExporter::ExportPlot(*this, name, error))
        QMessageBox::warning(this, tr("Export Plot"), error);
}

void CVoltagePlotView::AskAndExportData() {
    QString filter;
    const QString name = CDiagramExporter::WithSuffixOf(
        QFileDialog::getSaveFileName(this, tr("Export Data"), SuggestedName(".csv"),
                                     QString::fromLatin1(CPlotExporter::kDataFilter), &filter),
        filter);
    if (name.isEmpty()) return;
    m_lastExportFolder = QFileInfo(name).absolutePath();
    QString error;
    if (!CPlotExporter::ExportData(*this, name, error))
        QMessageBox::warning(this, tr("Export Data"), error);
}
