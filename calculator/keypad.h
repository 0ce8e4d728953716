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
    void TeclaClick(TCommandId key) { Q_EMIT Triggered(key); }
    void TeclaMesClick() { Q_EMIT Triggered(TCommandId::Plus); }
    void TeclaMenysClick() { Q_EMIT Triggered(TCommandId::Minus); }
    void TeclaMultiplicarClick() { Q_EMIT Triggered(TCommandId::Times); }
    void TeclaDividirClick() { Q_EMIT Triggered(TCommandId::Divide); }
    void TeclaPercentClick() { Q_EMIT Triggered(TCommandId::Percent); }
    void TeclaIgualClick() { Q_EMIT Triggered(TCommandId::Total); }
    void TeclaIntroClick() { Q_EMIT Triggered(TCommandId::Enter); }
    void TeclaBorrarClick() { Q_EMIT Triggered(TCommandId::ClearEntry); }
    void TeclaDarreraClick() { Q_EMIT Triggered(TCommandId::Backspace); }

Q_SIGNALS:
    void Triggered(TCommandId command);

private:
    TPanelEx* AddKey(TCommandId command, QRect place);
};
