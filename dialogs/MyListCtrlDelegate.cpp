#include "dialogs/MyListCtrlDelegate.h"

#include "dialogs/MyListCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

MyListCtrlDelegate::MyListCtrlDelegate(MyListCtrl* list)
    : QStyledItemDelegate(list), m_list(list) {}

void MyListCtrlDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    MyListCtrl::Item item;
    if (!m_list->GetItem(index.row(), item))
        return QStyledItemDelegate::paint(painter, option, index);
    const QRect cell = option.rect;
    if (item.kind == MyListCtrl::kColour)
        painter->fillRect(cell.adjusted(1, 1, -1, -1), item.data.value<QColor>());
    else
        QStyledItemDelegate::paint(painter, option, index);
    if (item.button == MyListCtrl::kNoButton) return;

    const int side = cell.height();
    const QRect button(cell.right() - side + 1, cell.top(), side, side);
    QStyleOptionButton frame;
    frame.rect = button;
    frame.state = QStyle::State_Enabled | QStyle::State_Raised;
    QStyle* style = QApplication::style();
    style->drawControl(QStyle::CE_PushButtonBevel, &frame, painter);
    if (item.button == MyListCtrl::kBrowseButton) {
        painter->drawText(button, Qt::AlignCenter, QStringLiteral("..."));
        return;
    }
    // Spin: a click in the upper half takes one off, in the lower half adds one.
    painter->drawText(QRect(button.left(), button.top(), side, side / 2), Qt::AlignCenter,
                      QStringLiteral("-"));
    painter->drawText(QRect(button.left(), button.top() + side / 2, side, side - side / 2),
                      Qt::AlignCenter, QStringLiteral("+"));
}
