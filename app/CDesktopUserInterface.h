#pragma once

#include "exchange/UserInterface.h"

#include <functional>
#include <optional>
#include <string>

class QPrinter;

// What the desktop program asks of the person at the screen beyond the analysis
// commands' needs: the document file dialogs, the save-changes question, the about box,
// the user guide and the printing dialogs. CQtUserInterface shows real dialogs; tests
// script the answers so nothing ever waits for a click.
class CDesktopUserInterface : public CUserInterface {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    // "TVX Files (*.tvx)" open dialog; the chosen path, or nothing on Cancel.
    virtual std::optional<std::string> AskOpenDocumentName() = 0;
    // The same filter for saving, proposing `suggested`, asking before overwriting.
    virtual std::optional<std::string> AskSaveDocumentName(const std::string& suggested) = 0;
    // "Save changes to <title>?" with Yes, No and Cancel.
    virtual SaveChoice AskSaveChanges(const std::string& title) = 0;
    virtual void ShowAbout() = 0;
    // Opens the HTML user guide; false when it could not be shown.
    virtual bool OpenHelp(const std::string& path) = 0;
    // The print dialog; false on Cancel.
    virtual bool AskPrinter(QPrinter& printer) = 0;
    // The page setup dialog; false on Cancel.
    virtual bool AskPageSetup(QPrinter& printer) = 0;
    // The print preview; `paint` draws the pages on the printer it is given.
    virtual void ShowPrintPreview(QPrinter& printer,
                                  const std::function<void(QPrinter*)>& paint) = 0;
};
