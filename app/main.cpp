// tarvex: the desktop program. Optional argument: a .tvx document to open at start.
#include "app/CDesktopApp.h"
#include "app/CMainFrame.h"
#include "app/CQtUserInterface.h"
#include "engine/core/PowerFlow.h"

#include <QApplication>
#include <QSettings>

#include <clocale>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The toolkit sets the C library's locale from the environment; every engine file
    // and label is written and read with printf/scanf and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Tarvex"));
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvex"));

    // The per-user profile of the recent-file list.
    QSettings profile(QStringLiteral("Local AppWizard-Generated Applications"),
                      QStringLiteral("Tarvex"));
    CQtUserInterface ui;
    CDesktopApp program(ui, profile, CErrorReporter(), [] { tarvex::engine::PFLINFLO(); });
    ui.SetParentWindow(&program.Frame());
    ui.SetRedraw([&program] { program.RedrawAllViews(); });

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!program.Start(arguments)) return 1;
    return QApplication::exec();
}
