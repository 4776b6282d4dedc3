#pragma once

#include <QDialog>

#include <vector>

class CSkemtorApp;
class MyListCtrl;

// "Variables to Plot": which buses and lines the transient stability run records for
// plotting. One row per bus ("Bus %d", 1 to the bus count) and per branch ("Line %d-%d",
// at most 30), all starting at "FALSE". Save stores the names of the rows set to "TRUE",
// in row order, as the application's plot variables (at most 50) and leaves the dialog
// open.
class CDialogPlotVariablesTS : public QDialog {
public:
    enum Id { kSave = 1, kList = 1124 };
    static constexpr int kMaxBranches = 30;

    struct Branch {
        int bus1 = 0;
        int bus2 = 0;
    };

    CDialogPlotVariablesTS(CSkemtorApp& app, int busCount, const std::vector<Branch>& branches,
                           QWidget* parent = nullptr);

    MyListCtrl& List() const { return *m_list; }
    void Save();

private:
    CSkemtorApp& m_app;
    MyListCtrl* m_list;
};
