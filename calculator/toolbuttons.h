#pragma once

// TToolButtons: the tool buttons under the tape, `PanelBotons`, in two rows:
// clear, open a row, delete a row, link, pesetas, euros; copy the result,
// the values and the tape, paste in place of the tape and at its end, and
// the options. Each plays one command of the command table; its hint is the
// command's text and key. A click emits Triggered with its command.

#include "calculator/commandid.h"
#include "controls/panel/panelex.h"

class TBotoPetit;

class TToolButtons : public TPanelEx {
    Q_OBJECT

public:
    TToolButtons(QWidget* parent, QRect place);

    // A small glyph button of a command, as the tool buttons are, for the
    // buttons that sit elsewhere (exit, the interest key).
    static TBotoPetit* NewButton(QWidget* parent, TCommandId command, QPoint place);

Q_SIGNALS:
    void Triggered(TCommandId command);
};
