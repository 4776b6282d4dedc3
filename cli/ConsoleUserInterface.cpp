#include "cli/ConsoleUserInterface.h"

#include <cstdio>

namespace {
// A message box text on its own line(s); catalogue texts already end with a line feed.
void printText(std::ostream& stream, const std::string& text) {
    stream << text;
    if (text.empty() || text.back() != '\n') stream << '\n';
}
} // namespace

void ConsoleUserInterface::ShowMessage(const std::string&, const std::string& text, Icon icon) {
    // Errors and warnings go where scripts look for them; information to the output.
    printText(icon == Icon::Information ? m_out : m_err, text);
}

bool ConsoleUserInterface::AskYesNo(const std::string& title, const std::string& text) {
    m_err << title << ": ";
    printText(m_err, text);
    m_err << "Answered No.\n";
    return false;
}

std::optional<std::string> ConsoleUserInterface::AskSaveFileName(const SaveFileRequest& request) {
    return request.defaultName;
}

std::optional<std::string> ConsoleUserInterface::AskCaseName(const std::string& initial) {
    return initial;
}

void ConsoleUserInterface::ShowLosses(const Losses& losses) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "Real Power Loss: %.4f\nReactive Power Loss: %.4f\nLine Charging Loss: %.4f\n"
                  "Shunt Cap/Reactor Loss: %.4f\n",
                  losses.realPower, losses.reactivePower, losses.lineCharging, losses.shunt);
    m_out << line;
}
