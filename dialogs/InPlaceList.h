#pragma once

#include <QComboBox>

#include <functional>

// The drop-down list laid over a list cell to choose its value from a set of strings.
// Choosing an entry, or the focus moving elsewhere, ends it keeping the chosen string;
// Escape ends it without.
class CInPlaceList : public QComboBox {
public:
    CInPlaceList(const QStringList& choices, const QString& current,
                 std::function<void(bool keep)> finished, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(bool keep);

    std::function<void(bool keep)> m_finished;
};
