#pragma once

// TClipboardCommands: the tape and the clipboard, as plain text lines: copy
// the result, the values or the whole tape; paste lines at the end of the
// tape or in its place; and the lines of text dropped on the window, added
// the way a paste is.

class TStringList;
class TTapeEngine;
class TTapeFileCommands;

class TClipboardCommands {
public:
    // The tape is archived (`files`) before a paste replaces it.
    TClipboardCommands(TTapeEngine& engine, TTapeFileCommands& files);
    // The commands act on another tape.
    void Follow(TTapeEngine& engine) { engine_ = &engine; }

    void CopyResult();
    void CopyValues();
    void CopyTape();
    void PasteReplace();
    void PasteAppend();
    // Pasted and dropped lines alike.
    void AddLinesToTape(const TStringList& lines);

private:
    TTapeEngine* engine_;
    TTapeFileCommands& files_;
};
