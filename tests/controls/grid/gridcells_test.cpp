#include <gtest/gtest.h>

#include <QFontMetrics>
#include <tuple>

#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

struct Change {
    int fila, columna;
    std::string abans, despres;
    friend bool operator==(const Change&, const Change&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Change& c) {
        return os << "(" << c.fila << "," << c.columna << ": " << c.abans << " -> " << c.despres
                  << ")";
    }
};

std::vector<Change>& Record(TGridEx& grid, std::vector<Change>& changes) {
    grid.OnCanviarDades = [&changes](TGridEx*, int f, int c, std::string a, std::string d) {
        changes.push_back({f, c, a, d});
    };
    return changes;
}

std::unique_ptr<TGridEx> SmallGrid(int rows, int cols) {
    auto grid = std::make_unique<TGridEx>();
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    return grid;
}

TEST(GridCellsTest, WritingPastTheEndGrowsADynamicGrid) {
    auto grid = SmallGrid(4, 3);
    grid->EscriureCella(5, 3, "x");
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->LlegirCella(5, 3), "x");
    // Only the new last column is hidden behind a zero width.
    EXPECT_EQ(grid->ColWidths(3), 0);
    EXPECT_EQ(grid->ColWidths(2), 64);
    EXPECT_EQ(grid->Columnes.size(), 5u);

    grid->EscriureCella(0, 6, "y");
    EXPECT_EQ(grid->ColWidths(4), 64);
    EXPECT_EQ(grid->ColWidths(5), 64);
    EXPECT_EQ(grid->ColWidths(6), 0);
}

TEST(GridCellsTest, AFixedSizeGridIgnoresWritesOutside) {
    auto grid = SmallGrid(4, 3);
    grid->SetSn_Dinamic(false);
    grid->EscriureCella(5, 3, "x");
    grid->EscriureCella(1, 3, "x");
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->FilesUsades(), 0);
}

TEST(GridCellsTest, PositionsOutsideAreIgnoredWithoutError) {
    auto grid = SmallGrid(4, 3);
    std::vector<Change> changes;
    Record(*grid, changes);
    grid->EscriureCella(-1, 0, "x");
    grid->EscriureCella(0, -1, "x");
    grid->EscriureCella(kMaxGridRows, 0, "x");  // would exhaust memory
    grid->EscriureCella(0, kMaxGridColumns, "x");
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(grid->LlegirCella(-1, 0), "");
    EXPECT_EQ(grid->LlegirCella(4, 0), "");
    EXPECT_EQ(grid->LlegirCella(0, 3), "");
    grid->MoureFila(-1, 2);
    grid->MoureFila(1, 99);
    grid->EsborrarFila(-3);
    grid->EsborrarFila(4);
    grid->InsertarFila(-1);
    grid->SeleccionarFila(-1, true);
    grid->SeleccionarFila(4, true);
    EXPECT_FALSE(grid->FilaSeleccionada(-1));
    EXPECT_EQ(grid->Seleccio().Count(), 0);
    EXPECT_EQ(grid->TextFila(-1), "");
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST(GridCellsTest, OnlyAChangedTextIsReported) {
    auto grid = SmallGrid(4, 3);
    std::vector<Change> changes;
    Record(*grid, changes);
    grid->EscriureCella(1, 1, "a");
    grid->EscriureCella(1, 1, "a");
    grid->EscriureCella(1, 1, "b");
    grid->EscriureCella(1, 1, "");
    EXPECT_EQ(changes, (std::vector<Change>{{1, 1, "", "a"}, {1, 1, "a", "b"}, {1, 1, "b", ""}}));
}

TEST(GridCellsTest, AutomaticWidthsGrowUpToTheCapAndNeverShrink) {
    auto grid = SmallGrid(4, 3);
    grid->SetSn_AutoAmples(true);
    grid->SetMaximAmple(60);
    grid->SetColWidths(1, 20);
    const std::string wide(40, 'W');
    ASSERT_GT(QFontMetrics(grid->font()).horizontalAdvance(QString::fromStdString(wide)), 100);
    grid->EscriureCella(0, 1, wide);
    EXPECT_EQ(grid->ColWidths(1), 60);
    grid->EscriureCella(0, 1, "i");
    EXPECT_EQ(grid->ColWidths(1), 60);

    grid->SetMaximAmple(0);  // no cap: the text's width plus 10
    grid->EscriureCella(1, 2, "abc");
    EXPECT_EQ(grid->ColWidths(2),
              std::max(64, QFontMetrics(grid->font()).horizontalAdvance("abc") + 10));
    // A new column starts at 0 and opens to fit its text.
    grid->EscriureCella(0, 3, "i");
    EXPECT_EQ(grid->ColWidths(3), QFontMetrics(grid->font()).horizontalAdvance("i") + 10);
    // A hidden column stays hidden.
    grid->SetColWidths(0, -1);
    grid->EscriureCella(0, 0, wide);
    EXPECT_EQ(grid->ColWidths(0), -1);
}

TEST(GridCellsTest, UsedRowsCountFromTheFirstRowBelowTheFixedOnes) {
    auto grid = SmallGrid(10, 3);
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->FilesUsades(), 0);
    grid->EscriureCella(4, 0, "x");  // any column counts, hidden ones too
    EXPECT_EQ(grid->FilesUsades(), 5);
    grid->SetFixedRows(2);
    EXPECT_EQ(grid->FilesUsades(), 3);
    grid->EscriureCella(4, 0, "");
    grid->EscriureCella(1, 2, "title");  // fixed rows do not count
    EXPECT_EQ(grid->FilesUsades(), 0);
}

TEST(GridCellsTest, CurrentCellNeverFallsOnFixedRowsOrAHiddenColumnZero) {
    auto grid = SmallGrid(10, 3);
    grid->SetFixedRows(2);
    grid->SetFixedCols(0);
    EXPECT_EQ(grid->FilaActual(), 2);
    grid->PosarFilaActual(0);
    EXPECT_EQ(grid->FilaActual(), 2);
    grid->PosarColumnaActual(0);
    EXPECT_EQ(grid->ColumnaActual(), 0);
    grid->SetSn_ColumnaZero(false);
    EXPECT_EQ(grid->ColumnaActual(), 1);
    EXPECT_EQ(grid->ColWidths(0), -1);
    grid->SetFixedCols(2);
    EXPECT_EQ(grid->ColumnaActual(), 2);
}

TEST(GridCellsTest, SelectingARowPastTheEndGrowsTheGrid) {
    auto paper = MakePaper();
    paper->PosarFilaActual(450);
    EXPECT_EQ(paper->RowCount(), 451);
    EXPECT_EQ(paper->FilaActual(), 450);
    paper->EscriureCellaActual(1, "12");
    EXPECT_EQ(paper->LlegirCellaActual(1), "12");
    EXPECT_EQ(paper->FilesUsades(), 451);

    paper->SetSn_Dinamic(false);
    paper->PosarFilaActual(600);
    EXPECT_EQ(paper->FilaActual(), 450);
    paper->PosarFilaActual(-5);  // a negative row is row 0
    EXPECT_EQ(paper->FilaActual(), 0);
}

TEST(GridCellsTest, AnEditableGridGoesNoFurtherThanOneRowPastItsUsedRows) {
    auto grid = MakePaper();
    grid->SetSn_Editable(true);
    WriteTape(*grid, {{"1", "+"}, {"2", "+"}});
    grid->PosarFilaActual(1);
    grid->PosarFilaActual(4);
    EXPECT_EQ(grid->FilaActual(), 1);
    grid->PosarFilaActual(3);
    EXPECT_EQ(grid->FilaActual(), 3);
}

TEST(GridCellsTest, TitlesFillRowZeroAndComeBackAfterClearing) {
    auto amort = MakeAmort();
    EXPECT_EQ(amort->LlegirCella(0, 1), "Quota");
    EXPECT_EQ(amort->LlegirCella(0, 8), "Saldo");
    amort->Netejar(false);
    EXPECT_EQ(amort->LlegirCella(0, 6), "Interès");
    EXPECT_EQ(amort->FilesUsades(), 0);

    // Without growth, titles past the last column are dropped.
    auto grid = SmallGrid(3, 2);
    grid->SetSn_Dinamic(false);
    grid->SetTitols({"a", "b", "c"});
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->LlegirCella(0, 1), "b");
    // With growth, the grid takes as many columns as there are titles.
    grid->SetSn_Dinamic(true);
    grid->SetTitols({"a", "b", "c", "d"});
    EXPECT_EQ(grid->ColCount(), 4);
}

TEST(GridCellsTest, ANewGridHasTheBaseShape) {
    TGridEx grid;
    EXPECT_EQ(std::tuple(grid.RowCount(), grid.ColCount(), grid.FixedRows(), grid.FixedCols()),
              std::tuple(5, 5, 1, 1));
    EXPECT_EQ(std::tuple(grid.Sn_Dinamic(), grid.Sn_ColumnaZero(), grid.Sn_Editable()),
              std::tuple(true, true, false));
    EXPECT_EQ(grid.SeparadorCamps(), static_cast<char>(254));
    EXPECT_EQ(grid.OpcionsSeleccio(), TOpcionsSeleccionar(osPerNumeroFila));
    EXPECT_TRUE(grid.Options().testFlag(goRowSelect));
    EXPECT_EQ(grid.Columnes.size(), 6u);
}

}  // namespace
