// TInteres: the window's keys and the order the focus moves in.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "controls/button/botopetit.h"
#include "controls/datefield/datacalendari.h"
#include "controls/grid/gridex.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/keyboard.h"
#include "interest/interes.h"

// Only the key as its first receiver gets it: not again while it travels up
// to the parents of a control that left it.
bool TInteres::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) return false;
    if (static_cast<QWidget*>(watched)->window() != this) return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    int key = keyEvent->key();
    // A key whose action failed goes no further either: the action stopped.
    const bool done = RunGuarded(this, [&] { FormKeyDown(watched, key, keyEvent->modifiers()); });
    if (done && key != 0) return false;
    event->accept();
    return true;
}

// A key used here goes no further; keys typed after it still arrive.
void TInteres::FormKeyDown(QObject*, int& key, Qt::KeyboardModifiers) {
    const bool inEditor = EditorHasFocus();
    const bool inGrid = GridHasFocus();
    if (key == Qt::Key_Escape) {
        close();
    } else if ((IsEnter(key) || key == Qt::Key_Down) && inEditor) {
        focusNextPrevChild(true);
    } else if (IsEnter(key) && inGrid) {
        ToggleCurrentRow();
    } else if ((key == Qt::Key_Backspace || key == Qt::Key_Up) && inEditor && CaretAtStart()) {
        // Two steps back: the first would only reach the editor's own field.
        focusNextPrevChild(false);
    } else if (key == Qt::Key_End && inGrid) {
        amort_->PosarFilaActual(amort_->FilesUsades() + 1);
    } else if (key == Qt::Key_Delete && inGrid) {
        ClearSelection();
    } else {
        return;
    }
    key = 0;
    DiscardKeyboardMessages();
}

bool TInteres::EditorHasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(focus) != nullptr && isAncestorOf(focus);
}

// At the start of the text with nothing selected: a selection is deleted
// first.
bool TInteres::CaretAtStart() const {
    const auto* editor = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    return editor != nullptr && !editor->hasSelectedText() && editor->cursorPosition() == 0;
}

bool TInteres::GridHasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == amort_ || amort_->isAncestorOf(focus));
}

// The fields of tabOrder_, in a ring; a field hidden or disabled is passed
// over. From outside them (the table, nothing yet) the first or last one.
bool TInteres::focusNextPrevChild(bool next) {
    const int count = static_cast<int>(tabOrder_.size());
    const int from = FieldIndexOf(QApplication::focusWidget());
    for (int step = 1; step <= count; ++step) {
        const int index = from < 0 ? (next ? step - 1 : count - step)
                                   : (from + (next ? step : -step) + count) % count;
        const QWidget* field = tabOrder_[static_cast<size_t>(index)];
        if (field->isEnabled() && field->isVisibleTo(this)) {
            FocusField(index, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

// Arriving in a field from elsewhere selects its text, so that typing
// replaces it. Qt reports the move once the field has loaded its editor.
void TInteres::FocusArrived(QWidget* old, QWidget* now) {
    auto* editor = qobject_cast<QLineEdit*>(now);
    if (editor == nullptr || !isAncestorOf(editor)) return;
    const int field = FieldIndexOf(editor);
    if (field >= 0 && field != FieldIndexOf(old)) editor->selectAll();
}

int TInteres::FieldIndexOf(const QWidget* widget) const {
    if (widget == nullptr) return -1;
    for (size_t i = 0; i < tabOrder_.size(); ++i) {
        if (tabOrder_[i] == widget || tabOrder_[i]->isAncestorOf(widget))
            return static_cast<int>(i);
    }
    return -1;
}

// The date field is typed into through its editor.
void TInteres::FocusField(int index, Qt::FocusReason reason) {
    QWidget* field = tabOrder_[static_cast<size_t>(index)];
    if (field == data_) field = data_->Editor();
    field->setFocus(reason);
}
