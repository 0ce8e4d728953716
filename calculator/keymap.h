#pragma once

// The keyboard map of the main window: which command of the command table a
// key plays, and how.
//
// The keys of a command are matched first, with exactly their modifiers
// (Enter with any). Then the character the key types, without a modifier or
// with Shift for a character that is no letter (some layouts need Shift for
// "+", "*" or a digit, but Shift+B is no key of the calculator). While the
// display is being edited only the keys marked for it work; the digits, the
// comma and the point go to the display's editor, and any other character
// ends the edit, then plays its command.

#include <Qt>
#include <optional>
#include <string>

#include "calculator/commandid.h"

struct TKeyMatch {
    // Nothing: the key only ends the edit of the display.
    std::optional<TCommandId> command;
    // The key goes no further than the command.
    bool consumed = false;
    // The edit of the display ends first.
    bool endsEditing = false;
};

// `text` is the text the key types; `shift` leaves out the numeric keypad's
// modifier. Nothing when the key is none of the window's.
std::optional<TKeyMatch> MatchKey(int key, Qt::KeyboardModifiers shift, const std::string& text,
                                  bool displayEditing);
