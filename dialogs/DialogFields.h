#pragma once

#include <QString>

#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

// The edit fields of one dialog page and the value each is bound to.
//
// Every editable field keeps a value that follows its text: whenever the text changes
// to something that parses (a double, or an int for integer fields), the kept value
// becomes it; text that does not parse leaves it alone. The dialog's own changes of
// the text ("None", a reformatted value) do not touch the kept value.
//
// A disabled field either keeps showing its text (a display field) or shows "None"
// (disabled by a check box or radio button); re-enabled it shows its kept value again,
// formatted "%f" ("%g" for standard deviations, "%d" for integers). On OK every
// disabled field first receives its kept value's text, then every field is parsed in
// the order it was added, so a disabled value comes back rounded to that format.
class CDialogFields {
public:
    enum class Kind { Real, Deviation, Integer, Text };

    explicit CDialogFields(QWidget* owner) : m_owner(owner) {}
    CDialogFields(const CDialogFields&) = delete;
    CDialogFields& operator=(const CDialogFields&) = delete;

    // A numeric field. `openFormat` is the printf format of its first text; without
    // one a double shows in the shortest form with up to 15 significant digits.
    QLineEdit* Add(int id, Kind kind, double value, const char* openFormat = nullptr);
    QLineEdit* AddText(int id, const QString& text);

    QLineEdit* Edit(int id) const;
    // Disabled, keeping its current text.
    void SetDisplay(int id);
    // Enabled with its kept value, or disabled showing "None".
    void SetActive(int id, bool active);
    // Changes the kept value and shows it in the field's kept format.
    void SetValue(int id, double value);

    double Value(int id) const;
    int IntValue(int id) const;
    QString Text(int id) const;

    // The OK step: fills the disabled fields, parses every field and stores the results
    // as the values. On the first field that does not parse it shows the standard
    // message, selects that field and returns false.
    bool Validate();
    // Gives the field the focus with its whole text selected.
    static void SelectField(QLineEdit* edit);
    QLineEdit* LastInvalid() const { return m_lastInvalid; }

    static QString Format(const char* format, double value);
    // The whole text, blanks around it allowed, as a double or an int.
    static std::optional<double> ParseReal(const QString& text);
    static std::optional<int> ParseInteger(const QString& text);

    static constexpr const char* kNone = "None";
    static constexpr const char* kNumberMessage = "Please enter a number.";
    static constexpr const char* kIntegerMessage = "Please enter an integer.";

private:
    struct Field {
        int id = 0;
        Kind kind = Kind::Real;
        QLineEdit* edit = nullptr;
        double value = 0.0;
        QString text;
    };

    Field* Find(int id);
    const Field* Find(int id) const;
    QLineEdit* Create(int id);
    void SetTextQuietly(Field& field, const QString& text);
    void FollowText(Field& field, const QString& text) const;
    static QString KeptText(const Field& field);

    QWidget* m_owner;
    std::vector<Field> m_fields;
    bool m_quiet = false;
    QLineEdit* m_lastInvalid = nullptr;
};
