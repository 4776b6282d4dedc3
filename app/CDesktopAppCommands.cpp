// The command table: every command of the main window with its label, shortcuts,
// tooltip, status prompt, toolbar image, enable and check rules and handler.
#include "app/CDesktopApp.h"

#include "app/CDesktopUserInterface.h"
#include "app/CMainFrame.h"
#include "dialogs/CommandDialogs.h"
#include "dialogs/DialogAnalysisOptions.h"
#include "exchange/PowerFlowCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QStatusBar>
#include <QToolBar>

using Id = CommandId;
using Kind = CToolbarIcons::Kind;
using Command = CCommandRegistry::Command;
using Mode = CSkemtorApp::Mode;
using Tool = CSkemtorApp::Tool;

namespace {

QList<QKeySequence> keys(std::initializer_list<QKeySequence> list) {
    return QList<QKeySequence>(list);
}

} // namespace

void CDesktopApp::RegisterCommands() {
    RegisterFileCommands();
    RegisterViewCommands();
    RegisterModeCommands();
    RegisterToolCommands();
    RegisterAnalysisCommands();
    RegisterHelpCommands();
}

void CDesktopApp::Unavailable(CommandId id) {
    const Command* command = m_commands->Find(id);
    m_ui.ShowMessage("Not Available", UnavailableMessage(command->label).toStdString(),
                     CUserInterface::Icon::Information);
}

void CDesktopApp::RegisterFileCommands() {
    CCommandRegistry& c = *m_commands;
    c.Add({Id::FileNew,
           "&New",
           keys({QKeySequence(Qt::CTRL | Qt::Key_N)}),
           "New",
           "Create a new network",
           Kind::New,
           {},
           {},
           [this] { FileNew(); }});
    c.Add({Id::FileOpen,
           "&Open...",
           keys({QKeySequence(Qt::CTRL | Qt::Key_O)}),
           "Open",
           "Open an existing network",
           Kind::Open,
           {},
           {},
           [this] { FileOpen(); }});
    c.Add({Id::FileSave,
           "&Save",
           keys({QKeySequence(Qt::CTRL | Qt::Key_S)}),
           "Save",
           "Save the network",
           Kind::Save,
           {},
           {},
           [this] { FileSave(); }});
    c.Add({Id::FileSaveAs,
           "Save &As...",
           {},
           {},
           "Save the network with a new name",
           Kind::None,
           {},
           {},
           [this] { FileSaveAs(); }});
    c.Add({Id::CreateIeeeDataFile,
           "Create &IEEE Data File",
           {},
           {},
           "Write the network as a power flow case file in the IEEE common data format",
           Kind::None,
           {},
           {},
           [this] { PowerFlow().CreateIeeeDataFile(); }});
    c.Add({Id::CreateMeasurementFile,
           "Create &Measurement File",
           {},
           {},
           "Write the state estimation measurements to a file",
           Kind::None,
           {},
           {},
           [this] { Unavailable(Id::CreateMeasurementFile); }});
    c.Add({Id::FilePrint,
           "&Print...",
           keys({QKeySequence(Qt::CTRL | Qt::Key_P)}),
           "Print",
           "Print the diagram",
           Kind::Print,
           {},
           {},
           [this] { Print(); }});
    c.Add({Id::FilePrintPreview,
           "Print Pre&view",
           {},
           {},
           "Show the printed page",
           Kind::None,
           {},
           {},
           [this] { PrintPreview(); }});
    c.Add({Id::FilePrintSetup,
           "P&rint Setup...",
           {},
           {},
           "Choose the printer and the page",
           Kind::None,
           {},
           {},
           [this] { PrintSetup(); }});
    c.Add({Id::FileExportDiagram,
           "&Export Diagram...",
           {},
           {},
           "Save the diagram with its labels as a PNG, SVG or PDF picture",
           Kind::None,
           {},
           {},
           [this] { ExportDiagram(); }});
    const Id recent[] = {Id::FileRecent1, Id::FileRecent2, Id::FileRecent3, Id::FileRecent4};
    for (int i = 0; i < CRecentFileList::kSize; ++i)
        c.Add({recent[i],
               QStringLiteral("Recent File"),
               {},
               {},
               "Open this document",
               Kind::None,
               [this, i] { return i < m_recent.Files().size(); },
               {},
               [this, i] {
                   if (i < m_recent.Files().size()) OpenDocumentFile(m_recent.Files().at(i));
               }});
    c.Add({Id::AppExit,
           "E&xit",
           {},
           {},
           "Quit the program; asks to save a modified network",
           Kind::None,
           {},
           {},
           [this] { m_frame->close(); }});

    // Offered for habit's sake; nothing handles them, so they stay grayed.
    c.Add({Id::EditUndo,
           "&Undo",
           keys({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}),
           "Undo",
           "Undo the last action",
           Kind::None,
           {},
           {},
           {}});
    c.Add({Id::EditCut,
           "Cu&t",
           keys({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}),
           "Cut",
           "Cut the selection",
           Kind::Cut,
           {},
           {},
           {}});
    c.Add({Id::EditCopy,
           "&Copy",
           keys({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}),
           "Copy",
           "Copy the selection",
           Kind::Copy,
           {},
           {},
           {}});
    c.Add({Id::EditPaste,
           "&Paste",
           keys({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}),
           "Paste",
           "Insert the clipboard contents",
           Kind::Paste,
           {},
           {},
           {}});
}

void CDesktopApp::RegisterViewCommands() {
    CCommandRegistry& c = *m_commands;
    c.Add({Id::ViewToolbar,
           "&Toolbar",
           {},
           {},
           "Show or hide the toolbar",
           Kind::None,
           {},
           [this] { return m_frame && !m_frame->StandardToolBar()->isHidden(); },
           [this] {
               m_frame->StandardToolBar()->setHidden(!m_frame->StandardToolBar()->isHidden());
           }});
    c.Add({Id::ViewStatusBar,
           "&Status Bar",
           {},
           {},
           "Show or hide the status bar",
           Kind::None,
           {},
           [this] { return m_frame && !m_frame->statusBar()->isHidden(); },
           [this] { m_frame->statusBar()->setHidden(!m_frame->statusBar()->isHidden()); }});
    c.Add({Id::NextPane,
           "Next Pane",
           keys({QKeySequence(Qt::Key_F6)}),
           {},
           "Switch to the next pane",
           Kind::None,
           {},
           {},
           [this] { m_frame->SwitchPane(); }});
    c.Add({Id::PreviousPane,
           "Previous Pane",
           keys({QKeySequence(Qt::SHIFT | Qt::Key_F6)}),
           {},
           "Switch back to the previous pane",
           Kind::None,
           {},
           {},
           [this] { m_frame->SwitchPane(); }});
}

void CDesktopApp::RegisterModeCommands() {
    struct ModeCommand {
        Id id;
        Mode mode;
        const char* label;
        const char* prompt;
    };
    const ModeCommand modes[] = {
        {Id::ModeNetworkEdit, Mode::NetworkEdit, "&Network Edit", "Place TVX in Edit Mode"},
        {Id::ModePowerFlow, Mode::PowerFlow, "&Power Flow",
         "Place TVX in Power Flow Analysis Mode"},
        {Id::ModeStateEstimation, Mode::StateEstimation, "&State Estimation",
         "Place TVX in State Estimation Mode"},
        {Id::ModeShortCircuit, Mode::ShortCircuit, "Short &Circuit", ""},
        {Id::ModeTransientStability, Mode::TransientStability, "&Transient Stability",
         "Place TVX in Transient Stability Analysis Mode"},
        {Id::ModeOptimalPowerFlow, Mode::OptimalPowerFlow, "&Optimal Power Flow",
         "Place TVX in Optimal Power Flow Mode"},
    };
    for (const ModeCommand& m : modes) {
        const Mode mode = m.mode;
        m_commands->Add({m.id,
                         m.label,
                         {},
                         {},
                         m.prompt,
                         Kind::None,
                         {},
                         [this, mode] { return m_state.m_mode == mode; },
                         [this, mode] { SetMode(mode); }});
    }
}

bool CDesktopApp::ToolEnabled(Tool tool) const {
    const Mode mode = m_state.m_mode;
    switch (tool) {
    case Tool::CircuitBreaker:
        return mode == Mode::NetworkEdit;
    case Tool::CurrentMeasurement:
        return false;
    case Tool::PowerFlowMeasurement:
    case Tool::PowerInjectionMeasurement:
    case Tool::VoltageMeasurement:
        return mode == Mode::StateEstimation;
    case Tool::Generator:
        return mode == Mode::TransientStability || mode == Mode::OptimalPowerFlow;
    case Tool::ImpedanceToGround:
    case Tool::ShortCircuit:
        return mode == Mode::ShortCircuit;
    default:
        return true;
    }
}

void CDesktopApp::RegisterToolCommands() {
    struct ToolCommand {
        Tool tool;
        const char* label;
        const char* tooltip;
        const char* prompt;
        Kind icon;
    };
    const ToolCommand tools[] = {
        {Tool::Pointer, "&Pointer", "Choose to return to pointer", "Pointer", Kind::Pointer},
        {Tool::HorizontalBus, "&Horizontal", "Place a Horizontal Bus", "Place a Horizontal Bus",
         Kind::HorizontalBus},
        {Tool::VerticalBus, "&Vertical", "Place a Vertical Bus", "Place a Vertical Bus",
         Kind::VerticalBus},
        {Tool::Line, "&Line", "Place a Line or Transformer", "Place a Line or Transformer",
         Kind::Line},
        {Tool::Capacitor, "&Capacitor", "Place a Capacitor", "Place a Capacitor", Kind::Capacitor},
        {Tool::CircuitBreaker, "Circuit &Breaker", "Place a Circuit Breaker",
         "Place a Circuit Breaker", Kind::CircuitBreaker},
        {Tool::CurrentMeasurement, "&Current", "Place a Current Measurement",
         "Place a Current Measurement", Kind::CurrentMeasurement},
        {Tool::PowerFlowMeasurement, "Power &Flow", "Place a Power Flow Measurement",
         "Place a Power Flow Measurement", Kind::PowerFlowMeasurement},
        {Tool::PowerInjectionMeasurement, "Power &Injection", "Place a Power Injection Measurement",
         "Place a Power Injection Measurement", Kind::PowerInjectionMeasurement},
        {Tool::VoltageMeasurement, "&Voltage", "Place a Voltage Measurement",
         "Place a Voltage Measurement", Kind::VoltageMeasurement},
        {Tool::Generator, "&Generator", "Place a Generator", "Place a Generator", Kind::Generator},
        {Tool::ImpedanceToGround, "Impedance to &Ground", "Place an Impedance to Ground",
         "Place an Impedance to Ground", Kind::ImpedanceToGround},
        {Tool::ShortCircuit, "&Short Circuit", "Place a Short Circuit", "Place a Short Circuit",
         Kind::ShortCircuit},
    };
    for (const ToolCommand& t : tools) {
        const Tool tool = t.tool;
        m_commands->Add({static_cast<Id>(tool),
                         t.label,
                         {},
                         t.tooltip,
                         t.prompt,
                         t.icon,
                         [this, tool] { return ToolEnabled(tool); },
                         [this, tool] { return ToolEnabled(tool) && m_state.m_tool == tool; },
                         [this, tool] { SetTool(tool); }});
    }
}

void CDesktopApp::RegisterAnalysisCommands() {
    CCommandRegistry& c = *m_commands;
    auto inMode = [this](Mode mode) { return [this, mode] { return m_state.m_mode == mode; }; };
    auto unavailable = [this](Id id) { return [this, id] { Unavailable(id); }; };

    c.Add({Id::RunPowerFlow,
           "Run &Power Flow Analysis",
           {},
           {},
           "Run the power flow on the network",
           Kind::None,
           inMode(Mode::PowerFlow),
           {},
           [this] { PowerFlow().RunPowerFlow(); }});
    c.Add({Id::DisplayLosses,
           "Display Power Flow &Losses",
           {},
           {},
           "Show the system losses of the last power flow",
           Kind::None,
           {},
           {},
           [this] { PowerFlow().DisplaySystemLosses(); }});
    c.Add({Id::SavePowerFlowReport,
           "Save Power Flow &Report",
           {},
           {},
           "Save a copy of the last power flow report",
           Kind::None,
           {},
           {},
           [this] { PowerFlow().SavePowerFlowReport(); }});
    c.Add({Id::RunObservability,
           "Run &Observability Analysis",
           {},
           {},
           "Find the observable islands of the metered network",
           Kind::None,
           inMode(Mode::StateEstimation),
           {},
           unavailable(Id::RunObservability)});
    c.Add({Id::RunWlsEstimation,
           "Run &WLS Estimation",
           {},
           {},
           "Estimate the state by weighted least squares",
           Kind::None,
           inMode(Mode::StateEstimation),
           {},
           unavailable(Id::RunWlsEstimation)});
    c.Add({Id::RunLavEstimation,
           "Run &LAV Estimation",
           {},
           {},
           "Estimate the state by least absolute value",
           Kind::None,
           inMode(Mode::StateEstimation),
           {},
           unavailable(Id::RunLavEstimation)});
    c.Add({Id::RunMeterPlacement,
           "Run &Meter Placement",
           {},
           {},
           "Find the cheapest meters that keep the network observable",
           Kind::None,
           inMode(Mode::StateEstimation),
           {},
           unavailable(Id::RunMeterPlacement)});
    c.Add({Id::SetMeterCost,
           "Set Meter &Cost",
           {},
           {},
           "Edit the cost of each candidate meter",
           Kind::None,
           inMode(Mode::StateEstimation),
           {},
           unavailable(Id::SetMeterCost)});
    c.Add({Id::UsePowerFlowResults,
           "&Use Power Flow Analysis Results",
           {},
           {},
           "Take the measurement values from a power flow",
           Kind::None,
           {},
           [this] { return m_state.m_usePowerFlowResults; },
           [this] {
               PowerFlow().UsePowerFlowResults();
               RedrawAllViews();
           }});
    c.Add({Id::DeleteAllMeasurements,
           "&Delete All Measurements",
           {},
           {},
           "Delete the measurements of this mode",
           Kind::None,
           {},
           {},
           [this] { PowerFlow().DeleteAllMeasurements(); }});
    c.Add({Id::RunShortCircuit,
           "Run &Short Circuit Analysis",
           {},
           {},
           "Compute the fault currents",
           Kind::None,
           inMode(Mode::ShortCircuit),
           {},
           unavailable(Id::RunShortCircuit)});
    c.Add({Id::RunTransientStability,
           "Run &Transient Stability Analysis",
           {},
           {},
           "Simulate the machines through the fault",
           Kind::None,
           inMode(Mode::TransientStability),
           {},
           unavailable(Id::RunTransientStability)});
    c.Add({Id::PlotOptions,
           "Plot Options",
           {},
           {},
           "Choose the variables to plot",
           Kind::None,
           {},
           {},
           [this] { EditPlotVariables(m_frame.get(), m_state, m_doc); }});
    c.Add({Id::RunOptimalPowerFlow,
           "Run &Optimal Power Flow",
           {},
           {},
           "Dispatch the generators at least cost",
           Kind::None,
           inMode(Mode::OptimalPowerFlow),
           {},
           unavailable(Id::RunOptimalPowerFlow)});
    c.Add({Id::ClearResults,
           "&Clear Results",
           {},
           {},
           "Remove the results from the diagram",
           Kind::None,
           [this] { return m_state.m_resultState != CSkemtorApp::kNoResults; },
           {},
           [this] { PowerFlow().ClearAnalysisResults(); }});
    c.Add({Id::AnalysisOptions,
           "Program &Settings",
           {},
           {},
           "Edit the analysis options",
           Kind::None,
           {},
           {},
           [this] { EditAnalysisOptions(m_frame.get(), m_state, [this] { RedrawAllViews(); }); }});
    // Placeholders: grayed, never run.
    c.Add({Id::NoAnalysisAvailable,
           "No Analysis Available",
           {},
           {},
           "No Analysis Is Available - Select a Network Mode",
           Kind::None,
           {},
           {},
           {}});
    c.Add({Id::NoMeasurementsAvailable,
           "No Measurements Available",
           {},
           {},
           "There Are No Measurements Currently Available",
           Kind::None,
           {},
           {},
           {}});
}

void CDesktopApp::RegisterHelpCommands() {
    CCommandRegistry& c = *m_commands;
    c.Add(
        {Id::HelpTopics, "&Help Topics", {}, {}, "Open the user guide", Kind::None, {}, {}, [this] {
             const QString path = HelpFilePath();
             if (!QFileInfo::exists(path) || !m_ui.OpenHelp(path.toStdString()))
                 m_ui.ShowMessage("Tarvex",
                                  "The user guide " + path.toStdString() + " cannot be shown.",
                                  CUserInterface::Icon::Exclamation);
         }});
    c.Add({Id::AppAbout,
           "About Tarvex..",
           {},
           "About",
           "Show the program's name and version",
           Kind::About,
           {},
           {},
           [this] { m_ui.ShowAbout(); }});
}
