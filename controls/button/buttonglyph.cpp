#include "controls/button/buttonglyph.h"

#include <QPainter>
#include <vector>

#include "controls/platform/bitmapresources.h"

namespace {

QRgb Pixel(TColor colour) {
    return ToQColor(colour).rgb();
}

}  // namespace

void FloodFill(QImage& image, int x, int y, TColor colour) {
    if (!image.rect().contains(x, y)) return;
    image.convertTo(QImage::Format_RGB32);
    const QRgb target = image.pixel(x, y);
    const QRgb replacement = Pixel(colour);
    if (target == replacement) return;
    std::vector<QPoint> pending{QPoint(x, y)};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != target) continue;
        image.setPixel(p, replacement);
        pending.insert(pending.end(),
                       {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
}

// The corners are pixels of the 16 x 16 picture; a 2x drawing has them at
// twice the device coordinates.
TButtonGlyph RecolourGlyph(const TButtonGlyph& glyph, TColor colour) {
    TButtonGlyph result{glyph.image.copy(), false};
    const int scale = qRound(result.image.devicePixelRatio());
    FloodFill(result.image, 0, 0, colour);
    FloodFill(result.image, 15 * scale, 15 * scale, colour);
    return result;
}

TButtonGlyph PlainGlyph(QSize size, QColor colour, bool transparent, qreal devicePixelRatio) {
    TButtonGlyph result{QImage(size.expandedTo(QSize(1, 1)) * devicePixelRatio,
                               QImage::Format_RGB32),
                        transparent};
    result.image.setDevicePixelRatio(devicePixelRatio);
    result.image.fill(colour);
    return result;
}

TButtonGlyph SiNoGlyph(int width, int height, const QFont& font, const std::string& text,
                       TColor background, TColor textColour, qreal devicePixelRatio) {
    if (width <= 0 || height <= 0) return {};
    TButtonGlyph result =
        PlainGlyph(QSize(width, height), ToQColor(background), false, devicePixelRatio);
    QPainter painter(&result.image);
    painter.setFont(font);
    painter.setPen(ToQColor(textColour));
    const QString caption = QString::fromStdString(text);
    const QFontMetrics metrics(font);
    const int x = width / 2 - metrics.horizontalAdvance(caption) / 2;
    const int y = height / 2 - metrics.height() / 2;
    painter.drawText(QRect(x, y, width, height), Qt::AlignLeft | Qt::AlignTop, caption);
    return result;
}

TButtonGlyph MergeText(const TButtonGlyph& glyph, const QFont& font, const std::string& text, int x,
                       int y, QColor textColour, TColor brush, bool fill) {
    TButtonGlyph result{glyph.image.convertToFormat(QImage::Format_RGB32), glyph.transparent};
    if (result.IsEmpty()) return result;
    const QRect area(QPoint(0, 0), result.Size());
    QPainter painter(&result.image);
    if (fill) painter.fillRect(area, ToQColor(brush));
    // On a see-through glyph the text's edges must not blend with the colour
    // that becomes transparent, or they would show as a halo.
    QFont textFont = font;
    if (result.transparent) textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    painter.setPen(textColour);
    painter.setClipRect(area);
    painter.drawText(QRect(x, y, area.width() * 2, area.height() * 2),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
    return result;
}

QImage GlyphPicture(const TButtonGlyph& glyph, int count, int index) {
    if (glyph.IsEmpty()) return {};
    if (count < 1) count = 1;
    const int width = glyph.image.width() / count;
    if (index >= count || width == 0) index = 0;
    const QImage picture = glyph.image.copy(
        index * width, 0, width > 0 ? width : glyph.image.width(), glyph.image.height());
    if (!glyph.transparent) return picture;
    return WithTransparentColor(picture, glyph.image.pixel(0, glyph.image.height() - 1));
}
