#pragma once

// TMemoryKeys: the band of small keys over the display, `PanelMemoria`, as a
// desk printing calculator has them: M+, M-, MR and MC (the memory) and GT
// (the grand total), on the keypad's 25-pixel pitch:
//
//   M+  M-  MR  MC  GT
//
// Each key plays one command of the command table; its hint is the
// command's text and key, and assistive technology hears the text. A click
// emits Triggered with its command.

#include "calculator/commandid.h"
#include "controls/panel/panelex.h"

class TMemoryKeys : public TPanelEx {
    Q_OBJECT

public:
    TMemoryKeys(QWidget* parent, QRect place);

Q_SIGNALS:
    void Triggered(TCommandId command);
};
