#include <gtest/gtest.h>

#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

TEST(GridLinesTest, ARowIsItsShownCellsBetweenSeparators) {
    auto paper = MakePaper();
    WriteTape(*paper, {{"12,50", "+"}}, 4);
    EXPECT_EQ(paper->TextFila(4), "12,50\t+");
    EXPECT_EQ(paper->TextFila(5), "\t");

    paper->SetSn_ColumnaZero(true);
    paper->EscriureCella(4, 0, "z");
    EXPECT_EQ(paper->TextFila(4), "z\t12,50\t+");
}

TEST(GridLinesTest, ALineGoesBackIntoTheSameCells) {
    auto paper = MakePaper();
    WriteTape(*paper, {{"12,50", "+"}}, 4);
    paper->PosarTextFila(7, paper->TextFila(4));
    EXPECT_EQ(paper->LlegirCella(7, 1), "12,50");
    EXPECT_EQ(paper->LlegirCella(7, 2), "+");
    EXPECT_EQ(paper->ColCount(), 3);
}

TEST(GridLinesTest, ATrailingSeparatorAddsAColumn) {
    auto paper = MakePaper();
    paper->PosarTextFila(0, "a\tb\t");
    EXPECT_EQ(paper->LlegirCella(0, 1), "a");
    EXPECT_EQ(paper->LlegirCella(0, 2), "b");
    EXPECT_EQ(paper->ColCount(), 4);
}

TEST(GridLinesTest, WithColumnZeroShownFieldOneStillLandsInColumnOne) {
    auto grid = MakePaper();
    grid->SetSn_ColumnaZero(true);
    grid->EscriureCella(2, 0, "old");
    grid->PosarTextFila(2, "a\tb");
    EXPECT_EQ(grid->LlegirCella(2, 0), "");
    EXPECT_EQ(grid->LlegirCella(2, 1), "a");
    EXPECT_EQ(grid->LlegirCella(2, 2), "b");
}

TEST(GridLinesTest, LinesPastTheEndGrowTheGridAndQuotesAreRemoved) {
    auto paper = MakePaper();
    paper->PosarTextFila(320, "\"1\t5\"\t-");
    EXPECT_EQ(paper->RowCount(), 321);
    EXPECT_EQ(paper->LlegirCella(320, 1), "1\t5");
    EXPECT_EQ(paper->LlegirCella(320, 2), "-");
}

TEST(GridLinesTest, ALineOfTooManyFieldsFillsAtMost499Columns) {
    auto paper = MakePaper();
    std::string line;
    for (int i = 1; i <= 700; ++i)
        line += std::to_string(i) + "\t";
    paper->PosarTextFila(0, line);
    EXPECT_EQ(paper->ColCount(), 500);
    EXPECT_EQ(paper->LlegirCella(0, 499), "499");
    EXPECT_EQ(paper->LlegirCella(0, 1), "1");
}

TEST(GridLinesTest, AnEmptyLineWritesNothing) {
    auto paper = MakePaper();
    paper->PosarTextFila(0, "");
    paper->PosarTextFila(-1, "a\tb");
    EXPECT_EQ(paper->FilesUsades(), 0);
    EXPECT_EQ(paper->ColCount(), 3);
}

}  // namespace
