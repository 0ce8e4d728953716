#include "calculator/keypad.h"

#include <array>

#include "calculator/commandtable.h"
#include "calculator/keylook.h"

namespace {

constexpr TColor kKeypadColour = RGBColor(204, 205, 180);

// A key's place: its column and row on the grid, and how many of them it
// spans.
struct TKeyPlace {
    TCommandId command;
    int column;
    int row;
    int columns = 1;
    int rows = 1;
};

// In the order the keys are made, which is the order assistive technology
// walks them in.
constexpr std::array<TKeyPlace, 21> kKeys{{
    {TCommandId::ClearEntry, 0, 0, 2}, {TCommandId::Backspace, 2, 0, 3}, {TCommandId::Digit0, 0, 4},
    {TCommandId::Digit1, 0, 3},        {TCommandId::Digit2, 1, 3},       {TCommandId::Digit3, 2, 3},
    {TCommandId::Digit4, 0, 2},        {TCommandId::Digit5, 1, 2},       {TCommandId::Digit6, 2, 2},
    {TCommandId::Digit7, 0, 1},        {TCommandId::Digit8, 1, 1},       {TCommandId::Digit9, 2, 1},
    {TCommandId::Comma, 1, 4},         {TCommandId::Sign, 2, 4},         {TCommandId::Divide, 3, 1},
    {TCommandId::Percent, 4, 1, 1, 2}, {TCommandId::Times, 3, 2},        {TCommandId::Minus, 3, 3},
    {TCommandId::Total, 4, 3},         {TCommandId::Plus, 3, 4},         {TCommandId::Enter, 4, 4},
}};

QRect KeyRect(const TKeyPlace& key) {
    return QRect(5 + 25 * key.column, 5 + 25 * key.row, 26 + 25 * (key.columns - 1),
                 26 + 25 * (key.rows - 1));
}

// The entry keys are lime, "C" yellow, "<" grey, the operators white to pale
// blue; the sign key's caption is smaller.
void Colour(TPanelEx* key, TCommandId command) {
    if (command <= TCommandId::Comma) return MakeEntryKey(key);
    switch (command) {
        case TCommandId::Sign:
            return MakeEntryKey(key, 8);
        case TCommandId::ClearEntry:
            MakeKey(key, clYellow, RGBColor(255, 255, 200));
            return key->SetFontColor(clBlack);
        case TCommandId::Backspace:
            MakeKey(key, RGBColor(236, 236, 228), RGBColor(204, 204, 196));
            return key->SetFontColor(clBlack);
        default:
            return MakeOperatorKey(key);
    }
}

}  // namespace

TKeypad::TKeypad(QWidget* parent, QRect place) : TPanelEx(parent) {
    setObjectName(QStringLiteral("PanelNumeros"));
    setGeometry(place);
    SetColor(kKeypadColour);
    setAccessibleName(tr("Teclat"));
    for (const TKeyPlace& key : kKeys)
        Colour(AddKey(key.command, KeyRect(key)), key.command);
}

TPanelEx* TKeypad::AddKey(TCommandId command, QRect place) {
    TPanelEx* key = NewKey(this, Command(command), place);
    key->OnClick = [this, command](TPanelEx*) { Q_EMIT Triggered(command); };
    return key;
}
