// The search band of the real window (Ctrl+F): results as the user types,
// from the tape and from the archive of cleared tapes; going to a result with
// Enter or a double click; the keys of the band; and the window kept above
// the others ("Sempre visible") through a restart.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "calculator/searchpanel.h"
#include "controls/grid/gridex.h"
#include "controls/platform/staysontop.h"
#include "tests/calculator/calculadorafixture.h"
#include "tests/support/testenvironment.h"

namespace {

QString SearchedArchiveFolder() {
    return QString::fromLocal8Bit(TestDataHome()) + "/Tarvik/cintes";
}

class SearchBandTest : public CalculadoraWindow {
protected:
    SearchBandTest() { QDir(SearchedArchiveFolder()).removeRecursively(); }
    ~SearchBandTest() override { QDir(SearchedArchiveFolder()).removeRecursively(); }

    TSearchPanel& Band() const { return *Find<TSearchPanel>("PanelCerca"); }
    QLineEdit* Field() const { return Find<QLineEdit>("CercaText"); }
    QListView* List() const { return Find<QListView>("CercaResultats"); }
    std::string Status() const { return Find<QLabel>("CercaEstat")->text().toStdString(); }

    void Comment(int32_t row, const std::string& text) {
        window->Engine().Edit(TFieldEdit{row, TTapeField::Comment, text});
    }
    // Ctrl+F, then the text typed into the field, until the archive is
    // searched too.
    void Search(const std::string& text) {
        Key(Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(Focus(), Field());
        Type(text);
        Wait();
    }
    void Wait() const {
        QElapsedTimer clock;
        clock.start();
        while (Band().Results().Searching() && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
    }
    // The results as the list shows them, one line each.
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        const QAbstractItemModel* model = List()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QString text = model->index(row, 0).data().toString();
            shown.push_back(text.replace(QLatin1Char('\n'), QStringLiteral(" | ")).toStdString());
        }
        return shown;
    }
};

// A comment is found without regard to case or accents, a number in any
// form it is typed in, computed totals included; Enter goes to the row.
TEST_F(SearchBandTest, FindsCommentsAndNumbersAndGoesToTheRow) {
    Type("12+1250,5=");
    Comment(0, "Factura 214");
    Comment(1, "Lloguer de l'època");

    Search("factura");
    EXPECT_EQ(Shown(), std::vector<std::string>{"Cinta 1 · fila 1 | 12,00 +   Factura 214"});
    EXPECT_EQ(Status(), "1 resultat");
    Key(Qt::Key_Return);
    EXPECT_FALSE(Band().isVisible());
    EXPECT_EQ(CurrentRow(), 0);
    EXPECT_EQ(Focus(), &window->Paper());

    for (const char* typed : {"1.250,50", "1250.50", "1250,5"}) {
        SCOPED_TRACE(typed);
        Key(Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(Field()->selectedText(), Field()->text());  // typing replaces it
        Type(typed);
        Wait();
        EXPECT_EQ(Shown(),
                  std::vector<std::string>{"Cinta 1 · fila 2 | 1.250,50 =   Lloguer de l'època"});
        Key(Qt::Key_Escape);
    }
    Search("EPOCA");
    EXPECT_EQ(Shown().size(), 1u);
    Field()->clear();
    Type("1262,5");  // the total the tape computed
    Wait();
    EXPECT_EQ(Shown(), std::vector<std::string>{"Cinta 1 · fila 3 | 1.262,50"});
    Key(Qt::Key_Return);
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(Tape(), "12 +  Factura 214 | 1250,5 =  Lloguer de l'època | 1262.5");
}

// The keys typed into the field are the field's, not the calculator's;
// Down goes into the list and Up from its first result back; Escape closes
// the band and leaves the window open, the tape with the focus.
TEST_F(SearchBandTest, TheBandHasItsOwnKeys) {
    Type("5+6+7+");
    Comment(0, "Cafè");
    Comment(2, "Cafè amb llet");
    Search("cafe 5+");
    EXPECT_EQ(Entry(), "");
    EXPECT_EQ(Tape(), "5 +  Cafè | 6 + | 7 +  Cafè amb llet");
    Field()->clear();
    Type("cafe");
    Wait();
    ASSERT_EQ(Shown().size(), 2u);

    Key(Qt::Key_Down);
    EXPECT_EQ(Focus(), List());
    EXPECT_EQ(List()->currentIndex().row(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(List()->currentIndex().row(), 1);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Focus(), Field());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(CurrentRow(), 2);

    Search("");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Band().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Focus(), &window->Paper());
    EXPECT_EQ(CurrentRow(), 2);
}

// Keys clicked while the band is open change the tape: it is searched again,
// and so is the archive, where a cleared tape went.
// They give the tape the focus; Escape there still closes the band first.
TEST_F(SearchBandTest, ATapeChangedUnderTheBandIsSearchedAgain) {
    Search("8");
    EXPECT_EQ(Status(), "Cap resultat");
    Click("Tecla8");
    Click("TeclaMes");
    EXPECT_EQ(Shown(), std::vector<std::string>{"Cinta 1 · fila 1 | 8,00 +"});
    EXPECT_EQ(Focus(), &window->Paper());
    Click("BotoNetejar");  // the tape goes to the archive
    Wait();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].find(" · fila 1 | 8,00 +"), std::string::npos);
    EXPECT_EQ(Shown()[0].find("Cinta 1"), std::string::npos);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Band().isVisible());
    EXPECT_TRUE(window->isVisible());
    Key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

// A cleared tape is found in the archive under the time it was kept, and
// opens with the row found current, as one step of the undo history.
TEST_F(SearchBandTest, OpensAnArchivedTapeAtTheRowFound) {
    Type("300+45=");
    Comment(1, "Rebut de la llum");
    Key(Qt::Key_F8);
    Type("9+");

    Search("rebut");
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    const std::string kept = QDate::currentDate().toString("dd/MM/yyyy").toStdString();
    EXPECT_EQ(shown[0].substr(0, kept.size()), kept);
    EXPECT_NE(shown[0].find(" · fila 2 | 45,00 =   Rebut de la llum"), std::string::npos);

    const QPoint item = List()->visualRect(List()->model()->index(0, 0)).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, item);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Band().isVisible());
    EXPECT_EQ(Tape(), "300 + | 45 =  Rebut de la llum | 345");
    EXPECT_EQ(CurrentRow(), 1);
    EXPECT_EQ(Focus(), &window->Paper());
    // It opened in a tab of its own: the tape in use is there as it was.
    EXPECT_EQ(window->Tapes().Count(), 2);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "9 +");
    Search("9");
    EXPECT_EQ(Shown().front(), "Cinta 1 · fila 1 | 9,00 +");
}

// At most 500 results are listed; the line above them counts the rest.
TEST_F(SearchBandTest, SaysHowManyMoreWereFound) {
    std::string lines;
    for (int i = 0; i < 620; ++i)
        lines += "7\r\n";
    QApplication::clipboard()->setText(QString::fromStdString(lines));
    Key(Qt::Key_V, Qt::ControlModifier);
    Search("7");
    EXPECT_EQ(Shown().size(), 500u);
    EXPECT_EQ(Status(), "500 resultats i 120 més");
    Field()->setText("no hi és");
    Wait();
    EXPECT_EQ(Status(), "Cap resultat");
}

// A screen reader hears the field and the list by name and each result as
// its tape, row, value, operator and comment.
TEST_F(SearchBandTest, ResultsAreToldToScreenReaders) {
    Type("80-");
    Comment(0, "Devolució");
    Search("devolucio");
    EXPECT_EQ(Field()->accessibleName().toStdString(), "Cerca a les cintes");
    EXPECT_EQ(List()->accessibleName().toStdString(), "Resultats de la cerca");
    Key(Qt::Key_Down);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(List());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 1);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name).toStdString(),
              "Cinta 1, fila 1, 80,00, menys, Devolució");
    EXPECT_TRUE(list->child(0)->state().selected);
}

// "Sempre visible" keeps the window on top through a restart; off, the file
// holds no line for it.
TEST_F(SearchBandTest, SempreVisibleIsRemembered) {
    Choose("MenuSempreVisible");
    EXPECT_TRUE(StaysOnTop(*window));
    EXPECT_TRUE(window->isVisible());
    Reopen();
    EXPECT_TRUE(StaysOnTop(*window));
    const std::vector<std::string> lines = FileLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "semprevisible=1"), lines.end());

    Choose("MenuSempreVisible");
    EXPECT_FALSE(StaysOnTop(*window));
    Reopen();
    EXPECT_FALSE(StaysOnTop(*window));
    EXPECT_EQ(FileText().find("semprevisible"), std::string::npos);
}

}  // namespace
