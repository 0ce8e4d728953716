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

// A handler that has consumed `key` drops that key's own auto-repeats that
// are already waiting, for the widgets of one window or (window == nullptr)
// of every window, so that holding the key does not repeat its action from
// events queued while it ran. Nothing else is dropped: every other key event
// already waiting, the same key pressed again included, arrives in order, so
// keys typed ahead (by a fast typist, a barcode reader, an auto-type tool)
// are never lost. Repeats that arrive after the queue has been gone through
// once are delivered as usual.
void DiscardKeyboardMessages(int key, QWidget* window = nullptr);
