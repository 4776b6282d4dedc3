#pragma once

#include "app/CDesktopUserInterface.h"

#include <functional>
#include <memory>
#include <vector>

class CQtWaitCursor;
class QWidget;

// The user interface with real widgets: message boxes with the given titles and icons,
// the file dialogs, the Data Case Name and losses dialogs, the about box, the printing
// dialogs and the wait cursor. Dialogs are owned by the main window once it exists.
class CQtUserInterface : public CDesktopUserInterface {
public:
    CQtUserInterface();
    ~CQtUserInterface() override;

    void SetParentWindow(QWidget* parent) { m_parent = parent; }
    void SetRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }

    void ShowMessage(const std::string& title, const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override;
    std::optional<std::string> AskCaseName(const std::string& initial) override;
    void ShowLosses(const Losses& losses) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void RedrawAllViews() override;

    std::optional<std::string> AskOpenDocumentName() override;
    std::optional<std::string> AskSaveDocumentName(const std::string& suggested) override;
    SaveChoice AskSaveChanges(const std::string& title) override;
    void ShowAbout() override;
    bool OpenHelp(const std::string& path) override;
    bool AskPrinter(QPrinter& printer) override;
    bool AskPageSetup(QPrinter& printer) override;
    void ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;

private:
    QWidget* m_parent = nullptr;
    std::function<void()> m_redraw;
    std::vector<std::unique_ptr<CQtWaitCursor>> m_waitCursors;
};
