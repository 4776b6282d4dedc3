#pragma once

#include "model/SkemtorApp.h"

#include <QDialog>

#include <functional>
#include <vector>

class CDialogAnalysisOptionsPage;
class QLineEdit;
class QTabWidget;

// The "Analysis Options" sheet: the pages of the current mode on tabs, OK and Cancel.
// It edits a copy of the settings; OK parses the pages the user opened, refuses a value
// that is not a number or out of range (the sheet stays open on that page with the field
// selected), then takes the values over into the application object and rewrites
// tvx.ini, except in Optimal Power Flow mode, whose values last only for the run.
class CDialogAnalysisOptions : public QDialog {
    Q_OBJECT

public:
    // Every message box of the sheet; tests replace it so nothing blocks.
    using MessageHook = std::function<void(const QString& title, const QString& text)>;

    static constexpr const char* kTitle = "Analysis Options";
    static constexpr const char* kInvalidTitle = "Tarvex";
    static constexpr const char* kRangeTitle = "Warning: Analysis Options";

    explicit CDialogAnalysisOptions(CSkemtorApp& app, QWidget* parent = nullptr);

    // Whether the mode has any page (Short Circuit has none).
    static bool HasPages(CSkemtorApp::Mode mode);
    // Whether OK in this mode rewrites the settings file.
    static bool SavesSettings(CSkemtorApp::Mode mode);

    void SetMessageHook(MessageHook hook) { m_message = std::move(hook); }

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    CDialogAnalysisOptionsPage* Page(int index) const;
    QTabWidget* Tabs() const { return m_tabs; }

    void accept() override;

private:
    void OpenPage(int index);
    // Shows the page holding `field`, selects the field and shows the message.
    void Refuse(QLineEdit* field, const QString& title, const QString& text);
    int PageOf(const QWidget* field) const;

    CSkemtorApp& m_app;
    CSkemtorApp m_values;
    QTabWidget* m_tabs;
    std::vector<CDialogAnalysisOptionsPage*> m_pages;
    MessageHook m_message;
};

// The Options command: runs the sheet for the current mode modally and then redraws all
// views. Does nothing in a mode without pages. True when the sheet closed with OK.
bool EditAnalysisOptions(QWidget* parent, CSkemtorApp& app, std::function<void()> redraw);
