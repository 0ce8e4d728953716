// The window itself: its place and look, the options menu, the rate list and
// the interest key.

#include <QAction>
#include <QDate>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "controls/button/botopetit.h"
#include "controls/combo/comboex.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "interest/interes.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

using WindowTest = CalculadoraWindow;

TEST_F(WindowTest, CaptionAndIcon) {
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Zentabo - Tarvik - Calculadora %1").arg(QDate::currentDate().year()));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(Focus(), &window->Paper());
    EXPECT_EQ(Find("Paper")->geometry().bottom() + 1, Find("PanelBotons")->geometry().top());
    EXPECT_EQ(Find<TBotoPetit>("BotoLLigar")->toolTip(),
              QStringLiteral("Copiar i Lligar Valor al Final  [F7]"));
}

TEST_F(WindowTest, MenuShowsTheOptionsWhenOpened) {
    Choose("MenuArrodonirTot");
    Click("BotoPropietats");
    auto* menu = Find<QMenu>("MenuPropietats");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(Find<QAction>("MenuArrodonirTotals")->isChecked());
    EXPECT_TRUE(Find<QAction>("MenuArrodonirCalculs")->isChecked());
    EXPECT_TRUE(Find<QAction>("MenuArrodonirTot")->isChecked());
    EXPECT_FALSE(Find<QAction>("MenuConvertir")->isChecked());
    Find<QAction>("Menu4Decimals")->trigger();
    menu->hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->Engine().Options().decimals, 4);
    EXPECT_EQ(Focus(), &window->Paper());
}

// With 2 decimals and rounding on, 10 / 3 x 3 = gives 9.99; off, 10.
TEST_F(WindowTest, RoundingTogglesRefreshTheTape) {
    Type("10/3x3=");
    EXPECT_EQ(Subtotal(), "9,99");
    Find<QAction>("MenuArrodonirCalculs")->trigger();
    EXPECT_EQ(Subtotal(), "10,00");
}

TEST_F(WindowTest, ConversionKeysConvertTheTape) {
    Type("100+");
    Type("p");
    EXPECT_EQ(Tape(), "16638.6 +");
    Click("BotoEuros");
    EXPECT_EQ(Tape(), "100 +");
}

// A new user's list: the rates in force.
TEST_F(WindowTest, RateListChoosesTheRate) {
    Click("TeclaQuinIva");
    auto* list = Find<QListWidget>("LlistaIvas");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 10);
    list->setCurrentRow(8);
    window->Paper().setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Find<TPanelEx>("TeclaQuinIva")->Caption(), "4.5% (4%+0.5%)Iva");
    EXPECT_EQ(window->TaxSettings().VatRate(), 4.5);
}

// Enter and Escape in the open list close the list only: no tape Enter, and
// the window stays open.
TEST_F(WindowTest, EnterAndEscapeCloseOnlyTheRateList) {
    Type("12+");
    auto* list = Find<QListWidget>("LlistaIvas");
    Click("TeclaQuinIva");
    ASSERT_EQ(Focus(), list);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    Click("TeclaQuinIva");
    ASSERT_EQ(Focus(), list);
    Key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Tape(), "12 +");
    EXPECT_EQ(window->TaxSettings().VatIndex(), 1);
    EXPECT_EQ(Focus(), &window->Paper());
}

struct TaxCase {
    const char* name;
    int rateIndex;
    const char* typed;
    const char* tape;
};

// The factor of the base and margin keys divides by 1 + r / 100 exactly,
// even where that factor has more decimals than the tape shows (the original
// rate list, of a settings file without a rate line).
TEST_F(WindowTest, TaxAndMarginKeysDivideByTheExactFactor) {
    ReopenWithOriginalRates();
    const TaxCase cases[] = {
        {"16 %", 0, "116b", "116 / | 1.16 = | 100"},
        {"5.5 %", 8, "105,5b", "105,5 / | 1.055 = | 100"},
        {"0.5 %", 5, "100,5b", "100,5 / | 1.005 = | 100"},
        {"quota 20 %", 6, "100q", "100 x | 20 % | 20"},
        {"plus 16 %", 0, "100i", "100 + | 16 % | 16"},
    };
    for (const TaxCase& c : cases) {
        Key(Qt::Key_F8);
        window->TaxSettings().SetVatIndex(c.rateIndex);
        Type(c.typed);
        EXPECT_EQ(Tape(), c.tape) << c.name;
    }
    Key(Qt::Key_F8);
    window->TaxSettings().SetMargin(12.5);
    Type("87,5m");
    EXPECT_EQ(Tape(), "87,5 / | 0.875 = | 100");
    Key(Qt::Key_F8);
    window->Tax().SetMarginType(1);
    EXPECT_EQ(Find<TPanelEx>("TeclaMenysMarge")->Caption(), "- Marge");
    Type("112,5n");
    EXPECT_EQ(Tape(), "112,5 / | 1.125 = | 100");
    window->Tax().SetMarginType(2);
    EXPECT_EQ(Find<TPanelEx>("TeclaMesMarge")->Caption(), "+ Dte");
}

TEST_F(WindowTest, MarginTypeComboSetsTheKeyCaptions) {
    auto* combo = Find<TComboEx>("CTipusMarge");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(Find<TPanelEx>("TeclaMenysMarge")->Caption(), "- Dte");
}

TEST_F(WindowTest, InterestKeyShowsOneWindowOwnedByTheCalculator) {
    Click("BotoInteres");
    TInteres* interes = window->Interes();
    ASSERT_NE(interes, nullptr);
    EXPECT_TRUE(interes->isVisible());
    interes->hide();
    Click("BotoInteres");
    EXPECT_EQ(window->Interes(), interes);
    EXPECT_TRUE(interes->isVisible());
    EXPECT_EQ(interes->parent(), window);
}

}  // namespace
