// How the tape draws: the handler's choice of brush, colour and font for each
// kind of row, and the same seen in the pixels of a grabbed tape.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "controls/grid/gridcanvas.h"
#include "tests/calculator/tapeviewfixture.h"
#include "tests/support/tablecases.h"

namespace {

// Row 2 is a percent amount, row 5 a total, row 6 a linked row; rows 2 and 3
// both show 30.
constexpr char kTape[] = "200 +; 15 %; _; 30 +; 5 =; _; _ L0; 1234,5";

constexpr TColor kGridBrush = 0xABCDEF;
constexpr TColor kOperatorBrush = RGBColor(240, 240, 240);
constexpr TColor kCurrentOperatorBrush = RGBColor(224, 224, 80);
constexpr TColor kLinkedText = RGBColor(144, 144, 144);

struct DrawCase {
    const char* name;
    int32_t col;
    int32_t row;
    TGridDrawState state;
    TColor brush;
    TColor text;
    bool bold;
    friend std::ostream& operator<<(std::ostream& os, const DrawCase& c) { return os << c.name; }
};

class PaperDrawCellTest : public TapeViewTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(PaperDrawCellTest, ChoosesBrushColourAndFont) {
    const DrawCase& c = GetParam();
    LoadTape(engine, kTape);
    PlayKeys(engine, "refresh");
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    TGridCanvas canvas(painter, paper.font());
    canvas.BrushColor = kGridBrush;
    canvas.FontColor = clHighlightText;
    canvas.Font.setItalic(true);
    view.PaperDrawCell(&paper, c.col, c.row, QRect(0, 0, 10, 10), c.state, canvas);
    EXPECT_EQ(canvas.BrushColor, c.brush);
    EXPECT_EQ(canvas.FontColor, c.text);
    EXPECT_EQ(canvas.Font.bold(), c.bold);
    EXPECT_FALSE(canvas.Font.italic());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PaperDrawCellTest,
    testing::Values(
        DrawCase{"PlainValue", 1, 0, {}, kGridBrush, clBlack, false},
        DrawCase{"PlainOperator", 2, 0, {}, kOperatorBrush, clBlack, false},
        DrawCase{"CurrentRowOperator", 2, 0, gdSelected, kCurrentOperatorBrush, clBlack, false},
        DrawCase{"FocusedOperatorKeepsGridBrush", 2, 0, gdSelected | gdFocused, kGridBrush, clBlack,
                 false},
        DrawCase{"CurrentRowValueKeepsGridBrush", 1, 0, gdSelected, kGridBrush, clBlack, false},
        DrawCase{"PercentAmountBold", 1, 2, {}, kGridBrush, clBlack, true},
        DrawCase{"TotalRedBold", 1, 5, {}, kGridBrush, clRed, true},
        DrawCase{"TotalOperatorCellRedBold", 2, 5, {}, kOperatorBrush, clRed, true},
        DrawCase{"LinkedRowGrey", 1, 6, {}, kGridBrush, kLinkedText, false},
        DrawCase{"RowBelowTapeBlack", 1, 20, {}, kGridBrush, clBlack, false}),
    CaseName<DrawCase>);

// The same on screen: the tape is shown, grabbed and its pixels read.
class PaperPixelsTest : public TapeViewTest {
protected:
    void SetUp() override {
        paper.setObjectName("Paper");
        paper.resize(170, 200);
        LoadTape(engine, kTape);
        paper.PosarFilaActual(3);
        PlayKeys(engine, "refresh");
        paper.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&paper));
        shot = paper.grab().toImage();
        if (const char* dir = std::getenv("BRIMSUM_SHOTS")) {
            shot.save(QString(dir) + "/tape_cells.png");
        }
    }

    QRgb Pixel(int32_t col, int32_t row, int fromRight) const {
        const QRect cell = paper.CellRect(col, row);
        return shot.pixel(cell.right() - fromRight, cell.center().y());
    }

    // Counts the pixels of a cell that pass a test.
    template <typename Test>
    int Count(int32_t col, int32_t row, Test test) const {
        const QRect cell = paper.CellRect(col, row);
        int count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x)
                count += test(QColor(shot.pixel(x, y)));
        }
        return count;
    }

    static bool Dark(const QColor& c) { return c.lightness() < 110; }

    QImage shot;
};

TEST_F(PaperPixelsTest, OperatorColumnIsLightGreyAndYellowOnTheCurrentRow) {
    EXPECT_EQ(QColor(Pixel(2, 0, 2)), QColor(240, 240, 240));
    EXPECT_EQ(QColor(Pixel(2, 5, 2)), QColor(240, 240, 240));
    EXPECT_EQ(QColor(Pixel(2, 3, 2)), QColor(224, 224, 80));
}

TEST_F(PaperPixelsTest, TotalIsRed) {
    const auto red = [](const QColor& c) {
        return c.red() > 180 && c.green() < 90 && c.blue() < 90;
    };
    EXPECT_GT(Count(1, 5, red), 10);
    EXPECT_EQ(Count(1, 4, red), 0);
}

TEST_F(PaperPixelsTest, PercentAmountIsBolderThanTheSameNumberPlain) {
    ASSERT_EQ(paper.LlegirCella(2, 1), paper.LlegirCella(3, 1).substr(0, 2));
    paper.PosarFilaActual(10);
    shot = paper.grab().toImage();
    EXPECT_GT(Count(1, 2, Dark), Count(1, 3, Dark) * 5 / 4);
}

TEST_F(PaperPixelsTest, LinkedRowIsGrey) {
    const auto grey = [](const QColor& c) {
        return std::abs(c.red() - 144) < 16 && c.red() == c.green() && c.green() == c.blue();
    };
    EXPECT_GT(Count(1, 6, grey), 10);
    EXPECT_EQ(Count(1, 6, Dark), 0);
    EXPECT_GT(Count(1, 0, Dark), 0);
}

}  // namespace
