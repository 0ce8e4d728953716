#include "controls/platform/greybitmap.h"

#include <QImage>

void GreyBitmap(QImage& image) {
    image.convertTo(QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 3) {
            const auto mean = static_cast<uchar>((pixel[0] + pixel[1] + pixel[2]) / 3);
            pixel[0] = pixel[1] = pixel[2] = mean;
        }
    }
}
