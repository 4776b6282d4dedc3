#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// A pair of up and down arrows beside an edit field. Each click reports +1 (up) or -1
// (down); the owner decides what a step means and whether it is allowed.
class CSpinButtons : public QWidget {
public:
    CSpinButtons(int id, std::function<void(int direction)> onStep, QWidget* parent);

    QToolButton* Up() const { return m_up; }
    QToolButton* Down() const { return m_down; }

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
