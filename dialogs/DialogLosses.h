#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// "Power Flow Analysis Losses": shows the four system loss figures of the last power
// flow. Display only; the caller fills the texts.
class CDialogLosses : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString realPower, reactivePower, lineCharging, shunt;
    };

    explicit CDialogLosses(const Texts& texts, QWidget* parent = nullptr);

    // The four figures of the losses file as the dialog shows them ("%.4f").
    static Texts Format(double realPower, double reactivePower, double lineCharging, double shunt);

    // The shown text of one of the four fields (1017, 1018, 1011, 1061).
    QString FieldText(int id) const;

private:
    void addRow(class QGridLayout* grid, int row, const char* label, const QString& value, int id);
};
