#include "controls/platform/keyboard.h"

#include <QKeyEvent>

std::string KeyText(const QKeyEvent& event) {
    return event.text().toStdString();
}

// Nothing to remove on Qt: see the header.
void DiscardKeyboardMessages(QWidget*) {}
