#include "dialogs/DialogAnalysisOptionsPages.h"

#include "dialogs/DialogAnalysisOptionsPage.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using Page = CDialogAnalysisOptionsPage;
using Format = Page::Format;
using App = CSkemtorApp;

// A page whose controls stand in one column: radio groups and rows of label and field.
class Column {
public:
    explicit Column(Page* page) : m_page(page), m_layout(new QVBoxLayout(page)) {}

    QFormLayout* Form() {
        auto* form = new QFormLayout;
        m_layout->addLayout(form);
        return form;
    }
    void Buttons(const std::vector<QAbstractButton*>& buttons, const QString& label = {},
                 bool across = false) {
        QBoxLayout* row = across ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                 : static_cast<QBoxLayout*>(new QVBoxLayout);
        if (!label.isEmpty()) row->addWidget(m_page->Label(label));
        for (QAbstractButton* button : buttons) row->addWidget(button);
        row->addStretch();
        m_layout->addLayout(row);
    }
    void Add(QLayout* layout) { m_layout->addLayout(layout); }
    void Add(QWidget* widget) { m_layout->addWidget(widget); }
    void End() { m_layout->addStretch(); }

private:
    Page* m_page;
    QVBoxLayout* m_layout;
};

void addReal(Page* page, QFormLayout* form, const char* label, int id, double App::*setting,
             Format format) {
    QLineEdit* field = page->RealField(id, setting, format);
    form->addRow(page->Label(QString::fromUtf8(label), field), field);
}

void addInteger(Page* page, QFormLayout* form, const char* label, int id, int App::*setting) {
    QLineEdit* field = page->IntegerField(id, setting);
    form->addRow(page->Label(QString::fromUtf8(label), field), field);
}

} // namespace

std::vector<CDialogAnalysisOptionsPage*>
CDialogAnalysisOptionsPages::ForMode(CSkemtorApp::Mode mode, const CSkemtorApp& app) {
    switch (mode) {
    case App::Mode::NetworkEdit:
        return {BranchDefaults()};
    case App::Mode::PowerFlow:
        return {MvaBase(), PowerFlowParameters(), DisplayOutput()};
    case App::Mode::StateEstimation:
        return {EstimationDisplay(app.m_resultState), EstimationParameters(),
                MeasurementDeviations()};
    case App::Mode::TransientStability:
        return {TransientSettings()};
    case App::Mode::OptimalPowerFlow:
        return {OptimalPowerFlowParameters(), DisplayOutput()};
    case App::Mode::ShortCircuit:
        break;
    }
    return {};
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::MvaBase() {
    auto* page = new Page("MVA Base");
    Column column(page);
    addReal(page, column.Form(), "&MVA Base :", 1082, &App::m_mvaBase, Format::Shortest);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::PowerFlowParameters() {
    auto* page = new Page("Simulation Parameters");
    Column column(page);
    QFormLayout* form = column.Form();
    addInteger(page, form, "Max. Iterations:", 1083, &App::m_pfMaxIterations);
    addReal(page, form, "Max. P. msimatch:", 1084, &App::m_pfMaxPMismatch, Format::Shortest);
    addReal(page, form, "Max. Q. mismatch:", 1085, &App::m_pfMaxQMismatch, Format::Shortest);
    column.Buttons(
        page->ChoiceButtons(&App::m_qLimitsIgnored, {{1086, "Enforce", 0}, {1087, "Ignore", 1}}),
        "&Q Limits :", true);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::DisplayOutput() {
    auto* page = new Page("Display Output Settings");
    Column column(page);
    column.Buttons(page->ChoiceButtons(&App::m_displayChoice, {{1096, "Display &Bus Voltages", 0},
                                                               {1097, "Display Bus &Generation", 1},
                                                               {1098, "Display Line &Flows", 2}}));
    QFormLayout* form = column.Form();
    addReal(page, form, "Vmax", 1100, &App::m_vMax, Format::Fixed2);
    addReal(page, form, "Vmin", 1101, &App::m_vMin, Format::Fixed2);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::MeasurementDeviations() {
    auto* page = new Page("Measurements Error Standard Deviations");
    Column column(page);
    QFormLayout* form = column.Form();
    addReal(page, form, "Current S.D.:", 1030, &App::m_sdCurrent, Format::General);
    addReal(page, form, "Power Flow S.D.:", 1058, &App::m_sdPowerFlow, Format::General);
    addReal(page, form, "Power Injection S.D.:", 1056, &App::m_sdPowerInjection, Format::General);
    addReal(page, form, "Voltage S.D.:", 1034, &App::m_sdVoltage, Format::General);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::EstimationDisplay(int resultState) {
    auto* page = new Page("Display Settings");
    Column column(page);
    const std::vector<QAbstractButton*> buttons =
        page->ChoiceButtons(&App::m_seDisplay, {{1044, "Display &Z Estimates", 0},
                                                {1045, "Display &V Estimates", 1},
                                                {1046, "Display &Normalized Residuals", 2}});
    QLabel* wlsOnly = page->Label("(WLS Only)");
    auto* choices = new QVBoxLayout;
    choices->addWidget(buttons[0]);
    choices->addWidget(buttons[1]);
    auto* residualChoice = new QHBoxLayout;
    residualChoice->addWidget(buttons[2]);
    residualChoice->addWidget(wlsOnly);
    residualChoice->addStretch();
    choices->addLayout(residualChoice);
    column.Add(choices);

    QLineEdit* count = page->IntegerField(1047, &App::m_residualCount);
    QLineEdit* threshold = page->RealField(1060, &App::m_residualThreshold, Format::Fixed3);
    QLabel* display = page->Label("Display", count);
    QLabel* larger = page->Label("Residuals Larger Than", threshold);
    auto* line = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{display, count, larger, threshold})
        line->addWidget(widget);
    line->addStretch();
    column.Add(line);
    column.End();

    QAbstractButton* residuals = buttons[2];
    // The count of residuals only matters while normalized residuals are displayed; a
    // least absolute value estimate has no normalized residuals at all.
    QObject::connect(page, &Page::opened, page, [=] {
        const bool estimates = buttons[0]->isChecked() || buttons[1]->isChecked();
        for (QWidget* widget : std::initializer_list<QWidget*>{display, count, larger})
            widget->setEnabled(!estimates);
        if (resultState == App::kLavResults)
            for (QWidget* widget :
                 std::initializer_list<QWidget*>{residuals, count, display, larger, wlsOnly})
                widget->setEnabled(false);
    });
    for (QAbstractButton* button : buttons)
        QObject::connect(button, &QAbstractButton::clicked, page, [=] {
            const bool enable = button == residuals;
            for (QWidget* widget :
                 std::initializer_list<QWidget*>{display, count, larger, threshold})
                widget->setEnabled(enable);
        });
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::EstimationParameters() {
    auto* page = new Page("Simulation Parameters");
    Column column(page);
    column.Buttons(page->ChoiceButtons(&App::m_noise, {{1050, "None", 0}, {1051, "Gaussian", 1}}),
                   "N&oise:", true);
    QFormLayout* form = column.Form();
    addInteger(page, form, "Max. &Iterations:", 1052, &App::m_maxIterations);
    addReal(page, form, "&Tolerance:", 1053, &App::m_tolerance, Format::Shortest);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::OptimalPowerFlowParameters() {
    auto* page = new Page("Simulation Parameters");
    Column column(page);
    column.Buttons(page->ChoiceButtons(
        &App::m_opfConstraints, {{1133, "No Constraints", 0}, {1134, "Limit Constraints", 1}}));
    QFormLayout* form = column.Form();
    addInteger(page, form, "Max. &Iterations:", 1052, &App::m_maxIterations);
    addReal(page, form, "&Cost Tolerance:", 1053, &App::m_tolerance, Format::Shortest);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::BranchDefaults() {
    auto* page = new Page("Branch Data Defaults");
    Column column(page);
    auto* group = new QGroupBox("Positive Sequence Data", page);
    auto* form = new QFormLayout(group);
    addReal(page, form, "&Resistance:", 1006, &App::m_defaultR, Format::Fixed5);
    addReal(page, form, "R&eactance:", 1007, &App::m_defaultX, Format::Fixed5);
    addReal(page, form, "&Conductance:", 1008, &App::m_defaultG, Format::Fixed5);
    addReal(page, form, "&Susceptance:", 1009, &App::m_defaultB, Format::Fixed5);
    addInteger(page, form, "&MVA limit:", 1011, &App::m_defaultMvaLimit);
    addReal(page, form, "Ta&p:", 1010, &App::m_defaultTap, Format::Fixed5);
    column.Add(group);
    column.End();
    return page;
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptionsPages::TransientSettings() {
    auto* page = new Page("Simulation Settings");
    Column column(page);
    const std::vector<QAbstractButton*> kinds = page->ChoiceButtons(
        &App::m_faultKind, {{1120, "Faulted Bus", 0}, {1121, "Faulted Line", 1}});
    column.Buttons(kinds, {}, true);
    QFormLayout* buses = column.Form();
    addInteger(page, buses, "Bus 1:", 1128, &App::m_faultBus1);
    addInteger(page, buses, "Bus 2:", 1127, &App::m_faultBus2);
    QFormLayout* times = column.Form();
    addReal(page, times, "Tolerance", 1122, &App::m_tsTolerance, Format::Fixed6);
    addReal(page, times, "T step", 1123, &App::m_timeStep, Format::Fixed6);
    addReal(page, times, "Sim. time", 1124, &App::m_simTime, Format::Fixed6);
    addReal(page, times, "F. start", 1125, &App::m_faultStartTime, Format::Fixed6);
    addReal(page, times, "F. Clear", 1126, &App::m_faultClearTime, Format::Fixed6);
    column.End();

    // A faulted bus has no second bus.
    QLineEdit* bus2 = page->Field(1127);
    QAbstractButton* faultedBus = kinds[0];
    QObject::connect(page, &Page::opened, page,
                     [=] { bus2->setEnabled(!faultedBus->isChecked()); });
    for (QAbstractButton* kind : kinds)
        QObject::connect(kind, &QAbstractButton::clicked, page,
                         [=] { bus2->setEnabled(kind != faultedBus); });
    return page;
}
