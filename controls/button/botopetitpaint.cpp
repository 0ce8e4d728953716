// Drawing of TBotoPetit: a classic two-ring bevel, the face, then the glyph
// and the caption side by side, shifted one pixel while the button is held.

#include <QPainter>

#include "controls/button/botopetit.h"
#include "controls/platform/devicepixels.h"
#include "controls/platform/frame3d.h"

namespace {

constexpr int kFrame = 2;

// A light grey version of a picture for a strip without a disabled picture.
QImage DisabledPicture(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 150 + qGray(line[x]) * 90 / 255;
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey;
}

}  // namespace

QSize TBotoPetit::sizeHint() const {
    const QImage picture = GlyphPicture(CurrentGlyph(), numGlyphs_, 0);
    int width = picture.width();
    if (!caption_.empty()) {
        width += fontMetrics().horizontalAdvance(QString::fromStdString(caption_)) +
                 (picture.isNull() ? 0 : spacing_);
    }
    const int height = std::max(picture.height(), fontMetrics().height());
    return QSize(width + 4 * kFrame, height + 4 * kFrame).expandedTo(QSize(24, 24));
}

// The glyph is built for the surface's own density: a 2x screen gets the 2x
// drawing and text printed at its resolution.
void TBotoPetit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown() || down_;
    DrawFace(painter, pressed);
    DrawContents(painter, pressed, CurrentGlyph(DevicePixelRatio(painter)));
    if (hasFocus() && !down_) {
        painter.setPen(QPen(ToQColor(clBtnText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(kFrame + 1, kFrame + 1, -kFrame - 2, -kFrame - 2));
    }
}

void TBotoPetit::DrawFace(QPainter& painter, bool pressed) const {
    TRect r = TRect::FromQRect(rect());
    if (pressed) {
        Frame3D(painter, r, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(painter, r, clBtnShadow, cl3DLight, 1);
    } else {
        Frame3D(painter, r, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(painter, r, cl3DLight, clBtnShadow, 1);
    }
    painter.fillRect(r.ToQRect(), ToQColor(down_ ? clWhite : clBtnFace));
}

void TBotoPetit::DrawContents(QPainter& painter, bool pressed, const TButtonGlyph& glyph) const {
    const int index = !isEnabled() ? 1 : down_ ? 3 : isDown() ? 2 : 0;
    QImage picture = GlyphPicture(glyph, numGlyphs_, index);
    if (!isEnabled() && numGlyphs_ < 2) picture = DisabledPicture(picture);

    const QString text = QString::fromStdString(caption_);
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = text.isEmpty() ? 0 : metrics.horizontalAdvance(text);
    const int gap = picture.isNull() || text.isEmpty() ? 0 : spacing_;
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    const int total = pictureSize.width() + gap + textWidth;
    const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    int x = margin_ < 0 ? inner.left() + (inner.width() - total) / 2 : inner.left() + margin_;
    const int shift = pressed ? 1 : 0;

    if (!picture.isNull()) {
        const int y = inner.top() + (inner.height() - pictureSize.height()) / 2;
        // Between 1x and 2x screens the 2x drawing is reduced, not cut.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPoint(x + shift, y + shift), picture);
        x += pictureSize.width() + gap;
    }
    if (text.isEmpty()) return;
    const QRect textRect(x + shift, inner.top() + shift, textWidth + 1, inner.height());
    painter.setFont(font());
    if (!isEnabled()) {
        painter.setPen(ToQColor(clBtnHighlight));
        painter.drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.setPen(ToQColor(clBtnShadow));
    } else {
        painter.setPen(ToQColor(fontColor_));
    }
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
}
