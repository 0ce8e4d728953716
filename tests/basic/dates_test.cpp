#include <gtest/gtest.h>

#include <QDate>
#include <cmath>
#include <limits>
#include <string>

#include "basic/dates.h"
#include "basic/platformerror.h"
#include "tests/support/floatvalues.h"
#include "tests/support/tablecases.h"

namespace {

// The date value of 1 January 2024.
constexpr TDateTime kNewYear2024 = 45292;

struct TextCase {
    const char* name;
    std::string text;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << c.name; }
};

class NormalizeDateTest : public testing::TestWithParam<TextCase> {};

TEST_P(NormalizeDateTest, GivesTheDateText) {
    const TextCase& c = GetParam();
    EXPECT_EQ(NormalizeDate(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NormalizeDateTest,
    testing::Values(TextCase{"DateText", "20240105", "20240105"},
                    TextCase{"Blanks", "  20240105 ", "20240105"},
                    TextCase{"LongForm", "31/12/2024", "20241231"},
                    // Two-digit years 20 to 99 are 19xx, also after slashes.
                    TextCase{"ShortForm", "31/12/24", "19241231"},
                    TextCase{"ShortFormThisCentury", "05/01/19", "20190105"},
                    TextCase{"SixDigitsThisCentury", "191231", "20191231"},
                    TextCase{"SixDigitsLastCentury", "201231", "19201231"},
                    TextCase{"SixDigitsYearZero", "000105", "20000105"},
                    TextCase{"HighestDate", "999999", "99999999"},
                    TextCase{"HighestDateText", "99999999", "99999999"},
                    TextCase{"DayZero", "20240100", "00000000"},
                    TextCase{"EmptyMask", "00/00/0000", "00000000"},
                    TextCase{"Empty", "", "00000000"}, TextCase{"OnlyBlanks", "     ", "00000000"},
                    TextCase{"LoneSeparatorIsHarmless", "1.,", "00000000"},
                    TextCase{"UnknownFormPassesThrough", "2024-01-05", "2024-01-05"},
                    TextCase{"LongTextIsCut", "20240105" + std::string(1000, 'x'), "00000000"}),
    CaseName<TextCase>);

struct ShownCase {
    const char* name;
    std::string text;
    int mode;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const ShownCase& c) { return os << c.name; }
};

class FormatDateTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(FormatDateTextTest, CutsTheDisplayForm) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(FormatDateText(c.text, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FormatDateTextTest,
    testing::Values(ShownCase{"DayMonthYear", "20240105", 10, "05/01/2024"},
                    ShownCase{"DayMonth", "20240105", 5, "05/01"},
                    ShownCase{"MonthShortYear", "20240105", 6, "01/24"},
                    ShownCase{"MonthYear", "20240105", 7, "01/2024"},
                    ShownCase{"ShortYear", "20240105", 8, "05/01/24"},
                    ShownCase{"UnknownModeIsShortYear", "20240105", 3, "05/01/24"},
                    ShownCase{"FromDisplayForm", "05/01/2024", 10, "05/01/2024"},
                    ShownCase{"FromSixDigits", "190105", 10, "05/01/2019"},
                    ShownCase{"EmptyDate", "00000000", 10, "          "},
                    ShownCase{"EmptyText", "", 8, "        "},
                    ShownCase{"HighestDate", "99999999", 5, "     "},
                    ShownCase{"HighestDateLong", "99999999", 10, "          "},
                    ShownCase{"NegativeModeBlanks", "", -3, ""},
                    ShownCase{"GarbageStaysHarmless", ".a20240105", 10, "01/24/.a20"}),
    CaseName<ShownCase>);

TEST(TextToDateTest, GivesThePlatformDateValue) {
    EXPECT_EQ(TextToDate("20240101"), kNewYear2024);
    EXPECT_EQ(TextToDate("01/01/2024"), kNewYear2024);
    EXPECT_EQ(TextToDate("240101"), 0.0 + QDate(1899, 12, 30).daysTo(QDate(1924, 1, 1)));
    EXPECT_EQ(TextToDate("18991230"), 0);
    EXPECT_EQ(TextToDate("18991229"), -1);
    EXPECT_EQ(TextToDate("20240229"), kNewYear2024 + 59);
    // A text whose number is 0 is no date at all.
    EXPECT_EQ(TextToDate("00000000"), 0);
    EXPECT_EQ(TextToDate("00/00/0000"), 0);
    EXPECT_EQ(TextToDate(""), 0);
    EXPECT_EQ(TextToDate("abc"), 0);
}

TEST(TextToDateTest, RejectsImpossibleDates) {
    for (const char* text : {"20241301", "20240100", "20230229", "20240230", "30/02/2024",
                             "99999999", "2024-01-05", "1"}) {
        EXPECT_THROW(TextToDate(text), PlatformError) << text;
    }
    try {
        TextToDate("31/04/2024");
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "'31/04/2024' is not a valid date");
    }
}

TEST(DateToTextTest, WritesTheDayOfTheValue) {
    EXPECT_EQ(DateToText(kNewYear2024), "20240101");
    EXPECT_EQ(DateToText(kNewYear2024 + 0.75), "20240101");
    EXPECT_EQ(DateToText(0), "18991230");
    EXPECT_EQ(DateToText(-1.5), "18991229");
    EXPECT_EQ(DateToText(2958465), "99991231");
    EXPECT_EQ(DateToText(-693593), "00010101");
    // No date of the years 1 to 9999: the empty date.
    EXPECT_EQ(DateToText(2958466), "00000000");
    EXPECT_EQ(DateToText(-693594), "00000000");
    EXPECT_EQ(DateToText(1e300), "00000000");
    EXPECT_EQ(DateToText(kNaN), "00000000");
    EXPECT_EQ(DateToText(-kInf), "00000000");
}

TEST(DateToTextTest, RoundTripsThroughTextToDate) {
    for (TDateTime value = -693593; value <= 2958465; value += 97) {
        ASSERT_EQ(TextToDate(DateToText(value)), value);
    }
    EXPECT_EQ(DateToText(TodayDateValue()),
              QDate::currentDate().toString("yyyyMMdd").toStdString());
}

class TimeToSecondsTest : public testing::TestWithParam<TextCase> {};

TEST_P(TimeToSecondsTest, CountsSeconds) {
    const TextCase& c = GetParam();
    EXPECT_EQ(TimeToSeconds(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Times, TimeToSecondsTest,
                         testing::Values(TextCase{"HoursMinutes", "1:30", "5400"},
                                         TextCase{"WithSeconds", "0:01:05", "65"},
                                         TextCase{"AlreadySeconds", "75", "75"},
                                         TextCase{"OneMinuteDigit", "10:5", "36300"},
                                         TextCase{"EmptySeconds", "1:30:", "5400"},
                                         TextCase{"LoneColon", ":", "0"},
                                         TextCase{"NoOverflow", "100000000:00", "360000000000"}),
                         CaseName<TextCase>);

class FormatTimeTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(FormatTimeTextTest, WritesTheTimeField) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(FormatTimeText(c.text, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, FormatTimeTextTest,
                         testing::Values(ShownCase{"HoursMinutes", "5400", 5, "01:30"},
                                         ShownCase{"WithSeconds", "5400", 8, "01:30:00"},
                                         ShownCase{"Seconds", "3725", 8, "01:02:05"},
                                         ShownCase{"ThreeHourPlaces", "5400", 6, "  1:30"},
                                         ShownCase{"FourHourPlaces", "5400", 7, "   1:30"},
                                         ShownCase{"SixHourPlaces", "5400", 9, "     1:30"},
                                         ShownCase{"NegativeMode", "5400", -5, "01:30"},
                                         ShownCase{"FromTimeText", "1:30", 5, "01:30"},
                                         ShownCase{"LastTwoHourDigits", "360000", 5, "00:00"},
                                         ShownCase{"ZeroIsBlank", "0", 5, "     "},
                                         ShownCase{"EmptyIsBlank", "", 8, "        "},
                                         ShownCase{"ZeroNegativeMode", "0", -5, ""}),
                         CaseName<ShownCase>);

}  // namespace
