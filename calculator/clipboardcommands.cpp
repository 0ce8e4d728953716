#include "calculator/clipboardcommands.h"

#include "basic/stringlists.h"
#include "calculator/tapefilecommands.h"
#include "controls/platform/clipboard.h"
#include "tape/tapeclipboard.h"
#include "tape/tapeengine.h"

TClipboardCommands::TClipboardCommands(TTapeEngine& engine, TTapeFileCommands& files)
    : engine_(&engine), files_(files) {}

void TClipboardCommands::CopyResult() {
    SetClipboardText(CopyResultText(engine_->Tape(), engine_->Options().convertOnCopy));
}

void TClipboardCommands::CopyValues() {
    SetClipboardText(CopyValuesText(engine_->Tape(), engine_->Options().convertOnCopy));
}

void TClipboardCommands::CopyTape() {
    SetClipboardText(CopyTapeText(engine_->Tape()));
}

// The clipboard is read before the tape is archived and cleared, so that a
// failing read leaves the tape as it was. Clearing and pasting are one step
// to undo.
void TClipboardCommands::PasteReplace() {
    TArrayCadena lines;
    AddClipboardLines(lines);
    files_.ArchiveTape();
    TTapeEngine::Action action(*engine_);
    engine_->ClearTape();
    AddLinesToTape(lines);
}

void TClipboardCommands::PasteAppend() {
    TArrayCadena lines;
    AddClipboardLines(lines);
    AddLinesToTape(lines);
}

void TClipboardCommands::AddLinesToTape(const TStringList& lines) {
    engine_->AddLinesToTape(lines);
}
