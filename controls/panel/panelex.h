#pragma once

// TPanelEx: the panel every key, display and value field of the program is
// made of. It paints itself: bevels that switch to a selected palette, a
// press and hover tint, a solid or gradient background, a multi-line caption
// with margins and vertical layout (shown as a number or date by
// TipusFormateig), a picture, and an appendix strip with an arrow at the right
// edge. An Editable panel opens an in-place editor over itself when clicked or
// focused; its caption follows every keystroke.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

#include "controls/format/displayformat.h"
#include "controls/gradient/gradientfx.h"
#include "controls/panel/paneltypes.h"
#include "controls/platform/colorref.h"
#include "controls/platform/keyboard.h"
#include "controls/platform/trect.h"

class QLineEdit;
class TPanelEditor;

class TPanelEx : public QWidget {
    Q_OBJECT

public:
    explicit TPanelEx(QWidget* parent = nullptr);
    ~TPanelEx() override;

    using TNotifyEvent = std::function<void(TPanelEx* sender)>;

    // --- The plain panel's properties -----------------------------------
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter (the default).
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The text, and the stored value of an editable panel.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);

    // --- The panel's own properties -------------------------------------
    // When false, no bevel and no border are drawn.
    bool Actiu() const { return actiu_; }
    void SetActiu(bool on);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    int MargeSup() const { return margeSup_; }
    void SetMargeSup(int margin);
    int MargeInf() const { return margeInf_; }
    void SetMargeInf(int margin);
    int MargeEsq() const { return margeEsq_; }
    void SetMargeEsq(int margin);
    int MargeDrt() const { return margeDrt_; }
    void SetMargeDrt(int margin);
    // No background at all: what lies behind the panel shows through.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Clicking or focusing the panel opens the in-place editor.
    bool Editable() const { return editable_; }
    void SetEditable(bool editable);
    // Background and bevels in the selected palette.
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    TColor ColorSelected() const { return colorSelected_; }
    void SetColorSelected(TColor color);
    TColor ColorHighSelected() const { return colorHighSelected_; }
    void SetColorHighSelected(TColor color);
    TColor ColorShadowSelected() const { return colorShadowSelected_; }
    void SetColorShadowSelected(TColor color);
    bool Sn_Gradient() const { return gradient_; }
    void SetSn_Gradient(bool gradient);
    // When above 0, ColorGradient becomes Color OR this value at each paint.
    TColor AutoColorGradient() const { return autoColorGradient_; }
    void SetAutoColorGradient(TColor color);
    TColor ColorGradient() const { return colorGradient_; }
    void SetColorGradient(TColor color);
    TGradientFX EstilGradient() const { return estilGradient_; }
    void SetEstilGradient(TGradientFX style);
    // A named bitmap or the path of a picture file (JPEG, BMP, ICO, PNG).
    // Throws PlatformError for a file that cannot be read.
    const std::string& Imatge() const { return imatge_; }
    void SetImatge(const std::string& nameOrPath);
    TSetEstilCentrat CentratImatge() const { return centratImatge_; }
    void SetCentratImatge(TSetEstilCentrat placement);
    int TopImatge() const { return topImatge_; }
    void SetTopImatge(int top);
    int LeftImatge() const { return leftImatge_; }
    void SetLeftImatge(int left);
    // When not 0, a picture file is scaled into a square of this side.
    int TamanyFotoQuadrada() const { return tamanyFotoQuadrada_; }
    void SetTamanyFotoQuadrada(int side);
    // The panel takes the size of its caption plus margins.
    bool TamanyAutoMatic() const { return tamanyAutoMatic_; }
    void SetTamanyAutoMatic(bool automatic);
    TTipusApendix TipusApendix() const { return tipusApendix_; }
    // Also sets AmpleApendix to the width of a vertical scroll bar.
    void SetTipusApendix(TTipusApendix kind);
    int AmpleApendix() const { return ampleApendix_; }
    void SetAmpleApendix(int width);
    // Enables or disables the panel and, explicitly, each of its children.
    void SetEnabled(bool enabled);
    // Press and hover tints.
    bool Efectes() const { return efectes_; }
    void SetEfectes(bool on);
    // Date: an eight-digit date shown dd/mm/yyyy (and edited behind a mask);
    // Number: a number with up to two decimals; Hundredths: hundredths shown
    // with two decimals; any other format: the caption as it is.
    TDisplayFormat TipusFormateig() const { return tipusFormateig_; }
    void SetTipusFormateig(TDisplayFormat format);
    // Shows the bevels pressed (with Efectes only).
    bool BotoApretat() const { return botoApretat_; }
    void SetBotoApretat(bool pressed);

    // The caption as painted: "#13" breaks lines, then TipusFormateig.
    std::string DisplayText() const;

    // --- Events ----------------------------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnClickApendix;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // The editor has closed.
    TNotifyEvent OnEditorExit;
    // The value may have changed: on Tab, Return and when the editor closes.
    TNotifyEvent OnChanged;
    // The editor's text changed (typed, or loaded when editing starts); the
    // caption already holds it.
    TNotifyEvent OnEditorTextChanged;
    // Keys of the panel and, first of all, of its editor (the editor is then
    // the sender). Setting the key to 0 consumes it.
    TKeyEvent OnKeyDown;

    // --- Editing -----------------------------------------------------------
    // The in-place editor, created hidden on first use.
    QLineEdit* Editor();
    bool IsEditing() const;
    // Opens the editor over the panel with the focus, when Editable.
    void StartEditing();
    void DoChanged();
    // The caption read as a number (TextToFloat) or written in the stored
    // form (FloatToPlainText).
    double Value() const;
    void SetValue(double value);
    int IntValue() const;

    // A click at the last mouse position: on the appendix strip it fires
    // OnClickApendix; on the body it is ClickBody.
    void Click();
    // A click on the body, wherever the mouse is (assistive technology's
    // press): OnClick, then editing starts.
    void ClickBody();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TBevelColors {
        TColor top;
        TColor bottom;
    };

    // Painting, in order.
    void Paint(QPainter& painter);
    TBevelColors BevelColors(TBevelCut bevel) const;
    bool MousePressed() const;
    TColor BackgroundColor() const;
    void PaintFrames(QPainter& painter, TRect& r) const;
    void PaintBackground(QPainter& painter, const TRect& r);
    void PaintCaption(QPainter& painter, TRect r, const QString& text) const;
    void PaintAppendix(QPainter& painter) const;
    void PaintPicture(QPainter& painter) const;
    int TextFlags() const;
    QSize TextExtent(const TRect& r, const QString& text) const;
    TRect TextArea() const;
    void ApplyAutoSize();

    // Stores a property that changes the look; repaints (and resizes an
    // automatically sized panel) only when the value changes.
    template <typename T>
    void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        ApplyAutoSize();
        update();
    }

    // Pictures.
    void LoadPicture();

    // Editing.
    void LoadEditorText();
    void StoreEditorText();
    void EditorExit();
    void EditorKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift);
    void EditorKeyUp(int key);
    bool IsDateForm() const { return tipusFormateig_ == TDisplayFormat::Date; }

    Qt::Alignment alignment_ = Qt::AlignHCenter;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor color_ = clBtnFace;
    std::string caption_;
    TColor fontColor_ = clWindowText;

    bool actiu_ = true;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    int margeSup_ = 0;
    int margeInf_ = 0;
    int margeEsq_ = 0;
    int margeDrt_ = 0;
    bool transparent_ = false;
    bool editable_ = false;
    bool selected_ = false;
    TColor colorSelected_ = clLime;
    TColor colorHighSelected_ = 0;
    TColor colorShadowSelected_ = 0;
    bool gradient_ = false;
    TColor autoColorGradient_ = 0;
    TColor colorGradient_ = clWhite;
    TGradientFX estilGradient_ = fxDiagonal;
    std::string imatge_;
    TSetEstilCentrat centratImatge_;
    int topImatge_ = 0;
    int leftImatge_ = 0;
    int tamanyFotoQuadrada_ = 0;
    bool tamanyAutoMatic_ = false;
    TTipusApendix tipusApendix_ = taCap;
    int ampleApendix_ = 0;
    bool efectes_ = false;
    TDisplayFormat tipusFormateig_ = TDisplayFormat::Text;
    bool botoApretat_ = false;

    // The mouse as last seen over the panel.
    int mouseX_ = 0;
    int mouseY_ = 0;
    Qt::MouseButtons mouseButtons_;
    bool mouseInside_ = false;
    bool clickPending_ = false;

    QPixmap picture_;  // prepared from Imatge: cut, stretched, masked, greyed
    TPanelEditor* editor_ = nullptr;
};
