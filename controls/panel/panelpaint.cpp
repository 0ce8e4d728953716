// TPanelEx painting: frames, background, caption, appendix, picture, in
// that order. An empty gradient area ends the pass after the frames.

#include <QPainter>
#include <algorithm>
#include <utility>

#include "basic/dates.h"
#include "basic/platformerror.h"
#include "basic/texttools.h"
#include "controls/panel/panelex.h"
#include "controls/platform/frame3d.h"

namespace {

constexpr TColor kPressTint = 0x101010;
constexpr TColor kHoverTint = 0x606060;
constexpr TColor kArrowFill = clGreen;
constexpr TColor kArrowPen = 0x02707070;  // grey 112 with the palette-relative flag

// Line breaks as Qt draws them.
QString DrawnText(const std::string& text) {
    return QString::fromStdString(WithLfLineBreaks(text));
}

}  // namespace

// A panel shows three of the formats; a caption that is no number shows as
// it is instead of failing every paint.
std::string TPanelEx::DisplayText() const {
    const std::string text = ReplaceAll(caption_, "#13", "\r");
    const bool shown = tipusFormateig_ == TDisplayFormat::Date ||
                       tipusFormateig_ == TDisplayFormat::Number ||
                       tipusFormateig_ == TDisplayFormat::Hundredths;
    return shown ? FormattedText(tipusFormateig_, text, kDayMonthYear, 0) : text;
}

void TPanelEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    try {
        Paint(painter);
    } catch (const SilentAbort&) {
        // The rest of this pass is skipped; the next one starts afresh.
    }
}

void TPanelEx::Paint(QPainter& painter) {
    TRect r = TRect::FromQRect(rect());
    if (tipusApendix_ != taCap) r.Right -= ampleApendix_;
    const QString text = DrawnText(DisplayText());
    PaintFrames(painter, r);
    PaintBackground(painter, r);
    PaintCaption(painter, r, text);
    if (tipusApendix_ != taCap) PaintAppendix(painter);
    PaintPicture(painter);
}

bool TPanelEx::MousePressed() const {
    return (mouseButtons_ & (Qt::LeftButton | Qt::RightButton)) != 0;
}

TPanelEx::TBevelColors TPanelEx::BevelColors(TBevelCut bevel) const {
    TBevelColors colors{clBtnHighlight, clBtnShadow};
    if (bevel == bvLowered) std::swap(colors.top, colors.bottom);
    if (efectes_ && (MousePressed() || botoApretat_)) std::swap(colors.top, colors.bottom);
    if (selected_) {
        colors = colors.top == clBtnHighlight
                     ? TBevelColors{colorHighSelected_, colorShadowSelected_}
                     : TBevelColors{colorShadowSelected_, colorHighSelected_};
    }
    return colors;
}

TColor TPanelEx::BackgroundColor() const {
    TColor color = selected_ ? colorSelected_ : isEnabled() ? color_ : clBtnFace;
    if (efectes_) {
        if (MousePressed()) {
            color ^= kPressTint;
        } else if (mouseInside_) {
            color |= kHoverTint;
        }
    }
    return color;
}

void TPanelEx::PaintFrames(QPainter& painter, TRect& r) const {
    if (!actiu_) return;
    if (bevelOuter_ != bvNone) {
        const TBevelColors colors = BevelColors(bevelOuter_);
        Frame3D(painter, r, colors.top, colors.bottom, bevelWidth_);
    }
    Frame3D(painter, r, color_, color_, borderWidth_);
    if (bevelInner_ != bvNone) {
        const TBevelColors colors = BevelColors(bevelInner_);
        Frame3D(painter, r, colors.top, colors.bottom, bevelWidth_);
    }
}

void TPanelEx::PaintBackground(QPainter& painter, const TRect& r) {
    if (transparent_) return;
    const TColor background = BackgroundColor();
    if (!gradient_) {
        if (!r.IsEmpty()) painter.fillRect(r.ToQRect(), ToQColor(background));
        return;
    }
    if (static_cast<int32_t>(autoColorGradient_) > 0) colorGradient_ = color_ | autoColorGradient_;
    PaintGradient(&painter, r.Width(), r.Height(), r.Left, r.Top, background, colorGradient_,
                  estilGradient_);
}

int TPanelEx::TextFlags() const {
    int flags = static_cast<int>(alignment_) | Qt::AlignTop | Qt::TextExpandTabs;
    if (wordWrap_) flags |= Qt::TextWordWrap | Qt::TextDontClip;
    return flags;
}

// The caption's extent as the text measures: its widest line's advance by
// one line height per line; word-wrapped text as it wraps in r.
QSize TPanelEx::TextExtent(const TRect& r, const QString& text) const {
    if (text.isEmpty()) return QSize(0, 0);
    const QFontMetrics metrics = fontMetrics();
    if (wordWrap_) return metrics.boundingRect(r.ToQRect(), TextFlags(), text).size();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, static_cast<int>(lines.size()) * metrics.height());
}

void TPanelEx::PaintCaption(QPainter& painter, TRect r, const QString& text) const {
    r.Left += margeEsq_;
    r.Top += margeSup_;
    r.Right -= margeDrt_;
    r.Bottom -= margeInf_;
    const QSize extent = TextExtent(r, text);
    if (layout_ == tlCenter) r.Top = std::max(0, height() / 2 - extent.height() / 2);
    if (layout_ == tlBottom) r.Offset(0, height() - margeInf_ - (r.Top + extent.height()));
    if (text.isEmpty() || r.Right < r.Left || r.Bottom < r.Top) return;
    painter.setFont(font());
    painter.setPen(ToQColor(isEnabled() ? fontColor_ : clBtnHighlight));
    painter.drawText(r.ToQRect(), TextFlags(), text);
    if (isEnabled()) return;
    // Embossed: a shadow copy one pixel up and left of the highlight text.
    r.Offset(-1, -1);
    painter.setPen(ToQColor(clBtnShadow));
    painter.drawText(r.ToQRect(), TextFlags(), text);
}

void TPanelEx::PaintAppendix(QPainter& painter) const {
    TRect a = TRect::FromQRect(rect());
    a.Left = a.Right - ampleApendix_;
    for (int ring = 0; ring < 2; ++ring) {
        const TBevelColors colors = BevelColors(bvRaised);
        Frame3D(painter, a, colors.top, colors.bottom, 1);
    }
    if (!a.IsEmpty()) painter.fillRect(a.ToQRect(), ToQColor(clBtnFace));
    QPolygon arrow;
    if (tipusApendix_ == taDreta) {
        arrow << QPoint(a.Left + 1, a.Top) << QPoint(a.Right - 2, a.Bottom / 2 + a.Top - 2)
              << QPoint(a.Left + 1, a.Bottom - 3);
    } else {
        arrow << QPoint(a.Left + margeDrt_ + 1, a.Top + margeSup_ + 2)
              << QPoint(a.Left + a.Width() / 2, a.Bottom - margeSup_ - 2)
              << QPoint(a.Right - margeDrt_ - 1, a.Top + margeSup_ + 2);
    }
    painter.setPen(ToQColor(kArrowPen));
    painter.setBrush(ToQColor(kArrowFill));
    painter.drawPolygon(arrow);
}

void TPanelEx::PaintPicture(QPainter& painter) const {
    if (picture_.isNull()) return;
    const int w = picture_.width();
    const int h = picture_.height();
    int x = margeEsq_ + bevelWidth_;
    int y = margeSup_ + bevelWidth_;
    if (centratImatge_.IsEmpty() || centratImatge_.Contains(ecNoCentrat)) {
        x = leftImatge_;
        y = topImatge_;
    } else {
        if (centratImatge_.Contains(ecDreta)) x = width() - bevelWidth_ - margeDrt_ - w;
        if (centratImatge_.Contains(ecCentre)) x = width() / 2 - w / 2;
        if (centratImatge_.Contains(ecInferior)) y = height() - bevelWidth_ - margeInf_ - h;
        if (centratImatge_.Contains(ecCentreVertical)) y = height() / 2 - h / 2;
    }
    painter.drawPixmap(x, y, picture_);
}

// The caption's area as painting finds it: the client area without the
// appendix, inside the frames, within the margins.
TRect TPanelEx::TextArea() const {
    TRect r = TRect::FromQRect(rect());
    if (tipusApendix_ != taCap) r.Right -= ampleApendix_;
    if (actiu_) {
        r.Inflate(-borderWidth_);
        if (bevelOuter_ != bvNone) r.Inflate(-bevelWidth_);
        if (bevelInner_ != bvNone) r.Inflate(-bevelWidth_);
    }
    r.Left += margeEsq_;
    r.Top += margeSup_;
    r.Right -= margeDrt_;
    r.Bottom -= margeInf_;
    return r;
}

// Bevels and the appendix are not counted: the 3 pixels are what the
// panel's own edge needs.
void TPanelEx::ApplyAutoSize() {
    if (!tamanyAutoMatic_) return;
    const QSize extent = TextExtent(TextArea(), DrawnText(DisplayText()));
    resize(extent.width() + margeEsq_ + margeDrt_ + 3, extent.height() + margeSup_ + margeInf_ + 3);
}
