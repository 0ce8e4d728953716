// The settings and tape file: what is written, what comes back, and files of
// any content.

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QScreen>

#include "controls/combo/comboex.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

using SettingsTest = CalculadoraWindow;

// Lines 1 to 11 of a file, then a tape.
std::string FileOf(const std::vector<std::string>& options, const std::string& tape = "") {
    std::string text;
    for (const std::string& line : options)
        text += line + "\r\n";
    if (tape.empty()) return text;
    for (size_t line = options.size() + 1; line <= 20; ++line)
        text += "\r\n";
    return text + tape;
}

// The start values and a new user's rate list, the rates in force.
TEST_F(SettingsTest, AFirstRunWritesTheStartValuesAndTheRatesInForce) {
    Close();
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "0");   // rate index
    EXPECT_EQ(lines[3], "0");   // margin
    EXPECT_EQ(lines[4], "0");   // margin type
    EXPECT_EQ(lines[5], "2");   // decimals
    EXPECT_EQ(lines[6], "1");   // round totals
    EXPECT_EQ(lines[7], "0");   // round every number
    EXPECT_EQ(lines[8], "1");   // round calculations
    EXPECT_EQ(lines[9], "0");   // decimal point in copies
    EXPECT_EQ(lines[10], "0");  // current row
    EXPECT_EQ(lines[11].substr(0, 21), "ives=21%:21;10%:10;4%");
}

TEST_F(SettingsTest, OptionsTaxRateAndMarginComeBack) {
    Choose("Menu4Decimals");
    Choose("MenuArrodonirTot");
    Choose("MenuConvertir");
    window->TaxSettings().SetVatIndex(6);
    window->TaxSettings().SetMargin(12.5);
    window->Tax().SetMarginType(2);
    Reopen();
    const std::vector<std::string> lines = FileLines();
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(lines[3], "12.5");
    EXPECT_EQ(lines[5], "4");
    EXPECT_EQ(lines[7], "1");
    TTapeEngine& engine = window->Engine();
    EXPECT_EQ(engine.Options().decimals, 4);
    EXPECT_TRUE(engine.Options().roundAll);
    EXPECT_TRUE(engine.Options().convertOnCopy);
    EXPECT_EQ(window->TaxSettings().VatIndex(), 6);
    EXPECT_EQ(Find<TPanelEx>("TeclaQuinIva")->Caption(), "26.2% (21%+5.2%)Iva");
    Click("TeclaQuinIva");  // the list opens on the restored rate
    EXPECT_EQ(Find<QListWidget>("LlistaIvas")->currentRow(), 6);
    Key(Qt::Key_Escape);
    EXPECT_EQ(window->TaxSettings().MarginPercent(), 12.5);
    EXPECT_EQ(Find<TPanelEx>("TeclaQuinMarge")->Caption(), "12.5%");
    EXPECT_EQ(window->TaxSettings().MarginTypeIndex(), 2);
    // The type comes back in the combo box alone: the keys keep their captions.
    EXPECT_EQ(Find<TPanelEx>("TeclaMesMarge")->Caption(), "+ Marge");
}

// An option turned off, or 0 decimals, stays so after a restart.
TEST_F(SettingsTest, OptionsTurnedOffStayOff) {
    Choose("Menu0Decimals");
    Choose("MenuArrodonirTotals");
    Choose("MenuArrodonirCalculs");
    Reopen();
    TTapeEngine& engine = window->Engine();
    EXPECT_EQ(engine.Options().decimals, 0);
    EXPECT_FALSE(engine.Options().roundTotals);
    EXPECT_FALSE(engine.Options().roundCalculations);
}

// The largest number of decimals the options offer comes back too.
TEST_F(SettingsTest, SixDecimalsComeBack) {
    Choose("Menu6Decimals");
    Reopen();
    ASSERT_GE(FileLines().size(), 11u);
    EXPECT_EQ(FileLines()[5], "6");
    EXPECT_EQ(window->Engine().Options().decimals, 6);
}

TEST_F(SettingsTest, UnreadableOptionLinesKeepTheStartValues) {
    Close();
    WriteFile(FileOf({"", "", "", "", "", "9", "x", "", "-1", "2", ""}));
    Open();
    TTapeEngine& engine = window->Engine();
    EXPECT_EQ(engine.Options().decimals, 2);  // 9 decimals is out of range
    EXPECT_TRUE(engine.Options().roundTotals);
    EXPECT_FALSE(engine.Options().roundAll);
    EXPECT_TRUE(engine.Options().roundCalculations);
    EXPECT_FALSE(engine.Options().convertOnCopy);  // more than 1 is false
}

TEST_F(SettingsTest, TapeLinesFillTheTapeAndTheCurrentRowIsRestored) {
    Close();
    WriteFile(FileOf({"", "", "", "", "", "", "", "", "", "", "2"}, "10\t+\r\n5,5\t=\r\n15.5\r\n"));
    Open();
    EXPECT_EQ(Tape(), "10 + | 5,5 = | 15.5");
    EXPECT_EQ(CurrentRow(), 2);
}

// A comment comes after an empty link field; that field alone must not make
// every row write a link field after the restart, nor a new row take one.
TEST_F(SettingsTest, CommentedRowsWithoutLinksAreWrittenBackAsRead) {
    Close();
    const std::string tape = "10\t+\r\n5\t=\t\tdescompte\r\n15\t\r\n";
    WriteFile(FileOf({"", "", "", "", "", "", "", "", "", "", "3"}, tape));
    Open();
    Type("2+");
    Close();
    const std::string text = FileText();
    EXPECT_EQ(text.substr(text.size() - tape.size() - 5), tape + "2\t+\r\n");
}

// A tape saved with the first free row current (as after "1 +") goes on
// there after a restart, whatever its length: around the 300 rows a new tape
// has room for, and far beyond. A stored row past the tape, or no row number
// at all, makes the first free row current too. The next number is added at
// the end, and the first row is never typed over.
TEST_F(SettingsTest, ATapeGoesOnAtItsFirstFreeRowAfterARestart) {
    struct TCase {
        int rows;
        std::string storedRow;
    };
    const TCase cases[] = {
        {299, "299"}, {300, "300"}, {301, "301"}, {100'000, "100000"},
        {1, "40"},    {300, "301"}, {301, "x"},   {100'000, "3999999"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, line 11 \"" + c.storedRow + "\"");
        const auto row = static_cast<size_t>(c.rows);
        std::string tape;
        for (int line = 0; line < c.rows; ++line)
            tape += "1\t+\r\n";
        Close();
        WriteFile(FileOf({"", "", "", "", "", "", "", "", "", "", c.storedRow}, tape));
        Open();
        EXPECT_EQ(CurrentRow(), c.rows);
        Reopen();  // closed with the first free row current
        ASSERT_GE(FileLines().size(), 11u);
        EXPECT_EQ(FileLines()[10], std::to_string(c.rows));
        EXPECT_EQ(CurrentRow(), c.rows);
        Type("5+");
        Close();
        const std::vector<std::string> lines = FileLines();
        ASSERT_EQ(lines.size(), 20 + row + 1);
        EXPECT_EQ(lines[20], "1\t+");
        EXPECT_EQ(lines[20 + row - 1], "1\t+");
        EXPECT_EQ(lines[20 + row], "5\t+");
        EXPECT_EQ(lines[10], std::to_string(c.rows + 1));
        Open();
    }
}

TEST_F(SettingsTest, AWindowAtLeftEdgeZeroOpensCentred) {
    Close();
    WriteFile(FileOf({"0", "0"}));
    Open();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_NEAR(window->frameGeometry().center().x(), screen.center().x(), 2);
    window->move(40, 30);
    Reopen();
    EXPECT_EQ(window->pos(), QPoint(40, 30));
}

TEST_F(SettingsTest, OutOfRangeRateIndexShowsTheRateThenUsed) {
    Close();
    WriteFile(FileOf({"", "", "12"}));
    Open();
    EXPECT_EQ(window->TaxSettings().VatRate(), 0);
    EXPECT_EQ(Find<TPanelEx>("TeclaQuinIva")->Caption(), "0%Iva");
}

// Whatever the file holds, the window opens, with a finite margin ("1e308"
// reads as 1: the number ends at the "e").
TEST_F(SettingsTest, AnyFileContentLoads) {
    const std::string nul(1, '\0');
    const std::pair<std::string, double> cases[] = {
        {std::string("\xff\xfe\x00\x01", 4) + "\r\n" + nul + nul + "\r\n", 0},
        {FileOf({"99999999999999999999", "-99999999999", "2147483648", "1e308", "-5", "1000"},
                "1e308\tx\t7\r\n,\t=\t-3\r\n"),
         1},
        {FileOf({",", ",", ",", ","}, std::string(3'000'000, '7') + "\t+\r\n"), 0},
        {FileOf({"\t\t\t", "\x80\x81"}, "\x01\x02\x03\t\x04\r\n" + nul + "5\r\n"), 0},
        {FileOf({"", "", "", std::string(400, '9')}), 0},
    };
    for (const auto& [content, margin] : cases) {
        Close();
        WriteFile(content);
        Open();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->TaxSettings().MarginPercent(), margin) << content.substr(0, 80);
        Type("1+");
    }
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(SettingsTest, AMillionLinesLoad) {
    Close();
    std::string tape;
    tape.reserve(4'000'000);
    for (int line = 0; line < 1'000'000; ++line)
        tape += "1\t+\r\n";
    WriteFile(FileOf({"", "", "", "", "", "", "", "", "", "", "5"}, tape));
    Open();
    EXPECT_EQ(window->Paper().FilesUsades(), 1'000'000);
    EXPECT_EQ(CurrentRow(), 5);
    window->Paper().PosarFilaActual(1'000'000);
    Type("=");
    EXPECT_EQ(Subtotal(), "1.000.000,00");
}

// A file that cannot be written is reported; the window still closes.
TEST_F(SettingsTest, AFailedWriteIsReported) {
    Type("12+5=");
    QFile::remove(QString::fromStdString(FileName()));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FileName())));
    Close();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(FileName())).isDir());
    ASSERT_EQ(boxes.requests.size(), 1u);
    QDir(QString::fromStdString(FileName())).removeRecursively();
}

}  // namespace
