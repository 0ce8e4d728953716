#include "controls/grid/celltext.h"

namespace {

// Longer texts are beyond what the number routines promise to read.
constexpr size_t kLongestNumberText = 250;

// n / 2 rounded to the nearest integer, halves to the even one.
int HalfRoundedToEven(int n) {
    const int down = (n >= 0 ? n : n - 1) / 2;  // floor(n / 2)
    if (n % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
}

}  // namespace

std::string CellDisplayText(const TColumnaGrid& column, const std::string& text) {
    if (IsNumberFormat(column.Tipus) && text.size() > kLongestNumberText) return text;
    return FormattedText(column.Tipus, text, column.Llargada, column.Decimals);
}

TAlineacio CellAlignment(const TColumnaGrid& column) {
    const auto own = static_cast<uint8_t>(column.Alineacio);
    if (own >= 1 && own <= 3) return column.Alineacio;
    switch (column.Tipus) {
        case TDisplayFormat::Text:
        case TDisplayFormat::OtherText:
            return column.Llargada == 1 ? TAlineacio::Centre : TAlineacio::Esquerra;
        case TDisplayFormat::CentredText:
        case TDisplayFormat::Date:
        case TDisplayFormat::ZeroPadded:
        case TDisplayFormat::Time:
            return TAlineacio::Centre;
        case TDisplayFormat::Number:
        case TDisplayFormat::Hundredths:
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
