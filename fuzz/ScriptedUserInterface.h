#pragma once

#include "exchange/UserInterface.h"

#include <string>
#include <vector>

// The person at the screen for a fuzz run: answers every question Yes, cancels every
// file dialog and keeps the messages shown, so a command runs to its end unattended.
class CScriptedUserInterface : public CUserInterface {
public:
    std::vector<std::string> messages;
    std::vector<Losses> losses;

    void ShowMessage(const std::string&, const std::string& text, Icon) override {
        messages.push_back(text);
    }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> AskSaveFileName(const SaveFileRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> AskCaseName(const std::string&) override { return std::nullopt; }
    void ShowLosses(const Losses& shown) override { losses.push_back(shown); }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void RedrawAllViews() override {}
};
