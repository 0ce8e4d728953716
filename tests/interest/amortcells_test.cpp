#include <gtest/gtest.h>

#include <map>
#include <set>

#include "basic/dates.h"
#include "interest/amortcells.h"
#include "interest/loan.h"
#include "tests/support/tablecases.h"

namespace {

// The cells of a table as the grid holds them: titles, totals, instalments.
class TableCells {
public:
    explicit TableCells(const std::vector<TAmortRow>& rows) {
        for (int32_t col = 0; col < kAmortColumns; ++col)
            cells_[{kAmortTitleRow, col}] = kAmortTitles[static_cast<size_t>(col)];
        for (const TAmortRow& row : rows) {
            const auto texts = AmortRowCells(row);
            for (int32_t col = 0; col < kAmortColumns; ++col)
                cells_[{row.Quota + 1, col}] = texts[static_cast<size_t>(col)];
        }
        used_ = static_cast<int32_t>(rows.size());
    }

    int32_t Used() const { return used_; }
    TCellReader Reader() const {
        return [this](int32_t row, int32_t col) {
            const auto found = cells_.find({row, col});
            return found == cells_.end() ? std::string() : found->second;
        };
    }

private:
    std::map<std::pair<int32_t, int32_t>, std::string> cells_;
    int32_t used_ = 0;
};

std::vector<TAmortRow> ExampleTable() {
    return AmortizationTable(100'000'000, 5, 8560748.18, 12, TextToDate("20240315"));
}

struct DisplayCase {
    const char* name;
    int32_t col;
    int32_t row;
    std::string cell;
    std::string shown;
    friend std::ostream& operator<<(std::ostream& os, const DisplayCase& c) { return os << c.name; }
};

class AmortDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(AmortDisplayTest, ShowsTheCellInTheFormOfItsColumn) {
    const DisplayCase& c = GetParam();
    EXPECT_EQ(AmortDisplayText(c.col, c.row, c.cell), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, AmortDisplayTest,
    testing::Values(DisplayCase{"TitleUnformatted", acCapital, 0, "Capital", "Capital"},
                    DisplayCase{"DateTitleUnformatted", acData, 0, "Data", "Data"},
                    DisplayCase{"InstalmentNumber", acQuota, 2, "1200", "1.200"},
                    DisplayCase{"Year", acAny, 2, "1", "1"},
                    DisplayCase{"DueDate", acData, 2, "20240415", "15/04/2024"},
                    DisplayCase{"AmountInUnits", acSaldo, 2, "91855918.82", "918.559,19"},
                    DisplayCase{"WholeHundredths", acInteres, 2, "416667", "4.166,67"},
                    DisplayCase{"ZeroAmountIsEmpty", acSaldo, 13, "0", ""},
                    DisplayCase{"TotalsRowFormatted", acCapital, 1, "16288162.36", "162.881,62"},
                    DisplayCase{"EmptyTotalsCell", acQuota, 1, "", ""}),
    CaseName<DisplayCase>);

TEST(AmortClipboardText, BeginsWithTheTitlesAndGivesAmountsWithADecimalComma) {
    const TableCells cells(ExampleTable());
    const std::string text = AmortClipboardText(cells.Used(), cells.Reader());
    const std::string header = "Quota\tAny\tData\tCapital\tAcum Cap\tInterès\tAcum Int\tSaldo\r\n";
    const std::string first =
        "1\t1\t15/04/2024\t81440,81\t81440,81\t4166,67\t4166,67\t918559,19\r\n";
    ASSERT_GE(text.size(), header.size() + first.size());
    EXPECT_EQ(text.substr(0, header.size() + first.size()), header + first);
    EXPECT_TRUE(
        text.ends_with("12\t1\t15/03/2025\t85252,26\t1000000,00\t355,22\t27289,78\t0,00\r\n"))
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13) << "no totals line";
}

TEST(AmortClipboardText, OfAnEmptyTableIsTheTitleLineAlone) {
    const TableCells cells({});
    EXPECT_EQ(AmortClipboardText(cells.Used(), cells.Reader()),
              "Quota\tAny\tData\tCapital\tAcum Cap\tInterès\tAcum Int\tSaldo\r\n");
}

TEST(SelectedTotals, AddCapitalAndInterestOfTheSelectedInstalmentsOnly) {
    const TableCells cells(ExampleTable());
    const std::set<int32_t> selected = {2, 3};
    const TAmortTotals totals = SelectedTotals(
        cells.Used(), [&](int32_t row) { return selected.contains(row); }, cells.Reader());
    EXPECT_DOUBLE_EQ(totals.Capital, 8144081.18 + 8178015.18);
    EXPECT_DOUBLE_EQ(totals.Interes, 416667 + 382733);

    const TAmortTotals none = SelectedTotals(
        cells.Used(), [](int32_t) { return false; }, cells.Reader());
    EXPECT_EQ(none.Capital, 0);
    EXPECT_EQ(none.Interes, 0);
}

TEST(SelectedTotals, IgnoreSelectedRowsPastTheTable) {
    const TableCells cells(ExampleTable());
    const TAmortTotals totals = SelectedTotals(
        cells.Used(), [](int32_t row) { return row == 14 || row == 1; }, cells.Reader());
    EXPECT_EQ(totals.Capital, 0);
}

}  // namespace
