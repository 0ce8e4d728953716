#pragma once

// The clipboard's plain text, as the program reads and writes it: 8-bit text
// whose lines end in CR LF. Writing an empty text leaves an empty clipboard.

#include <string>

class TStringList;

std::string ClipboardText();
void SetClipboardText(const std::string& text);

// Appends each line of the clipboard's text to `lines` through its Add, split
// as the line file splits them (TStringList::AddLines). The list is not
// cleared first.
void AddClipboardLines(TStringList& lines);
