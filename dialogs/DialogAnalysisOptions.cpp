#include "dialogs/DialogAnalysisOptions.h"

#include "dialogs/DialogAnalysisOptionsChecks.h"
#include "dialogs/DialogAnalysisOptionsPage.h"
#include "dialogs/DialogAnalysisOptionsPages.h"
#include "exchange/ErrorReporter.h"
#include "model/Settings.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

CDialogAnalysisOptions::CDialogAnalysisOptions(CSkemtorApp& app, QWidget* parent)
    : QDialog(parent), m_app(app), m_values(app), m_tabs(new QTabWidget(this)),
      m_pages(CDialogAnalysisOptionsPages::ForMode(app.m_mode, app)) {
    setWindowTitle(QString::fromUtf8(kTitle));
    m_message = [this](const QString& title, const QString& text) {
        QMessageBox::warning(this, title, text);
    };
    // Every tab title in full, as a property sheet shows them.
    m_tabs->setUsesScrollButtons(false);
    for (CDialogAnalysisOptionsPage* page : m_pages) m_tabs->addTab(page, page->Title());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogAnalysisOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogAnalysisOptions::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    // A page shows its values when it is first brought to the front; the first page is
    // in front from the start.
    connect(m_tabs, &QTabWidget::currentChanged, this, &CDialogAnalysisOptions::OpenPage);
    if (!m_pages.empty()) OpenPage(0);
}

bool CDialogAnalysisOptions::HasPages(CSkemtorApp::Mode mode) {
    return mode != CSkemtorApp::Mode::ShortCircuit;
}

bool CDialogAnalysisOptions::SavesSettings(CSkemtorApp::Mode mode) {
    return mode != CSkemtorApp::Mode::OptimalPowerFlow && HasPages(mode);
}

CDialogAnalysisOptionsPage* CDialogAnalysisOptions::Page(int index) const {
    return m_pages.at(static_cast<std::size_t>(index));
}

void CDialogAnalysisOptions::OpenPage(int index) {
    if (index >= 0 && index < PageCount()) Page(index)->Open(m_values);
}

int CDialogAnalysisOptions::PageOf(const QWidget* field) const {
    for (int i = 0; i < PageCount(); ++i)
        if (Page(i)->isAncestorOf(field)) return i;
    return -1;
}

void CDialogAnalysisOptions::Refuse(QLineEdit* field, const QString& title, const QString& text) {
    const int index = PageOf(field);
    if (index >= 0) m_tabs->setCurrentIndex(index);
    field->setFocus();
    field->selectAll();
    if (m_message) m_message(title, text);
}

void CDialogAnalysisOptions::accept() {
    CSkemtorApp values = m_values;
    for (CDialogAnalysisOptionsPage* page : m_pages)
        if (const auto problem = page->Parse(values)) {
            Refuse(problem->field, QString::fromUtf8(kInvalidTitle), problem->message);
            return;
        }
    auto field = [this](int id) -> QLineEdit* {
        for (CDialogAnalysisOptionsPage* page : m_pages)
            if (QLineEdit* found = page->Field(id)) return found;
        return nullptr;
    };
    if (const auto problem = CDialogAnalysisOptionsChecks::Check(
            values, [&](int id) { return field(id) != nullptr; })) {
        QLineEdit* offending = field(problem->fieldId);
        // A refused value of a page not opened yet is shown by opening it.
        OpenPage(PageOf(offending));
        Refuse(offending, QString::fromUtf8(kRangeTitle), QString::fromStdString(problem->message));
        return;
    }

    for (CDialogAnalysisOptionsPage* page : m_pages) page->CopySettings(values, m_app);
    m_values = values;
    if (SavesSettings(m_app.m_mode))
        // The new values stay in force for this run even when the file cannot be written.
        if (const auto failure = CSettings::SaveSettings(m_app); failure && m_message)
            m_message(QString::fromUtf8(CErrorReporter::kTitle), QString::fromStdString(*failure));
    QDialog::accept();
}

bool EditAnalysisOptions(QWidget* parent, CSkemtorApp& app, std::function<void()> redraw) {
    if (!CDialogAnalysisOptions::HasPages(app.m_mode)) return false;
    bool accepted = false;
    {
        CDialogAnalysisOptions sheet(app, parent);
        accepted = sheet.exec() == QDialog::Accepted;
    }
    if (redraw) redraw();
    return accepted;
}
