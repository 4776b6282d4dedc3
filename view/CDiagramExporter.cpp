#include "view/CDiagramExporter.h"

#include "exchange/editing/DiagramPainter.h"
#include "model/SafeFileWriter.h"
#include "view/CDiagramExporterBounds.h"
#include "view/CSkemtorView.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// Everything drawn, with the border all round.
CRectL pictureBounds(CSkemtorView& view, int margin) {
    CRectL bounds = CDiagramPainter::Bounds(view.Document(), view.App(), 0);
    const CRectL drawn = CDiagramExporterBounds::Measure(view);
    if (drawn != CRectL{}) {
        bounds.m_xMin = std::min(bounds.m_xMin, drawn.m_xMin);
        bounds.m_xMax = std::max(bounds.m_xMax, drawn.m_xMax);
        bounds.m_yMax = std::max(bounds.m_yMax, drawn.m_yMax);
        bounds.m_yMin = std::min(bounds.m_yMin, drawn.m_yMin);
    }
    return {bounds.m_xMin - margin, bounds.m_yMax + margin, bounds.m_xMax + margin,
            bounds.m_yMin - margin};
}

// Paints the diagram so that the bounds' top-left corner lands on the device origin.
void paint(CSkemtorView& view, QPainter& painter, const CRectL& bounds, double scale) {
    painter.translate(-bounds.m_xMin * scale, bounds.m_yMax * scale);
    view.DrawDiagram(painter, scale, false);
}

} // namespace

CRectL CDiagramExporter::PictureBounds(CSkemtorView& view) {
    return pictureBounds(view, kMargin);
}

CDiagramExporter::Format CDiagramExporter::FormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "png") return Format::Png;
    if (suffix == "svg") return Format::Svg;
    if (suffix == "pdf") return Format::Pdf;
    return Format::Unknown;
}

QString CDiagramExporter::WithSuffixOf(const QString& fileName, const QString& selectedFilter) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) return fileName;
    const QRegularExpressionMatch pattern =
        QRegularExpression(QStringLiteral("\\(\\*(\\.[A-Za-z0-9]+)")).match(selectedFilter);
    return pattern.hasMatch() ? fileName + pattern.captured(1) : fileName;
}

bool CDiagramExporter::Export(CSkemtorView& view, const QString& fileName, QString& error) {
    const Format format = FormatOf(fileName);
    if (format == Format::Unknown) {
        error = "Choose a file name ending in .png, .svg or .pdf.";
        return false;
    }
    const CRectL bounds = PictureBounds(view);
    const int width = bounds.m_xMax - bounds.m_xMin;
    const int height = bounds.m_yMax - bounds.m_yMin;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        QImage image(static_cast<int>(width * kPngPixelsPerUnit),
                     static_cast<int>(height * kPngPixelsPerUnit), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paint(view, painter, bounds, kPngPixelsPerUnit);
        }
        image.save(&buffer, "PNG");
    } else if (format == Format::Svg) {
        // One SVG unit per hundredth of an inch, so the picture keeps its real size.
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(100);
        svg.setTitle(QFileInfo(fileName).completeBaseName());
        QPainter painter(&svg);
        paint(view, painter, bounds, 1.0);
    } else {
        QPdfWriter pdf(&buffer);
        constexpr int kDpi = 600;
        pdf.setResolution(kDpi);
        pdf.setPageSize(QPageSize(QSizeF(width / 100.0, height / 100.0), QPageSize::Inch, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        paint(view, painter, bounds, kDpi / 100.0);
    }
    buffer.close();
    if (bytes.isEmpty()) {
        error = "The picture could not be made.";
        return false;
    }
    const auto failure = CSafeFileWriter::Write(fileName.toStdString(),
                                                std::string_view(bytes.constData(), bytes.size()));
    if (failure) {
        error = QString::fromStdString(*failure);
        return false;
    }
    return true;
}
