#include "app/CAboutDialog.h"

#include "app/CToolbarIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#ifndef TARVEX_VERSION
#define TARVEX_VERSION "0.1"
#endif

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Tarvex"));
    auto* icon = new QLabel(this);
    icon->setPixmap(CToolbarIcons::Pixmap(CToolbarIcons::Kind::Generator).scaled(32, 30));
    auto* name = new QLabel(VersionText(), this);
    name->setObjectName(QStringLiteral("version"));
    auto* notice = new QLabel(QStringLiteral("A teaching toolbox for electric power system "
                                             "analysis: draw a one-line diagram, then run\n"
                                             "power flow, state estimation, short circuit, "
                                             "transient stability and optimal power flow."),
                              this);
    notice->setObjectName(QStringLiteral("notice"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(notice);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString CAboutDialog::VersionText() {
    return QStringLiteral("Tarvex Version ") + QStringLiteral(TARVEX_VERSION);
}
