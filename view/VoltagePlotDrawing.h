#pragma once

#include "model/draw/DrawSurface.h"

#include <filesystem>
#include <functional>
#include <optional>

class CSkemtorApp;

// The picture of the plot pane, drawn in window pixels (origin top-left, y downward) on
// a pane of W x H pixels, from the result files in the working directory:
// - after a power flow, the voltage profile: one bar per bus at its bus number, blue
//   within the display limits Vmin..Vmax, red outside, on a scale from 0 p.u. to the
//   higher of Vmax and the highest voltage, with the two limits as horizontal lines;
// - after a transient stability run, the swing curves: the voltage magnitude of every
//   plotted bus in the upper half and, in the lower half, the angle of every plotted bus
//   but the first relative to the first;
// - otherwise nothing.
// Every scaled value is truncated toward zero to whole pixels, as are integer divisions
// of the pane size. Each call reads the files afresh; what a missing or short file
// leaves out is simply not drawn.
class CVoltagePlotDrawing {
public:
    // Catalogue code for a transient plot file announcing too many records.
    static constexpr int kTooManyRecordsError = 80;
    using ErrorReport = std::function<void(int code)>;

    // `directory` holds the result files; `report` is told a catalogue code once for
    // each problem: again only after the result state or the file has changed.
    CVoltagePlotDrawing(std::filesystem::path directory, ErrorReport report);

    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int width, int height);

private:
    struct FileStamp {
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        bool operator==(const FileStamp&) const = default;
    };

    void DrawVoltageProfile(CDrawSurface& surface, const CSkemtorApp& app, int width,
                            int height) const;
    void DrawSwingCurves(CDrawSurface& surface, int width, int height);
    void Report(int code, const std::filesystem::path& file);

    std::filesystem::path m_directory;
    ErrorReport m_report;
    int m_lastResultState = 0;
    std::optional<FileStamp> m_reported;
};
