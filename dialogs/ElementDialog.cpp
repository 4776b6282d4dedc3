#include "dialogs/ElementDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CElementDialog::CElementDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), m_fields(this) {
    setWindowTitle(caption);
}

void CElementDialog::accept() {
    if (m_fields.Validate()) QDialog::accept();
}

QLineEdit* CElementDialog::AddNumberRow(QGridLayout* grid, int row, const QString& label, int id,
                                        CDialogFields::Kind kind, double value,
                                        const char* openFormat, const QString& unit) {
    QLineEdit* edit = m_fields.Add(id, kind, value, openFormat);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, this), row, 2);
    return edit;
}

QLineEdit* CElementDialog::AddTextRow(QGridLayout* grid, int row, const QString& label, int id,
                                      const QString& text) {
    QLineEdit* edit = m_fields.AddText(id, text);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QRadioButton* CElementDialog::AddRadio(int id, const QString& text) {
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QString::number(id));
    return button;
}

QCheckBox* CElementDialog::AddCheck(int id, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::number(id));
    return box;
}

QPushButton* CElementDialog::AddButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

void CElementDialog::BindSwitch(QCheckBox* box, int& flag, int firstId, int secondId) {
    box->setChecked(flag != 0);
    m_fields.SetActive(firstId, flag != 0);
    m_fields.SetActive(secondId, flag != 0);
    connect(box, &QCheckBox::toggled, this, [this, &flag, firstId, secondId](bool on) {
        flag = on ? 1 : 0;
        m_fields.SetActive(firstId, on);
        m_fields.SetActive(secondId, on);
    });
}

void CElementDialog::AddMeterPart(QGridLayout* grid, int row, int checkId, const QString& checkText,
                                  int& enabled, int valueId, double value, const QString& sdLabel,
                                  int sdId, double sd) {
    QCheckBox* box = AddCheck(checkId, checkText);
    QLineEdit* valueEdit = m_fields.Add(valueId, CDialogFields::Kind::Real, value, "%f");
    QLineEdit* sdEdit = m_fields.Add(sdId, CDialogFields::Kind::Deviation, sd, "%g");
    auto* sdCaption = new QLabel(sdLabel, this);
    sdCaption->setBuddy(sdEdit);
    grid->addWidget(box, row, 0);
    grid->addWidget(valueEdit, row, 1);
    grid->addWidget(sdCaption, row, 2);
    grid->addWidget(sdEdit, row, 3);
    BindSwitch(box, enabled, valueId, sdId);
}

QGroupBox* CElementDialog::Group(const QString& title, QGridLayout*& grid) {
    auto* box = new QGroupBox(title);
    grid = new QGridLayout(box);
    return box;
}

void CElementDialog::AddOkCancel(QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CElementDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CElementDialog::reject);
    layout->addWidget(buttons);
}
