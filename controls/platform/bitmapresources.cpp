#include "controls/platform/bitmapresources.h"

#include <QFile>
#include <QPixmap>

#include "basic/platformerror.h"
#include "basic/texttools.h"
#include "controls/platform/devicepixels.h"
#include "controls/platform/pngimage.h"

// The bitmaps live in a static library; its resource must be registered once
// before the first look-up (Q_INIT_RESOURCE only works at global scope).
static void RegisterBitmapResources() {
    Q_INIT_RESOURCE(bitmaps);
}

namespace {

// The 2x drawing of NAME is NAME@2x; the name is upper-cased first, so no
// name given by a form reaches it by accident.
QString ResourcePath(const std::string& name, int scale) {
    static const bool registered = (RegisterBitmapResources(), true);
    (void)registered;
    const QString path = QStringLiteral(":/bitmaps/") + QString::fromStdString(UpperCaseAscii(name));
    return scale > 1 ? path + QStringLiteral("@%1x").arg(scale) : path;
}

std::optional<QImage> ReadBitmap(const QString& path, int scale) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QImage image = DecodePng(file.readAll());
    if (image.isNull()) return std::nullopt;
    image.convertTo(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

std::optional<QImage> FindBitmapResource(const std::string& name, qreal devicePixelRatio) {
    if (name.empty()) return std::nullopt;
    const int scale = ArtworkScale(devicePixelRatio);
    if (scale > 1) {
        if (auto image = ReadBitmap(ResourcePath(name, scale), scale)) return image;
    }
    return ReadBitmap(ResourcePath(name, 1), 1);
}

QImage LoadBitmapResource(const std::string& name) {
    if (auto image = FindBitmapResource(name)) return *image;
    throw PlatformError("Resource " + name + " not found");
}

QImage WithTransparentColor(const QImage& image, QRgb transparent) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
        }
    }
    return result;
}

QIcon IconFromBitmapResource(const std::string& name, int glyphs) {
    if (glyphs == 0) return QIcon();
    // The icon engine picks by size: the 2x picture is simply the larger one.
    const auto addFirstGlyph = [glyphs](QIcon& icon, QImage strip) {
        strip.setDevicePixelRatio(1);
        const QImage first = strip.copy(0, 0, strip.width() / glyphs, strip.height());
        icon.addPixmap(QPixmap::fromImage(WithTransparentColor(first, qRgb(255, 255, 255))));
    };
    QIcon icon;
    addFirstGlyph(icon, LoadBitmapResource(name));
    if (const auto large = FindBitmapResource(name, 2); large && large->devicePixelRatio() == 2)
        addFirstGlyph(icon, *large);
    return icon;
}
