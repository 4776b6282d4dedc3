#pragma once

#include "exchange/UserInterface.h"

#include <ostream>

// The user interface of the analysis commands on a terminal: messages are printed,
// every question takes its default answer (No for a Yes/No question, the proposed name
// for a file or case name) and says so, and nothing is drawn.
class ConsoleUserInterface : public CUserInterface {
public:
    ConsoleUserInterface(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    void ShowMessage(const std::string& title, const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override;
    std::optional<std::string> AskCaseName(const std::string& initial) override;
    void ShowLosses(const Losses& losses) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void RedrawAllViews() override {}

private:
    std::ostream& m_out;
    std::ostream& m_err;
};
