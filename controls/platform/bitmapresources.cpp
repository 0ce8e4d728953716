#include "controls/platform/bitmapresources.h"

#include <QFile>
#include <QPixmap>

#include "basic/platformerror.h"
#include "basic/texttools.h"

// The bitmaps live in a static library; its resource must be registered once
// before the first look-up (Q_INIT_RESOURCE only works at global scope).
static void RegisterBitmapResources() {
    Q_INIT_RESOURCE(bitmaps);
}

namespace {

QString ResourcePath(const std::string& name) {
    static const bool registered = (RegisterBitmapResources(), true);
    (void)registered;
    return QStringLiteral(":/bitmaps/") + QString::fromStdString(UpperCaseAscii(name));
}

}  // namespace

std::optional<QImage> FindBitmapResource(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const QString path = ResourcePath(name);
    if (!QFile::exists(path)) return std::nullopt;
    QImage image(path, "PNG");
    if (image.isNull()) return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
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
    const QImage strip = LoadBitmapResource(name);
    const QImage first = strip.copy(0, 0, strip.width() / glyphs, strip.height());
    return QIcon(QPixmap::fromImage(WithTransparentColor(first, qRgb(255, 255, 255))));
}
