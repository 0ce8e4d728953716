// TPanelEx: the picture, prepared once when it is loaded (scaled, stretched,
// cut to the first picture of a two-state strip, masked, greyed) so that
// painting only draws a ready pixmap.

#include <QFileInfo>

#include "basic/platformerror.h"
#include "controls/panel/panelex.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/greybitmap.h"
#include "controls/platform/picturefile.h"

namespace {

QImage PictureFromFile(const std::string& path, int squareSide) {
    const QImage picture = LoadPictureFile(path);
    if (squareSide == 0) return picture;
    return picture.scaled(squareSide, squareSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The colours of one image with the transparency of another of its size.
QImage WithAlphaOf(const QImage& colours, const QImage& alpha) {
    QImage result = colours.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFFu) | (source[x] & 0xFF000000u);
    }
    return result;
}

}  // namespace

void TPanelEx::SetImatge(const std::string& nameOrPath) {
    imatge_ = nameOrPath;
    if (imatge_.empty()) {
        picture_ = QPixmap();
        return;
    }
    LoadPicture();
    update();
}

void TPanelEx::SetTamanyFotoQuadrada(int side) {
    if (side == tamanyFotoQuadrada_) return;
    tamanyFotoQuadrada_ = side;
    if (!imatge_.empty()) LoadPicture();
    update();
}

// A name that is neither a bitmap of the program nor a file leaves no picture.
void TPanelEx::LoadPicture() {
    QImage image;
    if (auto bitmap = FindBitmapResource(imatge_)) {
        image = *bitmap;
    } else if (QFileInfo(QString::fromStdString(imatge_)).isFile()) {
        image = PictureFromFile(imatge_, tamanyFotoQuadrada_);
    }
    const bool fillWidth = centratImatge_.Contains(ecEsquerra) && centratImatge_.Contains(ecDreta);
    const bool fillHeight =
        centratImatge_.Contains(ecSuperior) && centratImatge_.Contains(ecInferior);
    if (!image.isNull() && (fillWidth || fillHeight)) {
        image = image.scaled(fillWidth ? width() : image.width(),
                             fillHeight ? height() : image.height(), Qt::IgnoreAspectRatio);
    }
    // A two-state strip keeps its first square.
    if (!image.isNull() && image.width() == 2 * image.height())
        image = image.copy(0, 0, image.height(), image.height());
    if (image.isNull()) {
        picture_ = QPixmap();
        return;
    }
    // The colour of pixel (0, 0) is transparent, as it was before greying.
    QImage keyed = WithTransparentColor(image, image.pixel(0, 0));
    if (!isEnabled()) {
        GreyBitmap(image);
        keyed = WithAlphaOf(image, keyed);
    }
    picture_ = QPixmap::fromImage(keyed);
}
