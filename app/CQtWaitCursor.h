#pragma once

#include <QApplication>
#include <QCursor>

// Shows the wait cursor over the whole program for the lifetime of the object.
class CQtWaitCursor {
public:
    CQtWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~CQtWaitCursor() { QApplication::restoreOverrideCursor(); }
    CQtWaitCursor(const CQtWaitCursor&) = delete;
    CQtWaitCursor& operator=(const CQtWaitCursor&) = delete;
};
