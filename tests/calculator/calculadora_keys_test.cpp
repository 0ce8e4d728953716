// The main window driven by keys and clicks: the keyboard map, the keypad,
// the margin field and the error boundary.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

using KeysTest = CalculadoraWindow;

// 1 2 + 5 =: the tape, the subtotal, an empty entry, the file at the end and
// the tape back at the next start.
TEST_F(KeysTest, TypicalCalculationReachesTheFileAndComesBack) {
    Type("12+5=");
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(Subtotal(), "17,00");
    EXPECT_EQ(Entry(), "");

    Close();
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[20], "12\t+");
    EXPECT_EQ(lines[21], "5\t=");
    EXPECT_EQ(lines[22], "17\t");
    EXPECT_EQ(lines[11].rfind("ives=21%:21;", 0), 0u) << "a new user's rates";
    for (int line = 13; line <= 20; ++line)
        EXPECT_EQ(lines[line - 1], "") << line;
    EXPECT_EQ(FileText().back(), '\n');

    Open();
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(CurrentRow(), 2);
    // The keys go on as they would have without the restart.
    Type("+3=");
    EXPECT_EQ(Tape(), "12 + | 5 + | 3 = | 20");
    Key(Qt::Key_F8);
    Type("12+5=+3=");
    EXPECT_EQ(Tape(), "12 + | 5 + | 3 = | 20");
}

// The numeric keypad's keys count as keys without a modifier: the same tape
// as the clicks on the window's keypad.
TEST_F(KeysTest, NumericKeypadMatchesTheOnScreenKeypad) {
    for (const char* key : {"Tecla1", "Tecla2", "TeclaMes", "Tecla3", "TeclaIntro"})
        Click(key);
    const std::string clicked = Tape();
    EXPECT_EQ(clicked, "12 + | 3 = | 15");

    Key(Qt::Key_F8);
    EXPECT_EQ(Tape(), "");
    Key(Qt::Key_1, Qt::KeypadModifier);
    Key(Qt::Key_2, Qt::KeypadModifier);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    Key(Qt::Key_3, Qt::KeypadModifier);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Tape(), clicked);
}

TEST_F(KeysTest, LettersWithShiftDoNothingWhileSymbolsStillWork) {
    Type("116");
    Key(Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(Tape(), "");
    EXPECT_EQ(Entry(), "116");
    // "+" typed with Shift on a layout that needs it.
    QTest::keyClick(Focus(), Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(Tape(), "116 +");
    Key(Qt::Key_F8);
    Type("121b");  // a new user's rate, 21 %
    EXPECT_EQ(Tape(), "121 / | 1.21 = | 100");
}

TEST_F(KeysTest, AfterATotalTypingStartsANewNumber) {
    Type("12+5=");
    Click("TeclaIntro");
    Type("5");
    EXPECT_EQ(Entry(), "5");
}

TEST_F(KeysTest, DigitsReachOnlyTheMarginFieldWhileItIsEdited) {
    Type("7");
    Click("TeclaQuinMarge");
    auto* field = Find<TPanelEx>("TeclaQuinMarge");
    ASSERT_TRUE(field->IsEditing());
    EXPECT_EQ(field->Caption(), "0");
    field->Editor()->selectAll();
    Type("12,5+");
    EXPECT_EQ(Entry(), "7");
    EXPECT_EQ(Tape(), "");
    Key(Qt::Key_Return);
    EXPECT_FALSE(field->IsEditing());
    EXPECT_EQ(field->Caption(), "12.5%");
    EXPECT_EQ(window->TaxSettings().MarginPercent(), 12.5);
    EXPECT_EQ(Focus(), &window->Paper());
    // Back on the tape the keys work again.
    Type("+");
    EXPECT_EQ(Tape(), "7 +");
}

TEST_F(KeysTest, EditingKeysWorkOnTheTape) {
    Type("12+5+7=");
    window->Paper().PosarFilaActual(1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Tape(), "12 + | 7 = | 19");
    Key(Qt::Key_Insert);
    EXPECT_EQ(Tape(), "12 + |  + | 7 = | 19");
    Type("\b");
    Key(Qt::Key_F8);
    EXPECT_EQ(Tape(), "");
    EXPECT_EQ(CurrentRow(), 0);
}

TEST_F(KeysTest, BackspaceAndCEditTheEntry) {
    Type("123");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Entry(), "12");
    Type("c");
    EXPECT_EQ(Entry(), "");
    Type("4.5");
    EXPECT_EQ(Entry(), "4,5");
}

// F2 opens the display for editing; Enter ends the edit and enters the
// number as it was typed there.
TEST_F(KeysTest, TheDisplayCanBeEditedAndEntered) {
    Type("12+");
    Key(Qt::Key_F2);
    auto* display = Find<TPanelEx>("CNumero");
    ASSERT_TRUE(display->IsEditing());
    Type("30");
    EXPECT_EQ(Entry(), "30");
    Key(Qt::Key_Return);
    EXPECT_FALSE(display->IsEditing());
    EXPECT_EQ(Tape(), "12 + | 30 = | 42");
}

TEST_F(KeysTest, EscapeClosesTheWindowAndTheFileIsWritten) {
    Type("2x3=");
    Key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    Close();
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[22], "6\t");
}

// A lone comma is no number: the action stops with exactly one message,
// whichever key used the entry, even though the box takes the focus away
// from the window while it is open; nothing changes and the window goes on.
TEST_F(KeysTest, ALoneCommaStopsTheKeyWithOneMessage) {
    boxes.takeFocus = true;
    for (const char* key : {"+", "=", "\r", "x", "%"}) {
        SCOPED_TRACE(key);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Key(Qt::Key_F8);
        Type("c5+,");
        boxes.requests.clear();
        Type(key);
        ASSERT_EQ(boxes.requests.size(), 1u);
        EXPECT_NE(boxes.requests[0].text.find("is not a valid floating point value"),
                  std::string::npos);
        EXPECT_EQ(Tape(), "5 +");
        EXPECT_EQ(Entry(), ",");
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Type("\b3=");
    EXPECT_EQ(Tape(), "5 + | 3 = | 8");
}

TEST_F(KeysTest, ClickOnTheTapeRecallsARow) {
    Type("12+5+");
    const TGridEx& paper = window->Paper();
    const QPoint at = paper.CellRect(1, 0).center() - paper.viewport()->pos();
    QTest::mouseClick(paper.viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(Entry(), "12");
    EXPECT_EQ(Subtotal(), "");
    Click("TeclaIntro");
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(window->Paper().LlegirCella(2, 3), "0");
}

}  // namespace

namespace {

using UndoKeysTest = CalculadoraWindow;

// F8 by mistake, then Ctrl+Z: the tape, the current row and the subtotal come
// back; Ctrl+Y and Ctrl+Shift+Z clear it again. The menu items follow.
TEST_F(UndoKeysTest, CtrlZTakesBackAClearAndCtrlYDoesItAgain) {
    auto* undo = Find<QAction>("MenuDesfer");
    auto* redo = Find<QAction>("MenuRefer");
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));

    Type("12+5=");
    Key(Qt::Key_F8);
    EXPECT_EQ(Tape(), "");
    EXPECT_TRUE(undo->isEnabled());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(Subtotal(), "17,00");
    EXPECT_TRUE(redo->isEnabled());
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "");
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Tape(), "");
    undo->trigger();
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    redo->trigger();
    EXPECT_EQ(Tape(), "");
}

// A paste over the tape (Ctrl+E) is one step: one Ctrl+Z gives the old tape.
TEST_F(UndoKeysTest, APasteOverTheTapeIsOneStep) {
    Type("12+5=");
    QApplication::clipboard()->setText("1\r\n2\r\n3\r\n");
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "1 + | 2 + | 3");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
}

// While the display is being edited, Ctrl+Z belongs to its editor.
TEST_F(UndoKeysTest, TheDisplayEditorKeepsItsOwnCtrlZ) {
    Type("12+");
    Key(Qt::Key_F2);
    Type("7");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 +");
}

}  // namespace
