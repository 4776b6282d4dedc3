#include "dialogs/DialogFields.h"

#include "dialogs/DialogHooks.h"

#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <string>

QLineEdit* CDialogFields::Create(int id) {
    auto* edit = new QLineEdit(m_owner);
    edit->setObjectName(QString::number(id));
    return edit;
}

QLineEdit* CDialogFields::Add(int id, Kind kind, double value, const char* openFormat) {
    Field field;
    field.id = id;
    field.kind = kind;
    field.edit = Create(id);
    field.value = kind == Kind::Integer ? std::trunc(value) : value;
    m_fields.push_back(field);
    Field& added = m_fields.back();
    QLineEdit* edit = added.edit;
    if (openFormat)
        SetTextQuietly(added, Format(openFormat, added.value));
    else if (kind == Kind::Integer)
        SetTextQuietly(added, Format("%d", added.value));
    else
        SetTextQuietly(added, Format("%.15g", added.value));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, id](const QString& text) {
        if (Field* changed = Find(id); changed && !m_quiet) FollowText(*changed, text);
    });
    return edit;
}

QLineEdit* CDialogFields::AddText(int id, const QString& text) {
    Field field;
    field.id = id;
    field.kind = Kind::Text;
    field.edit = Create(id);
    field.text = text;
    field.edit->setText(text);
    m_fields.push_back(field);
    return field.edit;
}

CDialogFields::Field* CDialogFields::Find(int id) {
    for (Field& field : m_fields)
        if (field.id == id) return &field;
    return nullptr;
}

const CDialogFields::Field* CDialogFields::Find(int id) const {
    for (const Field& field : m_fields)
        if (field.id == id) return &field;
    return nullptr;
}

QLineEdit* CDialogFields::Edit(int id) const {
    const Field* field = Find(id);
    return field ? field->edit : nullptr;
}

void CDialogFields::SetTextQuietly(Field& field, const QString& text) {
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    field.edit->setText(text);
    m_quiet = wasQuiet;
}

void CDialogFields::FollowText(Field& field, const QString& text) const {
    if (field.kind == Kind::Text) {
        field.text = text;
    } else if (field.kind == Kind::Integer) {
        if (const auto parsed = ParseInteger(text)) field.value = *parsed;
    } else if (const auto parsed = ParseReal(text)) {
        field.value = *parsed;
    }
}

QString CDialogFields::KeptText(const Field& field) {
    switch (field.kind) {
    case Kind::Integer:
        return Format("%d", field.value);
    case Kind::Deviation:
        return Format("%g", field.value);
    case Kind::Text:
        return field.text;
    case Kind::Real:
        break;
    }
    return Format("%f", field.value);
}

void CDialogFields::SetDisplay(int id) {
    if (Field* field = Find(id)) field->edit->setEnabled(false);
}

void CDialogFields::SetActive(int id, bool active) {
    Field* field = Find(id);
    if (!field) return;
    field->edit->setEnabled(active);
    SetTextQuietly(*field, active ? KeptText(*field) : QString::fromLatin1(kNone));
}

void CDialogFields::SetValue(int id, double value) {
    Field* field = Find(id);
    if (!field) return;
    field->value = field->kind == Kind::Integer ? std::trunc(value) : value;
    SetTextQuietly(*field, KeptText(*field));
}

double CDialogFields::Value(int id) const {
    const Field* field = Find(id);
    return field ? field->value : 0.0;
}

int CDialogFields::IntValue(int id) const {
    return static_cast<int>(Value(id));
}

QString CDialogFields::Text(int id) const {
    const Field* field = Find(id);
    return field ? field->text : QString();
}

bool CDialogFields::Validate() {
    m_lastInvalid = nullptr;
    for (Field& field : m_fields)
        if (!field.edit->isEnabled()) SetTextQuietly(field, KeptText(field));
    for (Field& field : m_fields) {
        const QString text = field.edit->text();
        if (field.kind == Kind::Text) {
            field.text = text;
            continue;
        }
        if (field.kind == Kind::Integer) {
            if (const auto parsed = ParseInteger(text)) {
                field.value = *parsed;
                continue;
            }
        } else if (const auto parsed = ParseReal(text)) {
            field.value = *parsed;
            continue;
        }
        m_lastInvalid = field.edit;
        CDialogHooks::ShowMessage(
            m_owner, CDialogHooks::ProgramTitle(),
            QString::fromLatin1(field.kind == Kind::Integer ? kIntegerMessage : kNumberMessage),
            QMessageBox::Warning);
        SelectField(field.edit);
        return false;
    }
    return true;
}

void CDialogFields::SelectField(QLineEdit* edit) {
    if (!edit) return;
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

QString CDialogFields::Format(const char* format, double value) {
    // The formats are the C library's; Qt's formatter ignores the user's locale, so a
    // decimal point is always a point.
    if (std::string(format).find('d') != std::string::npos)
        return QString::asprintf(format, static_cast<int>(value));
    return QString::asprintf(format, value);
}

namespace {

// The number without surrounding blanks and without a leading '+', which the standard
// conversions accept but std::from_chars does not.
std::string Trimmed(const QString& text) {
    std::string s = text.trimmed().toStdString();
    if (s.size() > 1 && s[0] == '+' && s[1] != '-' && s[1] != '+') s.erase(0, 1);
    return s;
}

} // namespace

std::optional<double> CDialogFields::ParseReal(const QString& text) {
    const std::string s = Trimmed(text);
    if (s.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<int> CDialogFields::ParseInteger(const QString& text) {
    const std::string s = Trimmed(text);
    if (s.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}
