// TPanelEx: construction, properties and enabling.

#include "controls/panel/panelex.h"

#include <QApplication>
#include <QStyle>

#include "basic/numbertext.h"
#include "controls/accessibility/accessibility.h"
#include "controls/panel/paneleditor.h"

TPanelEx::TPanelEx(QWidget* parent) : QWidget(parent) {
    InstallAccessibleInterfaces();
    resize(185, 41);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

// The editor is a child widget and goes after the panel's own members: it
// must not call back into the panel on its way out (losing the focus).
TPanelEx::~TPanelEx() {
    if (editor_ == nullptr) return;
    editor_->OnEnter = nullptr;
    editor_->OnExit = nullptr;
    editor_->OnKeyDown = nullptr;
    editor_->OnKeyUp = nullptr;
    disconnect(editor_, nullptr, this, nullptr);
}

void TPanelEx::SetAlignment(Qt::Alignment alignment) {
    Change(alignment_, alignment & Qt::AlignHorizontal_Mask);
    if (editor_ != nullptr) editor_->setAlignment(alignment_ | Qt::AlignVCenter);
}

void TPanelEx::SetBevelOuter(TBevelCut bevel) {
    Change(bevelOuter_, bevel);
}
void TPanelEx::SetBevelInner(TBevelCut bevel) {
    Change(bevelInner_, bevel);
}
void TPanelEx::SetBevelWidth(int width) {
    Change(bevelWidth_, width);
}
void TPanelEx::SetBorderWidth(int width) {
    Change(borderWidth_, width);
}
void TPanelEx::SetColor(TColor color) {
    Change(color_, color);
}
void TPanelEx::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    const QString shownBefore = AccessibleShownText(this);
    Change(caption_, caption);
    NotifyAccessibleTextChanged(this, shownBefore);
}
void TPanelEx::SetFontColor(TColor color) {
    Change(fontColor_, color);
}

void TPanelEx::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TPanelEx::SetActiu(bool on) {
    Change(actiu_, on);
}
void TPanelEx::SetLayout(TTextLayout layout) {
    Change(layout_, layout);
}
void TPanelEx::SetWordWrap(bool wrap) {
    Change(wordWrap_, wrap);
}
void TPanelEx::SetMargeSup(int margin) {
    Change(margeSup_, margin);
}
void TPanelEx::SetMargeInf(int margin) {
    Change(margeInf_, margin);
}
void TPanelEx::SetMargeEsq(int margin) {
    Change(margeEsq_, margin);
}
void TPanelEx::SetMargeDrt(int margin) {
    Change(margeDrt_, margin);
}
void TPanelEx::SetTransparent(bool transparent) {
    Change(transparent_, transparent);
}
void TPanelEx::SetSelected(bool selected) {
    Change(selected_, selected);
}
void TPanelEx::SetColorSelected(TColor color) {
    Change(colorSelected_, color);
}
void TPanelEx::SetColorHighSelected(TColor color) {
    Change(colorHighSelected_, color);
}
void TPanelEx::SetColorShadowSelected(TColor color) {
    Change(colorShadowSelected_, color);
}
void TPanelEx::SetSn_Gradient(bool gradient) {
    Change(gradient_, gradient);
}
void TPanelEx::SetAutoColorGradient(TColor color) {
    Change(autoColorGradient_, color);
}
void TPanelEx::SetColorGradient(TColor color) {
    Change(colorGradient_, color);
}
void TPanelEx::SetEstilGradient(TGradientFX style) {
    Change(estilGradient_, style);
}
void TPanelEx::SetCentratImatge(TSetEstilCentrat placement) {
    Change(centratImatge_, placement);
}
void TPanelEx::SetTopImatge(int top) {
    Change(topImatge_, top);
}
void TPanelEx::SetLeftImatge(int left) {
    Change(leftImatge_, left);
}
void TPanelEx::SetTamanyAutoMatic(bool automatic) {
    Change(tamanyAutoMatic_, automatic);
}
void TPanelEx::SetAmpleApendix(int width) {
    Change(ampleApendix_, width);
}
void TPanelEx::SetBotoApretat(bool pressed) {
    Change(botoApretat_, pressed);
}
void TPanelEx::SetEfectes(bool on) {
    Change(efectes_, on);
}
void TPanelEx::SetTipusFormateig(TDisplayFormat format) {
    Change(tipusFormateig_, format);
}

void TPanelEx::SetTipusApendix(TTipusApendix kind) {
    if (kind == tipusApendix_) return;
    tipusApendix_ = kind;
    ampleApendix_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    update();
}

void TPanelEx::SetEnabled(bool enabled) {
    setEnabled(enabled);
    for (QObject* child : children()) {
        if (auto* panel = qobject_cast<TPanelEx*>(child)) {
            panel->SetEnabled(enabled);
        } else if (auto* widget = qobject_cast<QWidget*>(child)) {
            widget->setEnabled(enabled);
        }
    }
    update();
}

// A picture greys or recovers whenever the panel's enabled state changes,
// also when a parent widget changes it.
void TPanelEx::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !imatge_.empty()) LoadPicture();
    if (event->type() == QEvent::FontChange) ApplyAutoSize();
}

double TPanelEx::Value() const {
    return TextToFloat(caption_);
}

void TPanelEx::SetValue(double value) {
    SetCaption(FloatToPlainText(value));
}

int TPanelEx::IntValue() const {
    return TextToInt(caption_);
}
