// Both windows as assistive technology sees them: every control a user can
// reach has a name and the role of what it is, keys and buttons can be pressed
// through their actions, and names follow the captions they come from.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "calculator/tapegridcells.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "interest/interes.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString NameOf(QObject* object) {
    return Interface(object)->text(QAccessible::Name);
}

// The roles of what a user acts on or reads a value from.
bool IsInteractive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::StaticText:
            return true;
        default:
            return false;
    }
}

// Every visible element under `root` (cells of tables excluded) by the
// object behind it.
void Walk(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& found) {
    if (iface->state().invisible) return;
    found.push_back(iface);
    if (iface->role() == QAccessible::Table) return;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i)) Walk(child, found);
    }
}

struct AccessibilityTest : CalculadoraWindow {
    AccessibilityTest() {
        window->BotoInteresClick();
        interes = window->Interes();
        QCoreApplication::processEvents();
    }
    QObject* InWindows(const char* name) const {
        QObject* found = window->findChild<QObject*>(QString::fromLatin1(name));
        if (found == nullptr) found = interes->findChild<QObject*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    TInteres* interes = nullptr;
};

TEST_F(AccessibilityTest, EveryInteractiveElementOfBothWindowsHasAName) {
    for (QWidget* top : {static_cast<QWidget*>(window), static_cast<QWidget*>(interes)}) {
        std::vector<QAccessibleInterface*> elements;
        Walk(Interface(top), elements);
        EXPECT_GT(elements.size(), 30u) << top->objectName().toStdString();
        for (QAccessibleInterface* element : elements) {
            if (!IsInteractive(element->role())) continue;
            EXPECT_FALSE(element->text(QAccessible::Name).isEmpty())
                << element->object()->objectName().toStdString() << " (role " << element->role()
                << ")";
        }
    }
    EXPECT_FALSE(NameOf(window).isEmpty());
    EXPECT_FALSE(NameOf(interes).isEmpty());
}

struct Expected {
    const char* object;
    QAccessible::Role role;
    const char* name;
};

// Names come from captions, from the hint of a glyph button (without its key),
// from the caption of the box around a field, or from a name of their own
// where there is nothing to read.
TEST_F(AccessibilityTest, ControlsHaveTheRoleOfWhatTheyAre) {
    const Expected kExpected[] = {
        {"Tecla7", QAccessible::Button, "7"},
        {"TeclaMes", QAccessible::Button, "+"},
        {"TeclaPerIva", QAccessible::Button, "Quota Iva"},
        {"CNumero", QAccessible::EditableText, "Número"},
        {"TeclaQuinMarge", QAccessible::EditableText, "Estableix % de Marge"},
        {"cSubtotal", QAccessible::StaticText, "Subtotal"},
        {"PanelNumeros", QAccessible::Grouping, "Teclat"},
        {"BotoNetejar", QAccessible::Button, "Esborrar Paper"},
        {"BotoLLigar", QAccessible::Button, "Copiar i Lligar Valor al Final"},
        {"BotoPts", QAccessible::Button, "Pt"},
        {"BotoInteres", QAccessible::Button, "Càlcul Interès Bancari"},
        {"Paper", QAccessible::Table, "Paper"},
        {"CTipusMarge", QAccessible::ComboBox, "Marge S/PVP"},
        {"Capital1", QAccessible::EditableText, "Capital"},
        {"CCapital1", QAccessible::Grouping, "Capital"},
        {"Quota2", QAccessible::StaticText, "Quota"},
        {"PanelCalcul2", QAccessible::Grouping, "Préstec 2"},
        {"Data", QAccessible::ComboBox, "Data"},
        {"DataEdit", QAccessible::EditableText, "Data"},
        {"BotoCopiar", QAccessible::Button, "Copiar Excel"},
        {"Amort", QAccessible::Table, "Quadre d'amortitzacions"},
    };
    for (const Expected& expected : kExpected) {
        QAccessibleInterface* iface = Interface(InWindows(expected.object));
        ASSERT_NE(iface, nullptr) << expected.object;
        EXPECT_EQ(iface->role(), expected.role) << expected.object;
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(expected.name))
            << expected.object;
    }
    QAccessibleInterface* clear = Interface(InWindows("BotoNetejar"));
    EXPECT_EQ(clear->text(QAccessible::Accelerator), QStringLiteral("F8"));
    EXPECT_EQ(
        clear->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList{QStringLiteral("F8")});
    EXPECT_EQ(Interface(InWindows("TeclaMesIva"))->text(QAccessible::Description),
              QStringLiteral("Calcula el Valor més IVA [i]"));
}

TEST_F(AccessibilityTest, PressActionsWorkLikeClicks) {
    const QString press = QAccessibleActionInterface::pressAction();
    QAccessibleActionInterface* seven = Interface(Find("Tecla7"))->actionInterface();
    ASSERT_NE(seven, nullptr);
    ASSERT_TRUE(seven->actionNames().contains(press));
    seven->doAction(press);
    seven->doAction(press);
    EXPECT_EQ(Entry(), "77");

    Interface(Find("TeclaMes"))->actionInterface()->doAction(press);
    EXPECT_EQ(Tape(), "77 +");
    Interface(Find("BotoNetejar"))->actionInterface()->doAction(press);
    EXPECT_EQ(Tape(), "");

    // A field opens its editor, which carries the field's name.
    auto* margin = Find<TPanelEx>("TeclaQuinMarge");
    Interface(margin)->actionInterface()->doAction(press);
    ASSERT_TRUE(margin->IsEditing());
    EXPECT_EQ(NameOf(margin->Editor()), QStringLiteral("Estableix % de Marge"));
}

TEST_F(AccessibilityTest, NamesAndValuesFollowWhatTheControlsShow) {
    Type("12+");
    QAccessibleInterface* subtotal = Interface(Find("cSubtotal"));
    EXPECT_EQ(subtotal->text(QAccessible::Value), QStringLiteral("12,00"));
    ASSERT_NE(subtotal->textInterface(), nullptr) << "a display reads as a text";
    EXPECT_EQ(subtotal->textInterface()->text(0, -1), QStringLiteral("12,00"));
    EXPECT_EQ(Interface(Find("TeclaMes"))->textInterface(), nullptr) << "a key is its name";
    window->TaxSettings().SetVatIndex(1);
    const QString rateKey = Find<TPanelEx>("TeclaQuinIva")->DisplayText().c_str();
    EXPECT_EQ(NameOf(Find("TeclaQuinIva")), rateKey);
    window->TaxSettings().SetVatIndex(2);
    EXPECT_NE(NameOf(Find("TeclaQuinIva")), rateKey) << "the name is read again";
}

// The tape's row that the table tells as current (the one whose value cell is
// focused and selected), with what it reads there; row -1 when the table
// tells no single row.
struct ToldRow {
    int row = -1;
    QString text;
};

ToldRow CurrentRowTold(TGridEx& paper) {
    // The table follows the tape once the user's action is over.
    QCoreApplication::processEvents();
    QAccessibleTableInterface* table = Interface(&paper)->tableInterface();
    const QList<int> rows = table->selectedRows();
    if (rows.size() != 1) return {};
    QAccessibleInterface* cell = table->cellAt(rows[0], kValueColumn);
    if (!cell->state().focused || !cell->state().selected) return {};
    return {rows[0], cell->text(QAccessible::Name)};
}

void ExpectTold(TGridEx& paper, int row, const char* text) {
    const ToldRow told = CurrentRowTold(paper);
    EXPECT_EQ(told.row, row);
    EXPECT_EQ(told.text.toStdString(), text);
}

using TapeAccessibilityTest = CalculadoraWindow;

// The current row is where the next number goes; a key, a click and a paste
// that grows the tape past its room all move it.
TEST_F(TapeAccessibilityTest, TheTapeTellsItsCurrentRowAndWhatTheRowIs) {
    TGridEx& paper = window->Paper();
    Type("12+5=");
    ExpectTold(paper, 2, "Total 17,00, elements: 2");
    Key(Qt::Key_Up);
    ExpectTold(paper, 1, "5,00 igual");
    QTest::mouseClick(paper.viewport(), Qt::LeftButton, {},
                      paper.viewport()->mapFrom(&paper, paper.CellRect(kValueColumn, 0).center()));
    ExpectTold(paper, 0, "12,00 més");

    std::string lines;
    for (int i = 0; i < 400; ++i)
        lines += "1\r\n";
    Key(Qt::Key_F8);
    QApplication::clipboard()->setText(QString::fromStdString(lines));
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(CurrentRow(), 400);
    ExpectTold(paper, 400, "Fila buida");
}

}  // namespace
