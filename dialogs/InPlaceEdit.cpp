#include "dialogs/InPlaceEdit.h"

#include <QKeyEvent>

#include <utility>

CInPlaceEdit::CInPlaceEdit(const QString& text, std::function<void(bool keep)> finished,
                           QWidget* parent)
    : QLineEdit(text, parent), m_finished(std::move(finished)) {
    setFrame(false);
    selectAll();
}

void CInPlaceEdit::Finish(bool keep) {
    // Only the first end counts: hiding the box moves the focus away once more.
    if (auto finished = std::exchange(m_finished, nullptr)) finished(keep);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return Finish(true);
    case Qt::Key_Escape:
        // Taken here, so the dialog underneath does not close.
        event->accept();
        return Finish(false);
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The box's own context menu takes the focus for a moment; that is not an end.
    if (event->reason() != Qt::PopupFocusReason) Finish(true);
}
