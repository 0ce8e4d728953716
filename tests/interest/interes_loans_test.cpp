// The two loans, typed and tabbed through as a user does.

#include <QLineEdit>
#include <QTest>

#include "controls/platform/colorref.h"
#include "tests/controls/messageboxspy.h"
#include "tests/interest/interesfixture.h"

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kGreen = RGBColor(0, 128, 0);

TEST_F(InteresWindow, StartsInTheFirstCapitalWithNothingComputed) {
    EXPECT_EQ(FocusName(), "Capital1Edit");
    EXPECT_EQ(window->ActiveLoan(), 1) << "entering the first field selected loan 1";
    EXPECT_EQ(Shown("Quota1"), "");
    EXPECT_EQ(Amort()->FilesUsades(), 0);
}

TEST_F(InteresWindow, ComparesTheExampleLoansReachedByTabbingThroughTheFields) {
    EnterLoan1();
    EXPECT_EQ(Shown("Quota1"), "85.607,48");
    EXPECT_EQ(Shown("Interessos1"), "27.289,78");
    EXPECT_EQ(Field("Capital1")->Caption(), "100000000") << "hundredths once left";

    // Loan 2 started as a copy of loan 1, its capital in whole units while in it.
    EXPECT_EQ(Field("Capital2")->Caption(), "1000000");
    EXPECT_EQ(Shown("Quota2"), "85.607,48");
    EXPECT_EQ(Shown("DifQuota"), "");

    EnterLoan2Rate();
    EXPECT_EQ(FocusName(), "DataEdit");
    EXPECT_EQ(Field("Capital2")->Caption(), "100000000") << "not 100 times loan 1's capital";
    EXPECT_EQ(Shown("Quota2"), "85.378,52");
    EXPECT_EQ(Shown("Interessos2"), "24.542,26");
    EXPECT_EQ(Shown("DifQuota"), "-228,96");
    EXPECT_EQ(Shown("DifInteres"), "-2.747,52");
    EXPECT_EQ(Field("DifQuota")->FontColor(), kGreen);
    EXPECT_EQ(Field("DifInteres")->FontColor(), kGreen);
    EXPECT_EQ(window->ActiveLoan(), 2);
    EXPECT_EQ(Amort()->FilesUsades(), 12);
}

TEST_F(InteresWindow, ADearerSecondLoanShowsTheDifferencesInRed) {
    EnterLoan1();
    EnterLoan2Rate("6");
    EXPECT_GT(Field("DifQuota")->Value(), 0);
    EXPECT_EQ(Field("DifQuota")->FontColor(), kRed);
    EXPECT_EQ(Field("DifInteres")->FontColor(), kRed);
}

TEST_F(InteresWindow, YearsTypedSetTheMonthsAndMonthsTypedLeaveTheYears) {
    TypeAndTab("1000000");
    TypeAndTab("5");
    TypeAndTab("2");
    EXPECT_EQ(FocusName(), "Mesos1Edit");
    EXPECT_EQ(Field("Mesos1")->Caption(), "24");
    EXPECT_EQ(QString::fromStdString(Field("Mesos1")->Caption()),
              qobject_cast<QLineEdit*>(Focus())->text());
    EXPECT_EQ(Amort()->FilesUsades(), 24) << "entering the months recalculated";
    TypeAndTab("36");
    EXPECT_EQ(Field("Anys1")->Caption(), "2");
    EXPECT_EQ(Field("Mesos1")->Caption(), "36");
}

TEST_F(InteresWindow, EnteringLoan2CopiesLoan1OnlyWhileItHasNoCapital) {
    TypeAndTab("250000");
    TypeAndTab("3,25");
    TypeAndTab("10");
    Click("Mesos2");
    EXPECT_EQ(Field("Capital2")->Caption(), "25000000");
    EXPECT_EQ(Field("Interes2")->Value(), 3.25);
    EXPECT_EQ(Field("Anys2")->Caption(), "10");
    EXPECT_EQ(Field("Mesos2")->Caption(), "120");
    EXPECT_EQ(Shown("Quota2"), Shown("Quota1"));

    // Loan 2 changed, then loan 1: entering loan 2 again copies nothing.
    Type("60");
    Click("Interes1");
    Type("4");
    Click("Interes2");
    EXPECT_EQ(Field("Interes2")->Value(), 3.25);
    EXPECT_EQ(Field("Mesos2")->Caption(), "60");
}

TEST_F(InteresWindow, ALoanAtZeroRateOrWithoutMonthsHasNoInstalmentAndNoDifference) {
    EnterLoan1("1000000", "0", "12");
    EnterLoan2Rate("4,5");
    EXPECT_EQ(Shown("Quota1"), "");
    EXPECT_EQ(Shown("Interessos1"), "");
    EXPECT_EQ(Shown("Quota2"), "85.378,52");
    EXPECT_EQ(Field("DifQuota")->Value(), 0);
    EXPECT_EQ(Field("DifInteres")->Value(), 0);
    EXPECT_EQ(Field("DifQuota")->FontColor(), kRed);

    Click("Mesos2");
    TypeAndTab("0");
    EXPECT_EQ(Shown("Quota2"), "");
    EXPECT_EQ(Amort()->FilesUsades(), 0);
}

TEST_F(InteresWindow, MonthsWithAFractionEnterTheFormulaWhileTheTableListsWholeInstalments) {
    EnterLoan1("1000000", "5", "12,5");
    EXPECT_EQ(Shown("Mesos1"), "12,5");
    EXPECT_EQ(Shown("Quota1"), "82.267,93");
    EXPECT_EQ(Shown("Interessos1"), "28.349,13");
    Click("Interes1");
    EXPECT_EQ(Amort()->FilesUsades(), 12);
}

// The capital field holds whole units while it has the focus; every
// recalculation reads it in hundredths all the same.
TEST_F(InteresWindow, RecalculatingWhileACapitalHasTheFocusReadsItInHundredths) {
    EnterLoan1();
    EnterLoan2Rate();
    Click("Capital1");  // selects loan 1 again, which recalculates
    EXPECT_EQ(window->ActiveLoan(), 1);
    EXPECT_EQ(Field("Capital1")->Caption(), "1000000");
    EXPECT_EQ(Shown("Quota1"), "85.607,48");
    EXPECT_EQ(Row(2).substr(0, 4), "1\t1\t");
    EXPECT_EQ(Amort()->LlegirCella(13, 8), "0");

    Type("2000000");
    Key(Qt::Key_Tab);  // the Tab recalculates before the field is left
    EXPECT_EQ(Shown("Quota1"), "171.214,96");
    EXPECT_EQ(Field("Capital1")->Caption(), "200000000");
}

TEST_F(InteresWindow, EditingTheSecondCapitalRecalculatesAsTheFirstDoes) {
    EnterLoan1();
    EnterLoan2Rate();
    Click("Capital2");
    Type("2000000");
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Interes2Edit");
    EXPECT_EQ(Shown("Quota2"), "170.757,04");
    EXPECT_EQ(Amort()->LlegirCella(13, 5), "200000000");
}

TEST_F(InteresWindow, ANumberThatIsNoNumberStopsWithAMessageAndTheWindowCarriesOn) {
    MessageBoxSpy boxes;
    TypeAndTab("1000000");
    TypeAndTab(",");
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("not a valid floating point value"), std::string::npos);
    EXPECT_EQ(FocusName(), "Anys1Edit");
    Click("Interes1");
    TypeAndTab("5");
    Key(Qt::Key_Tab);
    TypeAndTab("12");
    EXPECT_EQ(Shown("Quota1"), "85.607,48");
}

}  // namespace
