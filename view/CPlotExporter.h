#pragma once

#include <QSize>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class CSkemtorApp;
class CVoltagePlotView;

// Writes what the plot pane shows for a lab report: the picture as PNG or SVG, drawn
// for a pane of a chosen size, and the plotted values as comma-separated text:
// - voltage profile: "bus,voltage_pu,vmin_pu,vmax_pu", one row per bar drawn;
// - swing curves: "time,V1,...,VM,ang1,...,angM", one row per record, the angles of
//   the second quantity onward relative to the first as the lower curves plot them
//   (the first, the reference, keeps its own angle).
// Values are written as read from the result files, without rounding. Files are
// written beside their final name and renamed, so a failure never leaves half a file.
class CPlotExporter {
public:
    enum class Format { Png, Svg, Unknown };
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 400;

    static constexpr const char* kPictureFilter = "PNG picture (*.png);;SVG picture (*.svg)";
    static constexpr const char* kDataFilter = "Comma-separated values (*.csv)";

    static Format FormatOf(const QString& fileName);

    // False, with `error` saying why, when there is nothing plotted or the file cannot
    // be written.
    static bool ExportPlot(CVoltagePlotView& view, const QString& fileName, QString& error,
                           QSize size = QSize(kDefaultWidth, kDefaultHeight));
    static bool ExportData(const CVoltagePlotView& view, const QString& fileName, QString& error);

    // The text ExportData writes for the result files in `directory`; nothing, with
    // `error` saying why, when the result state has no plot or the plot has no values.
    static std::optional<std::string> PlottedValues(const CSkemtorApp& app,
                                                    const std::filesystem::path& directory,
                                                    std::string& error);

    static constexpr const char* kNoPlot =
        "There is no plot to export. Run a power flow or a transient stability analysis first.";
    static constexpr const char* kNoValues = "The plot shows no values to export.";
    static constexpr const char* kTooManyRecords =
        "The transient plot file announces 10000 or more records, too many to plot.";
    static constexpr const char* kUnknownFormat = "Choose a file name ending in .png or .svg.";
};
