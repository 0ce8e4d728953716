#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>

#include "controls/datefield/datacalendari.h"
#include "tests/support/tablecases.h"

namespace {

TDateTime DateValue(int year, int month, int day) {
    return static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(QDate(year, month, day)));
}

// The interest window's date field between two other fields, in an active window.
struct DateField : testing::Test {
    DateField() {
        form.resize(300, 100);
        before = new QLineEdit(&form);
        before->setObjectName(QStringLiteral("Mesos2"));
        field = new TDataCalendari(&form);
        field->setObjectName(QStringLiteral("Data"));
        field->setGeometry(10, 40, 91, 21);
        after = new QLineEdit(&form);
        after->setObjectName(QStringLiteral("BotoCopiar"));
        after->move(150, 40);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ~DateField() override { QCoreApplication::processEvents(); }

    QLineEdit* Editor() { return form.findChild<QLineEdit*>(QStringLiteral("DataEdit")); }
    // Lets the posted Tab arrive.
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QPoint ArrowPoint() { return QPoint(field->width() - 5, field->height() / 2); }

    QWidget form;
    QLineEdit* before = nullptr;
    TDataCalendari* field = nullptr;
    QLineEdit* after = nullptr;
};

struct LetterCase {
    const char* name;
    char letter;
    QDate start;
    const char* shown;
    friend std::ostream& operator<<(std::ostream& os, const LetterCase& c) { return os << c.name; }
};

struct PeriodLetter : DateField, testing::WithParamInterface<LetterCase> {};

TEST_P(PeriodLetter, SnapsTheDateAndMovesTheFocusOn) {
    const LetterCase& c = GetParam();
    field->SetDate(DateValue(c.start.year(), c.start.month(), c.start.day()));
    int changes = 0;
    field->OnChange = [&](TDataCalendari*) { ++changes; };
    ASSERT_NE(Editor(), nullptr);
    Editor()->setFocus();
    QTest::keyClick(Editor(), c.letter);
    EXPECT_EQ(Editor()->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(field->GetDateText(), NormalizeDate(c.shown));
    EXPECT_EQ(field->Date(), TextToDate(c.shown)) << "the value follows the letter";
    Settle();
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(changes, c.letter == 'D' ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    TDataCalendari, PeriodLetter,
    testing::Values(LetterCase{"MonthStart", 'M', QDate(2024, 5, 17), "01/05/2024"},
                    LetterCase{"QuarterStart", 'T', QDate(2024, 5, 17), "01/04/2024"},
                    LetterCase{"MondayOfTheWeek", 'S', QDate(2024, 1, 7), "01/01/2024"},
                    LetterCase{"YearStart", 'A', QDate(2024, 8, 30), "01/01/2024"},
                    LetterCase{"DayKeepsTheDate", 'D', QDate(2024, 5, 17), "17/05/2024"},
                    LetterCase{"LowerCaseToo", 'm', QDate(2024, 5, 17), "01/05/2024"}),
    CaseName<LetterCase>);

TEST_F(DateField, EnterMovesTheFocusOnWithoutTouchingTheDate) {
    field->SetDate(DateValue(2024, 5, 17));
    Editor()->setFocus();
    Editor()->setText(QStringLiteral("05/01/2024"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(Editor()->text(), QStringLiteral("05/01/2024"));
    EXPECT_EQ(field->Date(), DateValue(2024, 5, 17));
}

TEST_F(DateField, TabLeavesTheFieldAndReportsTheExit) {
    QObject* sender = nullptr;
    field->OnExit = [&](QObject* s) { sender = s; };
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(sender, Editor());
}

TEST_F(DateField, DayZeroEmptiesTheTextAtOnce) {
    Editor()->setText(QStringLiteral("15/05/2024"));
    Editor()->setFocus();
    Editor()->setCursorPosition(0);
    QTest::keyClick(Editor(), '0');
    EXPECT_EQ(Editor()->text(), QStringLiteral("05/05/2024"));
    QTest::keyClick(Editor(), '0');
    EXPECT_EQ(Editor()->text(), QStringLiteral("00/00/0000"));
    EXPECT_EQ(field->GetDateText(), "00000000");
}

TEST_F(DateField, DateTextsRoundTripWithoutTouchingTheValue) {
    field->SetDate(DateValue(2020, 2, 2));
    field->SetDateText("20240105");
    EXPECT_EQ(Editor()->text(), QStringLiteral("05/01/2024"));
    EXPECT_EQ(field->GetDateText(), "20240105");
    field->SetDateText("00000000");
    EXPECT_EQ(Editor()->text(), QStringLiteral("00/00/0000"));
    EXPECT_EQ(field->GetDateText(), "00000000");
    EXPECT_EQ(field->Date(), DateValue(2020, 2, 2));
}

TEST_F(DateField, OverlayLeavesTheDropDownButtonVisible) {
    EXPECT_EQ(Editor()->parentWidget(), field);
    EXPECT_EQ(Editor()->y(), 0);
    EXPECT_EQ(Editor()->height(), field->height());
    EXPECT_LT(Editor()->width(), field->width() - 10);
    EXPECT_GT(Editor()->width(), field->width() / 2);
}

TEST_F(DateField, CalendarOpensOnTheTypedDateAndItsPickReturnsToTheText) {
    field->SetDateText("20240315");
    QTest::mouseClick(field, Qt::LeftButton, {}, ArrowPoint());
    EXPECT_EQ(field->Date(), DateValue(2024, 3, 15)) << "the enter rule";
    QCalendarWidget* calendar = field->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    // Picking a day, as a click or Return in the calendar does.
    emit calendar->activated(QDate(2024, 3, 16));
    Settle();
    EXPECT_EQ(field->Date(), DateValue(2024, 3, 16));
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(Editor()->text(), QStringLiteral("16/03/2024"));
    EXPECT_EQ(form.focusWidget(), Editor()) << "the editor has the window's focus";
}

TEST_F(DateField, EmptyOrImpossibleTypedDateOpensOnTodayOrTheLastValue) {
    field->SetDate(DateValue(2000, 1, 1));
    field->DropDownEnter();
    EXPECT_EQ(field->Date(), TodayDateValue()) << "00/00/0000 opens on today";
    field->SetDate(DateValue(2000, 1, 1));
    Editor()->setText(QStringLiteral("31/02/2024"));
    field->DropDownEnter();
    EXPECT_EQ(field->Date(), DateValue(2000, 1, 1)) << "no such date: the value stays";
}

TEST_F(DateField, DateBefore1900PickedInTheCalendarShowsAsEmpty) {
    field->SetDate(DateValue(1899, 12, 31));
    field->CalendarCloseUp();
    EXPECT_EQ(field->GetDateText(), "00000000");
    EXPECT_TRUE(Editor()->hasFocus());
}

}  // namespace
