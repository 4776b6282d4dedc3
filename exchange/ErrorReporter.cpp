#include "exchange/ErrorReporter.h"

#include "model/ErrorCatalogue.h"

CErrorReporter::CErrorReporter() {
    if (auto dir = CErrorCatalogue::ExecutableDirectory()) m_installDirs.push_back(*dir);
}

CErrorReporter::CErrorReporter(std::vector<std::filesystem::path> installDirs)
    : m_installDirs(std::move(installDirs)) {}

void CErrorReporter::ReportError(CUserInterface& ui, int code) const {
    ShowErrorMessage(ui, CErrorCatalogue::Message(code, m_installDirs));
}

void CErrorReporter::ShowErrorMessage(CUserInterface& ui, const std::string& text) {
    ui.ShowMessage(kTitle, text, CUserInterface::Icon::Exclamation);
}
