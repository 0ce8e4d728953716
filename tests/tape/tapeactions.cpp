#include "tests/tape/tapeactions.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "basic/platformerror.h"
#include "basic/stringlists.h"

std::vector<std::string> ScriptWords(const std::string& script) {
    std::istringstream in(script);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

namespace {

bool PlayCommand(TTapeEngine& engine, const std::string& token) {
    using Action = void (TTapeEngine::*)();
    static const std::map<std::string, Action, std::less<>> kActions = {
        {"+", &TTapeEngine::TeclaMesClick},      {"-", &TTapeEngine::TeclaMenysClick},
        {"x", &TTapeEngine::TeclaMultiplicarClick}, {"/", &TTapeEngine::TeclaDividirClick},
        {"%", &TTapeEngine::TeclaPercentClick},  {"=", &TTapeEngine::TeclaIgualClick},
        {"<<", &TTapeEngine::TeclaIntroClick},   {"link", &TTapeEngine::LinkValue},
        {"open", &TTapeEngine::OpenRow},         {"del", &TTapeEngine::DeleteTapeRow},
        {"clear", &TTapeEngine::ClearTape},      {"dbl", &TTapeEngine::PaperDblClick},
        {"C", &TTapeEngine::TeclaBorrarClick},  {"<", &TTapeEngine::TeclaDarreraClick},
        {"refresh", &TTapeEngine::Refresh},
    };
    const auto found = kActions.find(token);
    if (found != kActions.end()) {
        (engine.*found->second)();
    } else if (token == "+/-") {
        engine.TeclaClick(TEntryKey::Sign);
    } else if (token == "eur" || token == "pts") {
        engine.ConvertTape(token == "eur" ? TConversion::ToEuros : TConversion::ToPesetas);
    } else {
        return false;
    }
    return true;
}

}  // namespace

void PlayKeys(TTapeEngine& engine, const std::string& script) {
    for (const std::string& token : ScriptWords(script)) {
        const char first = token.front();
        if (PlayCommand(engine, token)) continue;
        if ((first >= '0' && first <= '9') || first == ',') {
            for (const char c : token)
                engine.TeclaClick(c == ',' ? TEntryKey::Comma : DigitKey(c - '0'));
        } else if (first == '^' || first == '@') {
            engine.SelectRow(std::stoi(token.substr(1)));
            if (first == '@') engine.RecallRow();
        } else if (first == '#') {
            TTapeEngine::Action action(engine);
            engine.EditTape().WriteField(engine.Tape().CurrentRow(), TTapeField::Comment,
                                         token.substr(1));
        } else {
            throw std::invalid_argument("unknown script token: " + token);
        }
    }
}

std::string RandomActions::PlayOne(TTapeEngine& engine) {
    const int pick = Uniform(0, 9);
    if (pick == 0) {
        engine.Undo();
        return "undo";
    }
    if (pick == 1) {
        engine.Redo();
        return "redo";
    }
    return PlayOneChange(engine);
}

std::string RandomActions::PlayOneChange(TTapeEngine& engine) {
    static const char* const kNumbers[] = {"12", "3,5", "100", "0,125", "2,675", "0", "16", "45,5"};
    static const char* const kKeys[] = {"+", "+", "-", "x", "/", "%", "=", "<<", "<<"};
    static const char* const kCommands[] = {"link", "open", "del", "clear", "dbl", "eur", "pts"};
    const int kind = Uniform(0, 19);
    const int used = engine.Tape().UsedRows();
    std::string action;
    if (kind < 11) {
        action = std::string(kNumbers[Uniform(0, 7)]) + " " + kKeys[Uniform(0, 8)];
    } else if (kind < 13) {
        action = '@';
        action += std::to_string(Uniform(0, used + 1));
        if (kind == 11) action += " <<";
    } else if (kind < 15) {
        action = '^';
        action += std::to_string(Uniform(0, used + 1));
        action += ' ';
        action += kCommands[Uniform(0, 6)];
    }
    if (!action.empty()) {
        PlayKeys(engine, action);
        return action;
    }
    switch (kind) {
        case 15:
            engine.AddTax(kNumbers[Uniform(0, 7)], 16);
            return "tax";
        case 16:
            engine.RemoveMargin(kNumbers[Uniform(0, 7)], 25, MarginTypeFromIndex(Uniform(0, 2)));
            return "margin";
        case 17: {
            TArrayCadena lines;
            lines.Add("1.234,5\t+");
            lines.Add("7\tx\t" + std::to_string(Uniform(0, used)));
            engine.AddLinesToTape(lines);
            return "paste";
        }
        case 18:
            engine.ChooseDecimals(Uniform(0, 4));
            return "decimals";
        default:
            engine.ToggleRoundAll();
            return "round all";
    }
}
