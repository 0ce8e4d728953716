#pragma once

// How the main window's panels, keys and number displays look, shared by the
// keypad, the tax and margin keys and the displays.

#include <QRect>
#include <string>

#include "controls/platform/colorref.h"

class QWidget;
class TPanelEx;
struct TCommand;

// A named panel at `place` in `parent`.
TPanelEx* NewPanel(QWidget* parent, const char* name, QRect place);
// A key of a command: its name and caption from the table, a centred caption
// and the press and hover effects.
TPanelEx* NewKey(QWidget* parent, const TCommand& command, QRect place);

// A panel that shows a number at its right, with a right margin of 10.
void MakeNumberDisplay(TPanelEx* display, TColor background, int points);
// A key: a raised inner bevel in shades of its own colour, a vertical
// gradient from that colour to `lower`, and the press and hover tints.
void MakeKey(TPanelEx* key, TColor face, TColor lower, int points = 10);
// Digits, comma and sign: lime with blue bold text.
void MakeEntryKey(TPanelEx* key, int points = 10);
// Operators: blue text on a white to pale blue gradient.
void MakeOperatorKey(TPanelEx* key, int points = 10);
