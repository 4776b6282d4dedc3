#pragma once

#include <QStyledItemDelegate>

class MyListCtrl;

// Paints a value cell of the editable list: its text, or the colour swatch of a colour
// row, and the row's spin or browse button at the right end of the cell.
class MyListCtrlDelegate : public QStyledItemDelegate {
public:
    explicit MyListCtrlDelegate(MyListCtrl* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const MyListCtrl* m_list;
};
