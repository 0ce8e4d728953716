#include "controls/panel/paneleditor.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/platform/focus.h"

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

// Editing goes on while another window or a pop-up has the focus.
void TPanelEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!FocusStaysInForm(*event) && OnExit) OnExit();
}

void TPanelEditor::keyReleaseEvent(QKeyEvent* event) {
    if (OnKeyUp) OnKeyUp(event->key());
    QLineEdit::keyReleaseEvent(event);
}
