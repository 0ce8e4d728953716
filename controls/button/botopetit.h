#pragma once

// TBotoPetit: the small square tool button. Its glyph comes from a named
// bitmap (ResBitmap) and is rebuilt at every paint from its sources: a letter
// can be printed on it (MergeTxt), it can be recoloured by state
// (ebNormalColor), or generated from a caption and a colour per state as an
// on/off switch (ebSiNoColor).

#include <QAbstractButton>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/button/buttonglyph.h"
#include "controls/button/shortcuttext.h"
#include "controls/platform/colorref.h"

enum TEstilBoto : uint8_t { ebNormal, ebNormalColor, ebSiNoColor };
enum TEstatBoto : uint8_t { ebOn, ebOff };

class TBotoPetit : public QAbstractButton {
    Q_OBJECT

public:
    explicit TBotoPetit(QWidget* parent = nullptr);

    // Only the part before the first "|" of a caption or hint is kept.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    // The custom glyph strip; reads as empty while the glyph is generated.
    QImage Glyph() const;
    void SetGlyph(const QImage& glyph);
    // Pictures side by side in the strip: normal, disabled, pressed, down.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    // Pixels between the left edge and the glyph; -1 centres glyph and caption.
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // The caption's colour (the font colour).
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    // The named bitmap used as glyph; blank or "[No]" for none.
    const std::string& ResBitmap() const { return resBitmap_; }
    void SetResBitmap(const std::string& name);
    const std::string& MergeTxt() const { return mergeTxt_; }
    void SetMergeTxt(const std::string& text);
    int MergeTxtX() const { return mergeTxtX_; }
    void SetMergeTxtX(int x);
    int MergeTxtY() const { return mergeTxtY_; }
    void SetMergeTxtY(int y);

    // Stored for the forms; nothing in the program reads them.
    std::string AccioCodi;
    std::string AccioPrograma;
    std::string AccioComandos;

    // A display name; an empty one reads as the object name.
    std::string Nom() const;
    void SetNom(const std::string& name) { nom_ = name; }

    // A shortcut text such as "Ctrl+Intro" or "Sup" (Catalan key caps are
    // understood). An invalid one shows a warning and leaves no shortcut.
    const std::string& TeclaFuncioText() const { return teclaFuncioText_; }
    void SetTeclaFuncioText(const std::string& text);
    int ShortCut() const { return shortCut_.Value(); }
    int ShortCutKey() const { return shortCut_.key; }
    Qt::KeyboardModifiers ShortCutShift() const { return shortCut_.shift; }

    // Shows the button held down, with a white face.
    bool Down() const { return down_; }
    void SetDown(bool down);
    TEstatBoto EstatBoto() const { return estatBoto_; }
    void SetEstatBoto(TEstatBoto state);
    bool Estat() const { return estatBoto_ == ebOn; }
    void SetEstat(bool on) { SetEstatBoto(on ? ebOn : ebOff); }
    TEstilBoto EstilBoto() const { return estilBoto_; }
    void SetEstilBoto(TEstilBoto style);
    const std::string& CaptionOn() const { return captionOn_; }
    void SetCaptionOn(const std::string& text);
    const std::string& CaptionOff() const { return captionOff_; }
    void SetCaptionOff(const std::string& text);
    TColor ColorOn() const { return colorOn_; }
    void SetColorOn(TColor color);
    TColor ColorOff() const { return colorOff_; }
    void SetColorOff(TColor color);

    // The glyph as the next paint draws it, built from its sources for a
    // surface of that device pixel ratio.
    TButtonGlyph CurrentGlyph(qreal devicePixelRatio = 1) const;

    // Switches an on/off button, then fires OnClick. A mouse click or the
    // space bar on the focused button calls it.
    void Click();
    std::function<void(TBotoPetit*)> OnClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Every look-changing setter stores and repaints: the glyph is rebuilt at
    // the next paint.
    template <typename T>
    void Store(T& field, const T& value) {
        field = value;
        update();
    }
    bool IsGlyphGenerated() const;
    bool HasResBitmap() const;
    TColor StateColor() const { return estatBoto_ == ebOff ? colorOff_ : colorOn_; }
    void DrawFace(QPainter& painter, bool pressed) const;
    void DrawContents(QPainter& painter, bool pressed, const TButtonGlyph& glyph) const;

    std::string caption_;
    std::string hint_;
    QImage glyph_;
    int numGlyphs_ = 1;
    int margin_ = -1;
    int spacing_ = 4;
    TColor fontColor_ = clBtnText;
    std::string resBitmap_;
    std::string mergeTxt_;
    int mergeTxtX_ = 0;
    int mergeTxtY_ = 0;
    std::string nom_;
    std::string teclaFuncioText_;
    TShortCut shortCut_;
    bool down_ = false;
    TEstatBoto estatBoto_ = ebOn;
    TEstilBoto estilBoto_ = ebNormal;
    std::string captionOn_;
    std::string captionOff_;
    TColor colorOn_ = clLime;
    TColor colorOff_ = clBtnFace;
    // Set the first time a merged text needs a glyph of its own on a button
    // without caption; from then on merged texts get a filled background.
    mutable bool fillBackground_ = false;
};
