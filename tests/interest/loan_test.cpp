#include <gtest/gtest.h>

#include "interest/loan.h"
#include "tests/interest/exampleloan.h"
#include "tests/support/tablecases.h"

namespace {

struct LoanCase {
    const char* name;
    double capital;
    double rate;
    double months;
    double quota;
    double interessos;
    friend std::ostream& operator<<(std::ostream& os, const LoanCase& c) { return os << c.name; }
};

class LoanTest : public testing::TestWithParam<LoanCase> {};

TEST_P(LoanTest, GivesTheRoundedInstalmentAndTheTotalInterest) {
    const LoanCase& c = GetParam();
    const TLoanResult result = ComputeLoan(c.capital, c.rate, c.months);
    EXPECT_DOUBLE_EQ(result.Quota, c.quota);
    EXPECT_DOUBLE_EQ(result.Interessos, c.interessos);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanTest,
    testing::Values(
        LoanCase{"MillionAt5Over12Months", kMillion, 5, 12, 8560748.18, 2728978.16},
        LoanCase{"MillionAt4Point5Over12Months", kMillion, 4.5, 12, 8537852.16, 2454225.92},
        LoanCase{"RateZeroIsNotComputed", kMillion, 0, 12, 0, 0},
        LoanCase{"NoMonthsNoInstalment", kMillion, 5, 0, 0, 0},
        LoanCase{"NoCapitalNoInstalment", 0, 5, 12, 0, 0},
        // The fraction enters the formula and the total interest.
        LoanCase{"TwelveAndAHalfMonths", kMillion, 5, 12.5, 8226793.06, 2834913.25},
        LoanCase{"OneMonthRepaysCapitalAndOneMonthsInterest", kMillion, 6, 1, 100500000, 500000}),
    CaseName<LoanCase>);

TEST(Payment, IsCarriedInExtendedPrecisionBeforeRounding) {
    EXPECT_NEAR(Payment(kMillion, 5, 12), 8560748.178, 0.001);
    // 8560748.175 would round to .18 with a 5 going up: the exact value decides.
    EXPECT_DOUBLE_EQ(ComputeLoan(kMillion, 5, 12).Quota, 8560748.18);
}

TEST(Payment, OfAnAbsurdRateOrTermGivesNoInstalmentRatherThanAFailure) {
    // A rate so small that 1 + r is 1 divides by zero: the infinity is no
    // instalment once written and read back.
    EXPECT_EQ(ComputeLoan(kMillion, 1e-300, 12).Quota, 0);
    EXPECT_EQ(ComputeLoan(kMillion, -1200, 12).Quota, 0);
    // No term or no rate: the formula itself gives 0, not an infinity that
    // only the rounding of the caller would hide.
    EXPECT_EQ(Payment(kMillion, 5, 0), 0);
    EXPECT_EQ(Payment(kMillion, 0, 12), 0);
}

TEST(CompareLoans, GivesLoan2MinusLoan1OnlyWhenBothHaveAnInstalment) {
    const TLoanResult at5 = ComputeLoan(kMillion, 5, 12);
    const TLoanResult at45 = ComputeLoan(kMillion, 4.5, 12);
    const TLoanDifference cheaper = CompareLoans(at5, at45);
    EXPECT_DOUBLE_EQ(cheaper.Quota, -22896.02);
    EXPECT_DOUBLE_EQ(cheaper.Interessos, -274752.24);
    EXPECT_TRUE(cheaper.Favourable());

    const TLoanDifference dearer = CompareLoans(at45, at5);
    EXPECT_DOUBLE_EQ(dearer.Quota, 22896.02);
    EXPECT_FALSE(dearer.Favourable());
    EXPECT_FALSE(CompareLoans(at5, at5).Favourable()) << "no difference counts as dearer";

    const TLoanDifference onlyOne = CompareLoans(at5, TLoanResult{});
    EXPECT_EQ(onlyOne.Quota, 0);
    EXPECT_EQ(onlyOne.Interessos, 0);
    EXPECT_FALSE(onlyOne.Favourable());
}

}  // namespace
