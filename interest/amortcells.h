#pragma once

// The amortization table as the grid Amort holds it: row 0 the titles, row 1
// the totals of the selected instalments, instalment k in row k + 1; columns
// 1 to 8 as below (column 0 stays empty and hidden). Cells hold numbers in
// the stored form; amounts are hundredths of the currency unit.
//
// Everything here reads cells through a TCellReader, so it works on the grid
// or on any other source of the same cells.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "interest/amortization.h"

enum TAmortColumn : int32_t {
    acQuota = 1,
    acAny = 2,
    acData = 3,
    acCapital = 4,
    acAcumCap = 5,
    acInteres = 6,
    acAcumInt = 7,
    acSaldo = 8,
};

constexpr int32_t kAmortColumns = 9;
constexpr int32_t kAmortTitleRow = 0;
constexpr int32_t kAmortTotalsRow = 1;
constexpr int32_t kAmortFirstInstalmentRow = 2;

// Titles and widths from column 0 (hidden) to column 8.
extern const std::array<const char*, kAmortColumns> kAmortTitles;
extern const std::array<int32_t, kAmortColumns> kAmortWidths;

// How a column's cells are shown.
enum class TAmortKind { Number, Date, Amount };
TAmortKind AmortColumnKind(int32_t col);

// The text a cell shows: titles as they are; below them a date as
// dd/mm/yyyy, a number in the display form, an amount in currency units with
// two decimals (empty for zero).
std::string AmortDisplayText(int32_t col, int32_t row, const std::string& cell);

// The cells of a table row, columns 1 to 8, in the stored form.
std::array<std::string, kAmortColumns> AmortRowCells(const TAmortRow& row);

using TCellReader = std::function<std::string(int32_t row, int32_t col)>;
using TRowSelected = std::function<bool(int32_t row)>;

struct TAmortTotals {
    double Capital = 0;
    double Interes = 0;
};

// Capital and interest of the selected instalments among the `usedRows`
// rows from row 2 on.
TAmortTotals SelectedTotals(int32_t usedRows, const TRowSelected& selected,
                            const TCellReader& cell);

// The table for a spreadsheet: the title line and one line per instalment
// (the totals row left out), cells separated by tabs, lines ending in CR LF,
// amounts in currency units with two decimals and a decimal comma.
std::string AmortClipboardText(int32_t usedRows, const TCellReader& cell);
