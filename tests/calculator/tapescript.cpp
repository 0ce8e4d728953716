#include "tests/calculator/tapescript.h"

#include <stdexcept>
#include <string_view>
#include <vector>

#include "calculator/tapegridcells.h"
#include "tests/tape/tapeactions.h"

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

std::string TapeLine(const TGridEx& paper) {
    std::string line;
    for (int32_t row = 0; row < paper.FilesUsades(); ++row) {
        if (row > 0) line += "; ";
        const std::string value = paper.LlegirCella(row, kValueColumn);
        const std::string op = paper.LlegirCella(row, kOperatorColumn);
        const std::string link = paper.LlegirCella(row, kLinkColumn);
        line += value.empty() ? "_" : value;
        if (!op.empty()) line += " " + op;
        if (!link.empty()) line += " L" + link;
    }
    return line;
}

void LoadTape(TGridEx& paper, const std::string& line) {
    if (line.empty()) return;
    int32_t row = 0;
    for (const std::string& cells : Split(line, "; ")) {
        const std::vector<std::string> words = ScriptWords(cells);
        if (words.empty()) throw std::invalid_argument("empty tape row in: " + line);
        if (words[0] != "_") paper.EscriureCella(row, kValueColumn, words[0]);
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[i].front() == 'L') {
                paper.EscriureCella(row, kLinkColumn, words[i].substr(1));
            } else {
                paper.EscriureCella(row, kOperatorColumn, words[i]);
            }
        }
        ++row;
    }
}

void Play(TTapeEngine& engine, const std::string& script) {
    PlayKeys(engine, script);
}
