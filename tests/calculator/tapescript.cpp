#include "tests/calculator/tapescript.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "calculator/tapegridcells.h"

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

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

void TypeNumber(TTapeEngine& engine, const std::string& number) {
    for (const char c : number) {
        engine.TeclaClick(c == ',' ? TEntryKey::Comma : DigitKey(c - '0'));
    }
}

bool PlayCommand(TTapeEngine& engine, const std::string& token) {
    using Action = void (TTapeEngine::*)();
    static const std::map<std::string, Action, std::less<>> kActions = {
        {"+", &TTapeEngine::TeclaMesClick},
        {"-", &TTapeEngine::TeclaMenysClick},
        {"x", &TTapeEngine::TeclaMultiplicarClick},
        {"/", &TTapeEngine::TeclaDividirClick},
        {"%", &TTapeEngine::TeclaPercentClick},
        {"=", &TTapeEngine::TeclaIgualClick},
        {"<<", &TTapeEngine::TeclaIntroClick},
        {"C", &TTapeEngine::TeclaBorrarClick},
        {"<", &TTapeEngine::TeclaDarreraClick},
        {"link", &TTapeEngine::LinkValue},
        {"open", &TTapeEngine::OpenRow},
        {"del", &TTapeEngine::DeleteTapeRow},
        {"clear", &TTapeEngine::ClearTape},
        {"dbl", &TTapeEngine::PaperDblClick},
        {"refresh", &TTapeEngine::Refresh},
    };
    const auto found = kActions.find(token);
    if (found != kActions.end()) {
        (engine.*found->second)();
        return true;
    }
    if (token == "+/-") {
        engine.TeclaClick(TEntryKey::Sign);
    } else if (token == "eur" || token == "pts") {
        engine.ConvertTape(token == "eur" ? TConversion::ToEuros : TConversion::ToPesetas);
    } else {
        return false;
    }
    return true;
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
        const std::vector<std::string> words = Words(cells);
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
    for (const std::string& token : Words(script)) {
        const char first = token.front();
        if (PlayCommand(engine, token)) continue;
        if ((first >= '0' && first <= '9') || first == ',') {
            TypeNumber(engine, token);
        } else if (first == '^' || first == '@') {
            engine.SelectRow(std::stoi(token.substr(1)));
            if (first == '@') engine.RecallRow();
        } else {
            throw std::invalid_argument("unknown script token: " + token);
        }
    }
}
