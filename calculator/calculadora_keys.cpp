// TCalculadora: the keyboard. The window sees every key of its controls
// before they do and plays the command the key map gives for it.

#include <QApplication>
#include <QKeyEvent>

#include "calculator/calculadora.h"
#include "calculator/commandtable.h"
#include "calculator/entrydisplay.h"
#include "calculator/keymap.h"
#include "calculator/searchpanel.h"
#include "calculator/settingskeeper.h"
#include "calculator/tapeview.h"
#include "calculator/taxpanel.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/keyboard.h"

// A key event is handled once, where it is first delivered: at the focused
// control of this window, or at the window itself when none has the focus.
bool TCalculadora::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    QWidget* focus = QApplication::focusWidget();
    const bool focusHere = focus != nullptr && focus->window() == this;
    if (focusHere ? widget != focus : widget != this) return false;

    auto* keyEvent = static_cast<QKeyEvent*>(event);
    int key = keyEvent->key();
    // The numeric keypad's keys count as keys without a modifier.
    const Qt::KeyboardModifiers shift = keyEvent->modifiers() & ~Qt::KeypadModifier;
    // A key whose action failed goes no further: the action stopped there.
    // Passed on, it would travel up to the window while the error box still
    // holds the focus, and the window would take it for a key of its own.
    const bool done =
        RunGuarded(this, [&] { FormKeyDown(watched, key, shift, KeyText(*keyEvent)); });
    tapes_->Changed();
    return !done || key == 0;
}

// While the margin field or a comment is being edited, or the search band
// has the focus, the keys are theirs; the open rate list takes Enter and
// Escape.
void TCalculadora::FormKeyDown(QObject*, int& key, Qt::KeyboardModifiers shift,
                               const std::string& text) {
    if (tax_->MarginEditing() || view_->EditingComment() || context_->search.HoldsFocus()) return;
    if (tax_->RateListKey(key)) {
        key = 0;
        return;
    }
    const std::optional<TKeyMatch> match = MatchKey(key, shift, text, display_->Editing());
    if (!match) return;
    if (match->consumed) key = 0;
    if (match->endsEditing) FocusTape();
    if (match->command) Command(*match->command).run(*context_);
}
