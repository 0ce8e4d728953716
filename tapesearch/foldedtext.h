#pragma once

// Text folded for a search that ignores case and accents: the comments of the
// tape are folded once, the typed query at each key, and a comment is found
// when its folded text contains the folded query.
//
// Folding takes a UTF-8 text to its compatibility decomposition (NFKD) with
// the combining marks removed, in Unicode case folding:
//  - "Cafè" and "CAFE" both fold to "cafe", "Façana" to "facana", "ﬁ" to
//    "fi", "nº" to "no";
//  - a middle dot or a point between two l's goes, so "col·legi", "coŀlegi",
//    "COL.LEGI" and "collegi" all fold to "collegi";
//  - the typographic apostrophes (’ ‘ ʼ) are the plain one: "d’aigua" is
//    "d'aigua";
//  - every run of white space is one blank, and the text starts and ends
//    with none.
// A text that is not well-formed UTF-8 is read with each bad sequence as
// U+FFFD. Folding a folded text changes nothing.

#include <string>
#include <string_view>

std::string FoldedText(std::string_view text);

// The folded query: as FoldedText, and a middle dot that ends it after an l
// goes too, so that the search keeps finding "col·legi" while "col·" is
// being typed.
std::string FoldedQuery(std::string_view text);
