// The tax and margin keys: the rows each one leaves on the tape.

#include <gtest/gtest.h>

#include <functional>

#include "tape/taxkeys.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapescript.h"

namespace {

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
    StartWith(engine, {.roundTotals = c.roundTotals});
    c.press(engine);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(engine.SubtotalText(), c.subtotal);
}

// The number typed, then the key.
auto Typed(const char* entry, std::function<void(TTapeEngine&)> key) {
    return [=](TTapeEngine& e) {
        e.SetEntryText(entry);
        key(e);
    };
}
auto WithTax(const char* entry, void (*key)(TTapeEngine&, double), double rate) {
    return Typed(entry, [=](TTapeEngine& e) { key(e, rate); });
}
auto WithMargin(const char* entry, void (*key)(TTapeEngine&, double, TMarginType), double margin,
                TMarginType type) {
    return Typed(entry, [=](TTapeEngine& e) { key(e, margin, type); });
}

INSTANTIATE_TEST_SUITE_P(
    Tax, VatMarginKeyTest,
    testing::Values(
        KeyCase{"AddTax", WithTax("100", AddTax, 16), "100 +; 16 %; 16", 3, "116,00"},
        KeyCase{"TaxableBase", WithTax("116", TaxableBase, 16), "116 /; 1.16 =; 100", 2, "100,00"},
        KeyCase{"TaxAmountWithSurcharge", WithTax("100", TaxAmount, 20), "100 x; 20 %; 20", 3,
                "20,00"},
        KeyCase{"TaxableBaseUnroundedFactor", WithTax("116", TaxableBase, 16), "116 /; 1.16 =; 100",
                2, "100,00", false},
        // A factor that two decimals would change keeps its own digits.
        KeyCase{"TaxableBaseAtFiveAndAHalf", WithTax("105,5", TaxableBase, 5.5),
                "105,5 /; 1.055 =; 100", 2, "100,00"},
        KeyCase{"TaxableBaseAtHalfPercent", WithTax("100,5", TaxableBase, 0.5),
                "100,5 /; 1.005 =; 100", 2, "100,00"},
        KeyCase{"UnknownRateAddsNothing", WithTax("100", AddTax, 0), "100 +; 0", 1, "100,00"}),
    CaseName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    Margin, VatMarginKeyTest,
    testing::Values(
        KeyCase{"AddMarginOverSalePrice",
                WithMargin("75", AddMargin, 25, TMarginType::OverSalePrice), "75 /; 0.75 =; 100", 2,
                "100,00"},
        KeyCase{"AddMarginOverCost", WithMargin("100", AddMargin, 10, TMarginType::OverCost),
                "100 +; 10 %; 10", 3, "110,00"},
        KeyCase{"AddDiscount", WithMargin("90", AddMargin, 10, TMarginType::Discount),
                "90 /; 0.90 =; 100", 2, "100,00"},
        KeyCase{"RemoveMarginOverCost", WithMargin("100", RemoveMargin, 25, TMarginType::OverCost),
                "100 /; 1.25 =; 80", 2, "80,00"},
        KeyCase{"RemoveMarginOverSalePrice",
                WithMargin("100", RemoveMargin, 10, TMarginType::OverSalePrice), "100 -; 10 %; 10",
                3, "90,00"},
        KeyCase{"RemoveDiscount", WithMargin("100", RemoveMargin, 10, TMarginType::Discount),
                "100 -; 10 %; 10", 3, "90,00"},
        KeyCase{"MarginOfTwelveAndAHalf",
                WithMargin("87,5", AddMargin, 12.5, TMarginType::OverSalePrice),
                "87,5 /; 0.875 =; 100", 2, "100,00"},
        KeyCase{"FullMarginIsNoDivisor",
                WithMargin("50", AddMargin, 100, TMarginType::OverSalePrice), "50 /; 0.00", 1,
                "50,00"}),
    CaseName<KeyCase>);

TEST(FactorTextTest, KeepsDigitsThatDecimalsWouldLose) {
    EXPECT_EQ(FactorText({}, 1.16), "1.16");
    EXPECT_EQ(FactorText({}, 0.9), "0.90");
    EXPECT_EQ(FactorText({}, 1.055), "1.055");
    EXPECT_EQ(FactorText({}, 0.875), "0.875");
    EXPECT_EQ(FactorText({.decimals = 3}, 0.875), "0.875");
    EXPECT_EQ(FactorText({.decimals = 0}, 1.16), "1.16");
    EXPECT_EQ(FactorText({.decimals = 0}, 2), "2");
    EXPECT_EQ(FactorText({.decimals = 0, .roundTotals = false}, 0.9), "0.9");
}

// After a total, a price typed for the tax key starts its own calculation.
TEST_F(TapeTest, TaxKeyAfterTotalKeepsThePrice) {
    PlayKeys(engine, "12 + 5 = 116");
    TaxableBase(engine, 16);
    EXPECT_EQ(Tape(), "12 +; 5 =; 17; 116 /; 1.16 =; 100");
}

}  // namespace
