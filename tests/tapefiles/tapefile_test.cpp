// Tape files: a tape saved, opened and saved again gives the same bytes and
// the same rows, whatever the tape holds; files that are no tape are refused
// with their reason, and lines that are no tape rows are counted.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "basic/platformerror.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapefile.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapeactions.h"

namespace {

struct RoundTripCase {
    const char* name;
    std::function<void(TTapeEngine&)> build;
    friend std::ostream& operator<<(std::ostream& os, const RoundTripCase& c) {
        return os << c.name;
    }
};

void Keys(TTapeEngine& engine, const char* script) {
    PlayKeys(engine, script);
}

void Comment(TTapeEngine& engine, int32_t row, const char* text) {
    engine.Edit(TFieldEdit{row, TTapeField::Comment, text});
}

class TapeFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

// Save, open, save: the same bytes, and the rows (links and the link field
// included) as they were.
TEST_P(TapeFileRoundTrip, GivesBackTheSameTapeAndBytes) {
    TTapeEngine engine;
    GetParam().build(engine);
    const TTapeDocument& saved = engine.Tape();
    QTemporaryDir dir;
    const std::string path = dir.filePath("cinta.txt").toStdString();
    SaveTapeFile(saved, path);

    TTapeFileContent content = LoadTapeFile(path);
    EXPECT_EQ(content.badLines, 0);
    TTapeDocument opened;
    opened.ReplaceRows(std::move(content.tape.rows), content.tape.linkField);
    ASSERT_EQ(opened.UsedRows(), saved.UsedRows());
    for (int32_t row = 0; row < saved.UsedRows(); ++row)
        EXPECT_EQ(opened.Row(row), saved.Row(row)) << "row " << row;
    EXPECT_EQ(opened.WritesLinkField(), saved.WritesLinkField());

    const std::string again = dir.filePath("again.txt").toStdString();
    SaveTapeFile(opened, again);
    QFile first(QString::fromStdString(path));
    QFile second(QString::fromStdString(again));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), second.readAll());
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, TapeFileRoundTrip,
    testing::Values(
        RoundTripCase{"Empty", [](TTapeEngine&) {}},
        RoundTripCase{"TotalsAndPercentAmounts",
                      [](TTapeEngine& e) { Keys(e, "1250,5 + 380 - 12,5 = 200 + 16 % ="); }},
        RoundTripCase{"LinksAndComputedRows",
                      [](TTapeEngine& e) { Keys(e, "12 + 5 = ^1 link 3 + @0 << 7 x 2 ="); }},
        RoundTripCase{"LinkFieldWithoutLinksLeft",
                      [](TTapeEngine& e) { Keys(e, "12 + 5 + ^0 link ^2 del"); }},
        RoundTripCase{"CommentsWithoutLinks",
                      [](TTapeEngine& e) {
                          Keys(e, "12 + 5 =");
                          Comment(e, 1, "descompte pactat");
                      }},
        RoundTripCase{"EveryRowCommented",
                      [](TTapeEngine& e) {
                          Keys(e, "12 + 5 +");
                          Comment(e, 0, "un");
                          Comment(e, 1, "dos");
                      }},
        RoundTripCase{"CommentsAndLinks",
                      [](TTapeEngine& e) {
                          Keys(e, "12 + 5 = ^0 link");
                          Comment(e, 2, "total de l'Àngels: 17 €");
                      }},
        RoundTripCase{"EmptyRowsInTheMiddle",
                      [](TTapeEngine& e) { Keys(e, "12 + ^3 5 + 0 + ^6 8 ="); }},
        RoundTripCase{"PastedTextsAndOtherOperators",
                      [](TTapeEngine& e) {
                          e.Edit(TFieldEdit{0, TTapeField::Value, "12 pomes"});
                          e.Edit(TFieldEdit{0, TTapeField::Operator, "suma"});
                          e.Edit(TFieldEdit{1, TTapeField::Value, "1.234,56"});
                          e.Edit(TFieldEdit{1, TTapeField::Operator, "+"});
                      }}),
    CaseName<RoundTripCase>);

struct BadFileCase {
    const char* name;
    std::string bytes;
    const char* reason;
    friend std::ostream& operator<<(std::ostream& os, const BadFileCase& c) { return os << c.name; }
};

class NoTapeFile : public testing::TestWithParam<BadFileCase> {};

TEST_P(NoTapeFile, IsRefusedWithItsReason) {
    const BadFileCase& c = GetParam();
    try {
        ReadTapeFileText(c.bytes);
        FAIL() << "read as a tape";
    } catch (const PlatformError& error) {
        EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
    }
}

const std::string kPngStart("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

INSTANTIATE_TEST_SUITE_P(
    Files, NoTapeFile,
    testing::Values(BadFileCase{"Picture", kPngStart + "\t+\r\n", "no és text"},
                    BadFileCase{"Utf16", std::string("1\0\t\0+\0\r\0\n\0", 10), "no és text"},
                    BadFileCase{"Latin1", "caf\xE9\t+\r\n", "no és UTF-8"},
                    BadFileCase{"CharacterCutAtTheEnd", "12\t+\r\n\xC3", "no és UTF-8"},
                    BadFileCase{"MegabytesOnOneLine", std::string(3 << 20, '7'), "cap línia"},
                    BadFileCase{"MegabytesOnATabbedLine", "12\t" + std::string(3 << 20, 'a'),
                                "cap línia"},
                    BadFileCase{"Prose", "Benvolguda,\r\nus envio la factura.\r\n", "cap línia"},
                    BadFileCase{"SemicolonCsv", "Valor;Operació\r\n12;+\r\n", "cap línia"}),
    CaseName<BadFileCase>);

TEST(TapeFileLines, LinesThatAreNoRowsAreCountedAndLeftOut) {
    const TTapeFileContent content = ReadTapeFileText(
        "12\t+\r\n"
        "nota sense tabulador\r\n"  // line 2: no field separator
        "5\t=\r\n"
        "\r\n"                           // an empty line within the tape
        "1\t+\t\tcomentari\tde més\r\n"  // five fields
        "3\x07\t+\r\n"                   // a control character
        "\xEF\xBB\xBF"
        "4\t+\r\n"  // a byte order mark past the start
        "17\t\r\n"
        "\r\n\r\n");  // empty lines at the end are no lines
    EXPECT_EQ(content.badLines, 5);
    EXPECT_EQ(content.firstBadLine, 2);
    ASSERT_EQ(content.tape.rows.size(), 3u);
    EXPECT_EQ(content.tape.rows[0].Value(), "12");
    EXPECT_EQ(content.tape.rows[1].Operator(), TTapeOperator::Total);
    EXPECT_EQ(content.tape.rows[2].Value(), "17");
}

TEST(TapeFileLines, AByteOrderMarkAndLoneLineEndsAreRead) {
    const TTapeFileContent content = ReadTapeFileText(
        "\xEF\xBB\xBF"
        "12\t+\n5\t=\r17\t");
    EXPECT_EQ(content.badLines, 0);
    ASSERT_EQ(content.tape.rows.size(), 3u);
    EXPECT_EQ(content.tape.rows[0].Value(), "12");
}

TEST(TapeFileErrors, AFileThatCannotBeWrittenIsReportedAndNotMade) {
    QTemporaryDir dir;
    TTapeDocument tape;
    tape.WriteRowText(0, "12\t+");
    const QString missing = dir.filePath("no-such-folder/cinta.txt");
    EXPECT_THROW(SaveTapeFile(tape, missing.toStdString()), PlatformError);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
