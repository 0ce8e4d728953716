#include <gtest/gtest.h>

#include <QDate>
#include <limits>
#include <string>

#include "basic/dates.h"
#include "basic/tdata.h"
#include "tests/support/tablecases.h"

namespace {

TData DateOf(const std::string& text) {
    TData date;
    date.SetDateValue(TextToDate(text));
    return date;
}

TEST(TDataTest, StartsEmpty) {
    TData date;
    EXPECT_EQ(date.Text(), "00000000");
    date.SetDayNumber(0);
    EXPECT_EQ(date.Text(), "00000000");
    EXPECT_EQ(date.Month(), 0);
    date.SetDateValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(date.Text(), "00000000");
    date.SetDateValue(1e300);
    EXPECT_EQ(date.Text(), "00000000");
}

TEST(TDataTest, ReadsDateValues) {
    TData date;
    date.SetDateValue(45292);  // 1 January 2024
    EXPECT_EQ(date.Text(), "20240101");
    EXPECT_EQ(date.DayOfWeek(), 1);
    date.SetDateValue(45292.9);
    EXPECT_EQ(date.Text(), "20240101");
    date.SetDateValue(61);  // 1 March 1900, where the two calendars meet
    EXPECT_EQ(date.Text(), "19000301");
}

// From 1 March 1900 to 28 February 2100 the day-number calendar is the
// platform's; outside that span the missing century rule parts them.
TEST(TDataTest, AgreesWithThePlatformCalendar) {
    const QDate origin(1899, 12, 30);
    TData date;
    for (int value = 61; value <= 73109; ++value) {
        date.SetDateValue(value);
        const QDate expected = origin.addDays(value);
        ASSERT_EQ(date.Text(), expected.toString("yyyyMMdd").toStdString()) << value;
        ASSERT_EQ(date.DayOfWeek(), expected.dayOfWeek()) << value;
    }
}

TEST(TDataTest, DayNumbersRoundTrip) {
    TData date;
    for (int number = 366; number <= 3660000; number += 3) {  // years 1 to about 10000
        date.SetDayNumber(number);
        ASSERT_EQ(date.DayNumber(), number) << date.Text();
        ASSERT_GE(date.Day(), 1) << number;
        ASSERT_LE(date.Day(), date.DaysInMonth(date.Month())) << number;
    }
}

TEST(TDataTest, CountsLeapYearsWithoutCenturyRule) {
    const TData date2024 = DateOf("20240101");
    EXPECT_EQ(date2024.DaysInMonth(2), 29);
    EXPECT_EQ(date2024.DaysInMonth(4), 30);
    EXPECT_EQ(date2024.DaysInMonth(0), 31);
    EXPECT_EQ(date2024.DaysInMonth(13), 31);
    EXPECT_EQ(DateOf("20230101").DaysInMonth(2), 28);
    EXPECT_EQ(DateOf("21000101").DaysInMonth(2), 29);
}

struct MonthsCase {
    const char* name;
    std::string from;
    int months;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const MonthsCase& c) { return os << c.name; }
};

class AddMonthsTest : public testing::TestWithParam<MonthsCase> {};

TEST_P(AddMonthsTest, MovesByWholeMonths) {
    const MonthsCase& c = GetParam();
    TData date = DateOf(c.from);
    EXPECT_EQ(date.AddMonths(c.months), c.expected);
    EXPECT_EQ(date.Text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, AddMonthsTest,
    testing::Values(MonthsCase{"ToLeapFebruary", "20240131", 1, "20240229"},
                    MonthsCase{"ToShortFebruary", "20230131", 1, "20230228"},
                    MonthsCase{"OneYear", "20240315", 12, "20250315"},
                    MonthsCase{"OverYearEnd", "20241231", 2, "20250228"},
                    MonthsCase{"Nothing", "20240515", 0, "20240515"},
                    MonthsCase{"BackOne", "20240331", -1, "20240229"},
                    MonthsCase{"BackOverYearStart", "20240115", -1, "20231215"},
                    MonthsCase{"BackOneYear", "20241215", -12, "20231215"},
                    MonthsCase{"BackMoreThanAYear", "20240115", -13, "20221215"},
                    MonthsCase{"BackTwoYearsAndMore", "20240115", -26, "20211115"},
                    MonthsCase{"NoCenturyRule", "21000131", 1, "21000229"}),
    CaseName<MonthsCase>);

TEST(AddMonthsTest, KeepsToTheStartDateDay) {
    // Each due date of a loan is counted from the start date.
    TData date = DateOf("20240131");
    EXPECT_EQ(date.AddMonths(1), "20240229");
    EXPECT_EQ(DateOf("20240131").AddMonths(2), "20240331");
    TData far = DateOf("20240115");
    far.AddMonths(std::numeric_limits<int>::max());
    EXPECT_GE(far.Month(), 1);
    EXPECT_LE(far.Month(), 12);
}

struct PeriodCase {
    const char* name;
    std::string from;
    char letter;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const PeriodCase& c) { return os << c.name; }
};

class ApplyPeriodLetterTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(ApplyPeriodLetterTest, SnapsToThePeriodStart) {
    const PeriodCase& c = GetParam();
    TData date = DateOf(c.from);
    date.ApplyPeriodLetter(c.letter);
    EXPECT_EQ(date.Text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Letters, ApplyPeriodLetterTest,
                         testing::Values(PeriodCase{"Day", "20240517", 'D', "20240517"},
                                         PeriodCase{"Month", "20240517", 'M', "20240501"},
                                         PeriodCase{"Quarter", "20240517", 'T', "20240401"},
                                         PeriodCase{"LastQuarter", "20241231", 'T', "20241001"},
                                         PeriodCase{"Year", "20240517", 'A', "20240101"},
                                         PeriodCase{"WeekFromSunday", "20240107", 'S', "20240101"},
                                         PeriodCase{"WeekFromMonday", "20240101", 'S', "20240101"},
                                         PeriodCase{"WeekOverYearStart", "20250102", 'S',
                                                    "20241230"},
                                         PeriodCase{"LowerCase", "20240517", 'm', "20240501"},
                                         PeriodCase{"UnknownLetter", "20240517", 'X', "20240517"}),
                         CaseName<PeriodCase>);

}  // namespace
