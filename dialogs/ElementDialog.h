#pragma once

#include "dialogs/DialogFields.h"

#include <QDialog>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Common frame of the element dialogs: a caption, the bound fields, OK and Cancel. OK
// runs the field check and closes only when every field holds a number; the caller
// then reads the values back. Every control is named by its numeric id, so a control
// can be found with Control<T>(id).
class CElementDialog : public QDialog {
public:
    CElementDialog(const QString& caption, QWidget* parent);

    CDialogFields& Fields() { return m_fields; }
    const CDialogFields& Fields() const { return m_fields; }
    template <class T> T* Control(int id) const { return findChild<T*>(QString::number(id)); }

    // OK: closes with Accepted only when the fields pass the check.
    void accept() override;

protected:
    // A label (with its mnemonic) and a numeric field on one row of a grid.
    QLineEdit* AddNumberRow(QGridLayout* grid, int row, const QString& label, int id,
                            CDialogFields::Kind kind, double value,
                            const char* openFormat = nullptr, const QString& unit = {});
    QLineEdit* AddTextRow(QGridLayout* grid, int row, const QString& label, int id,
                          const QString& text);
    QRadioButton* AddRadio(int id, const QString& text);
    QCheckBox* AddCheck(int id, const QString& text);
    QPushButton* AddButton(int id, const QString& text);
    // A check box that switches a pair of fields: checked shows their kept values,
    // cleared shows "None" in both. `flag` follows the box (1 checked, 0 cleared).
    void BindSwitch(QCheckBox* box, int& flag, int firstId, int secondId);
    // A meter part on one grid row: its check box, value ("%f") and deviation ("%g").
    void AddMeterPart(QGridLayout* grid, int row, int checkId, const QString& checkText,
                      int& enabled, int valueId, double value, const QString& sdLabel, int sdId,
                      double sd);
    static QGroupBox* Group(const QString& title, QGridLayout*& grid);
    // OK and Cancel at the bottom of the dialog's main layout.
    void AddOkCancel(QBoxLayout* layout);

private:
    CDialogFields m_fields;
};
