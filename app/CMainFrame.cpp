#include "app/CMainFrame.h"

#include "view/CVoltagePlotView.h"

#include "app/CCommandRegistry.h"
#include "app/CRecentFileList.h"
#include "model/SkemtorApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

using Entry = CMenuLayout::Entry;
using Mode = CSkemtorApp::Mode;

namespace {

QString modeName(Mode mode) {
    switch (mode) {
    case Mode::NetworkEdit:
        return QStringLiteral("Network Edit");
    case Mode::PowerFlow:
        return QStringLiteral("Power Flow");
    case Mode::StateEstimation:
        return QStringLiteral("State Estimation");
    case Mode::ShortCircuit:
        return QStringLiteral("Short Circuit");
    case Mode::TransientStability:
        return QStringLiteral("Transient Stability");
    case Mode::OptimalPowerFlow:
        return QStringLiteral("Optimal Power Flow");
    }
    return {};
}

// Separators belong to the menu that shows them; command actions to the registry.
void takeOut(QMenu* menu, QAction* action) {
    menu->removeAction(action);
    if (!action->data().isValid()) delete action;
}

// The three lock indicators of the status bar; the toolkit cannot read the keyboard's
// lock state, so they keep their place and stay blank.
QLabel* indicator(QWidget* parent, const char* sizeText) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(sizeText)) +
                           8);
    return label;
}

} // namespace

CMainFrame::CMainFrame(CSkemtorApp& app, CSkemtorDoc& doc, CCommandRegistry& commands,
                       CUserInterface& ui, std::function<void(int code)> reportError)
    : m_app(app), m_doc(doc), m_commands(commands), m_ui(ui),
      m_reportError(std::move(reportError)) {
    setObjectName(QStringLiteral("mainFrame"));
    m_standardBar = BuildToolBar("standardToolBar", CMenuLayout::StandardToolBar());
    m_elementBar = BuildToolBar("elementToolBar", CMenuLayout::ElementToolBar());
    BuildStatusBars();
    BuildPanes();
    BuildMenus();
    // The accelerators that no menu shows.
    for (CommandId id : {CommandId::NextPane, CommandId::PreviousPane})
        if (QAction* action = m_commands.Action(id)) addAction(action);
    setAcceptDrops(true);
    resize(900, 650);

    m_idle = new QTimer(this);
    m_idle->setInterval(250);
    connect(m_idle, &QTimer::timeout, this, &CMainFrame::IdleUpdate);
    m_idle->start();
    IdleUpdate();
}

QToolBar* CMainFrame::BuildToolBar(const char* name, const std::vector<Entry>& buttons) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(CToolbarIcons::kWidth, CToolbarIcons::kHeight));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const Entry& entry : buttons) {
        if (entry.kind == Entry::Kind::Separator)
            bar->addSeparator();
        else if (QAction* action = m_commands.Action(entry.id))
            bar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CMainFrame::BuildStatusBars() {
    m_messagePane = new QLabel(QStringLiteral("Ready"), this);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    statusBar()->addWidget(m_messagePane, 1);
    m_modePane = new QLabel(this);
    m_modePane->setObjectName(QStringLiteral("modePane"));
    m_modePane->setMinimumWidth(
        m_modePane->fontMetrics().horizontalAdvance(QString::fromLatin1(kModePaneSizeText)) + 8);
    statusBar()->addPermanentWidget(m_modePane);
    statusBar()->addPermanentWidget(indicator(this, "CAP"));
    statusBar()->addPermanentWidget(indicator(this, "NUM"));
    statusBar()->addPermanentWidget(indicator(this, "SCRL"));
}

void CMainFrame::BuildPanes() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_splitter = new QSplitter(Qt::Vertical, central);
    m_splitter->setObjectName(QStringLiteral("panes"));
    m_splitter->setChildrenCollapsible(true);
    m_diagram = CPanes::CreateDiagramPane(m_splitter, m_app, m_doc, m_ui);
    m_plot = CPanes::CreatePlotPane(m_splitter, m_app, m_reportError);
    m_splitter->addWidget(m_diagram.widget);
    m_splitter->addWidget(m_plot);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    // The plot pane starts with no height; dragging the bar up shows it.
    m_splitter->setSizes({1 << 20, 0});
    layout->addWidget(m_splitter, 1);

    m_analysisBar = new QStatusBar(central);
    m_analysisBar->setObjectName(QStringLiteral("analysisStatusBar"));
    m_analysisBar->setSizeGripEnabled(false);
    m_analysisBar->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    m_analysisText = new QLabel(central);
    m_analysisText->setObjectName(QStringLiteral("analysisText"));
    m_analysisBar->addWidget(m_analysisText, 1);
    layout->addWidget(m_analysisBar);
    setCentralWidget(central);
    m_diagram.widget->setFocus();
}

void CMainFrame::BuildMenus() {
    for (const CMenuLayout::Menu& spec : CMenuLayout::MenuBar()) {
        QMenu* menu = menuBar()->addMenu(spec.title);
        Fill(menu, spec.entries);
        m_menus.push_back(menu);
        // Every menu opening re-reads the mode and the command rules first.
        connect(menu, &QMenu::aboutToShow, this, [this] {
            RebuildModeMenus();
            SetRecentFiles(m_recentFiles);
            m_commands.Update();
        });
    }
    RebuildModeMenus();
    SetRecentFiles({});
}

void CMainFrame::Fill(QMenu* menu, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) AddEntry(menu, entry, nullptr);
}

void CMainFrame::AddEntry(QMenu* menu, const Entry& entry, QAction* before) {
    switch (entry.kind) {
    case Entry::Kind::Separator: {
        QAction* separator = menu->insertSeparator(before);
        // The separator after the recent files closes their section.
        if (m_recentStart != nullptr && m_recentEnd == nullptr) m_recentEnd = separator;
        break;
    }
    case Entry::Kind::Command:
        if (QAction* action = m_commands.Action(entry.id)) menu->insertAction(before, action);
        break;
    case Entry::Kind::Submenu: {
        auto* sub = new QMenu(entry.title, menu);
        Fill(sub, entry.children);
        menu->insertMenu(before, sub);
        break;
    }
    case Entry::Kind::RecentFiles:
        // The recent entries go between the item before this place and the next separator.
        m_recentStart = menu->actions().isEmpty() ? nullptr : menu->actions().constLast();
        m_recentEnd = nullptr;
        break;
    }
}

void CMainFrame::SetRecentFiles(const QStringList& files) {
    m_recentFiles = files;
    QMenu* file = TopMenu(CMenuLayout::kFile);
    if (m_recentStart == nullptr || m_recentEnd == nullptr) return;
    const CommandId ids[] = {CommandId::FileRecent1, CommandId::FileRecent2, CommandId::FileRecent3,
                             CommandId::FileRecent4};
    for (CommandId id : ids)
        if (QAction* action = m_commands.Action(id)) file->removeAction(action);
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        QAction* action = m_commands.Action(ids[i]);
        if (action == nullptr) continue;
        if (i < files.size()) {
            action->setText(CRecentFileList::MenuText(i, files.at(i)));
            action->setStatusTip(QStringLiteral("Open this document"));
        } else if (i == 0) {
            // An empty list still shows its place, grayed.
            action->setText(QStringLiteral("Recent File"));
        } else {
            continue;
        }
        file->insertAction(m_recentEnd, action);
    }
    m_commands.Update();
}

void CMainFrame::RebuildModeMenus() {
    const Mode mode = m_app.m_mode;
    auto offered = [this](const Entry& entry) {
        return !entry.onlyWithPowerFlowResults ||
               m_app.m_resultState == CSkemtorApp::kPowerFlowResults;
    };

    // Analysis: everything above the separator goes; the mode's items take its place,
    // then its "top" items become the first items.
    QMenu* analysis = TopMenu(CMenuLayout::kAnalysis);
    QAction* separator = nullptr;
    for (QAction* action : analysis->actions())
        if (action->isSeparator()) {
            separator = action;
            break;
        }
    for (QAction* action : analysis->actions()) {
        if (action == separator) break;
        takeOut(analysis, action);
    }
    const std::vector<Entry> items = CMenuLayout::AnalysisItems(mode);
    for (const Entry& entry : items)
        if (!entry.top && offered(entry)) AddEntry(analysis, entry, separator);
    for (const Entry& entry : items)
        if (entry.top && offered(entry))
            AddEntry(analysis, entry,
                     analysis->actions().isEmpty() ? nullptr : analysis->actions().constFirst());

    QMenu* measurement = TopMenu(CMenuLayout::kMeasurement);
    for (QAction* action : measurement->actions()) takeOut(measurement, action);
    for (const Entry& entry : CMenuLayout::MeasurementItems(mode))
        AddEntry(measurement, entry, nullptr);

    QMenu* options = TopMenu(CMenuLayout::kOptions);
    const QList<QAction*> optionActions = options->actions();
    for (qsizetype i = 1; i < optionActions.size(); ++i) takeOut(options, optionActions.at(i));
    for (const Entry& entry : CMenuLayout::OptionsItems(mode)) AddEntry(options, entry, nullptr);
}

void CMainFrame::IdleUpdate() {
    m_commands.Update();
    const QString mode = modeName(m_app.m_mode);
    if (m_modePane->text() != mode) m_modePane->setText(mode);
    const QString status = QString::fromStdString(m_app.m_statusText);
    if (m_analysisText->text() != status) m_analysisText->setText(status);
}

void CMainFrame::RedrawAllViews() {
    for (QWidget* pane : {m_diagram.widget, m_plot}) {
        pane->update();
        for (QWidget* child : pane->findChildren<QWidget*>()) child->update();
    }
    IdleUpdate();
}

void CMainFrame::SwitchPane() {
    const bool inDiagram =
        m_diagram.widget->isAncestorOf(focusWidget()) || focusWidget() == m_diagram.widget;
    QWidget* target = inDiagram ? m_plot : m_diagram.widget;
    target->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (onCloseRequested && !onCloseRequested()) {
        event->ignore();
        return;
    }
    m_idle->stop();
    event->accept();
}

QString CMainFrame::DroppedDocument(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QStringLiteral("tvx"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDocument(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedDocument(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (onFileDropped) onFileDropped(path);
}
