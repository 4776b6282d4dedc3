#include "view/CPlotExporter.h"

#include "model/SafeFileWriter.h"
#include "model/SkemtorApp.h"
#include "view/CVoltagePlotView.h"
#include "view/VoltagePlotDrawingInput.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <charconv>

namespace {

using Input = CVoltagePlotDrawingInput;

// The shortest text that reads back as the same number, in the C notation whatever the
// user's locale: values read in single precision are written as they were read.
template <class Real> std::string number(Real value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<std::string>
voltageProfile(const CSkemtorApp& app, const std::filesystem::path& directory, std::string& error) {
    const std::vector<Input::BusVoltage> rows = Input::PlottedBusVoltages(directory, app);
    if (rows.empty()) {
        error = CPlotExporter::kNoValues;
        return std::nullopt;
    }
    const std::string limits = "," + number(app.m_vMin) + "," + number(app.m_vMax) + "\n";
    std::string text = "bus,voltage_pu,vmin_pu,vmax_pu\n";
    for (const Input::BusVoltage& row : rows)
        text += std::to_string(row.bus) + "," + number(row.voltage) + limits;
    return text;
}

std::optional<std::string> swingCurves(const std::filesystem::path& directory, std::string& error) {
    const std::optional<Input::SwingCurves> curves = Input::PlottedSwingCurves(directory);
    if (curves && curves->announced >= Input::kRecordLimit) {
        error = CPlotExporter::kTooManyRecords;
        return std::nullopt;
    }
    const int pairs = curves ? curves->KeptPairs() : 0;
    if (pairs == 0 || curves->records.empty()) {
        error = CPlotExporter::kNoValues;
        return std::nullopt;
    }
    std::string text = "time";
    for (int i = 1; i <= pairs; ++i) text += ",V" + std::to_string(i);
    for (int i = 1; i <= pairs; ++i) text += ",ang" + std::to_string(i);
    text += "\n";
    const auto kept = static_cast<std::size_t>(pairs);
    for (const Input::SwingRecord& record : curves->records) {
        text += number(record.time);
        for (std::size_t k = 0; k < kept; ++k) text += "," + number(record.a[k]);
        for (std::size_t k = 0; k < kept; ++k) text += "," + number(record.b[k]);
        text += "\n";
    }
    return text;
}

bool write(const QString& fileName, std::string_view bytes, QString& error) {
    const auto failure = CSafeFileWriter::Write(fileName.toStdString(), bytes);
    if (!failure) return true;
    error = QString::fromStdString(*failure);
    return false;
}

} // namespace

CPlotExporter::Format CPlotExporter::FormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "png") return Format::Png;
    if (suffix == "svg") return Format::Svg;
    return Format::Unknown;
}

std::optional<std::string> CPlotExporter::PlottedValues(const CSkemtorApp& app,
                                                        const std::filesystem::path& directory,
                                                        std::string& error) {
    if (app.m_resultState == CSkemtorApp::kPowerFlowResults)
        return voltageProfile(app, directory, error);
    if (app.m_resultState == CSkemtorApp::kTransientResults) return swingCurves(directory, error);
    error = kNoPlot;
    return std::nullopt;
}

bool CPlotExporter::ExportPlot(CVoltagePlotView& view, const QString& fileName, QString& error,
                               QSize size) {
    const Format format = FormatOf(fileName);
    if (format == Format::Unknown) {
        error = kUnknownFormat;
        return false;
    }
    // A picture is made only of a plot that has values, as the data export.
    std::string problem;
    if (!PlottedValues(view.App(), view.WorkingDirectory(), problem)) {
        error = QString::fromStdString(problem);
        return false;
    }
    if (size.width() <= 0 || size.height() <= 0) size = QSize(kDefaultWidth, kDefaultHeight);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            view.Render(painter, size);
        }
        image.save(&buffer, "PNG");
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96); // the screen's, so texts keep their size beside the curves
        svg.setTitle(QFileInfo(fileName).completeBaseName());
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        view.Render(painter, size);
    }
    buffer.close();
    if (bytes.isEmpty()) {
        error = "The picture could not be made.";
        return false;
    }
    return write(fileName, std::string_view(bytes.constData(), bytes.size()), error);
}

bool CPlotExporter::ExportData(const CVoltagePlotView& view, const QString& fileName,
                               QString& error) {
    std::string problem;
    const std::optional<std::string> text =
        PlottedValues(view.App(), view.WorkingDirectory(), problem);
    if (!text) {
        error = QString::fromStdString(problem);
        return false;
    }
    return write(fileName, *text, error);
}
