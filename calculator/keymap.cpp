#include "calculator/keymap.h"

#include <cstring>

#include "calculator/commandtable.h"

namespace {

bool IsEntryCharacter(char c) {
    return c == ',' || c == '.' || (c >= '0' && c <= '9');
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Backspace, Escape, Tab and Delete type control characters: they are keys,
// never characters of the calculator.
bool IsControlCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

bool Matches(const TCommand& command, int key, Qt::KeyboardModifiers shift) {
    for (const QKeyCombination binding : command.keys) {
        if (binding.key() != key) continue;
        if (command.use.anyModifiers || binding.keyboardModifiers() == shift) return true;
    }
    return false;
}

std::optional<TKeyMatch> MatchKeyOf(int key, Qt::KeyboardModifiers shift, bool displayEditing) {
    for (const TCommand& command : CommandTable()) {
        if (!Matches(command, key, shift)) continue;
        if (displayEditing && !command.use.whileEditing) return std::nullopt;
        return TKeyMatch{command.id,
                         command.use.consumed || (displayEditing && command.use.endsEditing),
                         displayEditing && command.use.endsEditing};
    }
    return std::nullopt;
}

std::optional<TCommandId> CommandOfCharacter(char c) {
    for (const TCommand& command : CommandTable()) {
        if (std::strchr(command.characters, c) != nullptr) return command.id;
    }
    return std::nullopt;
}

}  // namespace

std::optional<TKeyMatch> MatchKey(int key, Qt::KeyboardModifiers shift, const std::string& text,
                                  bool displayEditing) {
    if (std::optional<TKeyMatch> match = MatchKeyOf(key, shift, displayEditing)) return match;
    if (text.size() != 1 || IsControlCharacter(text[0])) return std::nullopt;
    const char c = text[0];
    const bool plain = shift == Qt::NoModifier;
    if (!plain && (shift != Qt::ShiftModifier || IsLetter(c))) return std::nullopt;
    if (displayEditing) {
        if (IsEntryCharacter(c)) return std::nullopt;
        return TKeyMatch{CommandOfCharacter(c), true, true};
    }
    const std::optional<TCommandId> command = CommandOfCharacter(c);
    if (!command) return std::nullopt;
    return TKeyMatch{command, false, false};
}
