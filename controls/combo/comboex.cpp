#include "controls/combo/comboex.h"

#include <QAbstractItemModel>

#include "basic/texttools.h"

// Filling an empty list selects nothing (Qt would make the first item
// current), so a text given before the items can still find its own item.
TComboEx::TComboEx(QWidget* parent) : QComboBox(parent) {
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (first == 0 && last == count() - 1 && currentIndex() == 0) setCurrentIndex(-1);
            });
}

std::string TComboEx::Item() const {
    if (currentIndex() < 0) return {};
    const std::string text = currentText().toStdString();
    return trim_ ? TrimBlanks(text) : text;
}

QString TComboEx::MatchKey(const std::string& text) const {
    const QString key = QString::fromStdString(text);
    return exactCase_ ? key : key.toUpper();
}

void TComboEx::SetItem(const std::string& text) {
    const std::string wanted = trim_ ? TrimBlanks(text) : text;
    setCurrentIndex(-1);
    const QString key = MatchKey(wanted);
    for (int index = 0; index < count(); ++index) {
        if (MatchKey(itemText(index).toStdString()) == key) {
            setCurrentIndex(index);
            break;
        }
    }
    if (isEditable()) setEditText(QString::fromStdString(wanted));
    pendingItem_ = text;
}

int TComboEx::ItemIndex() {
    if (currentIndex() == -1 && !pendingItem_.empty()) {
        SetItem(pendingItem_);
        if (currentIndex() == -1) pendingItem_.clear();
    }
    return currentIndex();
}

void TComboEx::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    QComboBox::focusInEvent(event);
}

void TComboEx::focusOutEvent(QFocusEvent* event) {
    focused_ = false;
    QComboBox::focusOutEvent(event);
    update();
}
