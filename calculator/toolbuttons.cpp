#include "calculator/toolbuttons.h"

#include "calculator/commandtable.h"
#include "controls/button/botopetit.h"
#include "controls/platform/fonts.h"

namespace {

struct TTool {
    TCommandId command;
    QPoint place;
    const char* bitmap;  // nullptr: the command's caption instead of a glyph
    const char* letter = "";
    QPoint letterAt = {};  // on the glyph
};

// The copy glyph leaves its top left corner free for the letter.
const TTool kTools[] = {
    {TCommandId::ClearTape, {5, 2}, "NETEJAR"},
    {TCommandId::OpenRow, {30, 2}, "INSERIRLINIA"},
    {TCommandId::DeleteRow, {55, 2}, "ESBORRARLINIA"},
    {TCommandId::LinkValue, {80, 2}, "ABAIX"},
    {TCommandId::ToPesetas, {116, 1}, nullptr},
    {TCommandId::ToEuros, {141, 1}, nullptr},
    {TCommandId::CopyResult, {5, 27}, "COPIAR", "R", {1, 0}},
    {TCommandId::CopyValues, {30, 27}, "COPIAR", "N", {1, 0}},
    {TCommandId::CopyTape, {55, 27}, "COPIAR", "P", {1, 0}},
    {TCommandId::PasteReplace, {80, 27}, "ENGANXAR"},
    {TCommandId::PasteAppend, {105, 27}, "ENGANXAR", "+", {10, 6}},
    {TCommandId::Options, {140, 27}, "UTILITATS"},
};

}  // namespace

TToolButtons::TToolButtons(QWidget* parent, QRect place) : TPanelEx(parent) {
    setObjectName(QStringLiteral("PanelBotons"));
    setGeometry(place);
    setAccessibleName(tr("Eines del paper"));
    for (const TTool& tool : kTools) {
        TBotoPetit* button = NewButton(this, tool.command, tool.place);
        if (tool.bitmap != nullptr) {
            button->SetResBitmap(tool.bitmap);
            button->SetMergeTxt(tool.letter);
            button->SetMergeTxtX(tool.letterAt.x());
            button->SetMergeTxtY(tool.letterAt.y());
            button->setFont(FormFont("Arial", 8, true));
            button->SetFontColor(clBlue);
        } else {
            button->SetCaption(CommandCaption(Command(tool.command)).toStdString());
            button->setFont(FormFont("MS Sans Serif", 10, true));
            button->SetFontColor(clNavy);
        }
        const TCommandId command = tool.command;
        button->OnClick = [this, command](TBotoPetit*) { Q_EMIT Triggered(command); };
    }
}

// 24 by 24 with two glyphs. The focus stays on the tape: the space bar is
// the total key there.
TBotoPetit* TToolButtons::NewButton(QWidget* parent, TCommandId command, QPoint place) {
    const TCommand& info = Command(command);
    auto* button = new TBotoPetit(parent);
    button->setObjectName(QString::fromLatin1(info.name));
    button->setGeometry(place.x(), place.y(), 24, 24);
    button->SetNumGlyphs(2);
    button->setFocusPolicy(Qt::NoFocus);
    button->SetHint(CommandHint(info).toStdString());
    return button;
}
