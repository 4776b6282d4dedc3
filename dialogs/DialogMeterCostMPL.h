#pragma once

#include <QDialog>

class MyListCtrl;

// "Meter Cost": the cost of every existing and candidate meter before meter placement,
// one row per line of the meter cost files that the Set Meter Cost command has just
// written (names in costmeasidx.dat, costs in costmeas1.dat, same order). Save writes
// the costs as typed, one per line, to costmeas1.dat and to costmeas.dat, the file the
// meter placement reads, and leaves the dialog open; Escape or the close box ends it.
class CDialogMeterCostMPL : public QDialog {
public:
    enum Id { kSave = 1, kList = 1114 };

    CDialogMeterCostMPL(int meterCount, QWidget* parent = nullptr);

    MyListCtrl& List() const { return *m_list; }
    void Save();

private:
    void Load();

    int m_meterCount;
    MyListCtrl* m_list;
};
