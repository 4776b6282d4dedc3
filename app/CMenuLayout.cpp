#include "app/CMenuLayout.h"

using Entry = CMenuLayout::Entry;
using Id = CommandId;
using Mode = CSkemtorApp::Mode;

namespace {

Entry item(Id id) {
    return Entry::Item(id);
}

Entry separator() {
    return Entry::Separator();
}

Entry submenu(const char* title, std::vector<Entry> children) {
    Entry entry;
    entry.kind = Entry::Kind::Submenu;
    entry.title = QString::fromLatin1(title);
    entry.children = std::move(children);
    return entry;
}

Entry top(Entry entry) {
    entry.top = true;
    return entry;
}

} // namespace

std::vector<CMenuLayout::Menu> CMenuLayout::MenuBar() {
    Entry recent;
    recent.kind = Entry::Kind::RecentFiles;
    return {
        {"&File",
         {item(Id::FileNew), item(Id::FileOpen), item(Id::FileSave), item(Id::FileSaveAs),
          separator(), item(Id::CreateIeeeDataFile), item(Id::CreateMeasurementFile), separator(),
          item(Id::FilePrint), item(Id::FilePrintPreview), item(Id::FilePrintSetup),
          item(Id::FileExportDiagram), separator(), recent, separator(), item(Id::AppExit)}},
        {"&Edit",
         {item(Id::EditUndo), separator(), item(Id::EditCut), item(Id::EditCopy),
          item(Id::EditPaste)}},
        {"&View", {item(Id::ViewToolbar), item(Id::ViewStatusBar)}},
        // The first three modes are the teaching modes; the others follow a separator.
        {"&Mode",
         {item(Id::ModeNetworkEdit), item(Id::ModePowerFlow), item(Id::ModeStateEstimation),
          separator(), item(Id::ModeShortCircuit), item(Id::ModeTransientStability),
          item(Id::ModeOptimalPowerFlow)}},
        {"E&lement",
         {item(Id::ToolPointer), separator(),
          submenu("&Bus", {item(Id::ToolHorizontalBus), item(Id::ToolVerticalBus)}),
          item(Id::ToolLine), item(Id::ToolCapacitor), item(Id::ToolGenerator)}},
        // Rebuilt for the mode before it opens; the static content never shows.
        {"Mea&surement",
         {item(Id::ToolPowerFlowMeasurement), item(Id::ToolCurrentMeasurement),
          item(Id::ToolPowerInjectionMeasurement), item(Id::ToolVoltageMeasurement)}},
        {"&Analysis", {separator(), item(Id::ClearResults)}},
        {"&Options", {item(Id::AnalysisOptions)}},
        {"&Help", {item(Id::AppAbout), item(Id::HelpTopics)}},
    };
}

std::vector<Entry> CMenuLayout::AnalysisItems(Mode mode) {
    switch (mode) {
    case Mode::NetworkEdit:
        return {item(Id::NoAnalysisAvailable)};
    case Mode::PowerFlow: {
        Entry losses = top(item(Id::DisplayLosses));
        losses.onlyWithPowerFlowResults = true;
        return {losses, item(Id::RunPowerFlow), item(Id::SavePowerFlowReport)};
    }
    case Mode::StateEstimation:
        return {item(Id::RunObservability), item(Id::RunWlsEstimation), item(Id::RunLavEstimation),
                item(Id::RunMeterPlacement), item(Id::SetMeterCost)};
    case Mode::ShortCircuit:
        return {item(Id::RunShortCircuit)};
    case Mode::TransientStability:
        return {top(item(Id::PlotOptions)), item(Id::RunTransientStability)};
    case Mode::OptimalPowerFlow:
        return {item(Id::RunOptimalPowerFlow)};
    }
    return {};
}

std::vector<Entry> CMenuLayout::MeasurementItems(Mode mode) {
    if (mode != Mode::StateEstimation) return {item(Id::NoMeasurementsAvailable)};
    return {item(Id::ToolPowerFlowMeasurement), item(Id::ToolPowerInjectionMeasurement),
            item(Id::ToolVoltageMeasurement), separator(), item(Id::UsePowerFlowResults)};
}

std::vector<Entry> CMenuLayout::OptionsItems(Mode mode) {
    if (mode == Mode::StateEstimation) return {item(Id::DeleteAllMeasurements)};
    return {};
}

std::vector<Entry> CMenuLayout::StandardToolBar() {
    return {item(Id::FileNew),   item(Id::FileOpen), item(Id::FileSave),  separator(),
            item(Id::EditCut),   item(Id::EditCopy), item(Id::EditPaste), separator(),
            item(Id::FilePrint), item(Id::AppAbout)};
}

std::vector<Entry> CMenuLayout::ElementToolBar() {
    return {item(Id::ToolPointer),
            separator(),
            item(Id::ToolVerticalBus),
            item(Id::ToolHorizontalBus),
            item(Id::ToolLine),
            item(Id::ToolCapacitor),
            separator(),
            item(Id::ToolCircuitBreaker),
            separator(),
            item(Id::ToolPowerFlowMeasurement),
            item(Id::ToolCurrentMeasurement),
            item(Id::ToolPowerInjectionMeasurement),
            item(Id::ToolVoltageMeasurement),
            item(Id::ToolGenerator),
            separator(),
            item(Id::ToolImpedanceToGround),
            item(Id::ToolShortCircuit)};
}
