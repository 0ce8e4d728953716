// The adapter that presents a Qt drop as the formats TDataObject reads.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QMimeData>
#include <QUrl>

#include "exchange/dataobject.h"
#include "exchange/mimesource.h"
#include "tests/exchange/jpegdecoder.h"
#include "tests/support/listitems.h"

using testing::ElementsAre;

namespace {

TEST(MimeSource, OffersTheMappedFormatsFirstThenTheRestInOrder) {
    QMimeData mime;
    mime.setData("application/x-first", "1");
    mime.setHtml("<b>1</b>");
    mime.setData("text/rtf", "{\\rtf1 1}");
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    mime.setImageData(image);
    mime.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.com/x")});
    mime.setText("1");

    MimeDataSource source(mime);
    TDataObject data;
    data.PosarDades(&source);
    EXPECT_THAT(ItemsOf(data.FormatsNumerats()),
                ElementsAre("CF_TEXT", "CF_HDROP", "CF_DIB", "[49152] Rich Text Format",
                            "[49153] application/x-first", "[49154] text/html"));
    for (const FormatEtc& format : source.EnumFormatEtc()) {
        EXPECT_EQ(format.tymed, uint32_t(TYMED_HGLOBAL));
        EXPECT_TRUE(source.QueryGetData(format));
    }
    EXPECT_FALSE(
        source.QueryGetData(FormatEtc{ClipFormat::CF_TEXT, DVASPECT_CONTENT, -1, TYMED_ISTREAM}));
    EXPECT_FALSE(source.QueryGetData(FormatEtc{0xC003}));
}

TEST(MimeSource, AddressesOfNoLocalFileStayAnOrdinaryFormat) {
    QMimeData mime;
    mime.setUrls({QUrl("https://example.com/preus.csv")});
    MimeDataSource source(mime);
    TDataObject data;
    data.PosarDades(&source);
    EXPECT_THAT(ItemsOf(data.FormatsNumerats()), ElementsAre("[49152] text/uri-list"));
}

TEST(MimeSource, LocalFilesArriveAsAFileList) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl::fromLocalFile("/tmp/preus é.csv")});
    MimeDataSource source(mime);
    TDataObject data;
    data.PosarDades(&source);
    ASSERT_TRUE(data.BuscarFormat(0, "CF_HDROP"));
    EXPECT_TRUE(data.LlegirElements());
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("/tmp/a b.txt", "/tmp/preus é.csv"));
}

TEST(MimeSource, TextArrivesAsUtf8) {
    QMimeData mime;
    mime.setText("1.234,56 €\r\n7");
    MimeDataSource source(mime);
    TDataObject data;
    data.PosarDades(&source);
    EXPECT_EQ(data.LlegirText("CF_TEXT"), "1.234,56 €\r\n7");
}

TEST(MimeSource, ImageArrivesAsABitmapThatBecomesAPicture) {
    QMimeData mime;
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    mime.setImageData(image);
    MimeDataSource source(mime);
    TDataObject data;
    data.PosarDades(&source);
    ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
    EXPECT_TRUE(data.LlegirElements());
    ASSERT_NE(data.ImatgeElement(0), nullptr);
    const DecodedJpeg picture = DecodeJpeg(*data.ImatgeElement(0));
    EXPECT_EQ(picture.width, 5);
    EXPECT_EQ(picture.height, 4);
    EXPECT_GT(picture.At(2, 2).lightness(), 240);  // transparency laid over white
}

}  // namespace
