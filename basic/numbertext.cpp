#include "basic/numbertext.h"
#include "basic/translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "basic/fixeddigits.h"
#include "basic/platformerror.h"
#include "basic/regionalseparators.h"
#include "basic/texttools.h"

namespace {

constexpr int kPlainDecimals = 5;
// The largest decimal count the formatting routines write: the largest the
// format code of FormatNumber can ask for. A larger count given to
// FloatToFixedText is taken as this one.
constexpr int kMaxDecimals = 99;

// ---- Reading -------------------------------------------------------------

enum class Separator { Collect, Stop };

// The lenient walk of TextToFloat and TextToInt: a plus sign is skipped only
// as the very first character, blanks are skipped anywhere, a minus is taken
// only at the start of the number, digits are taken, and the first comma or
// point is taken as a point when `separator` is Collect. Anything else ends
// the walk. The number may be of any length: nothing is cut.
std::string CollectNumber(const std::string& text, Separator separator) {
    std::string buffer;
    bool pointTaken = false;
    size_t i = !text.empty() && text.front() == '+' ? 1 : 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') continue;
        if (c >= '0' && c <= '9') {
            buffer += c;
        } else if (c == '-' && buffer.empty()) {
            buffer += c;
        } else if ((c == ',' || c == '.') && separator == Separator::Collect && !pointTaken) {
            pointTaken = true;
            buffer += '.';
        } else {
            break;
        }
    }
    return buffer;
}

bool HoldsNoDigit(std::string_view buffer) {
    return buffer.find_first_of("0123456789") == buffer.npos;
}

// A number beyond the range of a double: with integer digits it is too large
// (an infinity of its sign), without them too small (zero).
double OutOfRange(std::string_view buffer) {
    const bool negative = buffer.front() == '-';
    if (negative) buffer.remove_prefix(1);
    const bool large = buffer.find_first_not_of('0') < buffer.find('.');
    const double magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

// ---- Writing -------------------------------------------------------------

// Values without digits are written as the words a spreadsheet would show.
// TextToFloat reads these texts back as 0.
const char* NonFiniteText(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    return nullptr;
}

// The stored form: a point, no thousands separators.
std::string StoredForm(const FixedDigits& digits, bool trimZeros) {
    const std::string_view integer = digits.IntegerDigits();
    const std::string_view fraction =
        trimZeros ? digits.SignificantFraction() : digits.FractionDigits();
    std::string text;
    text.reserve(integer.size() + fraction.size() + 2);
    if (digits.Negative()) text += '-';
    text += integer;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

// The display form: regional separators, the thousands one between groups of
// three integer digits.
std::string DisplayForm(const FixedDigits& digits, bool trimZeros,
                        const RegionalSeparators& separators) {
    const std::string_view integer = digits.IntegerDigits();
    const std::string_view fraction =
        trimZeros ? digits.SignificantFraction() : digits.FractionDigits();
    std::string text;
    if (digits.Negative()) text += '-';
    size_t group = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
    for (size_t at = 0; at < integer.size(); at += group, group = 3) {
        if (at > 0) text += separators.thousands;
        text += integer.substr(at, group);
    }
    if (!fraction.empty()) {
        text += separators.decimal;
        text += fraction;
    }
    return text;
}

}  // namespace

// ---- Text to number ------------------------------------------------------

// Beyond what the walk describes: a number too large for a double reads as an
// infinity of its sign, one too small as 0; very long numbers are read whole
// and correctly rounded.
double TextToFloat(const std::string& text) {
    const std::string buffer = CollectNumber(text, Separator::Collect);
    if (buffer.empty() || buffer == "-") return 0.0;
    if (HoldsNoDigit(buffer)) {
        throw PlatformError(
            Filled(Tr("TamBasic", "'%1' is not a valid floating point value"), {buffer}));
    }
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (read.ec == std::errc::result_out_of_range) return OutOfRange(buffer);
    return value;
}

// A number beyond the 32-bit range reads as the nearest end of that range.
int32_t TextToInt(const std::string& text) {
    const std::string buffer = CollectNumber(text, Separator::Stop);
    if (buffer.empty() || buffer == "-") return 0;
    int64_t value = 0;
    const std::from_chars_result read =
        std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    const bool negative = buffer.front() == '-';
    if (read.ec == std::errc::result_out_of_range) {
        return negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// ---- Number to text ------------------------------------------------------
//
// Infinities and NaN are written INF, -INF and NAN by every routine below.
// Values of more than 18 integer digits are written in full, in plain digits:
// their 18 significant digits followed by zeros (1E20 gives
// 100000000000000000000), so that TextToFloat reads them back.

std::string FloatToPlainText(long double value) {
    if (const char* word = NonFiniteText(value)) return word;
    return StoredForm(FixedDigits(value, kPlainDecimals), true);
}

std::string FloatToFixedText(long double value, int32_t decimals) {
    if (const char* word = NonFiniteText(value)) return word;
    const int count =
        static_cast<int>(std::min<int64_t>(std::abs(int64_t{decimals}), kMaxDecimals));
    return StoredForm(FixedDigits(value, count), decimals < 0);
}

// The format code has three parts:
//  - its sign: a negative code removes trailing zero decimals;
//  - its units part, |code % 1000|: 1 to 99 decimals; 0 at most two decimals,
//    trailing zeros removed; 100 or more a whole number, the value rounded
//    half to even first (2.5 gives 2, 3.5 gives 4);
//  - its thousands part, code / 1000: when 0, a value that shows as zero
//    gives the empty text; otherwise zero is shown.
std::string FormatNumber(long double value, int32_t code) {
    const int32_t thousands = code / 1000;
    int32_t decimals = std::abs(code % 1000);
    bool trimZeros = code < 0;
    if (decimals >= 100) {
        value = std::nearbyint(value);  // the default rounding mode: half to even
        decimals = 0;
    }
    if (decimals == 0) {
        decimals = 2;
        trimZeros = true;
    }
    if (const char* word = NonFiniteText(value)) return word;
    const FixedDigits digits(value, decimals);
    if (thousands == 0 && digits.IsZero()) return {};
    return DisplayForm(digits, trimZeros, CurrentSeparators());
}

std::string IntToText(int32_t value) {
    char text[16];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string IntToPaddedText(int32_t value, uint8_t width) {
    return PadLeft(IntToText(value), width);
}

std::string IntToZeroPadded(int32_t value, uint8_t width) {
    return ZeroPadDigits(IntToText(value), width);
}

// ---- Text to text --------------------------------------------------------

std::string TextToFixedText(const std::string& text, int32_t decimals) {
    return FloatToFixedText(TextToFloat(text), decimals);
}

std::string TextToDisplayText(const std::string& text, int32_t code) {
    return FormatNumber(TextToFloat(text), code);
}
