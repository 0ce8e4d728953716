// The keys of a desk printing calculator in the real window: the keyboard and
// the band of keys play the same commands, the indicators show the memory,
// the fixed-decimal entry and the count, the settings file keeps the memory
// and the fixed-decimal entry, and a screen reader hears a total's count.

#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QTest>

#include "calculator/optionsmenu.h"
#include "calculator/settingsfile.h"
#include "controls/grid/gridex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

using DeskKeysTest = CalculadoraWindow;

QLabel* Indicator(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

TEST_F(DeskKeysTest, TheKeyboardAndTheKeysOverTheDisplayPlayTheSameCommands) {
    Type("10+5=7+3=g");
    const std::string typed = Tape();
    EXPECT_EQ(typed, "10 + | 5 = | 15 | 7 + | 3 = | 10 G | 25");
    Type("16");
    Key(Qt::Key_F4);
    Type("2");
    Key(Qt::Key_F4, Qt::ShiftModifier);
    Key(Qt::Key_F6);
    EXPECT_EQ(Entry(), "14");
    Key(Qt::Key_F6, Qt::ShiftModifier);
    Key(Qt::Key_F6);
    EXPECT_EQ(Entry(), "0");

    Key(Qt::Key_F8);
    Type("C10+5=7+3=");
    Click("TeclaGranTotal");
    EXPECT_EQ(Tape(), typed);
    Type("16");
    Click("TeclaMesMemoria");
    Type("2");
    Click("TeclaMenysMemoria");
    Click("TeclaRecuperarMemoria");
    EXPECT_EQ(Entry(), "14");
    Click("TeclaBorrarMemoria");
    Click("TeclaRecuperarMemoria");
    EXPECT_EQ(Entry(), "0");
}

TEST_F(DeskKeysTest, EachKeyHintsAtItsKeyAndTellsWhatItDoes) {
    const struct {
        const char* name;
        const char* hint;
    } keys[] = {{"TeclaMesMemoria", "Suma a la memòria [F4]"},
                {"TeclaMenysMemoria", "Resta de la memòria [Maj+F4]"},
                {"TeclaRecuperarMemoria", "Recupera la memòria [F6]"},
                {"TeclaBorrarMemoria", "Esborra la memòria [Maj+F6]"},
                {"TeclaGranTotal", "Gran total: suma dels totals [g]"}};
    for (const auto& key : keys) {
        EXPECT_EQ(Find(key.name)->toolTip(), QString::fromUtf8(key.hint)) << key.name;
        const QString spoken =
            QAccessible::queryAccessibleInterface(Find(key.name))->text(QAccessible::Name);
        EXPECT_TRUE(QString::fromUtf8(key.hint).startsWith(spoken)) << key.name;
    }
}

// "M" shows while the memory is not 0, with its value in the tooltip and for
// a screen reader; "ADD" while the fixed-decimal entry is on, which the
// options menu shows checked.
TEST_F(DeskKeysTest, TheIndicatorsFollowTheMemoryAndTheFixedDecimalEntry) {
    QLabel* memory = Indicator(window, "IndicadorMemoria");
    QLabel* fixed = Indicator(window, "IndicadorDecimalsFixos");
    EXPECT_FALSE(memory->isVisible());
    Type("16,5");
    Key(Qt::Key_F4);
    EXPECT_TRUE(memory->isVisible());
    EXPECT_EQ(memory->toolTip(), QStringLiteral("Memòria: 16,50"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(memory)->text(QAccessible::Description),
              QStringLiteral("16,50"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(memory->isVisible()) << "undo took the memory back";
    Type("C");

    EXPECT_FALSE(fixed->isVisible());
    Key(Qt::Key_F9);
    EXPECT_TRUE(fixed->isVisible());
    window->BotoPropietatsClick();
    EXPECT_TRUE(window->findChild<TOptionsMenu*>()->Item(TCommandId::FixedDecimals)->isChecked());
    window->findChild<TOptionsMenu*>()->hide();
    Type("1234+");
    EXPECT_EQ(Tape(), "12,34 +");
    Choose("MenuDecimalsFixos");
    EXPECT_FALSE(fixed->isVisible());
}

// Beside the subtotal, the count of the calculation being typed; on a total
// row, its count is heard with its value.
TEST_F(DeskKeysTest, TheCountGoesBesideTheSubtotalAndWithTheTotal) {
    QLabel* count = Indicator(window, "IndicadorElements");
    Type("12+5+3+");
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(count->text(), QStringLiteral("3 \u00B7"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(count->text(), QStringLiteral("2 \u00B7"));
    Type("C");
    Key(Qt::Key_Return);
    TGridEx& paper = window->Paper();
    const QModelIndex total = paper.model()->index(2, 1);
    EXPECT_EQ(paper.model()->data(total, Qt::AccessibleTextRole).toString(),
              QStringLiteral("Total 17,00, elements: 2"));
    Type("g");
    EXPECT_EQ(count->text(), QStringLiteral("GT 1 \u00B7"));
    EXPECT_EQ(paper.model()->data(paper.model()->index(3, 1), Qt::AccessibleTextRole).toString(),
              QStringLiteral("Gran total 17,00, totals: 1"));
    Key(Qt::Key_F8);
    QCoreApplication::processEvents();
    EXPECT_FALSE(count->isVisible());
}

// Both are written only when they are not at their start values.
TEST_F(DeskKeysTest, TheMemoryAndTheFixedDecimalEntryComeBackAfterARestart) {
    Type("16,5");
    Key(Qt::Key_F4);
    Key(Qt::Key_F9);
    Close();
    const std::vector<std::string> lines = FileLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(kMemoryKey) + "=16.5"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(kFixedDecimalsKey) + "=1"),
              lines.end());
    Open();
    EXPECT_TRUE(Indicator(window, "IndicadorMemoria")->isVisible());
    EXPECT_TRUE(Indicator(window, "IndicadorDecimalsFixos")->isVisible());
    Key(Qt::Key_F6);
    EXPECT_EQ(Entry(), "16,5");
    Key(Qt::Key_F6, Qt::ShiftModifier);
    Key(Qt::Key_F9);
    Type("C");
    Close();
    for (const std::string& line : FileLines()) {
        EXPECT_NE(line.rfind(kMemoryKey, 0), 0u) << line;
        EXPECT_NE(line.rfind(kFixedDecimalsKey, 0), 0u) << line;
    }
}

}  // namespace
