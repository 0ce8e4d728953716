#pragma once

// The tape as clipboard text, and text lines (pasted or dropped) as tape
// lines. Lines of copied text end in CR LF.

#include <optional>
#include <string>

class TTapeDocument;

// The total (or grand total) that belongs to the current position: the first
// one at or below the current row, else the nearest one above it; empty when
// there is none.
std::string ResultText(const TTapeDocument& tape);

// What the copy commands put on the clipboard. Typed values carry commas and
// computed ones points: a copied value uses a point when `convertOnCopy` is
// on and a comma when it is off.
std::string CopyResultText(const TTapeDocument& tape, bool convertOnCopy);
std::string CopyValuesText(const TTapeDocument& tape, bool convertOnCopy);
// Whole rows (value, operator, link, comment) separated by tabs, the numbers
// always with decimal commas; a comment stays as written.
std::string CopyTapeText(const TTapeDocument& tape);

// A received line as a tape line (its fields separated by tabs): a number
// with either decimal separator, or a whole tape line as CopyTapeText writes
// it; the separators are those of the number fields, a comment keeps its
// own. Nothing for a line worth 0 or holding no number.
std::optional<std::string> PastedTapeLine(std::string line);
