#pragma once

// What a screen reader says for a row of the tape, in the window's language:
// what the row is (a total, a percent amount), its value as the tape shows it
// with `decimals` decimals (a zero included, which the tape leaves blank), the
// operator that followed it in words, the row it repeats, then its comment:
//
//   "1.250,50 més, Lloguer"   "Total 1.618,00"   "Percentatge 2,00"
//   "12,50, enllaçat a la fila 3"   "Fila buida"
//
// Rows are numbered from 1, as a screen reader counts them. A new kind of row
// (say, a grand total) is one more case of TSpokenRowKind and its words.

#include <cstdint>
#include <string>
#include <string_view>

class TTapeDocument;

std::string TapeRowSpeech(const TTapeDocument& tape, int32_t row, int32_t decimals);

// The operator field of a row in words ("més", "igual"); empty for none.
std::string SpokenOperator(std::string_view field);
