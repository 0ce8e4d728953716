#pragma once

// The clipboard's plain text, as the program reads and writes it: 8-bit text
// whose lines end in CR LF. Writing an empty text leaves an empty clipboard.

#include <string>

class TStringList;

std::string ClipboardText();
void SetClipboardText(const std::string& text);

// Appends each line of the clipboard's text to `lines` through its Add. Lines
// end at CR LF or at a lone LF; a line end at the very end adds no empty line.
// The list is not cleared first.
void AddClipboardLines(TStringList& lines);
// The same splitting of a text already read.
void AddTextLines(const std::string& text, TStringList& lines);
