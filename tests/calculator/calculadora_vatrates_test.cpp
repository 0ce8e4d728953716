// The tax-rate editor and the edited rates in the window: the tax keys, the
// rate list, the settings file.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "calculator/vatratesdialog.h"
#include "controls/panel/panelex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

const std::string kInForceLine =
    "ives=21%:21;10%:10;4%:4;5.2% Re:5.2;1.4% Re:1.4;0.5% Re:0.5;26.2% (21%+5.2%):26.2;"
    "11.4% (10%+1.4%):11.4;4.5% (4%+0.5%):4.5";

// Lines 1 to 11 as a window at 40, 30 writes them, then the given lines from line 12 on.
std::string FileWith(const std::string& fromLine12) {
    return "40\r\n30\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n0\r\n" + fromLine12;
}

// Keys to whatever has the focus in the active window.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}
void TypeText(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
}
// Clicks one of the editor's preset buttons, then accepts with Enter.
void FillAndAccept(QDialog& editor, const char* preset) {
    auto* button = editor.findChild<QPushButton*>(QString::fromLatin1(preset));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    Press(Qt::Key_Return);
}

// Runs `drive` on the editor once it is open and has the focus.
void WhenEditorOpens(std::function<void(QDialog&)> drive) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, drive] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const QWidget* focus = QApplication::focusWidget();
        if (editor == nullptr || focus == nullptr || focus->window() != editor) return;
        poll->deleteLater();
        poll->stop();
        // An editor the drive left open fails the test rather than hang it.
        QTimer::singleShot(5000, editor, [editor] {
            ADD_FAILURE() << "the editor stayed open";
            editor->reject();
        });
        drive(*editor);
    });
    poll->start(5);
}

class VatRatesWindowTest : public CalculadoraWindow {
protected:
    // Opens the editor from the options menu and drives it.
    void Edit(std::function<void(QDialog&)> drive) {
        WhenEditorOpens(std::move(drive));
        Find<QAction>("MenuTipusIva")->trigger();
    }
    std::string RateCaption() { return Find<TPanelEx>("TeclaQuinIva")->Caption(); }
};

struct EditedTaxCase {
    const char* name;
    int rateIndex;
    const char* typed;
    const char* tape;
    const char* subtotal;
};

// Amounts computed by hand for the rates in force today.
TEST_F(VatRatesWindowTest, TaxKeysUseTheEditedRates) {
    Close();
    WriteFile(FileWith(kInForceLine + "\r\n"));
    Open();
    EXPECT_EQ(RateCaption(), "21%Iva");
    const EditedTaxCase cases[] = {
        {"plus 21", 0, "100i", "100 + | 21 % | 21", "121,00"},
        {"plus 5.2", 3, "100i", "100 + | 5.2 % | 5.2", "105,20"},
        {"base 26.2", 6, "126,2b", "126,2 / | 1.262 = | 100", "100,00"},
        {"base 4.5", 8, "104,5b", "104,5 / | 1.045 = | 100", "100,00"},
        {"quota 0.5", 5, "200q", "200 x | 0.5 % | 1", "1,00"},
        {"quota 11.4", 7, "1000q", "1000 x | 11.4 % | 114", "114,00"},
    };
    for (const EditedTaxCase& c : cases) {
        Key(Qt::Key_F8);
        window->TaxSettings().SetVatIndex(c.rateIndex);
        Type(c.typed);
        EXPECT_EQ(Tape(), c.tape) << c.name;
        EXPECT_EQ(Subtotal(), c.subtotal) << c.name;
    }
    EXPECT_EQ(RateCaption(), "11.4% (10%+1.4%)Iva");
}

// Typed as a user types: the text of slot 1, Tab, its rate with a point,
// Enter. Separators the stored line cannot hold are not taken.
TEST_F(VatRatesWindowTest, EditorTakesTypedTextsAndRates) {
    window->TaxSettings().SetVatIndex(1);
    Edit([](QDialog&) {
        Press(Qt::Key_A, Qt::ControlModifier);
        TypeText("IVA; general: 21%");
        Press(Qt::Key_Tab);
        TypeText("21.5");
        Press(Qt::Key_Return);
    });
    EXPECT_EQ(window->TaxSettings().Rates().Slots()[0], (TVatSlot{"IVA general 21%", 2150}));
    EXPECT_EQ(Find<QListWidget>("LlistaIvas")->item(0)->text(), QStringLiteral("IVA general 21%"));
    EXPECT_EQ(window->TaxSettings().VatIndex(), 1);

    Edit([](QDialog&) {
        TypeText("x");
        Press(Qt::Key_Escape);
    });
    EXPECT_EQ(window->TaxSettings().Rates().Slots()[0].text, "IVA general 21%");
}

// A new user's list is the rates in force, kept on the stored line. The
// original list writes no line, and a file without one keeps it; the rates
// in force come back with their button.
TEST_F(VatRatesWindowTest, PresetsAndTheStoredLine) {
    EXPECT_EQ(RateCaption(), "21%Iva");
    Type("100i");
    Reopen();
    std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[11], kInForceLine);
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[20], "100\t+");
    EXPECT_EQ(window->TaxSettings().VatRate(), 21);

    Key(Qt::Key_F8);
    Edit([](QDialog& editor) { FillAndAccept(editor, "TipusOriginals"); });
    EXPECT_EQ(RateCaption(), "16%Iva");
    Reopen();
    EXPECT_EQ(FileLines().size(), 11u);
    EXPECT_EQ(RateCaption(), "16%Iva");
    Edit([](QDialog& editor) { FillAndAccept(editor, "TipusVigents"); });
    EXPECT_EQ(window->TaxSettings().VatRate(), 21);
}

// The list's last entry opens the editor; the rates passed on the way there
// do not become the selected one (a new user's list).
TEST_F(VatRatesWindowTest, LastEntryOfTheRateListOpensTheEditor) {
    Click("TeclaQuinIva");
    auto* list = Find<QListWidget>("LlistaIvas");
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->item(9)->text(), QStringLiteral("Edita els tipus..."));
    bool opened = false;
    WhenEditorOpens([&opened](QDialog&) {
        opened = true;
        Press(Qt::Key_Escape);
    });
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->TaxSettings().VatRate(), 4);  // the rate shown selected is the one used
    for (int row = 2; row < 9; ++row)
        Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(window->TaxSettings().VatIndex(), 0);
    EXPECT_EQ(RateCaption(), "21%Iva");
    EXPECT_EQ(list->currentRow(), 0);
}

// What the program does not use comes back byte for byte: another key, a
// line it cannot read, the empty lines, the tape. The editor says why.
TEST_F(VatRatesWindowTest, LinesNotUsedAreWrittenBackAsRead) {
    const std::string content =
        FileWith("lletra=300x400\r\nives=16%:16\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\t+\r\n");
    Close();
    WriteFile(content);
    Open();
    EXPECT_EQ(window->TaxSettings().VatRate(), 16);
    Edit([](QDialog& editor) {
        auto* why = editor.findChild<QLabel*>(QStringLiteral("Motiu"));
        ASSERT_NE(why, nullptr);
        EXPECT_TRUE(why->text().contains(QStringLiteral("té 1 tipus en lloc de 9")));
        Press(Qt::Key_Return);
    });
    Close();
    EXPECT_EQ(FileText(), content);
    Open();
}

// Nine other lines leave no room: the file is still written, and the user is
// told the rates were not.
TEST_F(VatRatesWindowTest, NoRoomForTheRatesIsReported) {
    std::string full;
    for (char key = 'a'; key < 'a' + 9; ++key)
        full += std::string(1, key) + "=1\r\n";
    Close();
    WriteFile(FileWith(full));
    Open();
    Edit([](QDialog& editor) { FillAndAccept(editor, "TipusVigents"); });
    Close();
    EXPECT_EQ(FileText(), FileWith(full));
    ASSERT_EQ(boxes.requests.size(), 1u);
    Open();
}

}  // namespace
