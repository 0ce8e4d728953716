#include "controls/grid/celltext.h"

#include "basic/dates.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/texttools.h"

namespace {

// Longer texts are beyond what the number routines promise to read.
constexpr size_t kLongestNumberText = 250;

std::string PaddedNumber(const std::string& text, int32_t width) {
    if (width < 0 || width > 255) return text;
    return TextToFloat(text) > 0 ? ZeroPadDigits(text, static_cast<uint8_t>(width)) : text;
}

std::string FormattedByKind(const TColumnaGrid& column, const std::string& text) {
    switch (column.Tipus) {
        case 2:
            return FormatDateText(text, column.Llargada);
        case 4:
            return PaddedNumber(text, column.Llargada);
        case 5:
            return FormatNumber(TextToFloat(text), column.Decimals);
        case 6:
            return FormatNumber(static_cast<long double>(TextToFloat(text)) / 100,
                                column.Decimals != 0 ? column.Decimals : 2);
        case 8:
            return FormatTimeText(text, column.Llargada);
        default:
            return text;
    }
}

// n / 2 rounded to the nearest integer, halves to the even one.
int HalfRoundedToEven(int n) {
    const int down = (n >= 0 ? n : n - 1) / 2;  // floor(n / 2)
    if (n % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
}

}  // namespace

std::string CellDisplayText(const TColumnaGrid& column, const std::string& text) {
    const bool numeric = column.Tipus == 4 || column.Tipus == 5 || column.Tipus == 6;
    if (numeric && text.size() > kLongestNumberText) return text;
    try {
        return FormattedByKind(column, text);
    } catch (const PlatformError&) {
        // A cell that reads as no number (a lone comma) is drawn as typed: a
        // paint pass has no one to report the error to.
        return text;
    }
}

TAlineacio CellAlignment(const TColumnaGrid& column) {
    if (column.Alineacio >= 1 && column.Alineacio <= 3) {
        return static_cast<TAlineacio>(column.Alineacio);
    }
    switch (column.Tipus) {
        case 0:
        case 3:
            return column.Llargada == 1 ? TAlineacio::Centre : TAlineacio::Esquerra;
        case 1:
        case 2:
        case 4:
        case 8:
            return TAlineacio::Centre;
        case 5:
        case 6:
            return TAlineacio::Dreta;
        default:
            return TAlineacio::Esquerra;
    }
}

int AlignedTextX(TAlineacio alignment, int left, int right, int textWidth) {
    switch (alignment) {
        case TAlineacio::Centre:
            return left + HalfRoundedToEven((right - left) - textWidth);
        case TAlineacio::Dreta:
            return right - textWidth - 3;
        default:
            return left + 3;
    }
}

int CenteredTextY(int top, int bottom, int textHeight) {
    return top + ((bottom - top + 1) - textHeight) / 2;
}
