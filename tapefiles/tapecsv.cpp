#include "tapefiles/tapecsv.h"

#include <algorithm>
#include <string_view>

#include "basic/numbertext.h"
#include "basic/regionalseparators.h"
#include "basic/savedfile.h"
#include "basic/translation.h"
#include "tape/tapedocument.h"
#include "tapefiles/textfile.h"

namespace {

constexpr size_t kFieldCount = 4;
constexpr const char* kHeader[kFieldCount] = {
    QT_TRANSLATE_NOOP("TTapeCsv", "Valor"), QT_TRANSLATE_NOOP("TTapeCsv", "Operació"),
    QT_TRANSLATE_NOOP("TTapeCsv", "Comentari"), QT_TRANSLATE_NOOP("TTapeCsv", "Elements")};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A typed (-1234,5) or stored (1234.50) number, written plainly with a point:
// no leading zeros, no trailing decimal zeros, no separator without decimals.
// False for any other text.
bool PlainNumber(std::string_view text, std::string& plain) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const size_t separator = text.find_first_of(".,");
    std::string_view whole = text.substr(0, separator);
    std::string_view decimals =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    for (const std::string_view part : {whole, decimals}) {
        for (const char c : part)
            if (!IsDigit(c)) return false;
    }
    if (whole.empty() && decimals.empty()) return false;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    decimals.remove_suffix(decimals.size() - (decimals.find_last_not_of('0') + 1));
    plain.assign(negative && !(whole.empty() && decimals.empty()) ? "-" : "");
    plain += whole.empty() ? std::string_view("0") : whole;
    if (!decimals.empty()) {
        plain += '.';
        plain += decimals;
    }
    return true;
}

// The value as the tape reads it, when it is no plain number (blanks, a
// word after the number); nothing for an empty value.
std::string ValueField(const TTapeRow& row, char decimal) {
    if (row.Value().empty()) return {};
    std::string number;
    if (!PlainNumber(row.Value(), number)) number = FloatToPlainText(row.Number());
    for (char& c : number)
        if (c == '.') c = decimal;
    return number;
}

// Text a spreadsheet would take for a formula becomes text.
std::string Defused(std::string_view text) {
    std::string field(text);
    if (!field.empty() && std::string_view("=+-@").find(field.front()) != std::string_view::npos)
        field.insert(field.begin(), '\'');
    return field;
}

std::string OperatorField(const TTapeRow& row) {
    if (row.Operator() == TTapeOperator::Other) return Defused(row.OperatorField());
    return std::string(row.OperatorField());
}

// Quoted when it holds the separator, a quote or a line break; quotes
// doubled inside.
void AppendField(std::string& line, const std::string& field, char separator) {
    if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

// The items of a total, the totals of a grand total; empty on any other row.
std::string CountField(const TTapeDocument& tape, int32_t row) {
    const std::optional<int32_t> count = tape.Counts().Shown(row);
    return count ? std::to_string(*count) : std::string();
}

void AppendLine(std::string& text, const std::string (&fields)[kFieldCount], char separator) {
    for (size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) text += separator;
        AppendField(text, fields[i], separator);
    }
    text += kLineEnd;
}

}  // namespace

TCsvFormat RegionalCsvFormat() {
    if (CurrentSeparators().decimal == ",") return {';', ','};
    return {',', '.'};
}

std::string TapeCsvText(const TTapeDocument& tape, const TCsvFormat& format) {
    std::string text(kByteOrderMark);
    AppendLine(text,
               {Tr("TTapeCsv", kHeader[0]), Tr("TTapeCsv", kHeader[1]), Tr("TTapeCsv", kHeader[2]),
                Tr("TTapeCsv", kHeader[3])},
               format.separator);
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        const TTapeRow& r = tape.Row(row);
        AppendLine(text,
                   {ValueField(r, format.decimal), OperatorField(r), Defused(r.Comment()),
                    CountField(tape, row)},
                   format.separator);
    }
    return text;
}

void SaveTapeCsv(const TTapeDocument& tape, const std::string& path, const TCsvFormat& format) {
    TSavedFile file(path);
    file.Write(TapeCsvText(tape, format));
    file.Commit();
}
