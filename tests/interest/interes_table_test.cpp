// The amortization table: its rows, due dates, selection, totals and copy.

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "controls/button/botopetit.h"
#include "tests/interest/interesfixture.h"

namespace {

const std::string kTitleLine = "Quota\tAny\tData\tCapital\tAcum Cap\tInterès\tAcum Int\tSaldo\r\n";

class AmortTable : public InteresWindow {
protected:
    std::string Totals() const {
        return Amort()->LlegirCella(1, 4) + " / " + Amort()->LlegirCella(1, 6);
    }
};

TEST_F(AmortTable, ListsTheExampleLoanFromTheTypedStartDate) {
    EnterStartDate("15/03/2024");
    Click("Capital1");
    EnterLoan1();
    ASSERT_EQ(Amort()->FilesUsades(), 12);
    EXPECT_EQ(Row(2), "1\t1\t20240415\t8144081.18\t8144081.18\t416667\t416667\t91855918.82");
    EXPECT_EQ(Row(13), "12\t1\t20250315\t8525226.02\t100000000\t35522\t2728978\t0");
    EXPECT_EQ(Totals(), "0 / 0");
}

TEST_F(AmortTable, FollowsTheStartDatePickedOrTyped) {
    EnterLoan1("1000000", "5", "3");
    EnterStartDate("31/01/2024");
    EXPECT_EQ(Amort()->LlegirCella(2, 3), "20240229");
    EXPECT_EQ(Amort()->LlegirCella(3, 3), "20240331");
    EXPECT_EQ(Amort()->LlegirCella(4, 3), "20240430");
    EnterStartDate("31/01/2023");
    EXPECT_EQ(Amort()->LlegirCella(2, 3), "20230228");
    EXPECT_EQ(Amort()->LlegirCella(3, 3), "20230331");
    EXPECT_EQ(Amort()->LlegirCella(4, 3), "20230430");
}

TEST_F(AmortTable, OneInstalmentRepaysTheWholeCapitalWithOneMonthsInterest) {
    EnterLoan1("1000000", "6", "1");
    ASSERT_EQ(Amort()->FilesUsades(), 1);
    EXPECT_EQ(Amort()->LlegirCella(2, 4), "100000000");
    EXPECT_EQ(Amort()->LlegirCella(2, 6), "500000");
    EXPECT_EQ(Amort()->LlegirCella(2, 8), "0");
}

TEST_F(AmortTable, WithoutMonthsIsEmptyAndCopiesTheTitleLineAlone) {
    EnterLoan1("1000000", "5", "0");
    EXPECT_EQ(Amort()->FilesUsades(), 0);
    EXPECT_EQ(Totals(), "0 / 0");
    EXPECT_EQ(window->AmortCopyText(), kTitleLine);
}

TEST_F(AmortTable, EnterSelectsInstalmentsIntoTheTotalsAndDeleteClearsThem) {
    EnterLoan1();
    ClickRow(2);
    ASSERT_EQ(Amort()->FilaActual(), 2);
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Amort()->FilaActual(), 4);
    EXPECT_TRUE(Amort()->FilaSeleccionada(2));
    EXPECT_TRUE(Amort()->FilaSeleccionada(3));
    EXPECT_EQ(Totals(), "16322096.36 / 799400");

    Key(Qt::Key_Delete);
    EXPECT_FALSE(Amort()->FilaSeleccionada(2));
    EXPECT_EQ(Amort()->Seleccio().Count(), 0);
    EXPECT_EQ(Totals(), "0 / 0");
}

TEST_F(AmortTable, DoubleClickTogglesTheInstalmentUnderThePointer) {
    EnterLoan1();
    DoubleClickRow(5);
    EXPECT_TRUE(Amort()->FilaSeleccionada(5));
    EXPECT_EQ(Amort()->LlegirCella(1, 6), Amort()->LlegirCella(5, 6));
    DoubleClickRow(5);
    EXPECT_FALSE(Amort()->FilaSeleccionada(5));
    EXPECT_EQ(Totals(), "0 / 0");
}

TEST_F(AmortTable, EnterOnTheLastInstalmentStaysThereAndEndGoesToIt) {
    EnterLoan1();
    ClickRow(2);
    Key(Qt::Key_End);
    EXPECT_EQ(Amort()->FilaActual(), 13);
    Key(Qt::Key_Return);
    EXPECT_TRUE(Amort()->FilaSeleccionada(13));
    EXPECT_EQ(Amort()->FilaActual(), 13);
    Key(Qt::Key_Insert);  // the grid's own toggle
    EXPECT_FALSE(Amort()->FilaSeleccionada(13));
}

TEST_F(AmortTable, ANewRecalculationEmptiesTheSelection) {
    EnterLoan1();
    ClickRow(3);
    Key(Qt::Key_Return);
    ASSERT_NE(Totals(), "0 / 0");
    Click("Interes1");
    TypeAndTab("6");
    EXPECT_EQ(Amort()->Seleccio().Count(), 0);
    EXPECT_EQ(Totals(), "0 / 0");
}

TEST_F(AmortTable, CopyExcelPutsTheTableOnTheClipboardForASpreadsheet) {
    EnterStartDate("15/03/2024");
    Click("Capital1");
    EnterLoan1();
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->findChild<TBotoPetit*>(QStringLiteral("BotoCopiar")), Qt::LeftButton);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text, window->AmortCopyText());
    const std::string first =
        "1\t1\t15/04/2024\t81440,81\t81440,81\t4166,67\t4166,67\t918559,19\r\n";
    EXPECT_EQ(text.substr(0, kTitleLine.size() + first.size()), kTitleLine + first);
}

}  // namespace
