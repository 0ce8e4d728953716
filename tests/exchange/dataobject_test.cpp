// TDataObject over the in-memory source: format lists and searches, and the
// decoding of every known format, read as a user of the object sees it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "exchange/dataobject.h"
#include "exchange/memorysource.h"
#include "tests/exchange/blockbuilders.h"
#include "tests/support/listitems.h"

using testing::ElementsAre;

namespace {

constexpr uint16_t kRichText = 0xC003;
constexpr uint16_t kHtml = 0xC004;

std::string StreamText(const TDataObject& data, int i) {
    const MemoryStream* stream = data.FluxElement(i);
    return stream ? stream->Text() : "<no stream>";
}

struct Message {
    std::string text;
    std::string caption;
    TMessageBoxKind kind;
};

class DataObjectTest : public testing::Test {
protected:
    void SetUp() override {
        data.ShowMessage = [this](const std::string& text, const std::string& caption,
                                  TMessageBoxKind kind) {
            messages.push_back({text, caption, kind});
            return 1;
        };
    }
    void TearDown() override {
        EXPECT_EQ(source.MediaReleased(), source.MediaHandedOut());
        EXPECT_EQ(source.LockedReleases(), 0);
    }
    // Offers nothing more, lists the formats and decodes the named one.
    bool Decode(const std::string& format) {
        data.PosarDades(&source);
        EXPECT_TRUE(data.BuscarFormat(0, format)) << format;
        return data.LlegirElements();
    }

    MemoryDataSource source;
    TDataObject data;
    std::vector<Message> messages;
};

TEST_F(DataObjectTest, ListsFormatsWithAndWithoutNumbers) {
    source.OfferGlobal(ClipFormat::CF_HDROP, FileDropBlock({"a"}, false));
    source.OfferGlobal(kHtml, BytesOf("<b>"), "text/html");
    source.OfferGlobal(0xC010, {}, "");
    data.PosarDades(&source);
    EXPECT_THAT(ItemsOf(data.Formats()), ElementsAre("CF_HDROP", "text/html", ""));
    EXPECT_THAT(ItemsOf(data.FormatsNumerats()),
                ElementsAre("CF_HDROP", "[49156] text/html", "[49168] "));
}

TEST_F(DataObjectTest, NamesFormatsAndMedia) {
    EXPECT_EQ(data.NomFormat(1, true), "CF_TEXT");
    EXPECT_EQ(data.NomFormat(13, false), "CF_UNICODETEXT");
    EXPECT_EQ(data.NomFormat(16, true), "CF_LOCALE");
    EXPECT_EQ(data.NomFormat(0, true), "[0] ");  // no source: no registered names
    source.OfferGlobal(17, {}, std::string(250, 'n'));
    data.PosarDades(&source);
    EXPECT_EQ(data.NomFormat(17, false).size(), 199u);
    EXPECT_EQ(NomTymed(TYMED_ISTORAGE), "TYMED_ISTORAGE");
    EXPECT_EQ(NomTymed(TYMED_ENHMF), "TYMED_ENHMF");
    EXPECT_EQ(NomTymed(3), "Unknown TYMED");
}

TEST_F(DataObjectTest, FindsFormatsIgnoringCaseAndBlanksAndCountsOrder) {
    source.OfferGlobal(kFileContents, BytesOf("one"), "FileContents");
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("x"));
    source.OfferGlobal(kFileContents, BytesOf("two"), "FileContents");
    data.PosarDades(&source);
    EXPECT_TRUE(data.BuscarFormat(0, " cf_text "));
    EXPECT_EQ(data.NomFormatActual(), "CF_TEXT");
    EXPECT_EQ(data.FormatActual().cfFormat, ClipFormat::CF_TEXT);
    EXPECT_TRUE(data.EsFormatActual("Cf_Text"));

    EXPECT_TRUE(data.BuscarFormat(1, "filecontents"));
    EXPECT_EQ(data.NomFormatActual(), "FileContents");
    EXPECT_TRUE(data.BuscarFormat(2, "FileContents"));
    EXPECT_FALSE(data.BuscarFormat(3, "FileContents"));
    EXPECT_EQ(data.NomFormatActual(), "");
    EXPECT_FALSE(data.BuscarFormat(0, "CF_DIB"));
}

TEST_F(DataObjectTest, WithoutSourceNothingIsFound) {
    data.PosarDades(nullptr);
    EXPECT_FALSE(data.BuscarFormat(0, "CF_TEXT"));
    EXPECT_EQ(data.Formats().Count(), 0);
    EXPECT_EQ(data.LlegirText("CF_TEXT"), "");
    EXPECT_FALSE(data.LlegirElements());
    EXPECT_EQ(data.NumElements(), 0);
}

TEST_F(DataObjectTest, TextGivesOneStreamNamedNotaTxt) {
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("abc"));
    EXPECT_TRUE(Decode("CF_TEXT"));
    EXPECT_EQ(data.NumElements(), 1);
    EXPECT_EQ(data.TipusElements(), 1);
    ASSERT_NE(data.FluxElement(0), nullptr);
    EXPECT_EQ(data.FluxElement(0)->Size(), 3u);
    EXPECT_EQ(data.FluxElement(0)->Position(), 0u);
    EXPECT_EQ(StreamText(data, 0), "abc");
    EXPECT_EQ(data.NomElement(0), "Nota.Txt");
    EXPECT_EQ(data.NomElement(1), "");
    EXPECT_EQ(data.FluxElement(1), nullptr);
}

TEST_F(DataObjectTest, WideTextIsReadAsUtf16) {
    source.OfferGlobal(ClipFormat::CF_TEXT, Text16Block("Informació"));
    EXPECT_TRUE(Decode("CF_TEXT"));
    EXPECT_EQ(StreamText(data, 0), "Informació");
    EXPECT_EQ(data.LlegirText("CF_TEXT"), "Informació");
}

TEST_F(DataObjectTest, OneCharacterTextSurvivesTheWideReading) {
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("7"));
    EXPECT_EQ(Decode("CF_TEXT") ? StreamText(data, 0) : "", "7");
}

TEST_F(DataObjectTest, RichTextGivesOneStreamNamedNotaRtf) {
    source.OfferGlobal(kRichText, BytesOf("{\\rtf1 x}"), "Rich Text Format");
    EXPECT_TRUE(Decode("Rich Text Format"));
    EXPECT_EQ(StreamText(data, 0), "{\\rtf1 x}");
    EXPECT_EQ(data.NomElement(0), "Nota.Rtf");
}

TEST_F(DataObjectTest, FileListsInBothEncodingsGiveNamesWithoutStreams) {
    for (const bool wide : {false, true}) {
        MemoryDataSource files;
        files.OfferGlobal(ClipFormat::CF_HDROP,
                          FileDropBlock({"/home/anna/factura.txt", "/tmp/é.csv"}, wide));
        data.PosarDades(&files);
        ASSERT_TRUE(data.BuscarFormat(0, "CF_HDROP"));
        EXPECT_TRUE(data.LlegirElements());
        EXPECT_EQ(data.NumElements(), 2) << wide;
        EXPECT_EQ(data.TipusElements(), 4);
        EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("/home/anna/factura.txt", "/tmp/é.csv"));
        EXPECT_EQ(data.FluxElement(0), nullptr);
        EXPECT_EQ(files.MediaReleased(), 1);
    }
}

TEST_F(DataObjectTest, AnEmptyFileListStillGivesItsFirstName) {
    source.OfferGlobal(ClipFormat::CF_HDROP, FileDropBlock({}, false));
    EXPECT_TRUE(Decode("CF_HDROP"));
    EXPECT_EQ(data.NumElements(), 1);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre(""));
}

TEST_F(DataObjectTest, GroupOfThreeFilesGivesOnlyTheFirst) {
    source.OfferGlobal(kGroupDescriptor, GroupDescriptorBlock(3, {"Factura.pdf", "b.txt", "c.txt"}),
                       "FileGroupDescriptor");
    source.OfferGlobal(kFileContents, BytesOf("%PDF-1.4"), "FileContents");
    source.OfferGlobal(kFileContents, BytesOf("bbb"), "FileContents");
    EXPECT_TRUE(Decode("FileGroupDescriptor"));
    EXPECT_EQ(data.NumElements(), 1);
    EXPECT_EQ(data.TipusElements(), 1);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("Factura.pdf"));
    EXPECT_EQ(StreamText(data, 0), "%PDF-1.4");
}

TEST_F(DataObjectTest, ExcludedExtensionsKeepTheNameButSkipTheContents) {
    source.OfferGlobal(kGroupDescriptor, GroupDescriptorBlock(1, {"virus.exe"}),
                       "FileGroupDescriptor");
    source.OfferGlobal(kFileContents, BytesOf("MZ"), "FileContents");
    data.ExtensionsExcloses = "COM,EXE,BAT";
    EXPECT_TRUE(Decode("FileGroupDescriptor"));
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("virus.exe"));
    EXPECT_EQ(source.MediaHandedOut(), 1);  // the contents were never fetched
}

TEST_F(DataObjectTest, GroupWithoutContentsGivesNoItem) {
    source.OfferGlobal(kGroupDescriptor, GroupDescriptorBlock(1, {"a.txt"}), "FileGroupDescriptor");
    EXPECT_TRUE(Decode("FileGroupDescriptor"));
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_EQ(data.Noms().Count(), 0);
}

TEST_F(DataObjectTest, PictureIsNamedAfterTheTextThatComesWithIt) {
    struct Case {
        std::string text, name;
    };
    for (const Case& c : {Case{"a/b/c", "a\\b\\c.Bmp"}, Case{"a/b.gif", "a\\b.gif"}}) {
        MemoryDataSource picture;
        picture.OfferGlobal(ClipFormat::CF_DIB, Dib24(2, 2, [](int, int) { return Qt::red; }));
        picture.OfferGlobal(ClipFormat::CF_TEXT, Text8Block(c.text));
        data.PosarDades(&picture);
        ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
        EXPECT_TRUE(data.LlegirElements());
        EXPECT_EQ(data.TipusElements(), 3);
        EXPECT_EQ(data.NumElements(), 1);
        EXPECT_NE(data.ImatgeElement(0), nullptr);
        EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre(c.name));
        EXPECT_EQ(data.NomFormatActual(), "CF_TEXT");
    }
}

TEST_F(DataObjectTest, PictureAfterAnAddressLosesTheUrlExtension) {
    source.OfferGlobal(kGroupDescriptor, GroupDescriptorBlock(1, {"Botiga.url"}),
                       "FileGroupDescriptor");
    source.OfferGlobal(kFileContents, BytesOf("[InternetShortcut]"), "FileContents");
    source.OfferGlobal(ClipFormat::CF_DIB, Dib24(1, 1, [](int, int) { return Qt::blue; }));
    EXPECT_TRUE(Decode("FileGroupDescriptor"));
    ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
    EXPECT_TRUE(data.LlegirElements());
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("Botiga"));
}

TEST_F(DataObjectTest, UnknownFormatOnGlobalMemoryGivesItsBytesNamedIndefinit) {
    const Bytes raw = {'<', 0, 'p', '>', 0, 0};
    source.OfferGlobal(kHtml, raw, "text/html");
    EXPECT_FALSE(Decode("text/html"));
    EXPECT_EQ(data.NumElements(), 1);
    EXPECT_EQ(data.TipusElements(), 1);
    EXPECT_EQ(data.FluxElement(0)->Data(), raw);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("Indefinit."));
}

TEST_F(DataObjectTest, StreamMediumIsCopiedWhole) {
    Bytes big(200000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = uint8_t(i * 7);
    source.OfferStream(kHtml, big, "text/html");
    EXPECT_FALSE(Decode("text/html"));
    ASSERT_NE(data.FluxElement(0), nullptr);
    EXPECT_EQ(data.FluxElement(0)->Data(), big);
}

TEST_F(DataObjectTest, StorageMediumGoesThroughOle1InTheCurrentFolder) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QFile stale(folder.filePath("#Ole1"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an older and longer compound file");
    stale.close();

    source.OfferStorage(kHtml, BytesOf("compound"), "Embed Source");
    EXPECT_FALSE(Decode("Embed Source"));
    EXPECT_EQ(StreamText(data, 0), "compound");
    EXPECT_TRUE(QFile::exists(folder.filePath("#Ole1")));
    QDir::setCurrent(previous);
}

TEST_F(DataObjectTest, UnreadableMediaAreReportedByName) {
    source.OfferMedium(kHtml, TYMED_GDI, "Bitmap");
    source.OfferMedium(ClipFormat::CF_DIB, TYMED_ENHMF);
    EXPECT_FALSE(Decode("Bitmap"));
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("Indefinit."));
    ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
    EXPECT_TRUE(data.LlegirElements());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, " Indefinit.TYMED_GDI\r no implementat...");
    EXPECT_EQ(messages[0].caption, "Atenció");
    EXPECT_EQ(messages[0].kind, TMessageBoxKind::Ok);
    EXPECT_EQ(messages[1].text, " CF_DIB.TYMED_ENHMF\r no implementat...");
}

TEST_F(DataObjectTest, RefusedFormatsGiveNoItemsButTheirFixedNames) {
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("12"));
    source.RefuseLast();
    source.OfferGlobal(kHtml, BytesOf("x"), "text/html");
    source.FailLast();
    EXPECT_TRUE(Decode("CF_TEXT"));
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_THAT(ItemsOf(data.Noms()), ElementsAre("Nota.Txt"));
    EXPECT_FALSE(Decode("text/html"));
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(DataObjectTest, EachDecodingFreesTheItemsOfTheLast) {
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("abc"));
    source.OfferGlobal(ClipFormat::CF_HDROP, FileDropBlock({"/x", "/y"}, false));
    EXPECT_TRUE(Decode("CF_TEXT"));
    EXPECT_TRUE(Decode("CF_HDROP"));
    EXPECT_EQ(data.NumElements(), 2);
    EXPECT_EQ(data.FluxElement(0), nullptr);
    data.Buidar(false);
    EXPECT_EQ(data.NumElements(), 0);
    EXPECT_EQ(data.Noms().Count(), 2);
    data.Buidar(true);
    EXPECT_EQ(data.Noms().Count(), 0);
}

}  // namespace
