#include "exchange/ShortCircuitCommands.h"

#include "engine/core/ExchangeFiles.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "exchange/ShortCircuitFileWriter.h"
#include "exchange/UserInterface.h"
#include "exchange/WaitCursor.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace files = tarvex::files;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool finite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

} // namespace

CShortCircuitCommands::CShortCircuitCommands(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                                             const CErrorReporter& errors,
                                             std::function<void()> runShortCircuit)
    : m_doc(doc), m_app(app), m_ui(ui), m_errors(errors),
      m_runShortCircuit(std::move(runShortCircuit)) {}

void CShortCircuitCommands::RunShortCircuit() {
    CWaitCursor wait(m_ui);
    if (!CShortCircuitFileWriter::WriteShortCircuitFile(m_doc, files::kShortCircuitInput)) {
        m_ui.ShowMessage(CErrorReporter::kTitle,
                         std::string("Cannot write ") + files::kShortCircuitInput +
                             " in the working folder.  The analysis was not run.",
                         CUserInterface::Icon::Exclamation);
        return;
    }
    // Results of an earlier run must never pass for this run's.
    std::error_code ignored;
    std::filesystem::remove(files::kShortCircuitBuses, ignored);
    std::filesystem::remove(files::kShortCircuitLines, ignored);
    m_runShortCircuit();

    auto missing = [&](const char* name) {
        m_ui.ShowMessage(CErrorReporter::kTitle, CPowerFlowCommands::MissingFileMessage(name),
                         CUserInterface::Icon::Exclamation);
    };
    File buses(std::fopen(files::kShortCircuitBuses, "r"));
    int code = 0;
    if (!buses || (m_app.m_resultFileSwitch != CSkemtorApp::kSkipErrorCode &&
                   std::fscanf(buses.get(), "%d", &code) != 1))
        return missing(files::kShortCircuitBuses);
    File lines(std::fopen(files::kShortCircuitLines, "r"));
    if (code == 0 && !lines) return missing(files::kShortCircuitLines);

    // In this mode clearing the results resets only the result state.
    m_app.m_resultState = CSkemtorApp::kNoResults;
    m_ui.RedrawAllViews();
    if (code != 0) {
        m_errors.ReportError(m_ui, code);
        return;
    }
    ReadBusResults(buses.get());
    ReadBranchResults(lines.get());
    m_app.m_resultState = CSkemtorApp::kShortCircuitResults;
    m_ui.RedrawAllViews();
}

void CShortCircuitCommands::ReadBusResults(std::FILE* file) {
    int number = 0;
    float voltage = 0, voltageAngle = 0, current = 0, currentAngle = 0;
    while (std::fscanf(file, "%d %f %f %f %f ", &number, &voltage, &voltageAngle, &current,
                       &currentAngle) == 5 &&
           finite({voltage, voltageAngle, current, currentAngle}))
        for (const auto& bus : m_doc.BusArray())
            if (bus->m_number == number)
                bus->SetShortCircuitResult(current, currentAngle, voltage, voltageAngle);
}

void CShortCircuitCommands::ReadBranchResults(std::FILE* file) {
    // Both ends share one stored current: a later row for the other direction replaces
    // the value shown for the first.
    int from = 0, to = 0;
    float current = 0, angle = 0;
    while (std::fscanf(file, "%d %d %f %f ", &from, &to, &current, &angle) == 4 &&
           finite({current, angle}))
        for (const auto& line : m_doc.LineArray()) {
            if (line->m_bus1 == from && line->m_bus2 == to)
                line->SetShortCircuitResult(current, angle, 1);
            if (line->m_bus1 == to && line->m_bus2 == from)
                line->SetShortCircuitResult(current, angle, 2);
        }
}
