// TCalculadora: copy to and paste from the clipboard, as plain text lines.

#include "basic/stringlists.h"
#include "calculator/calculadora.h"
#include "calculator/tapefilecommands.h"
#include "controls/platform/clipboard.h"

void TCalculadora::CopyResult() {
    SetClipboardText(engine_->CopyResultText());
}

void TCalculadora::CopyValues() {
    SetClipboardText(engine_->CopyValuesText());
}

void TCalculadora::CopyTape() {
    SetClipboardText(engine_->CopyTapeText());
}

// The clipboard is read before the tape is archived and cleared, so that a
// failing read leaves the tape as it was. Clearing and pasting are one step
// to undo.
void TCalculadora::PasteReplace() {
    TArrayCadena lines;
    AddClipboardLines(lines);
    files_->ArchiveTape();
    TTapeEngine::Action action(*engine_);
    engine_->ClearTape();
    AddLinesToTape(lines);
}

void TCalculadora::PasteAppend() {
    TArrayCadena lines;
    AddClipboardLines(lines);
    AddLinesToTape(lines);
}

// Pasted and dropped lines alike.
void TCalculadora::AddLinesToTape(const TStringList& lines) {
    engine_->AddLinesToTape(lines);
}
