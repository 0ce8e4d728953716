#pragma once

// TKeypad: the keypad `PanelNumeros`, keys 26 by 26 on a 25-pixel pitch:
//
//   C  C  <  <  <
//   7  8  9  /  %
//   4  5  6  x  %
//   1  2  3  _  =
//   0  , +/- +  <<
//
// Each key plays one command of the command table: a click on a key emits
// Triggered with its command, which the window runs the way it runs the key
// of the keyboard that stands for it. The keypad's published handlers are
// the same clicks.

#include "calculator/commandid.h"
#include "controls/panel/panelex.h"

class TKeypad : public TPanelEx {
    Q_OBJECT

public:
    TKeypad(QWidget* parent, QRect place);

    // The digit keys, the comma and the sign key.
    void TeclaClick(TTapeKey key) { Press(key); }
    void TeclaMesClick() { Press(TTapeKey::Plus); }
    void TeclaMenysClick() { Press(TTapeKey::Minus); }
    void TeclaMultiplicarClick() { Press(TTapeKey::Times); }
    void TeclaDividirClick() { Press(TTapeKey::Divide); }
    void TeclaPercentClick() { Press(TTapeKey::Percent); }
    void TeclaIgualClick() { Press(TTapeKey::Total); }
    void TeclaIntroClick() { Press(TTapeKey::Enter); }
    void TeclaBorrarClick() { Press(TTapeKey::Clear); }
    void TeclaDarreraClick() { Press(TTapeKey::Backspace); }

Q_SIGNALS:
    void Triggered(TCommandId command);

private:
    void Press(TTapeKey key) { Q_EMIT Triggered(KeyCommand(key)); }
    TPanelEx* AddKey(TTapeKey key, QRect place);
};
