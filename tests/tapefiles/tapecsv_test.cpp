// The tape as CSV, read back by an RFC 4180 reader: the region chooses the
// separators, values are plain numbers with every digit they were written
// with, fields are quoted where they must be, and nothing is left that a
// spreadsheet would run as a formula.

#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

#include "tape/tapedocument.h"
#include "tapefiles/tapecsv.h"

namespace {

using Record = std::vector<std::string>;

// An RFC 4180 reader: records end at CR LF; a field in double quotes may
// hold the separator, line breaks and doubled quotes.
std::vector<Record> ReadCsv(const std::string& text, char separator) {
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == separator) {
            record.push_back(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && record.empty()) << "the last record has no line end";
    return records;
}

class TapeCsv : public testing::Test {
protected:
    ~TapeCsv() override { QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain)); }

    void Row(const std::string& value, const std::string& op, const std::string& comment = "") {
        const int32_t row = tape.UsedRows();
        tape.WriteField(row, TTapeField::Value, value);
        tape.WriteField(row, TTapeField::Operator, op);
        tape.WriteField(row, TTapeField::Comment, comment);
    }

    // The records of the tape's CSV in the region of `locale`, with the
    // byte order mark checked and taken away.
    std::vector<Record> Records(const QLocale& locale, char separator) {
        QLocale::setDefault(locale);
        const TCsvFormat format = RegionalCsvFormat();
        EXPECT_EQ(format.separator, separator);
        std::string text = TapeCsvText(tape, format);
        EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
        return ReadCsv(text.substr(3), separator);
    }

    TTapeDocument tape;
};

TEST_F(TapeCsv, EachRegionGetsItsSeparatorsAndPlainNumbers) {
    Row("1250,5", "+", "factura 12");
    Row("1.234,56", "+");  // a pasted text the tape reads as 1.234
    Row("0,10", "x");
    Row("-007,50", "=");
    Row("1237.25", "", "total");
    Row("0,1234567", "");
    Row("12 pomes", "%");
    Row("", "+");
    Row("INF", "");
    const std::vector<Record> catalan = {
        {"Valor", "Operació", "Comentari", "Elements"},
        {"1250,5", "+", "factura 12", ""},
        {"1,234", "+", "", ""},
        {"0,1", "x", "", ""},
        {"-7,5", "=", "", ""},
        {"1237,25", "", "total", "3"},
        {"0,1234567", "", "", ""},
        {"12", "%", "", ""},
        {"", "+", "", ""},
        {"0", "", "", ""},
    };
    EXPECT_EQ(Records(QLocale(QLocale::Catalan, QLocale::Spain), ';'), catalan);
    EXPECT_EQ(Records(QLocale(QLocale::Spanish, QLocale::Spain), ';'), catalan);
    std::vector<Record> english = catalan;
    for (Record& record : english) {
        for (char& c : record[0])
            if (c == ',') c = '.';
    }
    EXPECT_EQ(Records(QLocale(QLocale::English, QLocale::UnitedStates), ','), english);
}

// (No field of a tape holds a line break: each is one line of a tape file.)
TEST_F(TapeCsv, FieldsWithSeparatorsAndQuotesComeBackWhole) {
    Row("12", "+", "pomes; peres, i \"prunes\"");
    Row("5", "\"x\";y", "");
    for (const auto& [locale, separator] :
         {std::pair{QLocale(QLocale::Catalan, QLocale::Spain), ';'},
          std::pair{QLocale(QLocale::English, QLocale::UnitedKingdom), ','}}) {
        const std::vector<Record> records = Records(locale, separator);
        ASSERT_EQ(records.size(), 3u);
        EXPECT_EQ(records[1], (Record{"12", "+", "pomes; peres, i \"prunes\"", ""}));
        EXPECT_EQ(records[2], (Record{"5", "\"x\";y", "", ""}));
    }
}

// A spreadsheet runs a field that starts with "=", "+", "-" or "@" as a
// formula; the operator keys themselves are single characters and stay.
TEST_F(TapeCsv, TextThatASpreadsheetWouldRunIsWrittenAsText) {
    Row("1", "=", "=HYPERLINK(\"http://exemple.cat\";\"clic\")");
    Row("2", "+", "+34 600 000 000");
    Row("3", "-", "-descompte");
    Row("4", "@SUM(A1)", "@nota");
    Row("5", "%", "un comentari");
    const std::vector<Record> records = Records(QLocale(QLocale::Catalan, QLocale::Spain), ';');
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[1], (Record{"1", "=", "'=HYPERLINK(\"http://exemple.cat\";\"clic\")", ""}));
    EXPECT_EQ(records[2], (Record{"2", "+", "'+34 600 000 000", "1"}));
    EXPECT_EQ(records[3], (Record{"3", "-", "'-descompte", ""}));
    EXPECT_EQ(records[4], (Record{"4", "'@SUM(A1)", "'@nota", ""}));
    EXPECT_EQ(records[5], (Record{"5", "%", "un comentari", ""}));
}

// The count goes on total and grand-total rows only, and never into a tape
// line; the grand total's "G" is an operator like the others.
TEST_F(TapeCsv, TotalsAndGrandTotalsCarryTheirCounts) {
    for (const auto& [value, op] :
         {std::pair{"10", "+"}, {"5", "-"}, {"2", "="}, {"3", "G"}, {"3", ""}, {"7", "%"}})
        Row(value, op);
    const std::vector<std::string> lines = {"10\t+", "5\t-", "2\t=", "3\tG", "3\t", "7\t%"};
    for (int32_t row = 0; row < tape.UsedRows(); ++row)
        EXPECT_EQ(tape.RowText(row), lines[static_cast<size_t>(row)]);
    const std::vector<Record> records = Records(QLocale(QLocale::Catalan, QLocale::Spain), ';');
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[3], (Record{"2", "=", "", ""}));
    EXPECT_EQ(records[4], (Record{"3", "G", "", "3"}));
    EXPECT_EQ(records[5], (Record{"3", "", "", "1"}));
    EXPECT_EQ(records[6], (Record{"7", "%", "", ""}));
}

}  // namespace
