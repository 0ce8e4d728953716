// The tape view: the grid shows the tape's rows and follows its current row,
// takes the focus after an evaluation, and hands the mouse to the engine.

#include <gtest/gtest.h>

#include <QTest>

#include "tests/calculator/tapeviewfixture.h"

namespace {

TEST_F(TapeViewTest, ShowsTheRowsAndFollowsTheCurrentRow) {
    PlayKeys(engine, "12 + 5 = ^0 link");
    EXPECT_EQ(paper.LlegirCella(0, kValueColumn), "12");
    EXPECT_EQ(paper.LlegirCella(0, kOperatorColumn), "+");
    EXPECT_EQ(paper.LlegirCella(2, kValueColumn), "17");
    EXPECT_EQ(paper.LlegirCella(3, kLinkColumn), "0");
    EXPECT_EQ(paper.FilaActual(), engine.Tape().CurrentRow());
    PlayKeys(engine, "^1");
    EXPECT_EQ(paper.FilaActual(), 1);
    paper.PosarFilaActual(2);
    EXPECT_EQ(engine.Tape().CurrentRow(), 2);
}

TEST_F(TapeViewTest, DecimalsReachTheValueColumn) {
    engine.ChangeOptions({.decimals = 4});
    EXPECT_EQ(paper.Columnes[kValueColumn].Decimals, 4);
}

TEST(TapeFocusTest, ShownTapeTakesTheFocusAfterAnEvaluation) {
    QWidget window;
    auto* paper = new TGridEx(&window);
    paper->setObjectName("Paper");
    auto* other = new QWidget(&window);
    other->setObjectName("other");
    other->setFocusPolicy(Qt::StrongFocus);
    TTapeEngine engine;
    TTapeView view(*paper, engine);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());
    PlayKeys(engine, "12 +");
    EXPECT_TRUE(paper->hasFocus());
}

// The mouse on a shown tape: a click recalls the row, a double click ends the
// last row with Enter.
class ShownTapeTest : public TapeViewTest {
protected:
    void SetUp() override {
        paper.setObjectName("Paper");
        paper.resize(170, 254);
        paper.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&paper));
    }
    QPoint CellCentre(int32_t col, int32_t row) const {
        return paper.viewport()->mapFrom(&paper, paper.CellRect(col, row).center());
    }
};

TEST_F(ShownTapeTest, ClickRecallsRow) {
    PlayKeys(engine, "12 + 5 =");
    QTest::mouseClick(paper.viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(engine.EntryText(), "5");
    EXPECT_EQ(engine.SubtotalText(), "12,00");
    EXPECT_TRUE(engine.NewEntryPending());
}

TEST_F(ShownTapeTest, DoubleClickEntersLastRow) {
    PlayKeys(engine, "12 + 5 +");
    QTest::mouseDClick(paper.viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    EXPECT_EQ(Tape(), "12 +; 5");
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(engine.SubtotalText(), "17,00");
}

TEST(TapeViewLifetimeTest, GridKeepsNoHandlerOfAGoneView) {
    TTapeEngine engine;
    TGridEx paper;
    { TTapeView view(paper, engine); }
    EXPECT_FALSE(paper.OnDrawCell);
    EXPECT_FALSE(paper.OnCurrentRowChanged);
    EXPECT_FALSE(paper.OnClick);
    EXPECT_FALSE(paper.OnDblClick);
    PlayKeys(engine, "12 + 5 =");
    EXPECT_EQ(paper.LlegirCella(0, 1), "");
}

TEST(TapeViewLifetimeTest, ViewOutlivesItsGrid) {
    TTapeEngine engine;
    auto paper = std::make_unique<TGridEx>();
    TTapeView view(*paper, engine);
    paper.reset();
    PlayKeys(engine, "12 + 5 =");
}

}  // namespace
