#include "exchange/PowerFlowCommands.h"

#include "engine/core/ExchangeFiles.h"
#include "exchange/CaseFileWriter.h"
#include "exchange/ErrorReporter.h"
#include "exchange/ResultFile.h"
#include "exchange/UserInterface.h"
#include "exchange/WaitCursor.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdio>
#include <filesystem>

namespace files = tarvex::files;
using Mode = CSkemtorApp::Mode;

namespace {

const char* const kErrorTitle = "Error Message";

CUserInterface::SaveFileRequest dataFileRequest(const char* defaultName) {
    return {defaultName, ".dat", "Data Files (*.dat)", "*.dat"};
}

// Exchange files live in the working directory: a chosen path keeps only its name.
std::string inWorkingDirectory(const std::string& chosen) {
    return std::filesystem::path(chosen).filename().string();
}

} // namespace

CPowerFlowCommands::CPowerFlowCommands(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                                       const CErrorReporter& errors,
                                       std::function<void()> runPowerFlow)
    : m_doc(doc), m_app(app), m_ui(ui), m_errors(errors), m_runPowerFlow(std::move(runPowerFlow)) {}

std::string CPowerFlowCommands::MissingFileMessage(const std::string& fileName) {
    return "The result file " + fileName +
           " is missing or cannot be read.  The analysis may not have run; nothing on the "
           "diagram was changed.";
}

bool CPowerFlowCommands::ReportMissing(const std::string& fileName) {
    m_ui.ShowMessage(kErrorTitle, MissingFileMessage(fileName), CUserInterface::Icon::Exclamation);
    return false;
}

void CPowerFlowCommands::ReportError(int code) {
    m_errors.ReportError(m_ui, code);
}

bool CPowerFlowCommands::HasSlackBus() const {
    for (const auto& bus : m_doc.BusArray())
        if (bus->m_type == CBus::kSlack) return true;
    return false;
}

bool CPowerFlowCommands::WriteInputAndRunEngine() {
    const char* failed = nullptr;
    {
        CWaitCursor wait(m_ui);
        if (!CCaseFileWriter::WriteCaseFile(m_doc, m_app, files::kCaseFile))
            failed = files::kCaseFile;
        else if (!CCaseFileWriter::WritePowerFlowParameters(m_app, files::kPowerFlowParameters))
            failed = files::kPowerFlowParameters;
        else
            RunEngine();
    }
    if (!failed) return true;
    m_ui.ShowMessage(kErrorTitle,
                     std::string("Cannot write ") + failed +
                         " in the working folder.  The analysis was not run.",
                     CUserInterface::Icon::Exclamation);
    return false;
}

void CPowerFlowCommands::RunEngine() {
    // Results of an earlier run must never pass for this run's: an engine that ends
    // before writing its files then leaves them missing, which the readers report.
    std::error_code ignored;
    for (const char* name : {files::kBusResults, files::kBranchResults, files::kLossResults})
        std::filesystem::remove(name, ignored);
    m_runPowerFlow();
}

std::optional<int> CPowerFlowCommands::ReadRunStatus(CResultFile& buses, CResultFile& branches) {
    const std::optional<int> code = buses.ReadErrorCode(m_app.m_resultFileSwitch);
    if (!code) {
        ReportMissing(buses.Name());
        return std::nullopt;
    }
    if (*code == 0 && !branches.IsOpen()) {
        ReportMissing(branches.Name());
        return std::nullopt;
    }
    return code;
}

void CPowerFlowCommands::RunPowerFlow() {
    if (m_doc.GetBusCount() >= kMaxPowerFlowBuses) return ReportError(kTooManyBuses);
    if (!HasSlackBus()) return ReportError(kNoSlackBus);
    if (!WriteInputAndRunEngine()) return;

    // The status decides whether the rows follow; a file that is missing or holds no
    // status ends the command before the old results are cleared.
    CResultFile buses(files::kBusResults);
    CResultFile branches(files::kBranchResults);
    const std::optional<int> code = ReadRunStatus(buses, branches);
    if (!code) return;
    ClearAnalysisResults();
    if (*code != 0) return ReportError(*code);
    ReadBusResults(buses);
    ReadBranchResults(branches);
    m_app.m_resultState = CSkemtorApp::kPowerFlowResults;
    m_app.m_usePowerFlowResults = false;
    m_app.m_powerFlowBusCount = m_doc.GetBusCount();
    m_ui.RedrawAllViews();
}

void CPowerFlowCommands::ReadBusResults(CResultFile& file) {
    CResultFile::BusRow row;
    while (file.ReadBusRow(row))
        for (const auto& bus : m_doc.BusArray())
            if (bus->m_number == row.bus)
                bus->SetPowerFlowResult(row.voltage, row.angle, row.genP, row.genQ, 1);
}

void CPowerFlowCommands::ReadBranchResults(CResultFile& file) {
    // Each end of a branch takes the first row of its direction; parallel branches all
    // take the same rows, and later rows for the pair are ignored until the next clear.
    CResultFile::BranchRow row;
    while (file.ReadBranchRow(row)) {
        for (const auto& line : m_doc.LineArray()) {
            for (int end : {1, 2}) {
                const bool matches = end == 1 ? line->m_bus1 == row.from && line->m_bus2 == row.to
                                              : line->m_bus1 == row.to && line->m_bus2 == row.from;
                if (!matches || line->IsResultSeen(end)) continue;
                line->SetFlowResult(row.p, row.q, end);
                line->MarkResultSeen(end);
                if (row.overLimit == 1) line->SetWithinLimit(0);
            }
        }
    }
}

void CPowerFlowCommands::DisplaySystemLosses() {
    CResultFile file(files::kLossResults);
    double values[4];
    if (!file.ReadFour(values)) {
        ReportMissing(files::kLossResults);
        return;
    }
    m_ui.ShowLosses({values[0], values[1], values[2], values[3]});
}

void CPowerFlowCommands::UsePowerFlowResults() {
    if (!m_app.m_usePowerFlowResults &&
        !m_ui.AskYesNo("Update State Estimation Measurements",
                       "You have chosen to update ALL State Estimation measurements from the "
                       "most recent Power Flow analysis.  This action will write over ALL "
                       "previous values.  Do you wish to continue?"))
        return;
    m_app.m_usePowerFlowResults = !m_app.m_usePowerFlowResults;
    if (!m_app.m_usePowerFlowResults) return;
    if (!HasSlackBus()) return ReportError(kNoSlackBus);
    if (!WriteInputAndRunEngine()) return;
    // The status comes first: after a failed run the branch file is not this run's, so
    // no meter may take a value before the status says the run succeeded.
    CResultFile branches(files::kBranchResults);
    CResultFile buses(files::kBusResults);
    const std::optional<int> code = ReadRunStatus(buses, branches);
    if (!code) return;
    if (*code != 0) return ReportError(*code);
    UpdateMeasurements(branches, buses);
}

void CPowerFlowCommands::UpdateMeasurements(CResultFile& branches, CResultFile& buses) {
    // Each meter searches its file from the start for the first row of its own branch
    // direction or bus; a meter without a row keeps its values. The status at the head
    // of busotp.dat has been read and found 0 before.
    auto findBranch = [&](int from, int to, CResultFile::BranchRow& row) {
        branches.Rewind();
        while (branches.ReadBranchRow(row))
            if (row.from == from && row.to == to) return true;
        return false;
    };
    auto findBus = [&](int number, CResultFile::BusRow& row) {
        buses.Rewind();
        buses.ReadErrorCode(m_app.m_resultFileSwitch);
        while (buses.ReadBusRow(row))
            if (row.bus == number) return true;
        return false;
    };
    CResultFile::BranchRow branchRow;
    for (const auto& meter : m_doc.CurrentArray())
        if (findBranch(meter->m_bus1, meter->m_bus2, branchRow)) meter->SetValue(branchRow.current);
    for (const auto& meter : m_doc.PowerFlowArray())
        if (findBranch(meter->m_bus1, meter->m_bus2, branchRow))
            meter->SetValues(branchRow.p, branchRow.q);
    CResultFile::BusRow busRow;
    for (const auto& meter : m_doc.PowerInjectionArray())
        if (findBus(meter->m_bus, busRow)) meter->SetValues(busRow.injectionP, busRow.injectionQ);
    for (const auto& meter : m_doc.VoltageArray())
        if (findBus(meter->m_bus, busRow)) meter->SetValue(busRow.voltage);
    m_doc.SetModifiedFlag(true);
}

void CPowerFlowCommands::ClearAnalysisResults() {
    m_app.m_resultState = CSkemtorApp::kNoResults;
    switch (m_app.m_mode) {
    case Mode::StateEstimation:
        for (const auto& line : m_doc.LineArray()) line->SetObservable(1);
        for (const auto& m : m_doc.PowerFlowArray()) {
            m->SetRealResidual(0, 0, 0, 0);
            m->SetReactiveResidual(0, 0, 0, 0);
        }
        for (const auto& m : m_doc.PowerInjectionArray()) {
            m->SetRealResidual(0, 0, 0, 0);
            m->SetReactiveResidual(0, 0, 0, 0);
        }
        for (const auto& m : m_doc.CurrentArray()) m->SetResidualResult(0, 0, 0, 0);
        for (const auto& m : m_doc.VoltageArray()) m->SetResidualResult(0, 0, 0, 0);
        break;
    case Mode::PowerFlow:
    case Mode::OptimalPowerFlow:
        for (const auto& bus : m_doc.BusArray()) bus->SetPowerFlowResult(1.0, 0, 0, 0, 0);
        for (const auto& line : m_doc.LineArray()) {
            line->SetFlowResult(0, 0, 0);
            line->SetWithinLimit(1);
            line->ClearResultSeen();
        }
        break;
    default:
        break;
    }
    m_ui.RedrawAllViews();
}

void CPowerFlowCommands::DeleteAllMeasurements() {
    switch (m_app.m_mode) {
    case Mode::PowerFlow:
        if (!m_ui.AskYesNo("Reset Power Flow Measurements",
                           "This action will RESET ALL bus power flow measurements.  Do you "
                           "wish to continue?"))
            return;
        for (const auto& bus : m_doc.BusArray()) bus->ResetData();
        break;
    case Mode::StateEstimation:
        if (!m_ui.AskYesNo("Delete State Estimation Measurements",
                           "This action will DELETE ALL state estimation measurements. Do you "
                           "wish to continue?"))
            return;
        for (int i = m_doc.GetCurrentCount() - 1; i >= 0; --i) m_doc.RemoveCurrent(i);
        for (int i = m_doc.GetPowerFlowCount() - 1; i >= 0; --i) m_doc.RemovePowerFlow(i);
        for (int i = m_doc.GetPowerInjectionCount() - 1; i >= 0; --i) m_doc.RemovePowerInjection(i);
        for (int i = m_doc.GetVoltageCount() - 1; i >= 0; --i) m_doc.RemoveVoltage(i);
        break;
    case Mode::ShortCircuit:
        if (!m_ui.AskYesNo("Delete Short Circuits",
                           "This action will DELETE ALL short circuits. Do you wish to continue?"))
            return;
        for (int i = m_doc.GetShortCount() - 1; i >= 0; --i) m_doc.RemoveShort(i);
        for (int i = m_doc.GetZgroundCount() - 1; i >= 0; --i) m_doc.RemoveZground(i);
        break;
    default:
        break;
    }
    m_doc.SetModifiedFlag(true);
    m_ui.RedrawAllViews();
}

void CPowerFlowCommands::CreateIeeeDataFile() {
    m_app.SetCaseName(m_ui.AskCaseName("").value_or(""));
    const std::optional<std::string> chosen = m_ui.AskSaveFileName(dataFileRequest("pfinput.dat"));
    if (!chosen) return;
    const std::string target = inWorkingDirectory(*chosen);
    if (!CCaseFileWriter::WriteCaseFile(m_doc, m_app, target))
        m_ui.ShowMessage(kErrorTitle, "Cannot write " + target + ".",
                         CUserInterface::Icon::Exclamation);
}

void CPowerFlowCommands::SavePowerFlowReport() {
    const std::optional<std::string> chosen = m_ui.AskSaveFileName(dataFileRequest("pfout.dat"));
    if (!chosen) return;
    const std::string target = inWorkingDirectory(*chosen);
    std::error_code ec;
    if (!std::filesystem::exists(files::kPowerFlowReport, ec)) {
        ReportMissing(files::kPowerFlowReport);
        return;
    }
    if (std::filesystem::equivalent(files::kPowerFlowReport, target, ec)) return;
    std::filesystem::copy_file(files::kPowerFlowReport, target,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        m_ui.ShowMessage(kErrorTitle,
                         "Cannot copy " + std::string(files::kPowerFlowReport) + " to " + target +
                             ": " + ec.message(),
                         CUserInterface::Icon::Exclamation);
}
