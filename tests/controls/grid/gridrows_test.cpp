#include <gtest/gtest.h>

#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

using Texts = std::vector<std::string>;

std::string RowName(int i) {
    std::string name = "r";
    name += std::to_string(i);
    return name;
}

// Rows 0 .. n-1 hold "r0" .. "r<n-1>" in column 1, below `fixed` fixed rows.
std::unique_ptr<TGridEx> Numbered(int n, int fixed = 0, int rows = 12) {
    auto grid = MakePaper();
    grid->SetRowCount(rows);
    grid->SetFixedRows(fixed);
    for (int i = 0; i < n; ++i)
        grid->EscriureCella(fixed + i, 1, RowName(i));
    return grid;
}

TEST(GridRowsTest, InsertingOpensAnEmptyRowAndMovesTheRestDown) {
    auto grid = Numbered(5);
    grid->PosarFilaActual(3);
    grid->InsertarFila(2);
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 6), (Texts{"r0", "r1", "", "r2", "r3", "r4", ""}));
    EXPECT_EQ(grid->FilaActual(), 4);  // still on r3
    EXPECT_EQ(grid->FilesUsades(), 6);

    grid->InsertarFila(7);  // past the used rows: nothing
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 6), (Texts{"r0", "r1", "", "r2", "r3", "r4", ""}));
}

TEST(GridRowsTest, InsertingOnAFullGridAddsARow) {
    auto grid = Numbered(4, 0, 4);
    grid->InsertarFila(0);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 4), (Texts{"", "r0", "r1", "r2", "r3"}));
}

// InsertarFila moves the empty row after the used ones up to Fila one
// MoureFila at a time; the grid does it in one move. Both must leave the same
// rows, and the same current row, wherever the current row was.
TEST(GridRowsTest, InsertingEqualsTheChainOfSingleMoves) {
    for (int fixed : {0, 1}) {
        for (int fila = 0; fila <= 6; ++fila) {
            for (int current = fixed; current < 10; ++current) {
                auto fast = Numbered(5, fixed);
                auto chain = Numbered(5, fixed);
                fast->PosarFilaActual(current);
                chain->PosarFilaActual(current);
                fast->InsertarFila(fila);
                const int usades = chain->FilesUsades();
                if (usades >= fila) {
                    if (usades + fixed >= chain->RowCount())
                        chain->SetRowCount(chain->RowCount() + 1);
                    for (int k = usades + 1; k >= fila + 1; --k)
                        chain->MoureFila(k - 1, k);
                }
                SCOPED_TRACE(testing::Message()
                             << "fixed " << fixed << " fila " << fila << " current " << current);
                EXPECT_EQ(ColumnTexts(*fast, 1, 0, 11), ColumnTexts(*chain, 1, 0, 11));
                EXPECT_EQ(fast->FilaActual(), chain->FilaActual());
            }
        }
    }
}

// The tape opens a row on its first free row (its usual current row): the
// empty current row moves down with the rows, so that the row above it, which
// the tape selects next, is the opened one.
TEST(GridRowsTest, InsertingAtTheFirstFreeRowMovesTheCurrentRowDown) {
    auto grid = Numbered(3);
    grid->PosarFilaActual(3);
    grid->InsertarFila(3);
    EXPECT_EQ(grid->FilaActual(), 4);
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 3), (Texts{"r0", "r1", "r2", ""}));
}

// With two fixed rows (the amortization table) the row travelling up must be
// an empty one, not the last used row.
TEST(GridRowsTest, InsertingBelowTwoFixedRowsKeepsEveryRowInOrder) {
    auto grid = Numbered(4, 2);
    grid->InsertarFila(3);
    EXPECT_EQ(ColumnTexts(*grid, 1, 2, 6), (Texts{"r0", "", "r1", "r2", "r3"}));
}

TEST(GridRowsTest, MovingKeepsTheCurrentRowOnItsData) {
    auto grid = Numbered(5);
    grid->PosarFilaActual(1);
    grid->MoureFila(1, 4);
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 4), (Texts{"r0", "r2", "r3", "r4", "r1"}));
    EXPECT_EQ(grid->FilaActual(), 4);
    grid->PosarFilaActual(2);  // r3
    grid->MoureFila(4, 0);
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 4), (Texts{"r1", "r0", "r2", "r3", "r4"}));
    EXPECT_EQ(grid->FilaActual(), 3);

    auto fixed = Numbered(3, 1);
    fixed->MoureFila(0, 2);  // a fixed row never moves
    EXPECT_EQ(ColumnTexts(*fixed, 1, 1, 3), (Texts{"r0", "r1", "r2"}));
}

TEST(GridRowsTest, DeletingMovesTheRowsBelowUpAndReportsEachClearedCell) {
    auto grid = MakePaper();
    WriteTape(*grid, {{"12", "+"}, {"5", "+"}, {"7", "="}, {"24", ""}});
    std::vector<std::tuple<int, int, std::string>> cleared;
    grid->OnCanviarDades = [&](TGridEx*, int f, int c, std::string abans, std::string) {
        cleared.emplace_back(f, c, abans);
    };
    grid->PosarFilaActual(1);
    grid->EsborrarFila(1);
    EXPECT_EQ(cleared, (std::vector<std::tuple<int, int, std::string>>{{1, 1, "5"}, {1, 2, "+"}}));
    EXPECT_EQ(ColumnTexts(*grid, 1, 0, 2), (Texts{"12", "7", "24"}));
    EXPECT_EQ(ColumnTexts(*grid, 2, 0, 2), (Texts{"+", "=", ""}));
    EXPECT_EQ(grid->RowCount(), 299);
    EXPECT_EQ(grid->FilaActual(), 1);  // the same row number, now on 7
}

// "12 +" on the tape leaves row 0 used and row 1 current and empty. Delete
// there removes the empty row; the entry stays.
TEST(GridRowsTest, DeletingTheEmptyRowUnderASingleEntryKeepsTheEntry) {
    auto grid = MakePaper();
    WriteTape(*grid, {{"12", "+"}});
    grid->PosarFilaActual(1);
    grid->EsborrarFila(1);
    EXPECT_EQ(grid->LlegirCella(0, 1), "12");
    EXPECT_EQ(grid->LlegirCella(0, 2), "+");
    EXPECT_EQ(grid->FilesUsades(), 1);
    EXPECT_EQ(grid->FilaActual(), 1);
}

TEST(GridRowsTest, DeletingTheOnlyUsedRowEmptiesTheGridWithoutShrinkingIt) {
    for (int fixed : {0, 1}) {
        auto grid = Numbered(1, fixed, 20);
        grid->EscriureCella(fixed, 2, "+");
        grid->SeleccionarFila(fixed, true);
        grid->EsborrarFila(fixed);
        EXPECT_EQ(grid->FilesUsades(), 0) << fixed;
        EXPECT_EQ(grid->RowCount(), 20) << fixed;
        EXPECT_EQ(grid->Seleccio().Count(), 0) << fixed;
    }
}

TEST(GridRowsTest, ClearingKeepsTheSizeOrResetsIt) {
    auto amort = MakeAmort();
    amort->EscriureCella(1, 4, "total");
    for (int r = 2; r < 150; ++r)
        amort->EscriureCella(r, 1, std::to_string(r - 1));
    amort->SeleccionarFila(3, true);
    int reports = 0;
    amort->OnCanviarDades = [&](TGridEx*, int, int, std::string, std::string) { ++reports; };
    amort->Netejar(false);
    EXPECT_EQ(reports, 148 + 1 + 8 + 8);  // every non-empty cell, and the titles back
    EXPECT_EQ(amort->RowCount(), 150);
    EXPECT_EQ(amort->FilesUsades(), 0);
    EXPECT_EQ(amort->LlegirCella(1, 4), "");
    EXPECT_EQ(amort->Seleccio().Count(), 0);

    amort->Netejar(true);
    EXPECT_EQ(amort->RowCount(), 3);
    EXPECT_EQ(amort->FixedRows(), 2);
    EXPECT_EQ(amort->ColCount(), 9);
    EXPECT_EQ(amort->LlegirCella(0, 1), "Quota");

    auto paper = MakePaper();
    paper->SetSn_AutoAmples(true);
    paper->EscriureCella(3, 4, "link");
    paper->Netejar(true);
    EXPECT_EQ(paper->RowCount(), 1);
    EXPECT_EQ(paper->ColCount(), 1);
    EXPECT_EQ(paper->FixedRows(), 0);
}

TEST(GridRowsTest, ClearingWithAutomaticWidthsClosesTheColumnsAfterTheFirst) {
    auto grid = MakePaper();
    grid->SetSn_AutoAmples(true);
    WriteTape(*grid, {{"12", "+"}});
    grid->Netejar(false);
    EXPECT_EQ(grid->ColWidths(1), 0);
    EXPECT_EQ(grid->ColWidths(2), 0);
    EXPECT_EQ(grid->ColCount(), 3);
}

}  // namespace
