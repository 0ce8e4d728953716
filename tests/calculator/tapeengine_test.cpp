// The tape engine beyond the worked examples: how the tape is set up, what the
// hosting window hears, the lone comma, and the mouse on the tape.

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <vector>

#include "basic/platformerror.h"
#include "tests/calculator/tapescript.h"
#include "tests/support/tablecases.h"

namespace {

TEST_F(TapeTest, ConfiguresTheGridAsTheTape) {
    EXPECT_EQ(paper.RowCount(), 300);
    EXPECT_EQ(paper.ColCount(), 5);
    EXPECT_EQ(paper.FixedRows(), 0);
    EXPECT_EQ(paper.FixedCols(), 0);
    EXPECT_EQ(paper.ColWidths(0), -1);
    EXPECT_EQ(paper.ColWidths(1), 118);
    EXPECT_EQ(paper.ColWidths(2), 25);
    EXPECT_EQ(paper.DefaultRowHeight(), 16);
    EXPECT_FALSE(paper.Sn_Editable());
    EXPECT_EQ(paper.SeparadorCamps(), '\t');
    EXPECT_EQ(paper.OpcionsSeleccio(), TOpcionsSeleccionar(osPerNumeroFila));
    EXPECT_EQ(paper.Columnes[1].Tipus, TDisplayFormat::Number);
    EXPECT_EQ(paper.Columnes[1].Decimals, 2);
    EXPECT_EQ(Current(), 0);
}

TEST_F(TapeTest, DecimalsReachTheValueColumnAndStayInRange) {
    engine.SetDecimals(4);
    EXPECT_EQ(paper.Columnes[1].Decimals, 4);
    engine.SetDecimals(9);
    EXPECT_EQ(engine.Decimals(), 6);
    engine.SetDecimals(-1);
    EXPECT_EQ(engine.Decimals(), 0);
    EXPECT_EQ(paper.Columnes[1].Decimals, 0);
}

// The link column is there, zero wide; a tape line holds its link field once
// the first link has been written.
TEST_F(TapeTest, LinkFieldAppearsWithTheFirstLink) {
    EXPECT_EQ(paper.ColWidths(3), 0);
    Play(engine, "12 + 5 =");
    EXPECT_EQ(engine.Tape().RowText(0), "12\t+");
    Play(engine, "^0 link");
    EXPECT_EQ(engine.Tape().RowText(0), "12\t+\t");
    EXPECT_EQ(engine.Tape().RowText(3), "12\t\t0");
}

TEST_F(TapeTest, WindowHearsEntryAndSubtotalChanges) {
    std::vector<std::string> entries;
    std::vector<std::string> subtotals;
    engine.OnEntryTextChanged = [&](TTapeEngine* sender, const std::string& text) {
        EXPECT_EQ(sender, &engine);
        entries.push_back(text);
    };
    engine.OnSubtotalTextChanged = [&](TTapeEngine*, const std::string& text) {
        subtotals.push_back(text);
    };
    Play(engine, "12 + 5 <<");
    EXPECT_EQ(entries, (std::vector<std::string>{"1", "12", "", "5", "", "17"}));
    EXPECT_EQ(subtotals, (std::vector<std::string>{"12,00", "17,00"}));
}

TEST_F(TapeTest, DisplayEditedByTheUserIsTheEntry) {
    int heard = 0;
    engine.OnEntryTextChanged = [&](TTapeEngine*, const std::string&) { ++heard; };
    engine.SetEntryText("250,5");
    engine.SetEntryText("250,5");
    EXPECT_EQ(heard, 1);
    engine.TeclaMesClick();
    EXPECT_EQ(Tape(), "250,5 +");
}

TEST_F(TapeTest, EvaluationAsksForTheTapeFocus) {
    int asked = 0;
    engine.OnFocusTape = [&](TTapeEngine*) { ++asked; };
    Play(engine, "12 +");
    EXPECT_EQ(asked, 1);
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
    Play(engine, "12 +");
    EXPECT_TRUE(paper->hasFocus());
}

// The lone comma: the key stops with an error and nothing on the tape or in
// the entry has changed.
struct LoneCommaCase {
    const char* name;
    std::function<void(TTapeEngine&)> press;
    friend std::ostream& operator<<(std::ostream& os, const LoneCommaCase& c) {
        return os << c.name;
    }
};

class LoneCommaTest : public TapeTest, public testing::WithParamInterface<LoneCommaCase> {};

TEST_P(LoneCommaTest, StopsBeforeTheTapeIsWritten) {
    Play(engine, "12 + 5 + @1 C ,");
    const std::string tape = Tape();
    const int32_t current = Current();
    EXPECT_THROW(GetParam().press(engine), PlatformError);
    EXPECT_EQ(Tape(), tape);
    EXPECT_EQ(Current(), current);
    EXPECT_EQ(engine.EntryText(), ",");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoneCommaTest,
    testing::Values(LoneCommaCase{"Plus", [](TTapeEngine& e) { e.TeclaMesClick(); }},
                    LoneCommaCase{"Equal", [](TTapeEngine& e) { e.TeclaIgualClick(); }},
                    LoneCommaCase{"Enter", [](TTapeEngine& e) { e.TeclaIntroClick(); }},
                    LoneCommaCase{"Sign", [](TTapeEngine& e) { e.TeclaClick(TEntryKey::Sign); }},
                    LoneCommaCase{"AddTax", [](TTapeEngine& e) { e.AddTax(e.EntryText(), 16); }},
                    LoneCommaCase{"TaxableBase",
                                  [](TTapeEngine& e) { e.TaxableBase(e.EntryText(), 16); }}),
    CaseName<LoneCommaCase>);

TEST_F(TapeTest, EnterOnLastRowWithLoneCommaKeepsItsOperator) {
    Play(engine, "12 + 5 + ^1 ,");
    EXPECT_THROW(engine.EnterEntry(), PlatformError);
    EXPECT_EQ(Tape(), "12 +; 5 +");
}

TEST_F(TapeTest, LinkValueOnEmptyRowLeavesTapeAlone) {
    Play(engine, "12 + 5 + ^2 link");
    EXPECT_EQ(Tape(), "12 +; 5 +");
    EXPECT_EQ(Current(), 2);
}

TEST_F(TapeTest, RowsAfterDeletingTheOnlyRowStayUsable) {
    Play(engine, "12 + ^0 del 7 + 3 =");
    EXPECT_EQ(Tape(), "7 +; 3 =; 10");
    EXPECT_FALSE(engine.RecalcSuspended());
}

TEST_F(TapeTest, OpeningPastTheFreeRowRenumbersNothing) {
    LoadTape(paper, "12 +; 5 =; 17; 12 L0");
    Play(engine, "^7 open");
    EXPECT_EQ(Tape(), "12 +; 5 =; 17; 12 L0");
    EXPECT_EQ(Current(), 6);
}

TEST_F(TapeTest, BackspaceRemovesWholeCharacters) {
    engine.SetEntryText("12\xE2\x82\xAC");  // 12 and the euro sign
    engine.TeclaDarreraClick();
    EXPECT_EQ(engine.EntryText(), "12");
    engine.SetEntryText("");
    engine.TeclaDarreraClick();
    EXPECT_EQ(engine.EntryText(), "");
}

// The mouse on a shown tape: a click recalls the row, a double click ends the
// last row with Enter.
class ShownTapeTest : public TapeTest {
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
    Play(engine, "12 + 5 =");
    QTest::mouseClick(paper.viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(engine.EntryText(), "5");
    EXPECT_EQ(engine.SubtotalText(), "12,00");
    EXPECT_TRUE(engine.NewEntryPending());
}

TEST_F(ShownTapeTest, DoubleClickEntersLastRow) {
    Play(engine, "12 + 5 +");
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
    Play(engine, "12 + 5 =");
    EXPECT_EQ(paper.LlegirCella(0, 1), "");
}

TEST(TapeViewLifetimeTest, ViewOutlivesItsGrid) {
    TTapeEngine engine;
    auto paper = std::make_unique<TGridEx>();
    TTapeView view(*paper, engine);
    paper.reset();
    Play(engine, "12 + 5 =");
}

}  // namespace
