// The tax and margin keys: the rows each one leaves on the tape.

#include <gtest/gtest.h>

#include <functional>

#include "calculator/extensionlines.h"
#include "calculator/vatrates.h"
#include "tests/calculator/tapescript.h"
#include "tests/support/tablecases.h"

namespace {

// The original list, as a settings file without a rate line holds it.
double VatRate(int index) {
    TVatRates rates;
    rates.ReadFrom(TExtensionLines(), TVatRates::TSource::SettingsFile);
    return rates.Rate(index);
}

TEST(MarginTypeTest, UnknownIndexCountsAsMarginOverSalePrice) {
    EXPECT_EQ(MarginTypeFromIndex(0), TMarginType::OverSalePrice);
    EXPECT_EQ(MarginTypeFromIndex(1), TMarginType::OverCost);
    EXPECT_EQ(MarginTypeFromIndex(2), TMarginType::Discount);
    EXPECT_EQ(MarginTypeFromIndex(3), TMarginType::OverSalePrice);
    EXPECT_EQ(MarginTypeFromIndex(-1), TMarginType::OverSalePrice);
}

struct KeyCase {
    const char* name;
    std::function<void(TTapeEngine&)> press;
    std::string tape;
    int32_t current;
    std::string subtotal;
    bool roundTotals = true;
    friend std::ostream& operator<<(std::ostream& os, const KeyCase& c) { return os << c.name; }
};

class VatMarginKeyTest : public TapeTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(VatMarginKeyTest, LeavesRowsOnTheTape) {
    const KeyCase& c = GetParam();
    engine.SetRoundTotals(c.roundTotals);
    c.press(engine);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(engine.SubtotalText(), c.subtotal);
}

auto AddTax(const char* entry, int index) {
    return [=](TTapeEngine& e) { e.AddTax(entry, VatRate(index)); };
}
auto TaxableBase(const char* entry, int index) {
    return [=](TTapeEngine& e) { e.TaxableBase(entry, VatRate(index)); };
}
auto TaxAmount(const char* entry, int index) {
    return [=](TTapeEngine& e) { e.TaxAmount(entry, VatRate(index)); };
}
auto AddMargin(const char* entry, double margin, TMarginType type) {
    return [=](TTapeEngine& e) { e.AddMargin(entry, margin, type); };
}
auto RemoveMargin(const char* entry, double margin, TMarginType type) {
    return [=](TTapeEngine& e) { e.RemoveMargin(entry, margin, type); };
}

INSTANTIATE_TEST_SUITE_P(
    Tax, VatMarginKeyTest,
    testing::Values(
        KeyCase{"AddTax", AddTax("100", 0), "100 +; 16 %; 16", 3, "116,00"},
        KeyCase{"TaxableBase", TaxableBase("116", 0), "116 /; 1.16 =; 100", 2, "100,00"},
        KeyCase{"TaxAmountWithSurcharge", TaxAmount("100", 6), "100 x; 20 %; 20", 3, "20,00"},
        KeyCase{"TaxableBaseUnroundedFactor", TaxableBase("116", 0), "116 /; 1.16 =; 100", 2,
                "100,00", false},
        // A factor that two decimals would change keeps its own digits.
        KeyCase{"TaxableBaseAtFiveAndAHalf", TaxableBase("105,5", 8), "105,5 /; 1.055 =; 100", 2,
                "100,00"},
        KeyCase{"TaxableBaseAtHalfPercent", TaxableBase("100,5", 5), "100,5 /; 1.005 =; 100", 2,
                "100,00"},
        KeyCase{"UnknownRateAddsNothing", AddTax("100", 9), "100 +; 0", 1, "100,00"}),
    CaseName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    Margin, VatMarginKeyTest,
    testing::Values(
        KeyCase{"AddMarginOverSalePrice", AddMargin("75", 25, TMarginType::OverSalePrice),
                "75 /; 0.75 =; 100", 2, "100,00"},
        KeyCase{"AddMarginOverCost", AddMargin("100", 10, TMarginType::OverCost), "100 +; 10 %; 10",
                3, "110,00"},
        KeyCase{"AddDiscount", AddMargin("90", 10, TMarginType::Discount), "90 /; 0.90 =; 100", 2,
                "100,00"},
        KeyCase{"RemoveMarginOverCost", RemoveMargin("100", 25, TMarginType::OverCost),
                "100 /; 1.25 =; 80", 2, "80,00"},
        KeyCase{"RemoveMarginOverSalePrice", RemoveMargin("100", 10, TMarginType::OverSalePrice),
                "100 -; 10 %; 10", 3, "90,00"},
        KeyCase{"RemoveDiscount", RemoveMargin("100", 10, TMarginType::Discount), "100 -; 10 %; 10",
                3, "90,00"},
        KeyCase{"MarginOfTwelveAndAHalf", AddMargin("87,5", 12.5, TMarginType::OverSalePrice),
                "87,5 /; 0.875 =; 100", 2, "100,00"},
        KeyCase{"FullMarginIsNoDivisor", AddMargin("50", 100, TMarginType::OverSalePrice),
                "50 /; 0.00", 1, "50,00"}),
    CaseName<KeyCase>);

TEST_F(TapeTest, FactorTextKeepsDigitsThatDecimalsWouldLose) {
    EXPECT_EQ(engine.FactorText(1.16), "1.16");
    EXPECT_EQ(engine.FactorText(0.9), "0.90");
    EXPECT_EQ(engine.FactorText(1.055), "1.055");
    EXPECT_EQ(engine.FactorText(0.875), "0.875");
    engine.SetDecimals(3);
    EXPECT_EQ(engine.FactorText(0.875), "0.875");
    engine.SetDecimals(0);
    EXPECT_EQ(engine.FactorText(1.16), "1.16");
    EXPECT_EQ(engine.FactorText(2), "2");
    engine.SetRoundTotals(false);
    EXPECT_EQ(engine.FactorText(0.9), "0.9");
}

// After a total, a price typed for the tax key starts its own calculation.
TEST_F(TapeTest, TaxKeyAfterTotalKeepsThePrice) {
    Play(engine, "12 + 5 =");
    engine.TaxableBase("116", VatRate(0));
    EXPECT_EQ(Tape(), "12 +; 5 =; 17; 116 /; 1.16 =; 100");
}

}  // namespace
