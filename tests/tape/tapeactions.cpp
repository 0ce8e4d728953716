#include "tests/tape/tapeactions.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tape/taxkeys.h"

std::vector<std::string> ScriptWords(const std::string& script) {
    std::istringstream in(script);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

namespace {

// Refresh: the tape evaluated again and the running value before the
// current row shown, as after an option change.
void Refresh(TTapeEngine& engine) {
    TTapeEngine::Action action(engine);
    engine.ShowSubtotal(engine.RecalcTape(engine.Tape().CurrentRow() - 1));
}

bool PlayCommand(TTapeEngine& engine, const std::string& token) {
    static const std::map<std::string, TTapeKey, std::less<>> kKeys = {
        {"+", TTapeKey::Plus},
        {"-", TTapeKey::Minus},
        {"x", TTapeKey::Times},
        {"/", TTapeKey::Divide},
        {"%", TTapeKey::Percent},
        {"=", TTapeKey::Total},
        {"<<", TTapeKey::Enter},
        {"C", TTapeKey::Clear},
        {"<", TTapeKey::Backspace},
        {"+/-", TTapeKey::Sign},
        {"g", TTapeKey::GrandTotal},
        {"M+", TTapeKey::MemoryAdd},
        {"M-", TTapeKey::MemorySubtract},
        {"MR", TTapeKey::MemoryRecall},
        {"MC", TTapeKey::MemoryClear},
    };
    using Command = void (TTapeEngine::*)();
    static const std::map<std::string, Command, std::less<>> kCommands = {
        {"link", &TTapeEngine::LinkValue},    {"open", &TTapeEngine::OpenRow},
        {"del", &TTapeEngine::DeleteTapeRow}, {"clear", &TTapeEngine::ClearTape},
        {"dbl", &TTapeEngine::PaperDblClick}, {"undo", &TTapeEngine::Undo},
        {"redo", &TTapeEngine::Redo},
    };
    if (const auto key = kKeys.find(token); key != kKeys.end()) {
        engine.Press(key->second);
    } else if (const auto command = kCommands.find(token); command != kCommands.end()) {
        (engine.*command->second)();
    } else if (token == "refresh") {
        Refresh(engine);
    } else if (token == "ADD") {
        TTapeOptions options = engine.Options();
        options.fixedDecimals = !options.fixedDecimals;
        engine.ChangeOptions(options);
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
                engine.Press(c == ',' ? TTapeKey::Comma : DigitKey(c - '0'));
        } else if (first == '^' || first == '@') {
            engine.SelectRow(std::stoi(token.substr(1)));
            if (first == '@') engine.RecallRow();
        } else if (first == '#') {
            engine.Edit(
                TFieldEdit{engine.Tape().CurrentRow(), TTapeField::Comment, token.substr(1)});
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
    static const char* const kKeys[] = {"+", "+",  "-",  "x", "/",  "%",
                                        "=", "<<", "<<", "g", "M+", "M-"};
    static const char* const kCommands[] = {"link", "open", "del", "clear", "dbl",
                                            "eur",  "pts",  "g",   "MR",    "MC"};
    const int kind = Uniform(0, 20);
    const int used = engine.Tape().UsedRows();
    std::string action;
    if (kind < 11) {
        action = std::string(kNumbers[Uniform(0, 7)]) + " " + kKeys[Uniform(0, 11)];
    } else if (kind < 13) {
        action = '@';
        action += std::to_string(Uniform(0, used + 1));
        if (kind == 11) action += " <<";
    } else if (kind < 15) {
        action = '^';
        action += std::to_string(Uniform(0, used + 1));
        action += ' ';
        action += kCommands[Uniform(0, 9)];
    }
    if (!action.empty()) {
        PlayKeys(engine, action);
        return action;
    }
    switch (kind) {
        case 15:
            engine.SetEntryText(kNumbers[Uniform(0, 7)]);
            AddTax(engine, 16);
            return "tax";
        case 16:
            engine.SetEntryText(kNumbers[Uniform(0, 7)]);
            RemoveMargin(engine, 25, MarginTypeFromIndex(Uniform(0, 2)));
            return "margin";
        case 17: {
            TArrayCadena lines;
            lines.Add("1.234,5\t+");
            lines.Add("7\tx\t" + std::to_string(Uniform(0, used)));
            engine.AddLinesToTape(lines);
            return "paste";
        }
        case 18: {
            TTapeOptions options = engine.Options();
            options.decimals = Uniform(0, 4);
            engine.ChangeOptions(options);
            return "decimals";
        }
        case 19:
            PlayKeys(engine, "ADD");
            return "ADD";
        default: {
            TTapeOptions options = engine.Options();
            options.roundAll = !options.roundAll;
            engine.ChangeOptions(options);
            return "round all";
        }
    }
}
