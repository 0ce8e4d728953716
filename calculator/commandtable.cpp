#include "calculator/commandtable.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <array>

#include "calculator/calculadora.h"
#include "calculator/clipboardcommands.h"
#include "calculator/commandcontext.h"
#include "calculator/entrydisplay.h"
#include "calculator/searchpanel.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapetabcommands.h"
#include "calculator/tapeview.h"
#include "calculator/taxpanel.h"
#include "controls/platform/keyboard.h"
#include "controls/platform/staysontop.h"
#include "tape/tapeengine.h"

namespace {

using Qt::Key;

constexpr char kContext[] = "TCommands";

// The keys with their usual modifiers.
QKeyCombination Ctrl(Key key) {
    return Qt::CTRL | key;
}
QKeyCombination CtrlShift(Key key) {
    return Qt::CTRL | Qt::SHIFT | key;
}

// How the keys of a kind of command are taken (TKeyUse).
constexpr TKeyUse kPlainKey{};
// F10, Escape, undo and redo, the files: the key goes no further.
constexpr TKeyUse kOwnKey{.consumed = true};
constexpr TKeyUse kOwnKeyWhileEditing{.consumed = true, .whileEditing = true};
// The clipboard keys work while the display is edited, which takes them too.
constexpr TKeyUse kSharedKey{.whileEditing = true};
// Enter, with any modifier, ends an edit of the display before its entry is
// used.
constexpr TKeyUse kEnterKey{.anyModifiers = true, .whileEditing = true, .endsEditing = true};

// A key of the keypad, playing its key on the engine.
TCommand Keypad(TTapeKey key, const char* name, const char* caption, const char* text,
                const char* characters = "") {
    return {.id = KeyCommand(key),
            .name = name,
            .caption = caption,
            .text = text,
            .characters = characters,
            .run = [key](TCommandContext& c) { c.Engine().Press(key); }};
}

TCommand Digit(int digit) {
    static constexpr std::array<const char*, 10> kNames = {"Tecla0", "Tecla1", "Tecla2", "Tecla3",
                                                           "Tecla4", "Tecla5", "Tecla6", "Tecla7",
                                                           "Tecla8", "Tecla9"};
    static constexpr std::array<const char*, 10> kDigits = {"0", "1", "2", "3", "4",
                                                            "5", "6", "7", "8", "9"};
    const auto index = static_cast<size_t>(digit);
    return Keypad(DigitKey(digit), kNames[index], kDigits[index],
                  QT_TRANSLATE_NOOP("TCommands", "Xifra"), kDigits[index]);
}

// An item of the options menu that flips an option.
TCommand Toggle(TCommandId id, const char* name, const char* text, bool TTapeOptions::*option) {
    return {.id = id,
            .name = name,
            .text = text,
            .run =
                [option](TCommandContext& c) {
                    TTapeOptions options = c.Engine().Options();
                    options.*option = !(options.*option);
                    c.Engine().ChangeOptions(options);
                },
            .checked = [option](const TCommandContext& c) { return c.Engine().Options().*option; }};
}

TCommand Decimals(int32_t decimals) {
    static constexpr std::array<const char*, kMaxDecimals + 1> kNames = {
        "Menu0Decimals", "Menu1Decimals", "Menu2Decimals", "Menu3Decimals",
        "Menu4Decimals", "Menu5Decimals", "Menu6Decimals"};
    static constexpr std::array<const char*, kMaxDecimals + 1> kCaptions = {
        QT_TRANSLATE_NOOP("TCommands", "&0 Decimals"),
        QT_TRANSLATE_NOOP("TCommands", "&1 Decimal"),
        QT_TRANSLATE_NOOP("TCommands", "&2 Decimals"),
        QT_TRANSLATE_NOOP("TCommands", "&3 Decimals"),
        QT_TRANSLATE_NOOP("TCommands", "&4 Decimals"),
        QT_TRANSLATE_NOOP("TCommands", "&5 Decimals"),
        QT_TRANSLATE_NOOP("TCommands", "&6 Decimals")};
    const auto index = static_cast<size_t>(decimals);
    return {.id = DecimalsCommand(decimals),
            .name = kNames[index],
            .text = kCaptions[index],
            .run = [decimals](TCommandContext& c) {
                TTapeOptions options = c.Engine().Options();
                options.decimals = decimals;
                c.Engine().ChangeOptions(options);
            }};
}

// The keys of a desk printing calculator over the keypad: the grand total
// and the memory.
std::vector<TCommand> DeskKeyCommands() {
    TCommand grandTotal =
        Keypad(TTapeKey::GrandTotal, "TeclaGranTotal", "GT",
               QT_TRANSLATE_NOOP("TCommands", "Gran total: suma dels totals"), "gG");
    const auto memory = [](TTapeKey key, const char* name, const char* caption, const char* text,
                           QKeyCombination binding) {
        TCommand command = Keypad(key, name, caption, text);
        command.keys = {binding};
        return command;
    };
    return {
        std::move(grandTotal),
        memory(TTapeKey::MemoryAdd, "TeclaMesMemoria", "M+",
               QT_TRANSLATE_NOOP("TCommands", "Suma a la memòria"), Qt::Key_F4),
        memory(TTapeKey::MemorySubtract, "TeclaMenysMemoria", "M\u2212",
               QT_TRANSLATE_NOOP("TCommands", "Resta de la memòria"), Qt::SHIFT | Qt::Key_F4),
        memory(TTapeKey::MemoryRecall, "TeclaRecuperarMemoria", "MR",
               QT_TRANSLATE_NOOP("TCommands", "Recupera la memòria"), Qt::Key_F6),
        memory(TTapeKey::MemoryClear, "TeclaBorrarMemoria", "MC",
               QT_TRANSLATE_NOOP("TCommands", "Esborra la memòria"), Qt::SHIFT | Qt::Key_F6),
    };
}

std::vector<TCommand> KeypadCommands() {
    std::vector<TCommand> commands;
    for (int digit = 0; digit < 10; ++digit)
        commands.push_back(Digit(digit));
    const auto add = [&commands](TCommand command) { commands.push_back(std::move(command)); };
    add(Keypad(TTapeKey::Comma, "TeclaPunt", ",", QT_TRANSLATE_NOOP("TCommands", "Coma decimal"),
               ",."));
    add(Keypad(TTapeKey::Sign, "TeclaSigne", "+/-",
               QT_TRANSLATE_NOOP("TCommands", "Canvia el signe")));
    add(Keypad(TTapeKey::Clear, "TeclaBorrar", "C",
               QT_TRANSLATE_NOOP("TCommands", "Esborra el número"), "Cc"));
    TCommand backspace = Keypad(TTapeKey::Backspace, "TeclaDarrera", "<",
                                QT_TRANSLATE_NOOP("TCommands", "Esborra l'última xifra"));
    backspace.keys = {Qt::Key_Backspace};
    add(std::move(backspace));
    add(Keypad(TTapeKey::Plus, "TeclaMes", "+", QT_TRANSLATE_NOOP("TCommands", "Suma"), "+"));
    add(Keypad(TTapeKey::Minus, "TeclaMenys", "_", QT_TRANSLATE_NOOP("TCommands", "Resta"), "-"));
    add(Keypad(TTapeKey::Times, "TeclaMultiplicar", "x",
               QT_TRANSLATE_NOOP("TCommands", "Multiplica"), "*xX"));
    add(Keypad(TTapeKey::Divide, "TeclaDividir", "/", QT_TRANSLATE_NOOP("TCommands", "Divideix"),
               "/"));
    add(Keypad(TTapeKey::Percent, "TeclaPercent", "%",
               QT_TRANSLATE_NOOP("TCommands", "Percentatge"), "%tT"));
    add(Keypad(TTapeKey::Total, "TeclaIgual", "=", QT_TRANSLATE_NOOP("TCommands", "Total"), "= "));
    TCommand enter = Keypad(
        TTapeKey::Enter, "TeclaIntro", "<<",
        QT_TRANSLATE_NOOP("TCommands", "Acaba el càlcul, o lliga al final la fila recuperada"));
    enter.keys = {Qt::Key_Return, Qt::Key_Enter};
    enter.use = kEnterKey;
    add(std::move(enter));
    for (TCommand& command : DeskKeyCommands())
        add(std::move(command));
    return commands;
}

std::vector<TCommand> TaxCommands() {
    return {
        {.id = TCommandId::ChooseVat,
         .name = "TeclaQuinIva",
         .caption = QT_TRANSLATE_NOOP("TCommands", "% Iva"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Percentatge d'IVA a aplicar amb els Botons IVA"),
         .run = [](TCommandContext& c) { c.tax.TeclaQuinIvaClick(); }},
        {.id = TCommandId::AddVat,
         .name = "TeclaMesIva",
         .caption = QT_TRANSLATE_NOOP("TCommands", "+ Iva"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Calcula el Valor més IVA"),
         .characters = "iI",
         .run = [](TCommandContext& c) { c.tax.TeclaMesIvaClick(); }},
        {.id = TCommandId::TaxableBase,
         .name = "TeclaMenysIva",
         .caption = QT_TRANSLATE_NOOP("TCommands", "Base Imp"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Calcula la Base Imposable"),
         .characters = "Bb",
         .run = [](TCommandContext& c) { c.tax.TeclaMenysIvaClick(); }},
        {.id = TCommandId::VatAmount,
         .name = "TeclaPerIva",
         .caption = QT_TRANSLATE_NOOP("TCommands", "Quota Iva"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Calcula la Quota d'IVA"),
         .characters = "Qq",
         .run = [](TCommandContext& c) { c.tax.TeclaPerIvaClick(); }},
        {.id = TCommandId::AddMargin,
         .name = "TeclaMesMarge",
         .caption = QT_TRANSLATE_NOOP("TCommands", "+ Marge"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Calcula el Preu Final Afegint el Marge"),
         .characters = "Mm",
         .run = [](TCommandContext& c) { c.tax.TeclaMesMargeClick(); }},
        {.id = TCommandId::RemoveMargin,
         .name = "TeclaMenysMarge",
         .caption = QT_TRANSLATE_NOOP("TCommands", "- Marge"),
         .text =
             QT_TRANSLATE_NOOP("TCommands", "Calcula el Preu Descomptant el Marge (Preu de Cost)"),
         .characters = "Nn",
         .run = [](TCommandContext& c) { c.tax.TeclaMenysMargeClick(); }},
    };
}

// The text of the link command ends in a blank: its hint has always had two
// before the key.
std::vector<TCommand> TapeCommands() {
    return {
        {.id = TCommandId::EditDisplay,
         .text = QT_TRANSLATE_NOOP("TCommands", "Edita el número"),
         .keys = {Qt::Key_F2},
         .run = [](TCommandContext& c) { c.display.StartEditing(); }},
        {.id = TCommandId::EditComment,
         .text = QT_TRANSLATE_NOOP("TCommands", "Escriu un comentari a la fila"),
         .keys = {Qt::Key_F3},
         .run = [](TCommandContext& c) { c.view.EditComment(); }},
        {.id = TCommandId::LinkValue,
         .name = "BotoLLigar",
         .text = QT_TRANSLATE_NOOP("TCommands", "Copiar i Lligar Valor al Final "),
         .keys = {Qt::Key_F7},
         .run = [](TCommandContext& c) { c.Engine().LinkValue(); }},
        {.id = TCommandId::ClearTape,
         .name = "BotoNetejar",
         .text = QT_TRANSLATE_NOOP("TCommands", "Esborrar Paper"),
         .keys = {Qt::Key_F8},
         .run = [](TCommandContext& c) { c.files.ClearTape(); }},
        {.id = TCommandId::OpenRow,
         .name = "BotoInsertar",
         .text = QT_TRANSLATE_NOOP("TCommands",
                                   "Obrir espai a la posició marcada per insertar un valor"),
         .keys = {Qt::Key_Insert},
         .run = [](TCommandContext& c) { c.Engine().OpenRow(); }},
        {.id = TCommandId::DeleteRow,
         .name = "BotoEsborrarLinia",
         .text = QT_TRANSLATE_NOOP("TCommands", "Esborrar Linia Marcada"),
         .keys = {Qt::Key_Delete},
         .run = [](TCommandContext& c) { c.Engine().DeleteTapeRow(); }},
        {.id = TCommandId::ToPesetas,
         .name = "BotoPts",
         .caption = "Pt",
         .text = QT_TRANSLATE_NOOP("TCommands", "Converteix a Pessetes"),
         .characters = "Pp",
         .run = [](TCommandContext& c) { c.Engine().ConvertTape(TConversion::ToPesetas); }},
        {.id = TCommandId::ToEuros,
         .name = "BotoEuros",
         .caption = "€",
         .text = QT_TRANSLATE_NOOP("TCommands", "Converteix a EUROS"),
         .characters = "Ee",
         .run = [](TCommandContext& c) { c.Engine().ConvertTape(TConversion::ToEuros); }},
    };
}

std::vector<TCommand> ClipboardCommands() {
    return {
        {.id = TCommandId::CopyResult,
         .name = "BotoCopiarResultat",
         .text = QT_TRANSLATE_NOOP("TCommands", "Copiar Resultat"),
         .keys = {Ctrl(Qt::Key_R), Ctrl(Qt::Key_C)},
         .use = kSharedKey,
         .run = [](TCommandContext& c) { c.clipboard.CopyResult(); }},
        {.id = TCommandId::CopyResultAndAppend,
         .text = QT_TRANSLATE_NOOP("TCommands", "Copiar Resultat i Enganxar-lo al Final"),
         .keys = {Ctrl(Qt::Key_Insert)},
         .use = kSharedKey,
         .run =
             [](TCommandContext& c) {
                 c.clipboard.CopyResult();
                 c.clipboard.PasteAppend();
             }},
        {.id = TCommandId::CopyValues,
         .name = "BotoCopiarValors",
         .text = QT_TRANSLATE_NOOP("TCommands", "Copiar Valors Numèrics"),
         .keys = {Ctrl(Qt::Key_N)},
         .use = kSharedKey,
         .run = [](TCommandContext& c) { c.clipboard.CopyValues(); }},
        {.id = TCommandId::CopyTape,
         .name = "BotoCopiarPaper",
         .text = QT_TRANSLATE_NOOP("TCommands", "Copiar Paper"),
         .keys = {Ctrl(Qt::Key_P)},
         .use = kSharedKey,
         .run = [](TCommandContext& c) { c.clipboard.CopyTape(); }},
        {.id = TCommandId::PasteReplace,
         .name = "BotoEnganxar",
         .text = QT_TRANSLATE_NOOP("TCommands", "Esborrar Paper i Enganxar"),
         .keys = {Ctrl(Qt::Key_E)},
         .use = kSharedKey,
         .run = [](TCommandContext& c) { c.clipboard.PasteReplace(); }},
        {.id = TCommandId::PasteAppend,
         .name = "BotoEnganxarMes",
         .text = QT_TRANSLATE_NOOP("TCommands", "Enganxar al Final"),
         .keys = {Ctrl(Qt::Key_V)},
         .use = kSharedKey,
         .run = [](TCommandContext& c) { c.clipboard.PasteAppend(); }},
    };
}

std::vector<TCommand> MenuCommands() {
    std::vector<TCommand> commands;
    for (int32_t decimals = 0; decimals <= kMaxDecimals; ++decimals)
        commands.push_back(Decimals(decimals));
    commands.push_back(Toggle(TCommandId::RoundTotals, "MenuArrodonirTotals",
                              QT_TRANSLATE_NOOP("TCommands", "Arrodonir Totals"),
                              &TTapeOptions::roundTotals));
    commands.push_back(
        Toggle(TCommandId::RoundCalculations, "MenuArrodonirCalculs",
               QT_TRANSLATE_NOOP("TCommands", "&Arrodonir decimals a càlculs interns"),
               &TTapeOptions::roundCalculations));
    commands.push_back(Toggle(TCommandId::RoundAll, "MenuArrodonirTot",
                              QT_TRANSLATE_NOOP("TCommands", "Arrodonir tots els números"),
                              &TTapeOptions::roundAll));
    commands.push_back(Toggle(TCommandId::ConvertOnCopy, "MenuConvertir",
                              QT_TRANSLATE_NOOP("TCommands", "Coma Decimal a l'Exportar/Copiar"),
                              &TTapeOptions::convertOnCopy));
    TCommand fixedDecimals =
        Toggle(TCommandId::FixedDecimals, "MenuDecimalsFixos",
               QT_TRANSLATE_NOOP("TCommands", "Entrada amb decimals fixos (ADD)"),
               &TTapeOptions::fixedDecimals);
    fixedDecimals.keys = {Qt::Key_F9};
    commands.push_back(std::move(fixedDecimals));
    const auto add = [&commands](TCommand command) { commands.push_back(std::move(command)); };
    add({.id = TCommandId::VatRates,
         .name = "MenuTipusIva",
         .text = QT_TRANSLATE_NOOP("TCommands", "&Tipus d'IVA..."),
         .run = [](TCommandContext& c) { c.tax.MenuTipusIvaClick(); }});
    add({.id = TCommandId::Undo,
         .name = "MenuDesfer",
         .text = QT_TRANSLATE_NOOP("TCommands", "&Desfés"),
         .keys = {Ctrl(Qt::Key_Z)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { c.Engine().Undo(); },
         .enabled = [](const TCommandContext& c) { return c.Engine().History().CanUndo(); }});
    add({.id = TCommandId::Redo,
         .name = "MenuRefer",
         .text = QT_TRANSLATE_NOOP("TCommands", "&Refés"),
         .keys = {Ctrl(Qt::Key_Y), CtrlShift(Qt::Key_Z)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { c.Engine().Redo(); },
         .enabled = [](const TCommandContext& c) { return c.Engine().History().CanRedo(); }});
    return commands;
}

std::vector<TCommand> FileCommands() {
    const auto file = [](TCommandId id, const char* name, const char* text, QKeyCombination key,
                         void (TTapeFileCommands::*handler)()) {
        return TCommand{.id = id,
                        .name = name,
                        .text = text,
                        .keys = {key},
                        .use = kOwnKeyWhileEditing,
                        .run = [handler](TCommandContext& c) { (c.files.*handler)(); }};
    };
    return {
        file(TCommandId::SaveTape, "MenuDesarCinta",
             QT_TRANSLATE_NOOP("TCommands", "De&sa la cinta..."), Ctrl(Qt::Key_S),
             &TTapeFileCommands::SaveTape),
        file(TCommandId::OpenTape, "MenuObrirCinta",
             QT_TRANSLATE_NOOP("TCommands", "&Obre una cinta..."), Ctrl(Qt::Key_O),
             &TTapeFileCommands::OpenTape),
        file(TCommandId::EarlierTapes, "MenuCintesAnteriorsItem",
             QT_TRANSLATE_NOOP("TCommands", "&Cintes anteriors"), Ctrl(Qt::Key_H),
             &TTapeFileCommands::ShowArchiveMenu),
        file(TCommandId::ExportPdf, "MenuExportarPdf",
             QT_TRANSLATE_NOOP("TCommands", "Exporta a &PDF..."), Ctrl(Qt::Key_D),
             &TTapeFileCommands::ExportPdf),
        file(TCommandId::ExportCsv, "MenuExportarCsv",
             QT_TRANSLATE_NOOP("TCommands", "Exporta a CS&V..."), Ctrl(Qt::Key_T),
             &TTapeFileCommands::ExportCsv),
        file(TCommandId::PrintTape, "MenuImprimir", QT_TRANSLATE_NOOP("TCommands", "&Imprimeix..."),
             CtrlShift(Qt::Key_P), &TTapeFileCommands::PrintTape),
    };
}

std::vector<TCommand> TabCommands() {
    return {
        {.id = TCommandId::NewTape,
         .name = "MenuCintaNova",
         .text = QT_TRANSLATE_NOOP("TCommands", "Cinta &nova"),
         .keys = {CtrlShift(Qt::Key_N)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { c.tapes.Add(); }},
        {.id = TCommandId::NextTape,
         .text = QT_TRANSLATE_NOOP("TCommands", "Cinta següent"),
         .keys = {Ctrl(Qt::Key_PageDown), Ctrl(Qt::Key_Tab)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { StepTape(c, 1); }},
        {.id = TCommandId::PreviousTape,
         .text = QT_TRANSLATE_NOOP("TCommands", "Cinta anterior"),
         .keys = {Ctrl(Qt::Key_PageUp), CtrlShift(Qt::Key_Backtab)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { StepTape(c, -1); }},
        {.id = TCommandId::RenameTape,
         .name = "MenuNomCinta",
         .text = QT_TRANSLATE_NOOP("TCommands", "Canvia el nom de la cint&a..."),
         .run = [](TCommandContext& c) { RenameTape(c); }},
        {.id = TCommandId::CloseTape,
         .name = "MenuTancarCinta",
         .text = QT_TRANSLATE_NOOP("TCommands", "&Tanca la cinta"),
         .keys = {Ctrl(Qt::Key_W)},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { CloseTape(c); }},
    };
}

std::vector<TCommand> WindowCommands() {
    return {
        {.id = TCommandId::Search,
         .name = "MenuCercar",
         .text = QT_TRANSLATE_NOOP("TCommands", "C&erca a les cintes..."),
         .keys = {Ctrl(Qt::Key_F)},
         .use = kOwnKeyWhileEditing,
         .run = [](TCommandContext& c) { c.search.Open(); }},
        {.id = TCommandId::StaysOnTop,
         .name = "MenuSempreVisible",
         .text = QT_TRANSLATE_NOOP("TCommands", "Se&mpre visible"),
         .run = [](TCommandContext& c) { SetStaysOnTop(c.window, !StaysOnTop(c.window)); },
         .checked = [](const TCommandContext& c) { return StaysOnTop(c.window); }},
        {.id = TCommandId::Options,
         .name = "BotoPropietats",
         .text = QT_TRANSLATE_NOOP("TCommands", "Propietats"),
         .run = [](TCommandContext& c) { c.window.BotoPropietatsClick(); }},
        {.id = TCommandId::Interest,
         .name = "BotoInteres",
         .caption = QT_TRANSLATE_NOOP("TCommands", "Càlcul Interès Bancari"),
         .text = QT_TRANSLATE_NOOP("TCommands", "Comparar dos préstecs bancaris"),
         .run = [](TCommandContext& c) { c.window.BotoInteresClick(); }},
        {.id = TCommandId::Exit,
         .name = "BotoSortir",
         .text = QT_TRANSLATE_NOOP("TCommands", "Sortir Entregant Valor"),
         .keys = {Qt::Key_F10},
         .use = kOwnKey,
         .run = [](TCommandContext& c) { c.window.BotoSortirClick(); }},
        // The close request waits for the key to be done. An open search band
        // goes first.
        {.id = TCommandId::Close,
         .text = QT_TRANSLATE_NOOP("TCommands", "Tanca la calculadora"),
         .keys = {Qt::Key_Escape},
         .use = kOwnKey,
         .run =
             [](TCommandContext& c) {
                 if (c.search.isVisible()) {
                     c.search.Dismiss();
                     return;
                 }
                 DiscardKeyboardMessages();
                 QMetaObject::invokeMethod(&c.window, &QWidget::close, Qt::QueuedConnection);
             }},
    };
}

std::vector<TCommand> AllCommands() {
    std::vector<TCommand> commands;
    for (auto part : {KeypadCommands, TaxCommands, TapeCommands, ClipboardCommands, MenuCommands,
                      FileCommands, TabCommands, WindowCommands}) {
        for (TCommand& command : part())
            commands.push_back(std::move(command));
    }
    return commands;
}

QString Translated(const char* text) {
    return text == nullptr ? QString() : QCoreApplication::translate(kContext, text);
}

// "Control+R", "Supr", "F8", in the user's language.
QString KeyName(QKeyCombination key) {
    QString name;
    if (key.keyboardModifiers().testFlag(Qt::ControlModifier))
        name += QCoreApplication::translate("TCommands", "Control") + QLatin1Char('+');
    if (key.keyboardModifiers().testFlag(Qt::ShiftModifier))
        name += QCoreApplication::translate("TCommands", "Maj") + QLatin1Char('+');
    switch (key.key()) {
        case Qt::Key_Insert:
            return name + QCoreApplication::translate("TCommands", "Ins");
        case Qt::Key_Delete:
            return name + QCoreApplication::translate("TCommands", "Supr");
        case Qt::Key_Escape:
            return name + QCoreApplication::translate("TCommands", "Esc");
        case Qt::Key_Backspace:
            return name + QCoreApplication::translate("TCommands", "Retrocés");
        // Shift+Tab comes as Backtab.
        case Qt::Key_Backtab:
            return name + QStringLiteral("Tab");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return name + QCoreApplication::translate("TCommands", "Retorn");
        default:
            return name + QKeySequence(key.key()).toString(QKeySequence::PortableText);
    }
}

}  // namespace

const std::vector<TCommand>& CommandTable() {
    static const std::vector<TCommand> kTable = [] {
        std::vector<TCommand> commands = AllCommands();
        std::sort(commands.begin(), commands.end(),
                  [](const TCommand& a, const TCommand& b) { return a.id < b.id; });
        return commands;
    }();
    return kTable;
}

const TCommand& Command(TCommandId id) {
    return CommandTable().at(static_cast<size_t>(id));
}

QString CommandCaption(const TCommand& command) {
    return Translated(command.caption);
}

QString CommandText(const TCommand& command) {
    return Translated(command.text);
}

QString CommandKeyText(const TCommand& command) {
    if (!command.keys.isEmpty()) return KeyName(command.keys.front());
    if (command.characters[0] != '\0') return QString(QLatin1Char(command.characters[0]));
    return {};
}

QString CommandHint(const TCommand& command) {
    const QString key = CommandKeyText(command);
    const QString text = CommandText(command);
    return key.isEmpty() ? text : text + QStringLiteral(" [") + key + QLatin1Char(']');
}
