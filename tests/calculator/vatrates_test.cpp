// The tax-rate list and the extension line that keeps an edited one: what
// is written, what is read back, what is refused and kept.

#include <gtest/gtest.h>

#include "calculator/vatrates.h"
#include "tests/calculator/extensionlinesfile.h"
#include "tests/support/tablecases.h"

namespace {

const std::string kInForceLine =
    "21%:21;10%:10;4%:4;5.2% Re:5.2;1.4% Re:1.4;0.5% Re:0.5;26.2% (21%+5.2%):26.2;"
    "11.4% (10%+1.4%):11.4;4.5% (4%+0.5%):4.5";

struct StartCase {
    const char* name;
    TVatRates::TSource source;
    std::vector<std::string> extensions;
    bool inForce;  // otherwise the original list
    std::vector<std::string> written;
    friend std::ostream& operator<<(std::ostream& os, const StartCase& c) { return os << c.name; }
};

class StartListTest : public testing::TestWithParam<StartCase> {};

// A new user computes at the rates in force, kept on the line from then on;
// a file of an earlier start keeps the list it was written with, and a file
// without the line writes none.
TEST_P(StartListTest, AStartGetsTheListItsFileHolds) {
    const StartCase& c = GetParam();
    TExtensionLines lines = Extensions(c.extensions);
    TVatRates rates;
    rates.ReadFrom(lines, c.source);
    TVatRates expected;
    expected.Fill(c.inForce ? kVatItemsInForce : kOriginalVatItems);
    EXPECT_EQ(rates.Slots(), expected.Slots());
    EXPECT_EQ(rates.Rate(0), c.inForce ? 21 : 16);
    ASSERT_TRUE(rates.WriteTo(lines));
    EXPECT_EQ(Written(lines), c.written);
}

INSTANTIATE_TEST_SUITE_P(Starts, StartListTest,
                         testing::Values(StartCase{"NoSettingsFile",
                                                   TVatRates::TSource::NoSettingsFile,
                                                   {},
                                                   true,
                                                   {"ives=" + kInForceLine}},
                                         StartCase{"FileWithoutTheLine",
                                                   TVatRates::TSource::SettingsFile,
                                                   {"finestra=400x500"},
                                                   false,
                                                   {"finestra=400x500"}},
                                         StartCase{"FileWithTheRatesInForce",
                                                   TVatRates::TSource::SettingsFile,
                                                   {"", "ives=" + kInForceLine},
                                                   true,
                                                   {"", "ives=" + kInForceLine}}),
                         CaseName<StartCase>);

struct StoredCase {
    const char* name;
    std::string value;
    friend std::ostream& operator<<(std::ostream& os, const StoredCase& c) { return os << c.name; }
};

class RefusedLineTest : public testing::TestWithParam<StoredCase> {};

// A line that cannot be read leaves the original list, says why, and is
// written back as it was read.
TEST_P(RefusedLineTest, KeepsTheOriginalListAndTheLine) {
    const std::string& value = GetParam().value;
    TExtensionLines lines = Extensions({"", "ives=" + value});
    TVatRates rates;
    rates.Fill(kVatItemsInForce);
    rates.ReadFrom(lines, TVatRates::TSource::SettingsFile);
    EXPECT_TRUE(rates.IsOriginal());
    EXPECT_FALSE(rates.Refusal().empty());
    ASSERT_TRUE(rates.WriteTo(lines));
    EXPECT_EQ(Written(lines), (std::vector<std::string>{"", "ives=" + value}));
}

std::string Replaced(const std::string& from, const std::string& to) {
    std::string line = kInForceLine;
    return line.replace(line.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedLineTest,
    testing::Values(StoredCase{"Empty", ""}, StoredCase{"EightSlots", Replaced(";4%:4", "")},
                    StoredCase{"SemicolonInText", Replaced("4% Re", "4;Re")},
                    StoredCase{"TrailingSemicolon", kInForceLine + ";"},
                    StoredCase{"NoColon", Replaced("21%:21", "21%")},
                    StoredCase{"ColonInText", Replaced("21%:", "IVA: 21%:")},
                    StoredCase{"DecimalComma", Replaced(":5.2", ":5,2")},
                    StoredCase{"NoRate", Replaced(":21;", ":;")},
                    StoredCase{"Letters", Replaced(":21;", ":vint;")},
                    StoredCase{"Exponent", Replaced(":10;", ":1e1;")},
                    StoredCase{"Blank", Replaced(":10;", ": 10;")},
                    StoredCase{"AboveHundred", Replaced(":21;", ":100.01;")},
                    StoredCase{"Negative", Replaced(":21;", ":-21;")},
                    StoredCase{"ThreeDecimals", Replaced(":5.2;", ":5.125;")},
                    StoredCase{"Huge", Replaced(":21;", ":99999999999999999999;")}),
    CaseName<StoredCase>);

TEST(VatRatesTest, RatesAreReadDigitByDigit) {
    TVatRates rates;
    rates.ReadFrom(Extensions({"ives=:0021.50;a:0;b:100;c:5.20;d:0.05;e:1;f:1;g:1;h:1"}),
                   TVatRates::TSource::SettingsFile);
    ASSERT_TRUE(rates.Refusal().empty()) << rates.Refusal();
    EXPECT_EQ(rates.Slots()[0], (TVatSlot{"", 2150}));
    const int32_t expected[] = {0, 10000, 520, 5};
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(rates.Slots()[static_cast<size_t>(slot)].hundredths, expected[slot - 1]);
}

// Only a change replaces a refused line: opening the editor and accepting
// the list as it is keeps what the user wrote.
TEST(VatRatesTest, AdoptingAChangeReplacesARefusedLine) {
    TExtensionLines lines = Extensions({"ives=bad"});
    TVatRates rates;
    rates.ReadFrom(lines, TVatRates::TSource::SettingsFile);
    TVatRates edited = rates;
    rates.Adopt(edited);
    rates.WriteTo(lines);
    EXPECT_EQ(lines.Value("ives"), "bad");

    ASSERT_TRUE(edited.SetRate(0, 2100));
    EXPECT_FALSE(edited.SetRate(1, 10001));
    EXPECT_FALSE(edited.SetRate(1, -1));
    for (const char* text : {"a;b", "a:b", "a\nb", "a\rb"})
        EXPECT_FALSE(edited.SetText(1, text));
    ASSERT_TRUE(edited.SetText(1, "IVA reduït"));
    rates.Adopt(edited);
    EXPECT_TRUE(rates.Refusal().empty());
    rates.WriteTo(lines);
    EXPECT_EQ(lines.Value("ives"),
              "16%:21;IVA reduït:7;4%:4;4% Re:4;1% Re:1;0.5% Re:0.5;20% (16%+4%):20;"
              "8% (7%+1%):8;5.5% (4%+0.5%):5.5");
}

}  // namespace
