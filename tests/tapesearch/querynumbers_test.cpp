// The numbers a search text stands for: every form a number is typed or
// copied in, both readings of an ambiguous one, and texts that are no number.

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <random>
#include <vector>

#include "basic/numbertext.h"
#include "tapesearch/querynumbers.h"
#include "tapesearch/searchquery.h"
#include "tests/support/tablecases.h"

namespace {

struct NumberCase {
    const char* name;
    const char* typed;
    std::vector<double> numbers;
    friend std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }
};

class QueryNumbersTest : public testing::TestWithParam<NumberCase> {};

TEST_P(QueryNumbersTest, ReadsEveryFormOfANumber) {
    EXPECT_EQ(QueryNumbers(GetParam().typed), GetParam().numbers) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, QueryNumbersTest,
    testing::Values(NumberCase{"TypedComma", "1250,5", {1250.5}},
                    NumberCase{"DisplayForm", "1.250,50", {1250.5}},
                    NumberCase{"StoredPoint", "1250.50", {1250.5}},
                    NumberCase{"EnglishGrouping", "1,250.50", {1250.5}},
                    NumberCase{"Negative", "-12,5", {-12.5}},
                    NumberCase{"UnicodeMinusAndPlus", "\u22127", {-7}},
                    NumberCase{"BlanksAround", " \t42 \u00A0", {42}},
                    NumberCase{"BlankGroups", "1 250 000,5", {1250000.5}},
                    NumberCase{"NarrowNoBreakSpaceGroups", "1\u202F250,5", {1250.5}},
                    NumberCase{"ApostropheGroups", "1'250.5", {1250.5}},
                    NumberCase{"TwoGroupsOfPoints", "1.250.000", {1250000}},
                    NumberCase{"GroupsAndNoDecimals", "1.250,", {1250}},
                    NumberCase{"StartsWithSeparator", ",5", {0.5}},
                    NumberCase{"EndsWithSeparator", "12,", {12}},
                    NumberCase{"PointAmbiguous", "1.250", {1250, 1.25}},
                    NumberCase{"CommaAmbiguous", "-1,250", {-1250, -1.25}},
                    NumberCase{"NotThreeDigits", "12,5", {12.5}},
                    NumberCase{"FourDecimals", "1.2345", {1.2345}},
                    NumberCase{"LeadingZeroIsNoGroup", "0,250", {0.25}},
                    NumberCase{"ZeroGroupedDecimal", "1.250,000", {1250}},
                    NumberCase{"SameSeparatorTwiceWithDecimals", "1.250.5", {}},
                    NumberCase{"MixedGroups", "1.250,000.5", {}},
                    NumberCase{"BlankIsNoDecimal", "12 5", {}},
                    NumberCase{"TwoSeparatorsInARow", "1..5", {}}, NumberCase{"Letters", "12a", {}},
                    NumberCase{"SeparatorOnly", ",", {}}, NumberCase{"SignOnly", "-", {}},
                    NumberCase{"Empty", "", {}}),
    CaseName<NumberCase>);

// Whatever the value and the decimals, typing what the tape shows finds the
// row, in the region's form and in the stored form.
TEST(QueryNumbersShownTest, AValueIsFoundByTheTextTheTapeShowsItWith) {
    std::mt19937 random(24);
    std::uniform_real_distribution<double> magnitude(-3, 12);
    for (int i = 0; i < 3000; ++i) {
        const double value = std::pow(10.0, magnitude(random)) * (i % 2 ? -1 : 1);
        const auto decimals = static_cast<int32_t>(i % 7);
        const std::string shown = FormatNumber(value, decimals);
        if (shown.empty()) continue;  // a value that shows as zero shows nothing
        ASSERT_TRUE(TValueMatch(QueryNumbers(shown), decimals)(value))
            << value << " shown as " << shown << " at " << decimals << " decimals";
        const std::string stored = FloatToFixedText(value, decimals == 0 ? 2 : decimals);
        ASSERT_TRUE(TValueMatch(QueryNumbers(stored), decimals)(value))
            << value << " stored as " << stored << " at " << decimals << " decimals";
    }
}

// A region whose separators are neither points nor commas: its own decimal
// mark reads as one, its own grouping mark groups.
TEST(QueryNumbersRegionTest, ReadsTheRegionsOwnSeparators) {
    const QLocale catalan;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QLocale region;
    const std::string decimal = region.decimalPoint().toStdString();
    const std::string group = region.groupSeparator().toStdString();
    ASSERT_TRUE(decimal != "," && decimal != "." && group != "," && group != ".");
    EXPECT_EQ(QueryNumbers("1" + group + "250" + decimal + "5"), std::vector<double>{1250.5});
    EXPECT_EQ(QueryNumbers("12" + decimal + "5"), std::vector<double>{12.5});
    EXPECT_EQ(QueryNumbers("1.250,5"), std::vector<double>{1250.5});
    QLocale::setDefault(catalan);
}

}  // namespace
