#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "basic/dates.h"
#include "interest/amortcells.h"
#include "interest/amortization.h"
#include "interest/loan.h"
#include "tests/interest/exampleloan.h"

namespace {

using Cells = std::array<std::string, kAmortColumns>;

std::vector<TAmortRow> Table(double capital, double rate, double months, const char* start) {
    const double quota = ComputeLoan(capital, rate, months).Quota;
    return AmortizationTable(capital, rate, quota, static_cast<int32_t>(months), TextToDate(start));
}

TEST(AmortizationTable, ListsTheExampleLoanToTheCent) {
    const auto rows = Table(kMillion, 5, 12, "20240315");
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(AmortRowCells(rows.front()),
              (Cells{"", "1", "1", "20240415", "8144081.18", "8144081.18", "416667", "416667",
                     "91855918.82"}));
    EXPECT_EQ(AmortRowCells(rows.back()), (Cells{"", "12", "1", "20250315", "8525226.02",
                                                 "100000000", "35522", "2728978", "0"}));
}

TEST(AmortizationTable, RoundsEachInterestToAWholeHundredthHalvesUp) {
    // 1000 hundredths at 6 %: 5 hundredths a month; 1100 at 6 %: 5.5 goes up.
    EXPECT_EQ(Table(1000, 6, 1, "20240101").front().Interes, 5);
    EXPECT_EQ(Table(1100, 6, 1, "20240101").front().Interes, 6);
    for (const TAmortRow& row : Table(kMillion, 7.3, 36, "20240101"))
        EXPECT_EQ(row.Interes, std::trunc(row.Interes)) << "instalment " << row.Quota;
}

TEST(AmortizationTable, LastInstalmentClearsTheBalanceAndTheCapitalAddsUp) {
    const auto rows = Table(12'345'678, 9.75, 240, "20240101");
    ASSERT_EQ(rows.size(), 240u);
    EXPECT_EQ(AmortRowCells(rows.back())[acSaldo], "0");
    EXPECT_EQ(AmortRowCells(rows.back())[acAcumCap], "12345678");
    const double repaid =
        std::accumulate(rows.begin(), rows.end(), 0.0,
                        [](double sum, const TAmortRow& r) { return sum + r.Capital; });
    EXPECT_NEAR(repaid, 12'345'678, 1e-4);
    EXPECT_EQ(rows[12].Any, 2);
    EXPECT_EQ(rows[239].Any, 20);
}

TEST(AmortizationTable, AtZeroRateOnlyTheLastInstalmentRepays) {
    const auto rows = Table(kMillion, 0, 3, "20240101");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Capital, 0);
    EXPECT_EQ(rows[0].Saldo, kMillion);
    EXPECT_EQ(rows[1].Capital, 0);
    EXPECT_EQ(rows[2].Capital, kMillion);
    EXPECT_EQ(rows[2].Saldo, 0);
}

TEST(AmortizationTable, NoMonthsNoRowsAndAFractionOfAMonthIsDropped) {
    EXPECT_TRUE(Table(kMillion, 5, 0, "20240101").empty());
    EXPECT_TRUE(AmortizationTable(kMillion, 5, 1000, -3, TextToDate("20240101")).empty());
    const auto rows = Table(kMillion, 5, 12.5, "20240101");
    ASSERT_EQ(rows.size(), 12u);
    // The instalment of 12.5 months is smaller: the twelfth makes up the rest.
    EXPECT_EQ(AmortRowCells(rows.back())[acSaldo], "0");
    EXPECT_GT(rows.back().Capital + rows.back().Interes, 1.04 * 8226793.06);
}

TEST(AmortizationTable, AMistypedTermListsOnlyAThousandYears) {
    const auto rows = AmortizationTable(kMillion, 5, 416667, 99'999'999, TextToDate("20240101"));
    ASSERT_EQ(rows.size(), static_cast<size_t>(kMaxInstalments));
    EXPECT_EQ(rows.back().Quota, kMaxInstalments);
    EXPECT_EQ(rows.back().Any, 1000);
    // The table is cut, not the loan: the last listed instalment is an
    // ordinary one (here all interest), and the capital is still owed.
    EXPECT_EQ(rows.back().Capital, 0);
    EXPECT_EQ(rows.back().Saldo, kMillion);
}

}  // namespace
