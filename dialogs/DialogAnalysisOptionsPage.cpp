#include "dialogs/DialogAnalysisOptionsPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

QString format(double value, CDialogAnalysisOptionsPage::Format format) {
    using Format = CDialogAnalysisOptionsPage::Format;
    switch (format) {
    case Format::Shortest:
        return QString::number(value, 'g', 15);
    case Format::General:
        return QString::number(value, 'g', 6);
    case Format::Fixed2:
        return QString::number(value, 'f', 2);
    case Format::Fixed3:
        return QString::number(value, 'f', 3);
    case Format::Fixed5:
        return QString::number(value, 'f', 5);
    case Format::Fixed6:
        return QString::number(value, 'f', 6);
    }
    return QString::number(value);
}

// The C notation, whatever the user's locale: the settings file and the engine files
// use a decimal point.
std::optional<double> parseReal(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

} // namespace

CDialogAnalysisOptionsPage::CDialogAnalysisOptionsPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title) {}

QLineEdit* CDialogAnalysisOptionsPage::RealField(int id, double CSkemtorApp::*setting,
                                                 Format format) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::number(id));
    m_fields.push_back({field, setting, format});
    return field;
}

QLineEdit* CDialogAnalysisOptionsPage::IntegerField(int id, int CSkemtorApp::*setting) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::number(id));
    m_fields.push_back({field, setting, Format::Shortest});
    return field;
}

std::vector<QAbstractButton*>
CDialogAnalysisOptionsPage::ChoiceButtons(int CSkemtorApp::*setting,
                                          std::initializer_list<Choice> choices) {
    auto* group = new QButtonGroup(this);
    std::vector<QAbstractButton*> buttons;
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(choice.text), this);
        button->setObjectName(QString::number(choice.id));
        group->addButton(button, choice.value);
        buttons.push_back(button);
    }
    const std::size_t index = m_choices.size();
    m_choices.push_back({group, setting, 0});
    connect(group, &QButtonGroup::idClicked, this,
            [this, index](int value) { m_choices[index].value = value; });
    return buttons;
}

QLabel* CDialogAnalysisOptionsPage::Label(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    if (buddy) label->setBuddy(buddy);
    return label;
}

void CDialogAnalysisOptionsPage::Open(const CSkemtorApp& values) {
    if (m_opened) return;
    m_opened = true;
    for (const FieldBinding& binding : m_fields) {
        if (auto* real = std::get_if<double CSkemtorApp::*>(&binding.setting))
            binding.field->setText(format(values.**real, binding.format));
        else
            binding.field->setText(
                QString::number(values.*std::get<int CSkemtorApp::*>(binding.setting)));
    }
    for (ChoiceBinding& choice : m_choices) {
        choice.value = values.*choice.setting;
        // A stored value that matches no button leaves the whole group unchecked.
        if (QAbstractButton* button = choice.group->button(choice.value)) button->setChecked(true);
    }
    emit opened();
}

std::optional<CDialogAnalysisOptionsPage::Problem>
CDialogAnalysisOptionsPage::Parse(CSkemtorApp& values) const {
    if (!m_opened) return std::nullopt;
    for (const FieldBinding& binding : m_fields) {
        if (auto* real = std::get_if<double CSkemtorApp::*>(&binding.setting)) {
            const std::optional<double> value = parseReal(binding.field->text());
            if (!value) return Problem{binding.field, QString::fromUtf8(kNotANumber)};
            values.** real = *value;
        } else {
            const std::optional<int> value = parseInteger(binding.field->text());
            if (!value) return Problem{binding.field, QString::fromUtf8(kNotAnInteger)};
            values.*std::get<int CSkemtorApp::*>(binding.setting) = *value;
        }
    }
    for (const ChoiceBinding& choice : m_choices) values.*choice.setting = choice.value;
    return std::nullopt;
}

void CDialogAnalysisOptionsPage::CopySettings(const CSkemtorApp& from, CSkemtorApp& to) const {
    for (const FieldBinding& binding : m_fields)
        std::visit([&](auto setting) { to.*setting = from.*setting; }, binding.setting);
    for (const ChoiceBinding& choice : m_choices) to.*choice.setting = from.*choice.setting;
}

QLineEdit* CDialogAnalysisOptionsPage::Field(int id) const {
    return findChild<QLineEdit*>(QString::number(id));
}

QAbstractButton* CDialogAnalysisOptionsPage::Button(int id) const {
    return findChild<QAbstractButton*>(QString::number(id));
}
