#pragma once

#include <QDialog>

// "About Tarvex": the program's name and version, a short notice and OK.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    static QString VersionText();
};
