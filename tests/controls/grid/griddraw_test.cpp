#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "tests/controls/grid/gridfixture.h"

namespace {

// The dark pixels of a cell: the text drawn in black.
struct Ink {
    QRect bounds;
    int widestRun = 0;  // the longest horizontal run of dark pixels (an underline)
};

Ink InkIn(const QImage& image, const QRect& cell) {
    Ink ink;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        int run = 0;
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 110) {
                ink.bounds |= QRect(x, y, 1, 1);
                ink.widestRun = std::max(ink.widestRun, ++run);
            } else {
                run = 0;
            }
        }
    }
    return ink;
}

QColor Background(const QImage& image, const QRect& cell) {
    return image.pixelColor(cell.left() + 1, cell.top() + 1);
}

int Advance(const TGridEx& grid, const char* text, bool bold = false) {
    QFont font = grid.font();
    font.setBold(bold);
    return QFontMetrics(font).horizontalAdvance(QString::fromUtf8(text));
}

// The tape: value column of kind 5 with 2 decimals, a grey brush from the
// owner's handler, black text, the current row well away from the rows looked
// at.
class GridDrawTest : public testing::Test {
protected:
    void SetUp() override {
        paper = MakePaper();
        paper->Columnes[1].Tipus = TDisplayFormat::Number;
        paper->Columnes[1].Decimals = 2;
        paper->OnDrawCell = [](TGridEx*, int, int, const QRect&, TGridDrawState,
                               TGridCanvas& canvas) {
            canvas.BrushColor = RGBColor(240, 240, 240);
            canvas.FontColor = clBlack;
        };
        WriteTape(*paper, {{"7", "+"}, {"1234.5", "+"}, {"1234.5", "="}, {"2469", ""}});
        paper->PosarFilaActual(6);
        ShowAndFocus(*paper, 200, 200);
    }

    QImage Shot() { return paper->grab().toImage(); }

    std::unique_ptr<TGridEx> paper;
};

TEST_F(GridDrawTest, ANumberColumnIsRightAlignedInTheDisplayForm) {
    const QImage image = Shot();
    const QRect cell = paper->CellRect(1, 1);
    const Ink ink = InkIn(image, cell);
    ASSERT_TRUE(ink.bounds.isValid());
    const int right = cell.left() + cell.width();  // the edge the text keeps 3 pixels from
    EXPECT_LE(ink.bounds.right(), right - 3);
    EXPECT_GE(ink.bounds.right(), right - 7);
    // As wide as 1.234,50, not as the stored 1234.5.
    const int shown = Advance(*paper, "1.234,50");
    EXPECT_NEAR(ink.bounds.width(), shown, 3);
    EXPECT_GT(std::abs(ink.bounds.width() - Advance(*paper, "1234.5")), 4);
    // Vertically centred in the 15-pixel cell.
    EXPECT_NEAR(ink.bounds.center().y(), cell.center().y(), 2);

    // The operator column (kind 0) is left-aligned 3 pixels in.
    const Ink op = InkIn(image, paper->CellRect(2, 1));
    EXPECT_GE(op.bounds.left(), paper->CellRect(2, 1).left() + 3);
    EXPECT_LE(op.bounds.left(), paper->CellRect(2, 1).left() + 5);
}

TEST_F(GridDrawTest, SelectedRowsAreBoldUnderlinedOnTheGreenedBrush) {
    paper->SeleccionarFila(1, true);
    const QImage image = Shot();
    const QRect selected = paper->CellRect(1, 1);
    const QRect plain = paper->CellRect(1, 2);  // the same value, not selected
    EXPECT_EQ(Background(image, selected), QColor(240, 255, 240));
    EXPECT_EQ(Background(image, plain), QColor(240, 240, 240));
    EXPECT_EQ(Background(image, paper->CellRect(2, 1)), QColor(240, 255, 240));

    const Ink bold = InkIn(image, selected);
    const Ink regular = InkIn(image, plain);
    EXPECT_GT(bold.bounds.width(), regular.bounds.width());
    EXPECT_NEAR(bold.bounds.width(), Advance(*paper, "1.234,50", true), 3);
    // The underline runs under the whole text; a regular text has no such run.
    EXPECT_GE(bold.widestRun, bold.bounds.width() - 2);
    EXPECT_LT(regular.widestRun, regular.bounds.width() / 2);
}

TEST_F(GridDrawTest, TheCurrentRowIsDrawnSelectedAndTheFocusedCellSo) {
    std::vector<std::tuple<int, int, TGridDrawState>> states;
    paper->OnDrawCell = [&](TGridEx*, int col, int row, const QRect&, TGridDrawState state,
                            TGridCanvas&) { states.emplace_back(col, row, state); };
    paper->PosarFilaActual(2);
    paper->SetCol(2);
    Shot();
    const auto stateOf = [&](int col, int row) {
        for (const auto& [c, r, s] : states) {
            if (c == col && r == row) return s;
        }
        return TGridDrawState(0xFF);
    };
    EXPECT_EQ(stateOf(1, 2), TGridDrawState(gdSelected));
    EXPECT_EQ(stateOf(2, 2), gdSelected | gdFocused);
    EXPECT_EQ(stateOf(1, 1), TGridDrawState());
}

TEST_F(GridDrawTest, ADisabledGridIsGreyedOut) {
    paper->setEnabled(false);
    const QImage image = Shot();
    EXPECT_EQ(Background(image, paper->CellRect(1, 1)), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_FALSE(InkIn(image, paper->CellRect(1, 1)).bounds.isValid());  // text CCCCCC
}

TEST_F(GridDrawTest, AValueThatIsNoNumberIsDrawnAsTyped) {
    paper->EscriureCella(0, 1, ",");
    const QImage image = Shot();
    EXPECT_TRUE(InkIn(image, paper->CellRect(1, 0)).bounds.isValid());
}

TEST_F(GridDrawTest, OnlyTheChangedRowIsRepainted) {
    Shot();
    std::vector<int> rows;
    paper->OnDrawCell = [&](TGridEx*, int, int row, const QRect&, TGridDrawState, TGridCanvas&) {
        rows.push_back(row);
    };
    QApplication::processEvents();
    rows.clear();
    paper->EscriureCella(3, 1, "2470");
    QApplication::processEvents();
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](int r) { return r == 3; }));
}

// A handler of a grid without typed columns may draw the cell itself: it is
// raised again after the base drawing, so what it draws covers the text.
TEST(GridDrawBaseTest, AHandlerDrawsOverThePlainText) {
    auto grid = MakePaper();
    grid->EscriureCella(1, 1, "text");
    grid->OnDrawCell = [&](TGridEx*, int col, int row, const QRect& rect, TGridDrawState,
                           TGridCanvas& canvas) {
        if (col != 1 || row != 1) return;
        canvas.BrushColor = clBlue;
        canvas.FillRect(rect);
    };
    ShowAndFocus(*grid);
    const QImage image = grid->grab().toImage();
    const QRect cell = grid->CellRect(1, 1);
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            ASSERT_EQ(image.pixelColor(x, y), QColor(0, 0, 255)) << x << "," << y;
        }
    }
}

TEST(GridDrawFixedTest, TitlesStayInPlaceWhileTheRowsScroll) {
    auto amort = MakeAmort();
    for (int k = 1; k <= 80; ++k)
        amort->EscriureCella(k + 1, 1, std::to_string(k));
    ShowAndFocus(*amort, 560, 240);
    const QRect title = amort->CellRect(1, 0);
    ASSERT_FALSE(title.isEmpty());
    amort->PosarFilaActual(70);
    EXPECT_GT(amort->TopRow(), 2);
    EXPECT_EQ(amort->CellRect(1, 0), title);
    const QImage image = amort->grab().toImage();
    EXPECT_NEAR(InkIn(image, title).bounds.width(), Advance(*amort, "Quota"), 3);
    EXPECT_EQ(Background(image, title), ToQColor(clBtnFace));
    // Data rows start below the two fixed rows.
    EXPECT_EQ(amort->CellRect(1, amort->TopRow()).top(), title.top() + 2 * 18);
}

// The title assistive technology reads for a cell's column. Qt hands the
// header cell's interface over to the caller.
QString ColumnTitle(QAccessibleInterface* cell) {
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    if (headers.size() != 1) return QStringLiteral("(%1 headers)").arg(headers.size());
    const QString title = headers[0]->text(QAccessible::Name);
    QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(headers[0]));
    return title;
}

// Assistive technology reads what the grid shows: a typed column's form of
// its cells, and the fixed rows as the titles of the columns.
TEST_F(GridDrawTest, AssistiveTechnologyReadsCellsAsShown) {
    ShowAndFocus(*paper);
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(paper.get())->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* cell = table->cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("1.234,50"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("+"));

    auto amort = MakeAmort();
    amort->EscriureCella(1, 3, "Any 1");
    ShowAndFocus(*amort, 560, 240);
    QAccessibleTableInterface* titled =
        QAccessible::queryAccessibleInterface(amort.get())->tableInterface();
    EXPECT_EQ(titled->columnDescription(4), QStringLiteral("Capital"));
    EXPECT_EQ(ColumnTitle(titled->cellAt(0, 3)), QStringLiteral("Data Any 1"));
}

}  // namespace
