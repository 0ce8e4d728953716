#include "controls/platform/keyboard.h"

#include <QKeyEvent>

QKeyEvent* TabKeyPress(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return nullptr;
    auto* key = static_cast<QKeyEvent*>(event);
    return IsTab(key->key()) ? key : nullptr;
}

std::string KeyText(const QKeyEvent& event) {
    return event.text().toStdString();
}

// Nothing to remove on Qt: see the header.
void DiscardKeyboardMessages(QWidget*) {}
