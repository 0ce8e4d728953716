#include <gtest/gtest.h>

#include <QTest>

#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

struct Selected {
    int fila;
    bool sn;
    friend bool operator==(const Selected&, const Selected&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Selected& s) {
        return os << s.fila << (s.sn ? "+" : "-");
    }
};

class GridSelectionTest : public testing::Test {
protected:
    void SetUp() override {
        amort = MakeAmort();
        for (int k = 1; k <= 10; ++k)
            amort->EscriureCella(k + 1, 1, std::to_string(k));
        amort->OnSeleccionarFila = [this](TGridEx* sender, int fila, bool sn) {
            EXPECT_EQ(sender, amort.get());
            events.push_back({fila, sn});
        };
    }

    std::unique_ptr<TGridEx> amort;
    std::vector<Selected> events;
};

TEST_F(GridSelectionTest, EnterTogglesTheCurrentRowAndMovesDown) {
    ShowAndFocus(*amort);
    amort->PosarFilaActual(3);
    Press(*amort, Qt::Key_Return);
    EXPECT_TRUE(amort->FilaSeleccionada(3));
    EXPECT_EQ(amort->Seleccio().ItemAt(1), "3");
    EXPECT_EQ(amort->FilaActual(), 4);
    amort->PosarFilaActual(3);
    Press(*amort, Qt::Key_Enter);
    EXPECT_FALSE(amort->FilaSeleccionada(3));
    EXPECT_EQ(amort->Seleccio().Count(), 0);
    Press(*amort, Qt::Key_Insert);  // on row 4
    EXPECT_TRUE(amort->FilaSeleccionada(4));
    EXPECT_EQ(events, (std::vector<Selected>{{3, true}, {3, false}, {4, true}}));
}

TEST_F(GridSelectionTest, WithoutTheKeyOptionsEnterAndInsertSelectNothing) {
    amort->SetOpcionsSeleccio(osPerNumeroFila);
    ShowAndFocus(*amort);
    amort->PosarFilaActual(3);
    Press(*amort, Qt::Key_Return);
    Press(*amort, Qt::Key_Insert);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(amort->FilaActual(), 3);
}

TEST_F(GridSelectionTest, SelectingTwiceRaisesOneEvent) {
    amort->SeleccionarFila(5, true);
    amort->SeleccionarFila(5, true);
    amort->SeleccionarFila(6, false);
    amort->SeleccionarFila(5, false);
    amort->SeleccionarFila(5, false);
    EXPECT_EQ(events, (std::vector<Selected>{{5, true}, {5, false}}));
}

TEST_F(GridSelectionTest, KeysByColumnZeroSelectEveryRowSharingTheText) {
    amort->SetOpcionsSeleccio(osPerValorColumna0);
    amort->EscriureCella(4, 0, "A");
    amort->EscriureCella(7, 0, "A");
    amort->SeleccionarFila(4, true);
    EXPECT_TRUE(amort->FilaSeleccionada(7));
    EXPECT_FALSE(amort->FilaSeleccionada(5));
    amort->SeleccionarFila(7, false);
    EXPECT_FALSE(amort->FilaSeleccionada(4));
    // An empty key is not kept, though the event is raised.
    amort->SeleccionarFila(5, true);
    EXPECT_EQ(amort->Seleccio().Count(), 0);
    EXPECT_EQ(events, (std::vector<Selected>{{4, true}, {7, false}, {5, true}}));
}

TEST_F(GridSelectionTest, BothKeysDeselectWithoutFailing) {
    amort->SetOpcionsSeleccio(osPerNumeroFila | osPerValorColumna0);
    amort->EscriureCella(4, 0, "A");
    amort->SeleccionarFila(4, true);   // keeps the number key only
    amort->SeleccionarFila(4, false);  // the column-0 key is absent: nothing to remove
    EXPECT_EQ(amort->Seleccio().Count(), 0);
    EXPECT_EQ(events, (std::vector<Selected>{{4, true}, {4, false}}));
}

TEST_F(GridSelectionTest, DoubleClickTogglesTheClickedRowBeforeTheOwnersHandler) {
    amort->SetOpcionsSeleccio(osPerNumeroFila | osDobleClick);
    bool selectedInHandler = false;
    amort->OnDblClick = [&](TGridEx* grid) { selectedInHandler = grid->FilaSeleccionada(4); };
    ShowAndFocus(*amort);
    DoubleClickCell(*amort, 2, 4);
    EXPECT_TRUE(selectedInHandler);
    EXPECT_EQ(events, (std::vector<Selected>{{4, true}}));
}

TEST(GridKeysTest, DownStopsOneRowPastTheUsedRows) {
    auto paper = MakePaper();
    WriteTape(*paper, {{"1", "+"}, {"2", "+"}, {"3", "+"}, {"4", "+"}, {"5", "="}});
    ShowAndFocus(*paper);
    paper->PosarFilaActual(5);
    Press(*paper, Qt::Key_Down);
    EXPECT_EQ(paper->FilaActual(), 6);
    Press(*paper, Qt::Key_Down);
    EXPECT_EQ(paper->FilaActual(), 6);
    Press(*paper, Qt::Key_Up);
    Press(*paper, Qt::Key_Up);
    EXPECT_EQ(paper->FilaActual(), 4);
}

TEST(GridKeysTest, HomeEndAndPagesMoveTheRowInRowSelection) {
    auto paper = MakePaper();
    for (int r = 0; r < 100; ++r)
        paper->EscriureCella(r, 1, std::to_string(r));
    ShowAndFocus(*paper, 200, 16 * 10 + 4);
    paper->PosarFilaActual(50);
    Press(*paper, Qt::Key_Home);
    EXPECT_EQ(paper->FilaActual(), 0);
    EXPECT_EQ(paper->TopRow(), 0);
    Press(*paper, Qt::Key_PageDown);
    EXPECT_EQ(paper->FilaActual(), paper->VisibleRowCount());
    Press(*paper, Qt::Key_End);
    EXPECT_EQ(paper->FilaActual(), 299);
    EXPECT_FALSE(paper->CellRect(1, 299).isEmpty());  // scrolled into view
    Press(*paper, Qt::Key_PageUp);
    EXPECT_EQ(paper->FilaActual(), 299 - paper->VisibleRowCount());
}

TEST(GridKeysTest, LeftAndRightStepOverHiddenAndSkippedColumns) {
    auto grid = MakePaper();
    grid->SetColCount(4);
    grid->Columnes[2].Saltar = true;
    ShowAndFocus(*grid);
    grid->PosarFilaActual(2);
    grid->PosarColumnaActual(1);
    Press(*grid, Qt::Key_Right);
    EXPECT_EQ(grid->ColumnaActual(), 3);
    Press(*grid, Qt::Key_Right);
    EXPECT_EQ(grid->ColumnaActual(), 1);
    Press(*grid, Qt::Key_Left);
    EXPECT_EQ(grid->ColumnaActual(), 3);
    EXPECT_EQ(grid->FilaActual(), 2);  // the row never changes
}

TEST(GridKeysTest, AnAllSkippedRowStaysPut) {
    auto grid = MakePaper();
    for (auto& c : grid->Columnes)
        c.Saltar = true;
    ShowAndFocus(*grid);
    grid->PosarColumnaActual(2);
    Press(*grid, Qt::Key_Right);
    Press(*grid, Qt::Key_Left);
    grid->ColumnaSeguent();
    EXPECT_EQ(grid->ColumnaActual(), 2);
}

TEST(GridMouseTest, AClickMakesTheRowCurrentAndReportsIt) {
    auto paper = MakePaper();
    WriteTape(*paper, {{"12", "+"}, {"5", "+"}, {"7", "="}});
    int clicks = 0;
    int rowSeen = -1;
    paper->OnClick = [&](TGridEx* grid) {
        ++clicks;
        rowSeen = grid->FilaActual();
    };
    ShowAndFocus(*paper);
    ClickCell(*paper, 1, 1);
    EXPECT_EQ(paper->FilaActual(), 1);
    EXPECT_EQ(rowSeen, 1);
    EXPECT_EQ(clicks, 1);
    Press(*paper, Qt::Key_Down);  // keyboard moves raise no click
    EXPECT_EQ(clicks, 1);
    paper->PosarFilaActual(0);
    EXPECT_EQ(clicks, 1);
}

TEST(GridMouseTest, AClickOnAFixedRowMovesNothing) {
    auto amort = MakeAmort();
    amort->EscriureCella(2, 1, "1");
    amort->EscriureCella(3, 1, "2");
    int clicks = 0;
    amort->OnClick = [&](TGridEx*) { ++clicks; };
    ShowAndFocus(*amort, 560, 200);
    amort->PosarFilaActual(3);
    ClickCell(*amort, 1, 0);
    EXPECT_EQ(amort->FilaActual(), 3);
    EXPECT_EQ(clicks, 0);
}

}  // namespace
