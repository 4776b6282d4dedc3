// tarvex-screenshot: renders the main window without a display into a PNG for the user
// guide.
//
//   tarvex-screenshot [--power-flow] OUTPUT.png [DOCUMENT.tvx]
//
// Run it with QT_QPA_PLATFORM=offscreen. The document, when given, is opened and shown in
// Power Flow mode; with --power-flow the power flow is run first, so the picture shows
// the solved voltages on the buses.
#include "app/CDesktopApp.h"
#include "app/CMainFrame.h"
#include "app/CQtUserInterface.h"
#include "engine/core/PowerFlow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Messages go to the terminal: nobody is there to click them away.
class CTerminalUserInterface : public CQtUserInterface {
public:
    void ShowMessage(const std::string& title, const std::string& text, Icon) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        ++m_messages;
    }
    int Messages() const { return m_messages; }

private:
    int m_messages = 0;
};

const char* const kUsage = "usage: tarvex-screenshot [--power-flow] OUTPUT.png [DOCUMENT.tvx]\n";

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool powerFlow = arguments.removeAll(QStringLiteral("--power-flow")) > 0;
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("--"))) {
            std::fprintf(stderr, "tarvex-screenshot: unknown option %s\n%s", qPrintable(argument),
                         kUsage);
            return 2;
        }
    }
    if (arguments.isEmpty() || arguments.size() > 2 || (powerFlow && arguments.size() < 2)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const QString output = QDir::current().absoluteFilePath(arguments.at(0));
    const QString document =
        arguments.size() > 1 ? QDir::current().absoluteFilePath(arguments.at(1)) : QString();

    // A private profile and working folder: the picture must not depend on, or change,
    // the user's recent files or exchange files.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QSettings profile(work.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    CTerminalUserInterface ui;
    CDesktopApp program(ui, profile, CErrorReporter(), [] { tarvex::engine::PFLINFLO(); });
    ui.SetParentWindow(&program.Frame());
    ui.SetRedraw([&program] { program.RedrawAllViews(); });

    if (!document.isEmpty() && !program.OpenDocumentFile(document)) return 1;
    program.Commands().Execute(CommandId::ModePowerFlow);
    if (powerFlow) {
        // A picture of an unsolved network would pass for a solved one.
        if (!program.Commands().Execute(CommandId::RunPowerFlow) || ui.Messages() > 0 ||
            program.State().m_resultState != CSkemtorApp::kPowerFlowResults) {
            std::fprintf(stderr, "tarvex-screenshot: the power flow did not solve\n");
            return 1;
        }
    }
    CMainFrame& frame = program.Frame();
    frame.resize(960, 640);
    frame.show();
    QApplication::processEvents();
    frame.IdleUpdate();
    QApplication::processEvents();
    if (!frame.grab().save(output, "PNG")) {
        std::fprintf(stderr, "tarvex-screenshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
