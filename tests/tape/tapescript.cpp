#include "tests/tape/tapescript.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + separator.size();
    }
    return parts;
}

}  // namespace

std::string TapeLine(const TTapeDocument& tape) {
    std::string line;
    for (int32_t row = 0; row < tape.UsedRows(); ++row) {
        if (row > 0) line += "; ";
        const TTapeRow& r = tape.Row(row);
        line += r.Value().empty() ? "_" : r.Value();
        if (!r.OperatorField().empty()) line += " " + std::string(r.OperatorField());
        if (!r.Link().empty()) line += " L" + std::string(r.Link());
    }
    return line;
}

void LoadTape(TTapeEngine& engine, const std::string& line) {
    if (line.empty()) return;
    int32_t row = 0;
    for (const std::string& cells : Split(line, "; ")) {
        const std::vector<std::string> words = ScriptWords(cells);
        if (words.empty()) throw std::invalid_argument("empty tape row in: " + line);
        if (words[0] != "_") engine.Edit(TFieldEdit{row, TTapeField::Value, words[0]});
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[i].front() == 'L') {
                engine.Edit(TFieldEdit{row, TTapeField::Link, words[i].substr(1)});
            } else {
                engine.Edit(TFieldEdit{row, TTapeField::Operator, words[i]});
            }
        }
        ++row;
    }
}

void StartWith(TTapeEngine& engine, const TTapeOptions& options) {
    TTapeState state = engine.State();
    state.options = options;
    std::vector<TTapeRow> rows;
    bool linkField = false;
    for (int32_t row = 0; row < engine.Tape().UsedRows(); ++row)
        rows.push_back(TapeRowFromLine(engine.Tape().RowText(row), linkField));
    engine.Resume(
        {std::move(rows), engine.Tape().WritesLinkField(), engine.Tape().RowCount(), state});
}
