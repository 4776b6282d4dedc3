#pragma once

// Every command of the main window, by the numeric id it has always carried (the ids
// of element tools equal CSkemtorApp::Tool). Menus, toolbars and accelerators all issue
// these ids; CCommandRegistry holds the one action per id.
enum class CommandId : int {
    // File
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    // Beyond the classic command set: pictures of the diagram for lab reports.
    FileExportDiagram = 33100,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    FileRecent1 = 57616, // the recent files follow in order
    FileRecent2 = 57617,
    FileRecent3 = 57618,
    FileRecent4 = 57619,
    AppExit = 57665,
    CreateIeeeDataFile = 32815,
    CreateMeasurementFile = 32816,

    // Edit: offered but never handled, so always grayed.
    EditCut = 57635,
    EditCopy = 57634,
    EditPaste = 57637,
    EditUndo = 57643,

    // View
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    NextPane = 57680,
    PreviousPane = 57681,

    // Modes
    ModeNetworkEdit = 32793,
    ModePowerFlow = 32794,
    ModeStateEstimation = 32798,
    ModeShortCircuit = 32799,
    ModeTransientStability = 32797,
    ModeOptimalPowerFlow = 32822,

    // Element tools
    ToolPointer = 32774,
    ToolHorizontalBus = 32775,
    ToolVerticalBus = 32776,
    ToolLine = 32777,
    ToolCurrentMeasurement = 32778,
    ToolPowerFlowMeasurement = 32779,
    ToolPowerInjectionMeasurement = 32780,
    ToolVoltageMeasurement = 32781,
    ToolGenerator = 32782,
    ToolCapacitor = 32807,
    ToolCircuitBreaker = 32817,
    ToolImpedanceToGround = 32823,
    ToolShortCircuit = 32824,

    // Analyses and their companions
    RunPowerFlow = 32803,
    DisplayLosses = 32814,
    SavePowerFlowReport = 32819,
    RunObservability = 32809,
    RunWlsEstimation = 32810,
    RunLavEstimation = 32811,
    RunMeterPlacement = 32821,
    SetMeterCost = 32785,
    UsePowerFlowResults = 32783,
    DeleteAllMeasurements = 32813,
    RunShortCircuit = 32804,
    RunTransientStability = 32805,
    PlotOptions = 59144,
    RunOptimalPowerFlow = 32818,
    ClearResults = 32806,
    AnalysisOptions = 32812,
    NoAnalysisAvailable = 32808,
    NoMeasurementsAvailable = 32784,

    // Help
    HelpTopics = 57670,
    AppAbout = 57664,
};
