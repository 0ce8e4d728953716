#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "controls/grid/editorgrid.h"
#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

struct Report {
    int fila, columna;
    std::string abans, despres;
    friend bool operator==(const Report&, const Report&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Report& r) {
        return os << "(" << r.fila << "," << r.columna << ": " << r.abans << " -> " << r.despres
                  << ")";
    }
};

// An editable grid of 4 columns (column 0 hidden) in a window beside another
// control; rows 0 to 2 hold a, b, c in column 1 and x, y, z in column 2.
class GridEditorTest : public testing::Test {
protected:
    void SetUp() override {
        window.setObjectName(QStringLiteral("Finestra"));
        auto* layout = new QVBoxLayout(&window);
        grid = new TGridEx;
        grid->setObjectName(QStringLiteral("Graella"));
        other = new QLineEdit;
        other->setObjectName(QStringLiteral("Altre"));
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->SetColCount(4);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetRowCount(10);
        grid->SetDefaultRowHeight(20);
        grid->SetSn_ColumnaZero(false);
        grid->SetSn_Editable(true);
        const char* rows[][2] = {{"a", "x"}, {"b", "y"}, {"c", "z"}};
        for (int r = 0; r < 3; ++r) {
            grid->EscriureCella(r, 1, rows[r][0]);
            grid->EscriureCella(r, 2, rows[r][1]);
        }
        grid->OnCanviarDades = [this](TGridEx*, int f, int c, std::string a, std::string d) {
            changes.push_back({f, c, a, d});
        };
        window.resize(320, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        grid->setFocus();
    }

    void TearDown() override { grid->OnExitCell = nullptr; }

    void Type(const char* text) { QTest::keyClicks(grid->Editor(), QString::fromUtf8(text)); }

    QWidget window;
    TGridEx* grid = nullptr;
    QLineEdit* other = nullptr;
    std::vector<Report> changes;
};

TEST_F(GridEditorTest, AClickStartsEditingNoFurtherThanOneRowPastTheUsedRows) {
    grid->EscriureCella(2, 3, "w");  // FilesUsades 3
    ClickCell(*grid, 1, 5);
    EXPECT_FALSE(grid->Editant());
    ClickCell(*grid, 1, 4);
    EXPECT_TRUE(grid->Editant());
    ASSERT_NE(grid->Editor(), nullptr);
    EXPECT_TRUE(grid->Editor()->isVisible());
    EXPECT_TRUE(grid->Editor()->hasFocus());
    EXPECT_FALSE(grid->Options().testFlag(goRowSelect));
    ClickCell(*grid, 1, 1);  // a press while editing ends it
    EXPECT_FALSE(grid->Editant());
    EXPECT_FALSE(grid->Editor()->isVisible());
    EXPECT_TRUE(grid->Options().testFlag(goRowSelect));
}

TEST_F(GridEditorTest, EscapeReportsAChangedValueOnce) {
    ClickCell(*grid, 1, 0);
    EXPECT_EQ(grid->Editor()->text(), "a");
    Press(*grid, Qt::Key_Backspace);
    Type("b");
    EXPECT_EQ(grid->LlegirCella(0, 1), "b");  // every change reaches the cell
    EXPECT_TRUE(changes.empty());
    Press(*grid, Qt::Key_Escape);
    EXPECT_FALSE(grid->Editant());
    EXPECT_EQ(changes, (std::vector<Report>{{0, 1, "a", "b"}}));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridEditorTest, ATextChangedBackIsNotReported) {
    ClickCell(*grid, 1, 0);
    Press(*grid, Qt::Key_Backspace);
    Type("b");
    Press(*grid, Qt::Key_Backspace);
    Type("a");
    Press(*grid, Qt::Key_Escape);
    EXPECT_TRUE(changes.empty());
}

TEST_F(GridEditorTest, EnterMovesOnWithinTheRow) {
    grid->SetSn_IntroAvancar(true);
    grid->SetColCount(4);
    grid->Columnes[2].Saltar = true;
    ClickCell(*grid, 1, 1);
    std::vector<std::pair<int, std::string>> exits;
    grid->OnExitCell = [&](TGridEx*, int col, int, const std::string& text) {
        exits.emplace_back(col, text);
    };
    Press(*grid, Qt::Key_Return);
    EXPECT_EQ(grid->ColumnaActual(), 3);  // column 2 is skipped
    EXPECT_EQ(grid->Editor()->text(), "");
    Type("q");
    Press(*grid, Qt::Key_Return);
    EXPECT_EQ(grid->ColumnaActual(), 1);  // back to the first shown column
    EXPECT_EQ(grid->FilaActual(), 1);
    EXPECT_EQ(grid->LlegirCella(1, 3), "q");
    EXPECT_EQ(grid->Editor()->text(), "b");
    ASSERT_GE(exits.size(), 2u);
    EXPECT_EQ(exits[0], (std::pair<int, std::string>{1, "b"}));
}

TEST_F(GridEditorTest, TabMovesOnWithTabAvancar) {
    ClickCell(*grid, 1, 2);
    Press(*grid, Qt::Key_Tab);  // without the option Tab goes nowhere
    EXPECT_EQ(grid->ColumnaActual(), 1);
    EXPECT_TRUE(grid->Editor()->hasFocus());
    grid->SetSn_TabAvancar(true);
    Press(*grid, Qt::Key_Tab);
    EXPECT_EQ(grid->ColumnaActual(), 2);
    EXPECT_EQ(grid->Editor()->text(), "z");
}

TEST_F(GridEditorTest, ArrowsLeaveTheCellAtEitherEndOfTheText) {
    ClickCell(*grid, 1, 0);
    Press(*grid, Qt::Key_Right);  // the caret is at the end of "a"
    EXPECT_EQ(grid->ColumnaActual(), 2);
    Press(*grid, Qt::Key_Left);  // moves the caret inside "x"
    EXPECT_EQ(grid->ColumnaActual(), 2);
    Press(*grid, Qt::Key_Left);
    EXPECT_EQ(grid->ColumnaActual(), 1);
    Press(*grid, Qt::Key_Down);
    EXPECT_EQ(grid->FilaActual(), 1);
    EXPECT_EQ(grid->Editor()->text(), "b");
}

TEST_F(GridEditorTest, BackspaceAtTheStartGoesBackAColumn) {
    grid->SetSn_IntroAvancar(true);
    grid->Columnes[2].Llargada = 5;
    ClickCell(*grid, 2, 0);
    Type("w");
    Press(*grid, Qt::Key_Backspace);  // a length-limited column: the grid deletes
    EXPECT_EQ(grid->Editor()->text(), "x");
    Press(*grid, Qt::Key_Backspace);
    EXPECT_EQ(grid->Editor()->text(), "");
    Press(*grid, Qt::Key_Backspace);
    EXPECT_EQ(grid->ColumnaActual(), 1);
    EXPECT_EQ(grid->LlegirCella(0, 2), "");
}

TEST_F(GridEditorTest, ALengthLimitsTheEditor) {
    grid->Columnes[1].Llargada = 5;
    ClickCell(*grid, 1, 3);
    Type("abcdefgh");
    EXPECT_EQ(grid->LlegirCella(3, 1), "abcde");
}

TEST_F(GridEditorTest, LeavingTheGridEndsEditing) {
    ClickCell(*grid, 1, 0);
    Type("z");
    other->setFocus();
    EXPECT_FALSE(grid->Editant());
    EXPECT_EQ(changes, (std::vector<Report>{{0, 1, "a", "az"}}));
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(GridEditorTest, AnExitHandlerThatMovesTheFocusIsNotCalledAgain) {
    int calls = 0;
    grid->OnExitCell = [&](TGridEx*, int, int, const std::string&) {
        ++calls;
        other->setFocus();  // the editor loses the focus inside the report
    };
    ClickCell(*grid, 1, 0);
    Press(*grid, Qt::Key_Return);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(GridEditorTest, NextColumnStartsEditingOnAnEditableGrid) {
    grid->PosarFilaActual(2);
    grid->ColumnaSeguent();
    EXPECT_TRUE(grid->Editant());
    EXPECT_EQ(grid->ColumnaActual(), 1);
    EXPECT_EQ(grid->Editor()->text(), "c");
}

TEST_F(GridEditorTest, MovingOffAnEditedCellAcceptsAndReportsIt) {
    std::vector<Report> accepted;
    grid->OnAcceptarValor = [&](TGridEx*, int f, int c, std::string a, std::string d) {
        accepted.push_back({f, c, a, d});
    };
    ClickCell(*grid, 1, 0);
    Type("1");
    grid->PosarColumnaActual(2);
    ASSERT_FALSE(accepted.empty());
    EXPECT_EQ(accepted.front(), (Report{0, 1, "a", "a1"}));
    EXPECT_EQ(changes, (std::vector<Report>{{0, 1, "a", "a1"}}));
    EXPECT_EQ(grid->Editor()->text(), "x");
}

}  // namespace
