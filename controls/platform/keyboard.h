#pragma once

// Keys as the program's handlers see them: the key code is a Qt::Key value
// that a handler may set to 0 to consume the key.

#include <QtCore/qnamespace.h>
#include <functional>
#include <string>

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

// A key-down or key-up handler: the sending object, the key by reference and
// the modifiers held.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;

// Enter: the main keyboard's Return or the keypad's Enter.
constexpr bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
// Tab, forward or back (Shift+Tab arrives as Backtab).
constexpr bool IsTab(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}
// The event as a Tab key press, or nullptr: for a control that takes Tab as
// one of its keys instead of letting it move the focus on.
QKeyEvent* TabKeyPress(QEvent* event);

// The text the key types under the current keyboard layout and modifiers
// (UTF-8): one character for most keys, empty for keys without one (arrows,
// function keys, a dead key on its own).
std::string KeyText(const QKeyEvent& event);

// The removal of the keyboard messages still waiting, which a key handler
// calls once it has consumed a key, for one window or (window == nullptr) for
// every window. On Qt nothing of a consumed key is left to remove: its
// character comes in the key event itself, and a waiting auto-repeat cannot
// be told from the same key typed again an instant later (the window system
// may stamp both within the same millisecond, and Qt calls both a repeat).
// Removing anything could lose keys already typed ahead by a fast typist, a
// barcode reader or an auto-type tool, so nothing is removed: every key event
// waiting arrives, in order.
void DiscardKeyboardMessages(QWidget* window = nullptr);
