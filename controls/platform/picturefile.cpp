#include "controls/platform/picturefile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "basic/platformerror.h"
#include "controls/platform/jpegdecoder.h"

QImage LoadPictureFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw PlatformError("Cannot open file \"" + path + "\"");
    const QByteArray data = file.readAll();
    if (LooksLikeJpeg(data)) return DecodeJpeg(data);
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) throw PlatformError("Invalid graphic format: \"" + path + "\"");
    return image;
}
