#include "controls/button/shortcuttext.h"

#include <array>
#include <utility>

#include "basic/texttools.h"

namespace {

// Names in upper case, as the text is compared after upper-casing it.
constexpr std::array<std::pair<const char*, Qt::Key>, 15> kNamedKeys{{
    {"BKSP", Qt::Key_Backspace},
    {"TAB", Qt::Key_Tab},
    {"ESC", Qt::Key_Escape},
    {"ENTER", Qt::Key_Return},
    {"SPACE", Qt::Key_Space},
    {"PGUP", Qt::Key_PageUp},
    {"PGDN", Qt::Key_PageDown},
    {"END", Qt::Key_End},
    {"HOME", Qt::Key_Home},
    {"LEFT", Qt::Key_Left},
    {"UP", Qt::Key_Up},
    {"RIGHT", Qt::Key_Right},
    {"DOWN", Qt::Key_Down},
    {"INS", Qt::Key_Insert},
    {"DEL", Qt::Key_Delete},
}};

constexpr std::array<std::pair<const char*, Qt::KeyboardModifier>, 3> kPrefixes{{
    {"SHIFT+", Qt::ShiftModifier},
    {"CTRL+", Qt::ControlModifier},
    {"ALT+", Qt::AltModifier},
}};

std::optional<int> FunctionKey(const std::string& name) {
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return std::nullopt;
    int number = 0;
    for (size_t i = 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    if (number < 1 || number > 24 || name[1] == '0') return std::nullopt;
    return Qt::Key_F1 + number - 1;
}

std::optional<int> KeyByName(const std::string& name) {
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<int>(name[0]);  // Qt::Key_A.. and Qt::Key_0.. are the ASCII codes
    for (const auto& [keyName, key] : kNamedKeys) {
        if (name == keyName) return key;
    }
    return FunctionKey(name);
}

}  // namespace

std::optional<TShortCut> TextToShortCut(const std::string& text) {
    std::string rest = UpperCaseAscii(text);
    TShortCut shortCut;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : kPrefixes) {
            if (rest.starts_with(prefix)) {
                shortCut.shift |= modifier;
                rest.erase(0, std::char_traits<char>::length(prefix));
                found = true;
            }
        }
    }
    const auto key = KeyByName(rest);
    if (!key) return std::nullopt;
    shortCut.key = *key;
    return shortCut;
}
