// tarvex-screenshot: renders the main window without a display into a PNG for the user
// guide.
//
//   tarvex-screenshot OUTPUT.png [DOCUMENT.tvx]
//
// Run it with QT_QPA_PLATFORM=offscreen. The document, when given, is opened and shown in
// Power Flow mode.
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
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: tarvex-screenshot OUTPUT.png [DOCUMENT.tvx]\n");
        return 2;
    }
    const QString output = QDir::current().absoluteFilePath(arguments.at(1));
    const QString document =
        arguments.size() > 2 ? QDir::current().absoluteFilePath(arguments.at(2)) : QString();

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
