#include "dialogs/MyListCtrl.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/InPlaceEdit.h"
#include "dialogs/InPlaceList.h"
#include "dialogs/MyListCtrlDelegate.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QMouseEvent>

#include <cctype>
#include <cstdint>
#include <string>

namespace {

constexpr long long kIntegerMin = -32768, kIntegerMax = 32767;
constexpr long long kLongMin = -2147483647, kLongMax = 2147483647;

// The C library's conversion to an integer: leading blanks, a sign, then as many digits
// as there are; no digits give 0. Held to 32 bits.
long long ToInteger(const QString& text) {
    const std::string s = text.toStdString();
    std::size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > INT32_MAX) value = static_cast<long long>(INT32_MAX) + 1;
    }
    value = negative ? -value : value;
    return value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : value;
}

} // namespace

MyListCtrl::MyListCtrl(QWidget* parent) : QTableWidget(0, 2, parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    setItemDelegateForColumn(1, new MyListCtrlDelegate(this));
}

MyListCtrl::~MyListCtrl() {
    // Deleted before the rows, so its last loss of focus cannot reach them.
    delete m_editor.data();
}

void MyListCtrl::SetColumns(const QString& nameTitle, int nameWidth, const QString& valueTitle,
                            int valueWidth) {
    setHorizontalHeaderLabels({nameTitle, valueTitle});
    setColumnWidth(0, nameWidth);
    setColumnWidth(1, valueWidth);
}

MyListCtrl::Button MyListCtrl::ButtonOf(int kind) {
    switch (kind) {
    case kInteger:
    case kLong:
        return kSpinButton;
    case kFont:
    case kColour:
    case kFile:
        return kBrowseButton;
    default:
        return kNoButton;
    }
}

int MyListCtrl::AddItem(const QString& name, const QString& value, int kind, const QVariant& data) {
    if (name.isEmpty() || kind <= kStatic || kind > kBoolean) return 0;
    Item item{kind, ButtonOf(kind), name, value, data};
    if (kind == kBoolean && !data.isValid()) item.data = value == QLatin1String("TRUE") ? 1 : 0;
    const int row = rowCount();
    m_items.push_back(item);
    insertRow(row);
    setItem(row, 0, new QTableWidgetItem(name));
    setItem(row, 1, new QTableWidgetItem(value));
    return 1;
}

bool MyListCtrl::GetItem(int row, Item& item) const {
    if (row < 0 || row >= rowCount() || row >= static_cast<int>(m_items.size())) return false;
    item = m_items[static_cast<std::size_t>(row)];
    return true;
}

int MyListCtrl::FindItem(const QString& name) const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].name == name) return static_cast<int>(i);
    return -1;
}

QString MyListCtrl::GetItemName(int row) const {
    Item item;
    return GetItem(row, item) ? item.name : QString();
}

void MyListCtrl::DeleteAllItems() {
    EndEdit(false);
    m_items.clear();
    setRowCount(0);
}

void MyListCtrl::SetValue(int row, const QString& value) {
    m_items[static_cast<std::size_t>(row)].value = value;
    item(row, 1)->setText(value);
}

QRect MyListCtrl::ValueRect(int row) const {
    return visualRect(model()->index(row, 1));
}

QRect MyListCtrl::ButtonRect(int row) const {
    const QRect cell = ValueRect(row);
    const int side = cell.height();
    return QRect(cell.right() - side + 1, cell.top(), side, side);
}

void MyListCtrl::mousePressEvent(QMouseEvent* event) {
    // A click anywhere in the list ends an edit in progress, keeping its text.
    EndEdit(true);
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || index.column() != 1) return;
    const int row = index.row();
    if (row >= static_cast<int>(m_items.size())) return;
    const Item& item = m_items[static_cast<std::size_t>(row)];
    if (item.button != kNoButton && ButtonRect(row).contains(pos)) {
        if (item.button == kSpinButton)
            Step(row, pos.y() > ValueRect(row).center().y() ? +1 : -1);
        else
            Browse(row);
        return;
    }
    switch (item.kind) {
    case kText:
    case kInteger:
    case kLong:
    case kFile:
        return BeginEdit(row);
    case kChoice:
        return BeginChoice(row);
    case kBoolean: {
        const bool on = item.data.toInt() == 0;
        m_items[static_cast<std::size_t>(row)].data = on ? 1 : 0;
        return SetValue(row, QLatin1String(on ? "TRUE" : "FALSE"));
    }
    default:
        return;
    }
}

void MyListCtrl::BeginEdit(int row) {
    m_editRow = row;
    auto* edit = new CInPlaceEdit(
        m_items[static_cast<std::size_t>(row)].value, [this](bool keep) { EndEdit(keep); },
        viewport());
    QRect cell = ValueRect(row);
    if (m_items[static_cast<std::size_t>(row)].button != kNoButton)
        cell.setRight(ButtonRect(row).left() - 1);
    edit->setGeometry(cell);
    m_editor = edit;
    edit->show();
    edit->setFocus(Qt::MouseFocusReason);
}

void MyListCtrl::BeginChoice(int row) {
    const Item& item = m_items[static_cast<std::size_t>(row)];
    m_editRow = row;
    auto* list = new CInPlaceList(
        item.data.toStringList(), item.value, [this](bool keep) { EndEdit(keep); }, viewport());
    list->setGeometry(ValueRect(row));
    m_editor = list;
    list->show();
    list->setFocus(Qt::MouseFocusReason);
}

void MyListCtrl::EndEdit(bool keep) {
    QWidget* editor = m_editor;
    if (!editor) return;
    m_editor = nullptr;
    const int row = m_editRow;
    m_editRow = -1;
    if (keep && row >= 0 && row < static_cast<int>(m_items.size())) {
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            text = edit->text();
        else if (auto* list = qobject_cast<QComboBox*>(editor))
            text = list->currentText();
        const int kind = m_items[static_cast<std::size_t>(row)].kind;
        if (kind == kInteger || kind == kLong) text = QString::number(ToInteger(text));
        SetValue(row, text);
    }
    editor->hide();
    editor->deleteLater();
    setFocus(Qt::OtherFocusReason);
}

void MyListCtrl::Step(int row, int delta) {
    const Item& item = m_items[static_cast<std::size_t>(row)];
    const long long low = item.kind == kInteger ? kIntegerMin : kLongMin;
    const long long high = item.kind == kInteger ? kIntegerMax : kLongMax;
    const long long next = ToInteger(item.value) + delta;
    if (next < low || next > high) return;
    SetValue(row, QString::number(next));
}

void MyListCtrl::Browse(int row) {
    Item& item = m_items[static_cast<std::size_t>(row)];
    if (item.kind == kFont) {
        QFontDialog dialog(item.data.isValid() ? item.data.value<QFont>() : QFont(item.value),
                           this);
        if (CDialogHooks::Run(dialog) != QDialog::Accepted) return;
        item.data = dialog.selectedFont();
        SetValue(row, dialog.selectedFont().family());
    } else if (item.kind == kColour) {
        QColorDialog dialog(item.data.value<QColor>(), this);
        if (CDialogHooks::Run(dialog) != QDialog::Accepted) return;
        item.data = dialog.selectedColor();
        viewport()->update(ValueRect(row));
    } else if (item.kind == kFile) {
        QFileDialog dialog(this, QString(), item.value,
                           QStringLiteral("Access Files (*.mdb *.MDB);;All Files (*)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (CDialogHooks::Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        SetValue(row, dialog.selectedFiles().first());
    }
}
