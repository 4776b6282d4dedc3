#pragma once

#include <functional>
#include <optional>
#include <string>

class CSkemtorDoc;
class CSkemtorApp;
class CUserInterface;
class CErrorReporter;

// The power flow family of document commands: run the power flow and bring its results
// into the buses and branches, show the losses, fill the state estimation meters from
// the latest power flow, clear results, reset or delete data sets, and save the case
// file or the report under a name the user chooses.
//
// Every analysis command has one shape: check the network size, write the input files,
// run the engine, clear the results of the current mode, read the status and the result
// files, set the result state and redraw. A result file that is missing or holds no
// readable status ends the command before anything is cleared, with a message naming it.
class CPowerFlowCommands {
public:
    static constexpr int kMaxPowerFlowBuses = 30; // the engine's tables hold fewer
    static constexpr int kNoSlackBus = 100;
    static constexpr int kTooManyBuses = 101;

    // `runPowerFlow` runs the engine in the working directory (PFLINFLO in the program).
    CPowerFlowCommands(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                       const CErrorReporter& errors, std::function<void()> runPowerFlow);

    void RunPowerFlow();
    void DisplaySystemLosses();
    void UsePowerFlowResults();
    void ClearAnalysisResults();
    void DeleteAllMeasurements();
    void CreateIeeeDataFile();
    void SavePowerFlowReport();

    // The message shown when a result file cannot be opened or read.
    static std::string MissingFileMessage(const std::string& fileName);

private:
    bool HasSlackBus() const;
    // Writes the case and settings files and runs the engine under the wait cursor; a
    // file that cannot be written is reported once the cursor is down, and the engine
    // does not run. True when the engine ran.
    bool WriteInputAndRunEngine();
    // Runs the engine after removing the result files of any earlier run.
    void RunEngine();
    // The one sequence that reads a run's outcome: the status at the head of busotp.dat,
    // and for a successful run that branchotp.dat is there too. A missing or unreadable
    // file is reported and gives nothing; otherwise the engine's status (0 success).
    std::optional<int> ReadRunStatus(class CResultFile& buses, class CResultFile& branches);
    bool ReportMissing(const std::string& fileName);
    void ReportError(int code);
    void ReadBusResults(class CResultFile& file);
    void ReadBranchResults(class CResultFile& file);
    void UpdateMeasurements(class CResultFile& branches, class CResultFile& buses);

    CSkemtorDoc& m_doc;
    CSkemtorApp& m_app;
    CUserInterface& m_ui;
    const CErrorReporter& m_errors;
    std::function<void()> m_runPowerFlow;
};
