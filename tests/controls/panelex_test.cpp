#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImageWriter>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "basic/platformerror.h"
#include "controls/panel/panelex.h"
#include "controls/platform/bitmapresources.h"
#include "tests/support/tablecases.h"

namespace {

QRgb Rgb(TColor color) {
    return ToQColor(color).rgb();
}

// A 60 x 30 panel with a one-pixel raised outer bevel and no caption.
struct PlainPanel : testing::Test {
    PlainPanel() {
        panel.setObjectName(QStringLiteral("PanelProva"));
        panel.resize(60, 30);
    }
    QImage Shot() { return panel.grab().toImage(); }
    void Hover() {
        QEnterEvent enter(QPointF(30, 15), QPointF(30, 15), QPointF(30, 15));
        QApplication::sendEvent(&panel, &enter);
    }
    TPanelEx panel;
};

TEST_F(PlainPanel, PressTintsTheBackgroundWithXorAndSwapsTheBevel) {
    panel.SetColor(0x00A0B0C0);
    panel.SetEfectes(true);
    EXPECT_EQ(Shot().pixel(30, 15), qRgb(0xC0, 0xB0, 0xA0));
    EXPECT_EQ(Shot().pixel(0, 10), Rgb(clBtnHighlight));
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(Shot().pixel(30, 15), qRgb(0xD0, 0xA0, 0xB0)) << "0x00A0B0C0 xor 0x101010";
    EXPECT_EQ(Shot().pixel(0, 10), Rgb(clBtnShadow)) << "the pressed look";
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(Shot().pixel(30, 15), qRgb(0xC0, 0xB0, 0xA0));
}

TEST_F(PlainPanel, HoverTintsTheBackgroundWithOr) {
    panel.SetColor(0x00A0B0C0);
    panel.SetEfectes(true);
    Hover();
    EXPECT_EQ(Shot().pixel(30, 15), qRgb(0xE0, 0xF0, 0xE0)) << "0x00A0B0C0 or 0x606060";
    panel.SetColor(clWhite);
    EXPECT_EQ(Shot().pixel(30, 15), qRgb(255, 255, 255));
}

TEST_F(PlainPanel, WithoutEffectsNeitherMouseNorBotoApretatChangeAnything) {
    panel.SetColor(0x00A0B0C0);
    const QImage before = Shot();
    panel.SetBotoApretat(true);
    Hover();
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(Shot(), before);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(30, 15));
}

TEST_F(PlainPanel, SelectedPaletteColoursBackgroundAndBevels) {
    panel.SetSelected(true);
    panel.SetColorSelected(clYellow);
    panel.SetColorHighSelected(clWhite);
    panel.SetColorShadowSelected(clRed);
    panel.SetBevelOuter(bvLowered);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(30, 15), qRgb(255, 255, 0));
    EXPECT_EQ(shot.pixel(0, 10), qRgb(255, 0, 0)) << "a lowered bevel's top-left is the shadow";
    EXPECT_EQ(shot.pixel(59, 10), qRgb(255, 255, 255));
}

TEST_F(PlainPanel, DisabledSelectedPanelKeepsItsColourAndEmbossesItsCaption) {
    panel.SetSelected(true);
    panel.SetColorSelected(clLime);
    panel.SetCaption("MMMM");
    panel.SetLayout(tlCenter);
    panel.SetEnabled(false);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(3, 3), qRgb(0, 255, 0));
    // Lime has no blue: the highlight text brings blue, the shadow copy grey.
    int highlight = 0;
    int shadow = 0;
    const int shadowGrey = qGray(Rgb(clBtnShadow));
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            highlight += qBlue(p) > 200 && qRed(p) > 200;
            shadow += std::abs(qRed(p) - shadowGrey) < 12 && std::abs(qGreen(p) - shadowGrey) < 12;
        }
    }
    EXPECT_GT(highlight, 5);
    EXPECT_GT(shadow, 5);
}

TEST_F(PlainPanel, TransparentPanelPaintsNoBackground) {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::red);
    parent.setPalette(palette);
    auto* inner = new TPanelEx(&parent);
    inner->resize(40, 20);
    inner->SetTransparent(true);
    inner->SetSn_Gradient(true);
    parent.resize(40, 20);
    EXPECT_EQ(parent.grab().toImage().pixel(20, 10), qRgb(255, 0, 0));
}

TEST_F(PlainPanel, GradientKeyRunsFromItsColourToColorGradient) {
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clBlack);
    panel.SetColorGradient(clWhite);
    panel.SetSn_Gradient(true);
    panel.SetEstilGradient(fxVertical);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(10, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(10, 15), qRgb(127, 127, 127));
    panel.SetEstilGradient(fxInvHorizontal);
    EXPECT_EQ(Shot().pixel(0, 15), qRgb(255, 255, 255)) << "inverted: the colours swap";
}

TEST_F(PlainPanel, EmptyGradientAreaEndsThePaintQuietlyAfterTheBevels) {
    panel.resize(60, 2);  // nothing left inside the bevel
    panel.SetSn_Gradient(true);
    panel.SetCaption("X");
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(shot.pixel(59, 1), Rgb(clBtnShadow));
}

TEST_F(PlainPanel, ChangingTheAppendixKindTakesTheScrollBarWidth) {
    const int scrollBar = panel.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    panel.SetTipusApendix(taAbaix);
    EXPECT_EQ(panel.AmpleApendix(), scrollBar);
    panel.SetAmpleApendix(30);
    panel.SetTipusApendix(taCap);
    EXPECT_EQ(panel.AmpleApendix(), scrollBar) << "also when going back to none";
}

TEST_F(PlainPanel, AppendixStripShowsAGreenArrowOnButtonFace) {
    panel.SetTipusApendix(taDreta);
    panel.SetAmpleApendix(17);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(60 - 17 + 8, 15), qRgb(0, 128, 0)) << "inside the arrow";
    EXPECT_EQ(shot.pixel(56, 4), Rgb(clBtnFace)) << "beside the arrow";
    EXPECT_EQ(shot.pixel(59, 4), Rgb(clBtnShadow)) << "a raised edge";
}

struct ClickCase {
    const char* name;
    int x;
    bool body;
    friend std::ostream& operator<<(std::ostream& os, const ClickCase& c) { return os << c.name; }
};

class AppendixClick : public testing::TestWithParam<ClickCase> {};

TEST_P(AppendixClick, IsToldFromABodyClickByAmpleApendixAlone) {
    TPanelEx panel;
    panel.resize(126, 20);
    panel.SetAmpleApendix(17);  // with taCap: nothing drawn, yet the strip counts
    std::vector<std::string> events;
    panel.OnClick = [&](TPanelEx*) { events.push_back("click"); };
    panel.OnClickApendix = [&](TPanelEx*) { events.push_back("appendix"); };
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(GetParam().x, 10));
    EXPECT_EQ(events, std::vector<std::string>{GetParam().body ? "click" : "appendix"});
}

INSTANTIATE_TEST_SUITE_P(TPanelEx, AppendixClick,
                         testing::Values(ClickCase{"At108OnTheBody", 108, true},
                                         ClickCase{"At109OnTheStrip", 109, false},
                                         ClickCase{"At110OnTheStrip", 110, false}),
                         CaseName<ClickCase>);

struct DisplayCase {
    const char* name;
    TDisplayFormat format;
    const char* caption;
    const char* shown;
    friend std::ostream& operator<<(std::ostream& os, const DisplayCase& c) { return os << c.name; }
};

class PanelDisplayText : public testing::TestWithParam<DisplayCase> {};

TEST_P(PanelDisplayText, FormatsTheCaptionByTipusFormateig) {
    TPanelEx panel;
    panel.SetTipusFormateig(GetParam().format);
    panel.SetCaption(GetParam().caption);
    EXPECT_EQ(panel.DisplayText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    TPanelEx, PanelDisplayText,
    testing::Values(
        DisplayCase{"HundredthsWithTwoDecimals", TDisplayFormat::Hundredths, "12345", "123,45"},
        DisplayCase{"HundredthsHalfRoundsUp", TDisplayFormat::Hundredths, "14.5", "0,15"},
        DisplayCase{"ZeroHundredthsShowNothing", TDisplayFormat::Hundredths, "0", ""},
        DisplayCase{"NumberGroupsThousands", TDisplayFormat::Number, "1234", "1.234"},
        DisplayCase{"DateAsDayMonthYear", TDisplayFormat::Date, "20240105", "05/01/2024"},
        DisplayCase{"EmptyDateAsBlanks", TDisplayFormat::Date, "00000000", "          "},
        DisplayCase{"OtherFormatsShowTheCaption", TDisplayFormat::Text, "12345", "12345"},
        DisplayCase{"ColumnOnlyFormatsShowTheCaption", TDisplayFormat::ZeroPadded, "45", "45"},
        DisplayCase{"Hash13BreaksTheLine", TDisplayFormat::Text, "12#1334", "12\r34"},
        DisplayCase{"NoNumberShowsAsItIs", TDisplayFormat::Hundredths, ",", ","},
        DisplayCase{"NoNumberInNumberFormToo", TDisplayFormat::Number, ",", ","}),
    CaseName<DisplayCase>);

// Rows of the image that hold dark ink (the text is antialiased).
std::vector<int> InkRows(const QImage& shot) {
    std::vector<int> rows;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (qGray(shot.pixel(x, y)) < 100) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

TEST_F(PlainPanel, Hash13DrawsTheCaptionOnTwoLines) {
    panel.resize(60, 60);
    panel.SetFontColor(clBlack);
    panel.SetCaption("12");
    const std::vector<int> oneLine = InkRows(Shot());
    panel.SetCaption("12#1334");
    const std::vector<int> twoLines = InkRows(Shot());
    ASSERT_FALSE(oneLine.empty());
    EXPECT_GT(twoLines.back(), oneLine.back() + panel.fontMetrics().height() / 2);
}

TEST_F(PlainPanel, LayoutPlacesTheCaptionAtTopCentreOrBottom) {
    panel.resize(60, 60);
    panel.SetFontColor(clBlack);
    panel.SetCaption("Hi");
    std::vector<int> firstRow;
    for (const TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
        panel.SetLayout(layout);
        firstRow.push_back(InkRows(Shot()).front());
    }
    EXPECT_LT(firstRow[0], 8);
    EXPECT_NEAR(firstRow[1], 30 - panel.fontMetrics().height() / 2, 6);
    EXPECT_GT(firstRow[2], 60 - panel.fontMetrics().height() - 2);
}

TEST_F(PlainPanel, AutomaticSizeIsTheCaptionPlusMarginsPlusThree) {
    panel.SetMargeEsq(5);
    panel.SetMargeDrt(5);
    panel.SetMargeSup(7);
    panel.SetMargeInf(0);
    panel.SetBevelWidth(4);  // bevels are not counted
    panel.SetCaption("Capital");
    panel.SetTamanyAutoMatic(true);
    EXPECT_EQ(panel.width(), panel.fontMetrics().horizontalAdvance(QStringLiteral("Capital")) + 13);
    EXPECT_EQ(panel.height(), panel.fontMetrics().height() + 10);
    const int narrow = panel.width();
    panel.SetCaption("Capital inicial");
    EXPECT_GT(panel.width(), narrow) << "follows the caption";
}

TEST_F(PlainPanel, EnablingReachesEveryChildExplicitly) {
    auto* child = new TPanelEx(&panel);
    auto* other = new QWidget(&panel);
    other->setEnabled(false);
    panel.SetEnabled(false);
    EXPECT_FALSE(child->isEnabled());
    panel.SetEnabled(true);
    EXPECT_TRUE(child->isEnabled());
    EXPECT_TRUE(other->isEnabled()) << "an explicitly disabled child is enabled again";
}

// Pictures: the top-left 16 x 16 of the panel holds the picture.
struct PicturePanel : PlainPanel {
    PicturePanel() {
        panel.resize(60, 40);
        panel.SetBevelOuter(bvNone);
        panel.SetColor(clBlue);
    }
    std::string WritePng(const char* name, const QImage& image) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, "PNG"));
        return path.toStdString();
    }
    QTemporaryDir dir;
};

TEST_F(PicturePanel, TwoStateStripIsCutToItsLeftSquareWithTheCornerColourTransparent) {
    panel.SetImatge("ABAIX");
    const QImage strip = LoadBitmapResource("ABAIX");
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(7, 4), strip.pixel(7, 4));
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 255)) << "white background is transparent";
    EXPECT_EQ(shot.pixel(16 + 7, 4), qRgb(0, 0, 255)) << "the disabled half is cut off";
}

TEST_F(PicturePanel, SquarePictureFileStaysWhole) {
    QImage square(32, 32, QImage::Format_RGB32);
    square.fill(Qt::white);
    square.setPixel(31, 31, qRgb(255, 0, 0));
    panel.SetImatge(WritePng("square.png", square));
    EXPECT_EQ(Shot().pixel(31, 31), qRgb(255, 0, 0));
}

TEST_F(PicturePanel, PlacementRulesApplyInOrderTheLaterWinning) {
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::white);
    dot.setPixel(1, 1, qRgb(255, 0, 0));
    panel.SetImatge(WritePng("dot.png", dot));
    panel.SetCentratImatge({ecDreta, ecCentre, ecCentreVertical});
    EXPECT_EQ(Shot().pixel(60 / 2 - 2 + 1, 40 / 2 - 2 + 1), qRgb(255, 0, 0));
    panel.SetCentratImatge({ecDreta, ecInferior});
    panel.SetMargeDrt(3);
    EXPECT_EQ(Shot().pixel(60 - 1 - 3 - 4 + 1, 40 - 1 - 4 + 1), qRgb(255, 0, 0));
    panel.SetCentratImatge({ecNoCentrat, ecDreta});
    panel.SetLeftImatge(10);
    EXPECT_EQ(Shot().pixel(10 + 1, 1), qRgb(255, 0, 0)) << "ecNoCentrat: LeftImatge, TopImatge";
}

TEST_F(PicturePanel, DisabledPanelGreysItsPictureAndRecoversIt) {
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::white);
    dot.setPixel(1, 1, qRgb(255, 0, 0));
    panel.SetImatge(WritePng("dot.png", dot));
    panel.SetEnabled(false);
    EXPECT_EQ(Shot().pixel(1, 1), qRgb(85, 85, 85));
    EXPECT_EQ(Shot().pixel(2, 2), Rgb(clBtnFace)) << "still transparent where it was white";
    panel.SetEnabled(true);
    EXPECT_EQ(Shot().pixel(1, 1), qRgb(255, 0, 0));
}

TEST_F(PicturePanel, PhotoIsScaledIntoItsSquare) {
    QImage photo(40, 20, QImage::Format_RGB32);
    photo.fill(qRgb(10, 200, 10));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            photo.setPixel(x, y, qRgb(255, 255, 255));
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(QImageWriter(path, "jpg").write(photo));
    panel.SetTamanyFotoQuadrada(24);
    panel.SetImatge(path.toStdString());
    const QImage shot = Shot();
    EXPECT_NEAR(qGreen(shot.pixel(20, 20)), 200, 10);
    EXPECT_EQ(shot.pixel(30, 30), qRgb(0, 0, 255)) << "beyond the square";
}

TEST_F(PicturePanel, UnknownNameLeavesNoPictureAndAnUnreadableFileFails) {
    panel.SetImatge("NO_ES_RES");
    EXPECT_EQ(Shot().pixel(5, 5), qRgb(0, 0, 255));
    QFile file(dir.filePath(QStringLiteral("broken.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_THROW(panel.SetImatge(file.fileName().toStdString()), PlatformError);
}

}  // namespace
