#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// "Data Case Name": the one-line title of the power flow case file. The caller keeps the
// name as exactly 31 characters (cut or padded with blanks) whatever is typed here, so
// the field shows the name without its padding blanks and accepts any length.
class CDialogCaseName : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameFieldId = 1088;

    explicit CDialogCaseName(const QString& initial, QWidget* parent = nullptr);

    QString Name() const;
    void SetName(const QString& name);
    QLineEdit* NameField() const { return m_name; }

private:
    QLineEdit* m_name;
};
