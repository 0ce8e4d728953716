#include "controls/button/botopetit.h"

#include "basic/texttools.h"
#include "basic/translation.h"
#include "controls/accessibility/accessibility.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/messagebox.h"

namespace {

std::string BeforeBar(const std::string& text) {
    return text.substr(0, text.find('|'));
}

}  // namespace

TBotoPetit::TBotoPetit(QWidget* parent) : QAbstractButton(parent) {
    InstallAccessibleInterfaces();
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TBotoPetit::SetCaption(const std::string& caption) {
    caption_ = BeforeBar(caption);
    setText(QString::fromStdString(caption_));
    update();
}

void TBotoPetit::SetHint(const std::string& hint) {
    hint_ = BeforeBar(hint);
    setToolTip(QString::fromStdString(hint_));
}

QImage TBotoPetit::Glyph() const {
    return IsGlyphGenerated() ? QImage() : glyph_;
}

void TBotoPetit::SetGlyph(const QImage& glyph) {
    Store(glyph_, glyph);
}

void TBotoPetit::SetNumGlyphs(int count) {
    Store(numGlyphs_, qBound(1, count, 4));
}

void TBotoPetit::SetMargin(int margin) {
    Store(margin_, margin);
}

void TBotoPetit::SetSpacing(int spacing) {
    Store(spacing_, spacing);
}

void TBotoPetit::SetFontColor(TColor color) {
    Store(fontColor_, color);
}

void TBotoPetit::SetResBitmap(const std::string& name) {
    resBitmap_ = TrimBlanks(name);
    if (resBitmap_.empty()) numGlyphs_ = 1;
    update();
}

void TBotoPetit::SetMergeTxt(const std::string& text) {
    Store(mergeTxt_, text);
}

void TBotoPetit::SetMergeTxtX(int x) {
    Store(mergeTxtX_, x);
}

void TBotoPetit::SetMergeTxtY(int y) {
    Store(mergeTxtY_, y);
}

std::string TBotoPetit::Nom() const {
    return nom_.empty() ? objectName().toStdString() : nom_;
}

void TBotoPetit::SetTeclaFuncioText(const std::string& text) {
    teclaFuncioText_ = text;
    shortCut_ = TShortCut{};
    if (text.empty()) return;
    // The Catalan key caps become the key names the parser knows.
    const std::string names =
        ReplaceAll(ReplaceAll(TrimBlanks(text), "Sup", "Del"), "Intro", "Enter");
    if (const auto parsed = TextToShortCut(names)) {
        shortCut_ = *parsed;
        return;
    }
    ShowMessageBox(nullptr, Filled(Tr("TamComponents", "Error a l'Assignar ShortCut [%1]"), {text}),
                   Tr("TamComponents", "Atenció!!"), TMessageBoxKind::Ok);
}

void TBotoPetit::SetDown(bool down) {
    Store(down_, down);
}

void TBotoPetit::SetEstatBoto(TEstatBoto state) {
    Store(estatBoto_, state);
}

void TBotoPetit::SetEstilBoto(TEstilBoto style) {
    estilBoto_ = style;
    if (style == ebSiNoColor) {
        // The generated glyph fills the button.
        SetCaption("");
        margin_ = 0;
    }
    update();
}

void TBotoPetit::SetCaptionOn(const std::string& text) {
    Store(captionOn_, text);
}

void TBotoPetit::SetCaptionOff(const std::string& text) {
    Store(captionOff_, text);
}

void TBotoPetit::SetColorOn(TColor color) {
    Store(colorOn_, color);
}

void TBotoPetit::SetColorOff(TColor color) {
    Store(colorOff_, color);
}

void TBotoPetit::Click() {
    if (estilBoto_ == ebSiNoColor) SetEstatBoto(estatBoto_ == ebOn ? ebOff : ebOn);
    if (OnClick) OnClick(this);
}

bool TBotoPetit::HasResBitmap() const {
    return !resBitmap_.empty() && resBitmap_ != "[No]";
}

bool TBotoPetit::IsGlyphGenerated() const {
    return HasResBitmap() || estilBoto_ != ebNormal || !mergeTxt_.empty();
}

// A named bitmap that does not exist leaves the button without a glyph.
TButtonGlyph TBotoPetit::CurrentGlyph(qreal devicePixelRatio) const {
    TButtonGlyph glyph{glyph_.convertToFormat(QImage::Format_RGB32), true};
    if (HasResBitmap())
        glyph.image = FindBitmapResource(resBitmap_, devicePixelRatio).value_or(QImage());
    const QSize inner = size() - QSize(4, 4);
    if (estilBoto_ == ebNormalColor && !glyph.IsEmpty()) glyph = RecolourGlyph(glyph, StateColor());
    if (estilBoto_ == ebSiNoColor) {
        const bool on = estatBoto_ == ebOn;
        glyph = SiNoGlyph(inner.width(), inner.height(), font(), on ? captionOn_ : captionOff_,
                          StateColor(), fontColor_, devicePixelRatio);
    }
    if (mergeTxt_.empty()) return glyph;
    if (glyph.IsEmpty()) {
        if (caption_.empty()) fillBackground_ = true;
        glyph = PlainGlyph(inner, Qt::white, true, devicePixelRatio);
    }
    const TColor brush = estilBoto_ == ebNormal ? clWhite : StateColor();
    return MergeText(glyph, font(), mergeTxt_, mergeTxtX_, mergeTxtY_, ToQColor(fontColor_), brush,
                     fillBackground_);
}
