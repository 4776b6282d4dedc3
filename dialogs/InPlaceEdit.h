#pragma once

#include <QLineEdit>

#include <functional>

// The edit box laid over a list cell while its value is edited. Enter, or the focus
// moving elsewhere, ends the edit keeping the text; Escape ends it without. The owner
// is told once, through `finished`.
class CInPlaceEdit : public QLineEdit {
public:
    CInPlaceEdit(const QString& text, std::function<void(bool keep)> finished, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(bool keep);

    std::function<void(bool keep)> m_finished;
};
