// Feeds random texts and values through the number text routines: the
// lenient readers (TextToFloat, TextToInt), the writers (FloatToPlainText,
// FormatNumber) and TextToFixedText. Besides memory errors and undefined
// behaviour, it stops when
//  - a reader fails otherwise than documented (TextToFloat only on a text
//    whose number is a lone separator, TextToInt never);
//  - the stored form is not stable: a value written by FloatToPlainText and
//    read back must give the same text and the same value when written and
//    read once more, so that rewriting a stored number never changes it;
//  - a stored or fixed text is not in the stored form (digits, at most one
//    point, a leading minus), or holds more decimals than asked for.

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "basic/numbertext.h"
#include "basic/platformerror.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point and a leading minus, or a word for a value
// without digits; `decimals` is the most digits after the point.
bool InStoredForm(const std::string& text, size_t decimals) {
    if (text == "INF" || text == "-INF" || text == "NAN") return true;
    const size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const size_t point = text.find('.');
    if (start >= text.size() || !IsDigit(text[start])) return false;
    for (size_t i = start; i < text.size(); ++i)
        if (!IsDigit(text[i]) && i != point) return false;
    return point == std::string::npos || (point + 1 < text.size() && text.size() - point - 1 <= decimals);
}

// TextToFloat throws only when the number it collected is a lone separator.
void ReadFloat(const std::string& text) {
    try {
        (void)TextToFloat(text);
    } catch (const PlatformError& error) {
        const std::string message = error.what();
        Check(message == "'.' is not a valid floating point value" ||
              message == "'-.' is not a valid floating point value");
    }
}

// A value of any kind a caller can hand over: a double of any bit pattern
// (NaN, infinities, subnormals included), widened, or an extended value out
// of a double's range as a product of two doubles gives.
long double Value(FuzzedDataProvider& input) {
    const double first = input.ConsumeFloatingPoint<double>();
    if (!input.ConsumeBool()) return first;
    return static_cast<long double>(first) * input.ConsumeFloatingPoint<double>();
}

void StoredFormIsStable(double value) {
    const std::string written = FloatToPlainText(value);
    Check(InStoredForm(written, 5));
    const double read = TextToFloat(written);
    const std::string again = FloatToPlainText(read);
    Check(InStoredForm(again, 5));
    const double readAgain = TextToFloat(again);
    Check(readAgain == read);
    // A number already in the stored form is written again as it was (an
    // infinity or NaN reads back as 0).
    if (std::isfinite(value)) Check(again == written);
}

}  // namespace

// The display form of the program's own region: a point between thousands, a
// decimal comma.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString(300);
    ReadFloat(text);
    (void)TextToInt(text);
    const int32_t decimals = input.ConsumeIntegral<int32_t>();
    try {
        const std::string fixed = TextToFixedText(text, decimals);
        const int64_t most = std::min<int64_t>(std::abs(int64_t{decimals}), 99);
        Check(InStoredForm(fixed, static_cast<size_t>(most)));
    } catch (const PlatformError&) {
        // The text's number is a lone separator, as TextToFloat said.
    }

    const long double value = Value(input);
    StoredFormIsStable(static_cast<double>(value));
    const int32_t code = input.ConsumeIntegral<int32_t>();
    const std::string shown = FormatNumber(value, code);
    Check(shown.find(' ') == std::string::npos);
    return 0;
}
