#include "calculator/keypad.h"

#include <array>

#include "calculator/commandtable.h"
#include "calculator/keylook.h"

namespace {

constexpr TColor kKeypadColour = RGBColor(204, 205, 180);

// A key's place: its column and row on the grid, and how many of them it
// spans.
struct TKeyPlace {
    TTapeKey key;
    int column;
    int row;
    int columns = 1;
    int rows = 1;
};

// In the order the keys are made, which is the order assistive technology
// walks them in.
constexpr std::array<TKeyPlace, 21> kKeys{{
    {TTapeKey::Clear, 0, 0, 2}, {TTapeKey::Backspace, 2, 0, 3},
    {DigitKey(0), 0, 4},        {DigitKey(1), 0, 3},
    {DigitKey(2), 1, 3},        {DigitKey(3), 2, 3},
    {DigitKey(4), 0, 2},        {DigitKey(5), 1, 2},
    {DigitKey(6), 2, 2},        {DigitKey(7), 0, 1},
    {DigitKey(8), 1, 1},        {DigitKey(9), 2, 1},
    {TTapeKey::Comma, 1, 4},    {TTapeKey::Sign, 2, 4},
    {TTapeKey::Divide, 3, 1},   {TTapeKey::Percent, 4, 1, 1, 2},
    {TTapeKey::Times, 3, 2},    {TTapeKey::Minus, 3, 3},
    {TTapeKey::Total, 4, 3},    {TTapeKey::Plus, 3, 4},
    {TTapeKey::Enter, 4, 4},
}};

QRect KeyRect(const TKeyPlace& key) {
    return QRect(5 + 25 * key.column, 5 + 25 * key.row, 26 + 25 * (key.columns - 1),
                 26 + 25 * (key.rows - 1));
}

// The entry keys are lime, "C" yellow, "<" grey, the operators white to pale
// blue; the sign key's caption is smaller.
void Colour(TPanelEx* panel, TTapeKey key) {
    if (key <= TTapeKey::Comma) return MakeEntryKey(panel);
    switch (key) {
        case TTapeKey::Sign:
            return MakeEntryKey(panel, 8);
        case TTapeKey::Clear:
            MakeKey(panel, clYellow, RGBColor(255, 255, 200));
            return panel->SetFontColor(clBlack);
        case TTapeKey::Backspace:
            MakeKey(panel, RGBColor(236, 236, 228), RGBColor(204, 204, 196));
            return panel->SetFontColor(clBlack);
        default:
            return MakeOperatorKey(panel);
    }
}

}  // namespace

TKeypad::TKeypad(QWidget* parent, QRect place) : TPanelEx(parent) {
    setObjectName(QStringLiteral("PanelNumeros"));
    setGeometry(place);
    SetColor(kKeypadColour);
    setAccessibleName(tr("Teclat"));
    for (const TKeyPlace& place : kKeys)
        Colour(AddKey(place.key, KeyRect(place)), place.key);
}

TPanelEx* TKeypad::AddKey(TTapeKey key, QRect place) {
    TPanelEx* panel = NewKey(this, Command(KeyCommand(key)), place);
    panel->OnClick = [this, key](TPanelEx*) { Press(key); };
    return panel;
}
