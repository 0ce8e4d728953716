// Feeds random texts through the date routines (NormalizeDate, TextToDate,
// FormatDateText in every display mode) and checks real dates of the years
// 1 to 9999 both ways. Besides memory errors and undefined behaviour, it
// stops when
//  - a routine fails that never fails (NormalizeDate, FormatDateText), or
//    TextToDate fails otherwise than with its date error;
//  - a date TextToDate accepts is not the one NormalizeDate gives;
//  - a real date does not survive its display form dd/mm/yyyy or its date
//    value, or its other display forms are not the ones of its mode.

#include <fuzzer/FuzzedDataProvider.h>

#include <QDate>
#include <cstdlib>
#include <string>

#include "basic/dates.h"
#include "basic/platformerror.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The modes in use (5, 6, 7, 8, 10) and their neighbours; the mode is the
// width of a field and comes from the program, never from the user.
int Mode(FuzzedDataProvider& input) {
    return input.ConsumeIntegralInRange(-12, 12);
}

void AnyText(const std::string& text, int mode) {
    const std::string normal = NormalizeDate(text);
    (void)FormatDateText(text, mode);
    try {
        const TDateTime value = TextToDate(text);
        if (value != 0) Check(DateToText(value) == normal);
    } catch (const PlatformError&) {
        // An impossible date: month 13, day 0, 30 February.
    }
}

std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(static_cast<size_t>(width) - text.size(), '0') + text;
}

void RealDate(FuzzedDataProvider& input) {
    const int year = input.ConsumeIntegralInRange(1, 9999);
    const int month = input.ConsumeIntegralInRange(1, 12);
    const int day = input.ConsumeIntegralInRange(1, QDate(year, month, 1).daysInMonth());
    const std::string date = Digits(year, 4) + Digits(month, 2) + Digits(day, 2);
    Check(NormalizeDate(date) == date);
    const std::string shown = FormatDateText(date, 10);
    Check(shown == Digits(day, 2) + "/" + Digits(month, 2) + "/" + Digits(year, 4));
    Check(NormalizeDate(shown) == date);
    Check(DateToText(TextToDate(date)) == date);
    const std::string dd = Digits(day, 2), mm = Digits(month, 2), yyyy = Digits(year, 4);
    Check(FormatDateText(date, 5) == dd + "/" + mm);
    Check(FormatDateText(date, 6) == mm + "/" + yyyy.substr(2));
    Check(FormatDateText(date, 7) == mm + "/" + yyyy);
    Check(FormatDateText(date, 8) == dd + "/" + mm + "/" + yyyy.substr(2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int mode = Mode(input);
    if (input.ConsumeBool()) RealDate(input);
    AnyText(input.ConsumeRemainingBytesAsString(), mode);
    return 0;
}
