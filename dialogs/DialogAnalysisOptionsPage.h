#pragma once

#include "model/SkemtorApp.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <variant>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;

// One tab of the "Analysis Options" sheet: edit fields and radio groups, each bound to
// one analysis setting of the application object. A page shows the values it was given
// when it is first opened; only an opened page has fields to parse, so a page the user
// never looked at hands back exactly what it was given.
//
// Every control carries its resource number as its object name ("1082"), which is how
// the sheet selects a field it refuses and how tests find them.
class CDialogAnalysisOptionsPage : public QWidget {
    Q_OBJECT

public:
    // How a real value is shown when the page opens.
    enum class Format {
        Shortest, // up to 15 significant digits, no trailing zeros
        General,  // "%g"
        Fixed2,   // "%.2f"
        Fixed3,   // "%.3f"
        Fixed5,   // "%.5f"
        Fixed6    // "%f"
    };

    struct Choice {
        int id;
        const char* text;
        int value;
    };

    struct Problem {
        QLineEdit* field;
        QString message;
    };

    static constexpr const char* kNotANumber = "Please enter a number.";
    static constexpr const char* kNotAnInteger = "Please enter an integer.";

    explicit CDialogAnalysisOptionsPage(const QString& title, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }

    // Controls bound to a setting; the caller lays them out.
    QLineEdit* RealField(int id, double CSkemtorApp::*setting, Format format);
    QLineEdit* IntegerField(int id, int CSkemtorApp::*setting);
    // Radio buttons, one per choice, that set `setting` to the choice's value.
    std::vector<QAbstractButton*> ChoiceButtons(int CSkemtorApp::*setting,
                                                std::initializer_list<Choice> choices);
    QLabel* Label(const QString& text, QWidget* buddy = nullptr);

    // Shows `values` in the controls the first time; later calls do nothing.
    void Open(const CSkemtorApp& values);
    bool IsOpened() const { return m_opened; }
    // Parses every field of an opened page into `values`; the first field whose text is
    // not a number is returned with its message and nothing more is parsed.
    std::optional<Problem> Parse(CSkemtorApp& values) const;
    // Copies the settings this page edits.
    void CopySettings(const CSkemtorApp& from, CSkemtorApp& to) const;

    QLineEdit* Field(int id) const;
    QAbstractButton* Button(int id) const;

signals:
    // After the page first showed its values, for the rules that enable controls.
    void opened();

private:
    // Fields in the order they were made, which is the order they are parsed in.
    struct FieldBinding {
        QLineEdit* field;
        std::variant<double CSkemtorApp::*, int CSkemtorApp::*> setting;
        Format format;
    };
    struct ChoiceBinding {
        QButtonGroup* group;
        int CSkemtorApp::*setting;
        int value; // the chosen value, or the stored one while nothing is chosen
    };

    QString m_title;
    bool m_opened = false;
    std::vector<FieldBinding> m_fields;
    std::vector<ChoiceBinding> m_choices;
};
