#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

class CSkemtorApp;

// The two result files the plot pane reads, as it reads them: scanf conversions ("%f"
// reads single precision), one row at a time, until a row cannot be read, so a file that
// is missing or ends early gives the rows before the damage.
//
// Bus results (busotp.dat): the engine's status as the first item (absent when the
// result-file switch is 4817), then one row per bus: bus number, |V| (p.u.), angle
// (degrees), real and reactive generation (MW, MVAr), net real and reactive injection
// (p.u.). Only the bus number and the voltage are kept.
//
// Transient plot (dyplot.dat): a header of two integers, M (plotted quantities) and T
// (announced time records); then per record the time (s) and M pairs of values, the
// voltage magnitude (p.u.) and the angle (degrees) of a plotted bus. The count of
// records written can differ by one from T, so records are read to the end of the file.
class CVoltagePlotDrawingInput {
public:
    static constexpr int kMaxBusRows = 102;
    static constexpr int kMaxPairs = 9;
    // Files announcing this many records or more are refused.
    static constexpr int kRecordLimit = 10000;

    struct BusVoltage {
        int bus = 0;
        float voltage = 0;
    };

    struct SwingRecord {
        float time = 0;
        std::array<float, kMaxPairs> a{}; // voltage magnitudes
        std::array<float, kMaxPairs> b{}; // angles
    };

    struct SwingCurves {
        int quantities = 0; // M, as announced
        int announced = 0;  // T, as announced
        std::vector<SwingRecord> records;
        // The pairs kept per record: M, at most kMaxPairs.
        int KeptPairs() const;
        // With more than one quantity, the angles of all but the first become relative to
        // the first, the reference, whose own angles stay as they are.
        void MakeAnglesRelative();
    };

    // The rows read, at most kMaxBusRows; none when the file cannot be opened.
    static std::vector<BusVoltage> ReadBusVoltages(const std::filesystem::path& file,
                                                   bool statusFirst);
    // Nothing when the file cannot be opened or has no header. When the header
    // announces kRecordLimit records or more, no record is read.
    static std::optional<SwingCurves> ReadSwingCurves(const std::filesystem::path& file);

    // What the plot pane shows, read from the result files in `directory`; the picture
    // and any export of its values both take them from here.
    // The bars of the voltage profile: the first rows of the bus results, as many as
    // the last power flow had buses.
    static std::vector<BusVoltage> PlottedBusVoltages(const std::filesystem::path& directory,
                                                      const CSkemtorApp& app);
    // The swing curves with their angles relative to the first quantity.
    static std::optional<SwingCurves> PlottedSwingCurves(const std::filesystem::path& directory);
};
