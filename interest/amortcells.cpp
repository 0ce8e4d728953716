#include "interest/amortcells.h"

#include <QtGlobal>

#include "basic/dates.h"
#include "basic/numbertext.h"
#include "basic/texttools.h"

// Translated where the window shows them.
const std::array<const char*, kAmortColumns> kAmortTitles = {
    "",
    QT_TRANSLATE_NOOP("TInteres", "Quota"),
    QT_TRANSLATE_NOOP("TInteres", "Any"),
    QT_TRANSLATE_NOOP("TInteres", "Data"),
    QT_TRANSLATE_NOOP("TInteres", "Capital"),
    QT_TRANSLATE_NOOP("TInteres", "Acum Cap"),
    QT_TRANSLATE_NOOP("TInteres", "Interès"),
    QT_TRANSLATE_NOOP("TInteres", "Acum Int"),
    QT_TRANSLATE_NOOP("TInteres", "Saldo")};
const std::array<int32_t, kAmortColumns> kAmortWidths = {-1, 49, 44, 75, 75, 75, 75, 75, 94};

TAmortKind AmortColumnKind(int32_t col) {
    switch (col) {
        case acQuota:
        case acAny:
            return TAmortKind::Number;
        case acData:
            return TAmortKind::Date;
        default:
            return TAmortKind::Amount;
    }
}

std::string AmortDisplayText(int32_t col, int32_t row, const std::string& cell) {
    if (row == kAmortTitleRow) return cell;
    switch (AmortColumnKind(col)) {
        case TAmortKind::Number:
            return TextToDisplayText(cell, 0);
        case TAmortKind::Date:
            return FormatDateText(cell, kDayMonthYear);
        case TAmortKind::Amount:
            break;
    }
    return FormatNumber(TextToFloat(cell) / 100, 2);
}

std::array<std::string, kAmortColumns> AmortRowCells(const TAmortRow& row) {
    return {"",
            IntToText(row.Quota),
            IntToText(row.Any),
            row.Data,
            FloatToPlainText(row.Capital),
            FloatToPlainText(row.AcumCap),
            FloatToPlainText(row.Interes),
            FloatToPlainText(row.AcumInt),
            FloatToPlainText(row.Saldo)};
}

TAmortTotals SelectedTotals(int32_t usedRows, const TRowSelected& selected,
                            const TCellReader& cell) {
    TAmortTotals totals;
    const int32_t last = usedRows + kAmortFirstInstalmentRow - 1;
    for (int32_t row = kAmortFirstInstalmentRow; row <= last; ++row) {
        if (!selected(row)) continue;
        totals.Capital += TextToFloat(cell(row, acCapital));
        totals.Interes += TextToFloat(cell(row, acInteres));
    }
    return totals;
}

namespace {

std::string CopiedCell(int32_t col, const std::string& cell) {
    switch (AmortColumnKind(col)) {
        case TAmortKind::Number:
            return cell;
        case TAmortKind::Date:
            return FormatDateText(cell, kDayMonthYear);
        case TAmortKind::Amount:
            break;
    }
    return ReplaceAll(FloatToFixedText(TextToFloat(cell) / 100, 2), ".", ",");
}

void AppendLine(std::string& text, int32_t row, const TCellReader& cell) {
    for (int32_t col = acQuota; col <= acSaldo; ++col) {
        if (col > acQuota) text += '\t';
        const std::string value = cell(row, col);
        text += row == kAmortTitleRow ? value : CopiedCell(col, value);
    }
    text += "\r\n";
}

}  // namespace

std::string AmortClipboardText(int32_t usedRows, const TCellReader& cell) {
    std::string text;
    AppendLine(text, kAmortTitleRow, cell);
    const int32_t last = usedRows + kAmortFirstInstalmentRow - 1;
    for (int32_t row = kAmortFirstInstalmentRow; row <= last; ++row)
        AppendLine(text, row, cell);
    return text;
}
