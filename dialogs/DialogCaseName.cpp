#include "dialogs/DialogCaseName.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The stored name carries blanks up to its 31st column; they are not the user's text.
QString withoutPadding(const QString& name) {
    qsizetype end = name.size();
    while (end > 0 && name.at(end - 1) == QLatin1Char(' ')) --end;
    return name.left(end);
}

} // namespace

CDialogCaseName::CDialogCaseName(const QString& initial, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Data Case Name"));
    m_name->setObjectName(QStringLiteral("caseName"));
    m_name->setToolTip(QStringLiteral("The case file's title line keeps exactly 31 characters: "
                                      "a longer name is cut, a shorter one padded with blanks."));
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('M'))));
    SetName(initial);

    auto* label = new QLabel(QStringLiteral("&Input Data Case Name:"), this);
    label->setBuddy(m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
}

QString CDialogCaseName::Name() const {
    return m_name->text();
}

void CDialogCaseName::SetName(const QString& name) {
    m_name->setText(withoutPadding(name));
    m_name->selectAll();
}
