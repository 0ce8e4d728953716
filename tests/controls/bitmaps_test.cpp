#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QImageWriter>
#include <QTemporaryDir>

#include "basic/platformerror.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/fonts.h"
#include "controls/platform/greybitmap.h"
#include "controls/platform/jpegdecoder.h"
#include "controls/platform/picturefile.h"
#include "controls/platform/pngimage.h"

namespace {

const char* const kGlyphNames[] = {"CalculadoraBis", "ABAIX",  "NETEJAR",  "INSERIRLINIA",
                                   "ESBORRARLINIA",  "COPIAR", "ENGANXAR", "UTILITATS",
                                   "SORTIR",         "EXCEL"};

TEST(BitmapResources, EveryGlyphIsAStripOfTwoPicturesOnAWhiteBackground) {
    for (const char* name : kGlyphNames) {
        const QImage strip = LoadBitmapResource(name);
        EXPECT_EQ(strip.size(), QSize(32, 16)) << name;
        EXPECT_EQ(strip.pixel(0, 15), qRgb(255, 255, 255)) << name << ": bottom-left background";
        EXPECT_NE(strip.copy(0, 0, 16, 16), strip.copy(16, 0, 16, 16))
            << name << ": the disabled picture differs";
    }
}

// The 2x drawing has the same size on screen and the same background corner;
// a ratio of 1 (or below) keeps the 1x drawing.
TEST(BitmapResources, EveryGlyphHasATwoXDrawingForDenseScreens) {
    for (const char* name : kGlyphNames) {
        const QImage strip = *FindBitmapResource(name, 2);
        EXPECT_EQ(strip.size(), QSize(64, 32)) << name;
        EXPECT_EQ(strip.devicePixelRatio(), 2.0) << name;
        EXPECT_EQ(strip.pixel(0, 31), qRgb(255, 255, 255)) << name;
        EXPECT_EQ(FindBitmapResource(name, 1.5)->size(), QSize(64, 32)) << name;
        EXPECT_EQ(FindBitmapResource(name, 1)->devicePixelRatio(), 1.0) << name;
    }
    EXPECT_FALSE(FindBitmapResource("ABAIX@2x")) << "forms name the bitmap, not its drawings";
}

TEST(BitmapResources, NamesIgnoreLetterCaseAndUnknownNamesFail) {
    EXPECT_TRUE(FindBitmapResource("copiar"));
    EXPECT_FALSE(FindBitmapResource("NOSUCHBITMAP"));
    EXPECT_FALSE(FindBitmapResource(""));
    EXPECT_THROW(LoadBitmapResource("NOSUCHBITMAP"), PlatformError);
}

// The bitmaps are decoded without Qt's image reader: every pixel of every
// drawing as that reader gives it, and damaged data gives no picture.
TEST(BitmapResources, DecodedAsQtsImageReaderDecodesThem) {
    for (const char* name : kGlyphNames) {
        for (const qreal ratio : {1.0, 2.0}) {
            const QString path = QStringLiteral(":/bitmaps/%1%2")
                                     .arg(QString::fromLatin1(name).toUpper(),
                                          ratio > 1 ? QStringLiteral("@2x") : QString());
            const QImage found = *FindBitmapResource(name, ratio);
            EXPECT_EQ(found, QImage(path, "PNG").convertToFormat(found.format())) << name;
        }
    }
    QFile file(QStringLiteral(":/bitmaps/ABAIX"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    for (const qsizetype size : {qsizetype(0), qsizetype(8), png.size() / 2})
        EXPECT_TRUE(DecodePng(png.left(size)).isNull()) << size << " bytes";
    QByteArray damaged = png;
    damaged[png.size() / 2] = char(damaged[png.size() / 2] ^ 0xFF);
    EXPECT_TRUE(DecodePng(damaged).isNull());
}

TEST(IconFromBitmapResource, CutsTheFirstGlyphWithWhiteTransparent) {
    const QIcon icon = IconFromBitmapResource("CalculadoraBis", 2);
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 15)), 0) << "white is transparent";
    EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255);
    EXPECT_EQ(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32)) << "the 2x drawing";
    EXPECT_TRUE(IconFromBitmapResource("CalculadoraBis", 0).isNull());
    EXPECT_THROW(IconFromBitmapResource("NOSUCHBITMAP", 2), PlatformError);
}

TEST(GreyBitmap, SetsEveryChannelToTheTruncatedMean) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(10, 20, 31));
    GreyBitmap(image);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixel(0, 0), qRgb(85, 85, 85));
    EXPECT_EQ(image.pixel(1, 0), qRgb(20, 20, 20));
}

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(image)) << format;
    return data;
}

QImage TwoColourPicture() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 30));
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(30, 30, 200));
    return image;
}

TEST(DecodeJpeg, ReadsColourAndGreyPictures) {
    const QImage colour = DecodeJpeg(Encode(TwoColourPicture(), "jpg"));
    ASSERT_EQ(colour.size(), QSize(40, 20));
    EXPECT_NEAR(qRed(colour.pixel(5, 10)), 200, 12);
    EXPECT_NEAR(qBlue(colour.pixel(35, 10)), 200, 12);

    const QImage grey =
        DecodeJpeg(Encode(TwoColourPicture().convertToFormat(QImage::Format_Grayscale8), "jpg"));
    ASSERT_EQ(grey.size(), QSize(40, 20));
    EXPECT_EQ(qRed(grey.pixel(5, 10)), qBlue(grey.pixel(5, 10)));
}

TEST(DecodeJpeg, DamagedDataRaisesAnErrorInsteadOfCrashing) {
    QByteArray data = Encode(TwoColourPicture(), "jpg");
    EXPECT_THROW(DecodeJpeg(data.left(40)), PlatformError);
    EXPECT_THROW(DecodeJpeg(QByteArray("\xFF\xD8\xFF garbage", 12)), PlatformError);
    EXPECT_THROW(DecodeJpeg(QByteArray()), PlatformError);
}

TEST(LoadPictureFile, ReadsJpegBmpAndIconFilesAndRejectsTheRest) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& data) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return dir.filePath(name).toStdString();
    };
    // The JPEG file has no extension that would give it away.
    EXPECT_EQ(LoadPictureFile(write("photo.dat", Encode(TwoColourPicture(), "jpg"))).size(),
              QSize(40, 20));
    EXPECT_EQ(LoadPictureFile(write("picture.bmp", Encode(TwoColourPicture(), "bmp"))).pixel(5, 5),
              qRgb(200, 30, 30));
    const QImage icon = TwoColourPicture().copy(0, 0, 16, 16);
    EXPECT_EQ(LoadPictureFile(write("icon.ico", Encode(icon, "ico"))).size(), QSize(16, 16));
    EXPECT_THROW(LoadPictureFile(write("text.bmp", "not a picture")), PlatformError);
    EXPECT_THROW(LoadPictureFile(dir.filePath("missing.bmp").toStdString()), PlatformError);
}

TEST(FormFont, MapsTheFormsWindowsFontsToAnInstalledSansSerif) {
    for (const char* family : {"MS Sans Serif", "Arial"}) {
        const QFont font = FormFont(family, 8);
        EXPECT_EQ(font.pixelSize(), 11) << "8 points on the 96-dpi screen the forms were drawn for";
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans")) << family;
    }
    EXPECT_TRUE(FormFont("Arial", 10, true).bold());
}

}  // namespace
