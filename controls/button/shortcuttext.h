#pragma once

// Menu-shortcut texts such as "Ctrl+Enter", "Shift+F8" or "Del".

#include <QtCore/qnamespace.h>
#include <optional>
#include <string>

struct TShortCut {
    int key = 0;  // a Qt::Key value
    Qt::KeyboardModifiers shift;

    // The key and its modifiers in one value, as QKeySequence takes it.
    int Value() const { return key | static_cast<int>(shift.toInt()); }
};

// Parses zero or more of the prefixes "Shift+", "Ctrl+" and "Alt+" followed by
// one key name: a letter, a digit, F1 to F24, or one of BkSp, Tab, Esc, Enter,
// Space, PgUp, PgDn, End, Home, Left, Up, Right, Down, Ins, Del. Letter case
// does not matter. Nothing when the text names no key.
std::optional<TShortCut> TextToShortCut(const std::string& text);
