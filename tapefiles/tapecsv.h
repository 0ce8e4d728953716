#pragma once

// A tape as CSV for a spreadsheet: UTF-8 (with the byte order mark that
// spreadsheets take as the sign of UTF-8), one line per tape row after a
// header line ("Valor", "Operació", "Comentari", "Elements": the items of a
// total's calculation, or the totals a grand total sums, on those rows only;
// always four columns, so every file reads alike), lines ended by CR LF, and
// fields quoted as RFC 4180 says. Values are plain numbers without thousands
// separators, each with every digit it was written with. In a region whose
// decimal separator is a comma the fields are separated by ";" and the
// decimals by a comma, otherwise by "," and a point, so that the region's
// spreadsheet opens the file as numbers.
//
// A comment, or an operator that is none of the six keys, beginning with
// "=", "+", "-" or "@" would be taken by a spreadsheet for a formula (and run
// as one): it is written after an apostrophe, which makes it text.

#include <string>

class TTapeDocument;

struct TCsvFormat {
    char separator = ',';
    char decimal = '.';
};

// The format of the default locale's region.
TCsvFormat RegionalCsvFormat();

std::string TapeCsvText(const TTapeDocument& tape, const TCsvFormat& format);
// Writes the file whole, or leaves the old file as it was.
void SaveTapeCsv(const TTapeDocument& tape, const std::string& path, const TCsvFormat& format);
