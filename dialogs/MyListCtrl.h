#pragma once

#include <QPointer>
#include <QTableWidget>
#include <QVariant>

#include <vector>

// A two-column list, a name and a value per row, whose value cells are edited in place.
// Each row's kind decides what a click on its value cell does:
//   0 text, nothing;  1 text, edit box;
//   2 integer, edit box (normalised to an int) or spin button (+1 below the middle of
//     the cell, -1 above it, within -32768..32767);  3 long integer, the same within
//     -2147483647..2147483647;
//   4 font face name, browse button: font dialog;  5 colour swatch, browse button:
//     colour dialog;  6 file path, edit box or browse button: file open dialog;
//   7 one of a list of strings (the data), drop-down list;  8 "TRUE"/"FALSE" (data 1/0),
//     toggled.
// The button is a square at the right end of the value cell, as wide as the row is high.
class MyListCtrl : public QTableWidget {
public:
    enum Kind {
        kStatic = 0,
        kText = 1,
        kInteger = 2,
        kLong = 3,
        kFont = 4,
        kColour = 5,
        kFile = 6,
        kChoice = 7,
        kBoolean = 8
    };
    enum Button { kNoButton = 0, kSpinButton = 1, kBrowseButton = 2 };

    struct Item {
        int kind = kStatic;
        int button = kNoButton;
        QString name;
        QString value;
        QVariant data; // a flag, a colour, a font or the list of choices
    };

    explicit MyListCtrl(QWidget* parent = nullptr);
    // An edit still open is dropped, not copied: the rows are going away.
    ~MyListCtrl() override;

    void SetColumns(const QString& nameTitle, int nameWidth, const QString& valueTitle,
                    int valueWidth);
    // Appends a row; refused (0) for an empty name or kind 0, otherwise 1.
    int AddItem(const QString& name, const QString& value, int kind, const QVariant& data = {});
    // False for a row at or beyond the row count.
    bool GetItem(int row, Item& item) const;
    // The first row with this name, or -1.
    int FindItem(const QString& name) const;
    QString GetItemName(int row) const;
    int GetItemCount() const { return rowCount(); }
    void DeleteAllItems();

    static Button ButtonOf(int kind);
    // The value cell of a row and its button square, in viewport coordinates.
    QRect ValueRect(int row) const;
    QRect ButtonRect(int row) const;
    // The in-place editor while a cell is being edited, else null.
    QWidget* Editor() const { return m_editor; }
    // Ends an edit in progress, copying its text into the cell when `keep`.
    void EndEdit(bool keep);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetValue(int row, const QString& value);
    void BeginEdit(int row);
    void BeginChoice(int row);
    void Step(int row, int delta);
    void Browse(int row);

    std::vector<Item> m_items;
    QPointer<QWidget> m_editor;
    int m_editRow = -1;
};
