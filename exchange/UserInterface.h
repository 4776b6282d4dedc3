#pragma once

#include <optional>
#include <string>

// Everything an analysis command needs from the person at the screen. The desktop
// program implements it with real message boxes and dialogs; tests implement it with a
// scripted fake that records what was shown and answers as told, so no test ever
// blocks on a modal dialog.
class CUserInterface {
public:
    enum class Icon { Exclamation, Information, Question, Stop };

    struct SaveFileRequest {
        std::string defaultName;      // "pfinput.dat"
        std::string defaultExtension; // ".dat"
        std::string filterLabel;      // "Data Files (*.dat)"
        std::string filterPattern;    // "*.dat"
    };

    struct Losses {
        double realPower = 0, reactivePower = 0, lineCharging = 0, shunt = 0;
    };

    virtual ~CUserInterface() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(const std::string& title, const std::string& text, Icon icon) = 0;
    // A Yes/No question with the question icon and No as the default button.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    // A save-file dialog that asks before overwriting; the chosen path, or nothing on
    // Cancel.
    virtual std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) = 0;
    // The Data Case Name dialog; the entered name, or nothing on Cancel.
    virtual std::optional<std::string> AskCaseName(const std::string& initial) = 0;
    // The system losses dialog.
    virtual void ShowLosses(const Losses& losses) = 0;
    // Wait cursor while the engine runs; CWaitCursor is the scoped form.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Every view redraws from the document and the application state.
    virtual void RedrawAllViews() = 0;
};
