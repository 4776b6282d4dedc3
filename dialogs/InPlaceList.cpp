#include "dialogs/InPlaceList.h"

#include <QKeyEvent>

#include <utility>

CInPlaceList::CInPlaceList(const QStringList& choices, const QString& current,
                           std::function<void(bool keep)> finished, QWidget* parent)
    : QComboBox(parent), m_finished(std::move(finished)) {
    addItems(choices);
    setCurrentIndex(static_cast<int>(choices.indexOf(current)));
    connect(this, &QComboBox::activated, this, [this] { Finish(true); });
}

void CInPlaceList::Finish(bool keep) {
    if (auto finished = std::exchange(m_finished, nullptr)) finished(keep);
}

void CInPlaceList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return Finish(false);
    }
    QComboBox::keyPressEvent(event);
}

void CInPlaceList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Opening the list itself moves the focus to its popup.
    if (event->reason() != Qt::PopupFocusReason) Finish(true);
}
