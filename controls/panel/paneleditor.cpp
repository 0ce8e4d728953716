#include "controls/panel/paneleditor.h"

#include <QFocusEvent>
#include <QKeyEvent>

bool TPanelEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && OnKeyDown) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int key = keyEvent->key();
        OnKeyDown(this, key, keyEvent->modifiers());
        if (key == 0) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TPanelEditor::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (OnEnter) OnEnter();
}

// Switching to another window or opening a pop-up leaves the focus where it
// is, as far as the form is concerned: editing goes on when it comes back.
void TPanelEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const bool staysInForm =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!staysInForm && OnExit) OnExit();
}

void TPanelEditor::keyReleaseEvent(QKeyEvent* event) {
    if (OnKeyUp) OnKeyUp(event->key());
    QLineEdit::keyReleaseEvent(event);
}
