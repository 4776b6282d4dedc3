#include "view/VoltagePlotDrawingInput.h"

#include "engine/core/ExchangeFiles.h"
#include "model/SkemtorApp.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File open(const std::filesystem::path& path) {
    return File(std::fopen(path.string().c_str(), "r"));
}

// One "%f" value; a value that is not a finite number ends the reading like a row that
// cannot be read, so nothing downstream scales by infinity.
bool readReal(std::FILE* file, float& value) {
    return std::fscanf(file, "%f", &value) == 1 && std::isfinite(value);
}

} // namespace

int CVoltagePlotDrawingInput::SwingCurves::KeptPairs() const {
    return std::clamp(quantities, 0, kMaxPairs);
}

void CVoltagePlotDrawingInput::SwingCurves::MakeAnglesRelative() {
    const auto pairs = static_cast<std::size_t>(KeptPairs());
    if (pairs < 2) return;
    for (SwingRecord& record : records)
        for (std::size_t k = 1; k < pairs; ++k) record.b[k] -= record.b[0];
}

std::vector<CVoltagePlotDrawingInput::BusVoltage>
CVoltagePlotDrawingInput::PlottedBusVoltages(const std::filesystem::path& directory,
                                             const CSkemtorApp& app) {
    const bool statusFirst = app.m_resultFileSwitch != CSkemtorApp::kSkipErrorCode;
    std::vector<BusVoltage> rows =
        ReadBusVoltages(directory / tarvex::files::kBusResults, statusFirst);
    const auto used = static_cast<std::size_t>(std::max(app.m_powerFlowBusCount, 0));
    if (rows.size() > used) rows.resize(used);
    return rows;
}

std::optional<CVoltagePlotDrawingInput::SwingCurves>
CVoltagePlotDrawingInput::PlottedSwingCurves(const std::filesystem::path& directory) {
    std::optional<SwingCurves> curves = ReadSwingCurves(directory / tarvex::files::kTransientPlot);
    if (curves) curves->MakeAnglesRelative();
    return curves;
}

std::vector<CVoltagePlotDrawingInput::BusVoltage>
CVoltagePlotDrawingInput::ReadBusVoltages(const std::filesystem::path& path, bool statusFirst) {
    std::vector<BusVoltage> rows;
    const File file = open(path);
    if (!file) return rows;
    int status = 0;
    if (statusFirst && std::fscanf(file.get(), "%d", &status) != 1) return rows;
    while (static_cast<int>(rows.size()) < kMaxBusRows) {
        BusVoltage row;
        float unused[5];
        if (std::fscanf(file.get(), "%d %f %f %f %f %f %f ", &row.bus, &row.voltage, &unused[0],
                        &unused[1], &unused[2], &unused[3], &unused[4]) != 7 ||
            !std::isfinite(row.voltage))
            break;
        rows.push_back(row);
    }
    return rows;
}

std::optional<CVoltagePlotDrawingInput::SwingCurves>
CVoltagePlotDrawingInput::ReadSwingCurves(const std::filesystem::path& path) {
    const File file = open(path);
    if (!file) return std::nullopt;
    SwingCurves curves;
    if (std::fscanf(file.get(), "%d %d", &curves.quantities, &curves.announced) != 2)
        return std::nullopt;
    if (curves.announced >= kRecordLimit || curves.announced <= 0) return curves;
    const int pairs = std::max(curves.quantities, 0);
    const int kept = curves.KeptPairs();
    while (static_cast<int>(curves.records.size()) < kRecordLimit - 1) {
        SwingRecord record;
        if (!readReal(file.get(), record.time)) break;
        bool complete = true;
        for (int i = 0; i < pairs && complete; ++i) {
            float a = 0, b = 0;
            complete = readReal(file.get(), a) && readReal(file.get(), b);
            // Quantities beyond the kept ones are read to stay in step and dropped.
            if (complete && i < kept) {
                record.a[static_cast<std::size_t>(i)] = a;
                record.b[static_cast<std::size_t>(i)] = b;
            }
        }
        if (!complete) break;
        curves.records.push_back(record);
    }
    return curves;
}
