#pragma once

// Keys as the program's handlers see them: the key code is a Qt::Key value
// that a handler may set to 0 to consume the key.

#include <QtCore/qnamespace.h>
#include <functional>
#include <string>

class QKeyEvent;
class QObject;
class QWidget;

// A key-down or key-up handler: the sending object, the key by reference and
// the modifiers held.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;

// The text the key types under the current keyboard layout and modifiers
// (UTF-8): one character for most keys, empty for keys without one (arrows,
// function keys, a dead key on its own).
std::string KeyText(const QKeyEvent& event);

// Drops the keyboard events already waiting, for the widgets of one window or
// (window == nullptr) for every window: key events posted and not yet
// delivered, and the key events the window system has queued until the event
// loop has gone once through what is waiting now. Key events sent or posted
// after the call are delivered as usual.
void DiscardKeyboardMessages(QWidget* window = nullptr);
