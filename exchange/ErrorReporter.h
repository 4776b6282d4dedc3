#pragma once

#include "exchange/UserInterface.h"

#include <filesystem>
#include <string>
#include <vector>

// Shows the catalogue message for an engine status or an editor code (100 no slack
// bus, 101 too many buses, 200 no buses) as the modal "Error Message" box with the
// exclamation icon. The catalogue is looked up in the working directory, then in the
// install directories given here.
class CErrorReporter {
public:
    static constexpr const char* kTitle = "Error Message";

    // By default the catalogue shipped beside the running executable.
    CErrorReporter();
    explicit CErrorReporter(std::vector<std::filesystem::path> installDirs);

    void ReportError(CUserInterface& ui, int code) const;
    // Any other message of the settings file and the catalogue ("Error opening
    // tvx.ini"), in the same box.
    static void ShowErrorMessage(CUserInterface& ui, const std::string& text);

    const std::vector<std::filesystem::path>& InstallDirectories() const { return m_installDirs; }

private:
    std::vector<std::filesystem::path> m_installDirs;
};
