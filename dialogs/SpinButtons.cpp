#include "dialogs/SpinButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

CSpinButtons::CSpinButtons(int id, std::function<void(int direction)> onStep, QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setObjectName(QString::number(id));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {m_up, m_down}) {
        button->setArrowType(button == m_up ? Qt::UpArrow : Qt::DownArrow);
        button->setFixedSize(16, 11);
        button->setAutoRepeat(true);
        layout->addWidget(button);
    }
    connect(m_up, &QToolButton::clicked, this, [onStep] { onStep(+1); });
    connect(m_down, &QToolButton::clicked, this, [onStep = std::move(onStep)] { onStep(-1); });
}
