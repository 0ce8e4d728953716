#pragma once

// The command table: every command of the main window written once, with
// its control's name, its caption, what it does (the text of its hint and of
// its menu item), the keys and characters that play it, and its action. The
// keypad, the tax and tool buttons, the options menu, the hints and the
// window's key handler all take their commands from here; adding a command
// is one entry (and, when it has a control, its place in that control's
// panel).

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

#include "calculator/commandid.h"

struct TCommandContext;

// How a command's keys are taken by the window's key handler.
struct TKeyUse {
    // The key goes no further than the command; otherwise it also reaches
    // the control with the focus.
    bool consumed = false;
    // The key counts with any modifier held.
    bool anyModifiers = false;
    // The key also works while the display is being edited; it ends the edit
    // first when `endsEditing`.
    bool whileEditing = false;
    bool endsEditing = false;
};

struct TCommand {
    TCommandId id;
    // The object name of its key, button or menu item; nullptr for a
    // command that only has keys.
    const char* name = nullptr;
    // The caption of its key or button (a glyph button has none).
    const char* caption = nullptr;
    // What it does, in the program's language (translated in the context
    // TCommands): the hint of its button, its menu item, the keyboard table.
    const char* text = nullptr;
    // The keys that play it; the first one is the one its hint shows.
    QList<QKeyCombination> keys = {};
    // The characters that play it, typed without a modifier (or with Shift,
    // for a character that is no letter); the first one is the one its hint
    // shows when it has no key.
    const char* characters = "";
    TKeyUse use = {};
    std::function<void(TCommandContext&)> run = nullptr;
    // A menu item with a check mark shows this; nullptr for none.
    std::function<bool(const TCommandContext&)> checked = nullptr;
    // A menu item is enabled while this holds; nullptr for always.
    std::function<bool(const TCommandContext&)> enabled = nullptr;
};

// Every command, in the order of TCommandId.
const std::vector<TCommand>& CommandTable();
const TCommand& Command(TCommandId id);

// The caption of a command's key or button, translated where it is a word.
QString CommandCaption(const TCommand& command);
// What the command does, in the user's language.
QString CommandText(const TCommand& command);
// The key its hint shows, in the user's language ("F8", "Control+R",
// "Supr", "i"); empty for a command without keys.
QString CommandKeyText(const TCommand& command);
// The hint of its button: what it does, then its key in brackets
// ("Esborrar Paper [F8]").
QString CommandHint(const TCommand& command);
