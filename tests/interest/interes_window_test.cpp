// The window itself: creation, the keys that move the focus, closing and
// opening again, and a look at it.

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "basic/dates.h"
#include "controls/button/botopetit.h"
#include "controls/datefield/datacalendari.h"
#include "tests/interest/interesfixture.h"

namespace {

TEST_F(InteresWindow, IsCreatedWithTodayTheYearInItsCaptionAndItsIcon) {
    EXPECT_EQ(window->size(), QSize(592, 416));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    const std::string today = DateToText(TodayDateValue());
    auto* date = window->findChild<TDataCalendari*>(QStringLiteral("Data"));
    EXPECT_EQ(date->GetDateText(), today);
    EXPECT_EQ(date->Date(), TodayDateValue());
    const std::string caption = window->windowTitle().toStdString();
    EXPECT_TRUE(caption.ends_with("- " + today.substr(0, 4))) << caption;
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->RecalcPending(), true) << "entering Capital1 selected loan 1";
}

TEST_F(InteresWindow, TabGoesThroughTheInputsOfBothLoansThenTheDateAndTheButton) {
    std::vector<std::string> visited{FocusName()};
    for (int i = 0; i < 10; ++i) {
        Key(Qt::Key_Tab);
        visited.push_back(FocusName());
    }
    EXPECT_EQ(visited,
              (std::vector<std::string>{"Capital1Edit", "Interes1Edit", "Anys1Edit", "Mesos1Edit",
                                        "Capital2Edit", "Interes2Edit", "Anys2Edit", "Mesos2Edit",
                                        "DataEdit", "BotoCopiar", "Capital1Edit"}));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "BotoCopiar");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "DataEdit");
}

TEST_F(InteresWindow, EnterAndDownMoveOnFromAnEditor) {
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Interes1Edit");
    Key(Qt::Key_Down);
    EXPECT_EQ(FocusName(), "Anys1Edit");
    Key(Qt::Key_Enter);
    EXPECT_EQ(FocusName(), "Mesos1Edit");
}

TEST_F(InteresWindow, BackspaceAndUpAtTheStartOfAnEditorGoBackAField) {
    TypeAndTab("1000000");
    Type("5");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(FocusName(), "Interes1Edit") << "with text before the caret it deletes";
    EXPECT_EQ(Field("Interes1")->Caption(), "");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(FocusName(), "Capital1Edit");
    EXPECT_EQ(Field("Capital1")->Caption(), "1000000") << "entered again: whole units";
    Key(Qt::Key_Down);
    auto* editor = qobject_cast<QLineEdit*>(Focus());
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("7"));
    editor->setCursorPosition(1);
    Key(Qt::Key_Up);
    EXPECT_EQ(FocusName(), "Interes1Edit") << "the caret was not at the start";
    editor->setCursorPosition(0);
    Key(Qt::Key_Up);
    EXPECT_EQ(FocusName(), "Capital1Edit");
    EXPECT_EQ(Field("Capital1")->Caption(), "1000000");
}

TEST_F(InteresWindow, EscapeHidesTheWindowFromAnyControl) {
    for (const char* field : {"Interes2", "Mesos1"}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Click(field);
        Key(Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << field;
    }
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(Amort()->viewport(), Qt::LeftButton, {}, QPoint(20, 30));
    ASSERT_EQ(Focus(), Amort());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST(TInteres, ComputesNothingBeforeTheFocusFirstEntersALoan) {
    TInteres window;
    EXPECT_FALSE(window.RecalcPending());
    EXPECT_EQ(window.ActiveLoan(), 0);
    EXPECT_EQ(window.findChild<TGridEx*>(QStringLiteral("Amort"))->FilesUsades(), 0);
    EXPECT_EQ(window.findChild<TGridEx*>(QStringLiteral("Amort"))->LlegirCella(0, 6), "Interès");
}

TEST(ShowInteres, CreatesTheWindowOnceAndShowsItAgainWithItsValues) {
    QWidget owner;
    owner.show();
    TInteres* field = nullptr;
    TInteres* shown = ShowInteres(&owner, field);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(field, shown);
    EXPECT_EQ(shown->parent(), &owner);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_TRUE(shown->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    EXPECT_EQ(shown->windowHandle()->transientParent(), nullptr) << "its own task-bar button";

    // Arriving in a field selects its text (here "0"): typing replaces it.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000000"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown->isVisible());

    shown->showMinimized();
    EXPECT_EQ(ShowInteres(&owner, field), shown);
    EXPECT_FALSE(shown->isMinimized());
    EXPECT_TRUE(shown->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Capital1Edit"));
    EXPECT_EQ(shown->findChild<TPanelEx*>(QStringLiteral("Capital1"))->Caption(), "1000000");
}

TEST_F(InteresWindow, ExampleLoansSavedForALook) {
    EnterLoan1();
    EnterLoan2Rate();
    Click("Interes1");
    DoubleClickRow(3);
    DoubleClickRow(4);
    ClickRow(7);
    const QImage shot = window->grab().toImage();
    const QString path = QDir(QStringLiteral(BRIMSUM_SCREENSHOT_DIR)).filePath("interest.png");
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    // The totals row's own background, under the first amount column.
    const QRect totals = Amort()->CellRect(5, 1);
    EXPECT_EQ(shot.pixel(Amort()->mapTo(window, totals.topLeft()) + QPoint(2, 2)),
              qRgb(160, 240, 252));
}

}  // namespace
