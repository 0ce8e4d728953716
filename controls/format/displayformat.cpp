#include "controls/format/displayformat.h"

#include "basic/dates.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/texttools.h"

namespace {

std::string PaddedNumber(const std::string& text, int32_t width) {
    if (width < 0 || width > 255) return text;
    return TextToFloat(text) > 0 ? ZeroPadDigits(text, static_cast<uint8_t>(width)) : text;
}

std::string Formatted(TDisplayFormat format, const std::string& text, int32_t length,
                      int32_t decimals) {
    switch (format) {
        case TDisplayFormat::Date:
            return FormatDateText(text, length);
        case TDisplayFormat::ZeroPadded:
            return PaddedNumber(text, length);
        case TDisplayFormat::Number:
            return FormatNumber(TextToFloat(text), decimals);
        case TDisplayFormat::Hundredths:
            // Divided in the formatting's own precision: 14.5 hundredths show
            // as 0,15, not as the double just below 0.145.
            return FormatNumber(static_cast<long double>(TextToFloat(text)) / 100,
                                decimals != 0 ? decimals : 2);
        case TDisplayFormat::Time:
            return FormatTimeText(text, length);
        default:
            return text;
    }
}

}  // namespace

std::string FormattedText(TDisplayFormat format, const std::string& text, int32_t length,
                          int32_t decimals) {
    try {
        return Formatted(format, text, length, decimals);
    } catch (const PlatformError&) {
        // Painting has no one to report the error to.
        return text;
    }
}
