#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "basic/platformerror.h"
#include "controls/gradient/gradientfx.h"
#include "tests/support/tablecases.h"

namespace {

constexpr QRgb kUntouched = 0xFFFF00FF;  // magenta: what the painter must not reach

QImage Paint(int width, int height, TColor from, TColor to, TGradientFX style) {
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    PaintGradient(&painter, width, height, 0, 0, from, to, style);
    return target;
}

int Red(const QImage& image, int x, int y) {
    return qRed(image.pixel(x, y));
}

TEST(PaintGradient, HorizontalTruncatesEachChannelTowardTheStartColour) {
    const QImage image = Paint(10, 4, clBlack, clWhite, fxHorizontal);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(image.pixel(0, y), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(5, y), qRgb(127, 127, 127)) << "255 x 0.5 = 127.5 truncated";
        EXPECT_EQ(image.pixel(9, y), qRgb(229, 229, 229));
    }
}

TEST(PaintGradient, FallingChannelTruncatesTheDecrementNotTheResult) {
    const QImage image = Paint(4, 1, RGBColor(200, 0, 0), clBlack, fxHorizontal);
    EXPECT_EQ(Red(image, 0, 0), 200);
    EXPECT_EQ(Red(image, 1, 0), 150);
    EXPECT_EQ(Red(image, 2, 0), 100);
    EXPECT_EQ(Red(image, 3, 0), 50);
}

TEST(PaintGradient, VerticalRunsFromTopToBottom) {
    const QImage image = Paint(3, 4, clBlack, RGBColor(0, 0, 200), fxVertical);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(x, 2), qRgb(0, 0, 100));
        EXPECT_EQ(image.pixel(x, 3), qRgb(0, 0, 150));
    }
}

struct InvertedCase {
    const char* name;
    TGradientFX base;
    TGradientFX inverted;
    friend std::ostream& operator<<(std::ostream& os, const InvertedCase& c) {
        return os << c.name;
    }
};

class InvertedStyle : public testing::TestWithParam<InvertedCase> {};

TEST_P(InvertedStyle, LooksLikeTheBaseStyleWithTheColoursSwapped) {
    const TColor a = RGBColor(10, 200, 90);
    const TColor b = RGBColor(240, 30, 160);
    EXPECT_EQ(Paint(23, 17, a, b, GetParam().inverted), Paint(23, 17, b, a, GetParam().base));
}

INSTANTIATE_TEST_SUITE_P(PaintGradient, InvertedStyle,
                         testing::Values(InvertedCase{"Horizontal", fxHorizontal, fxInvHorizontal},
                                         InvertedCase{"Vertical", fxVertical, fxInvVertical},
                                         InvertedCase{"Diagonal", fxDiagonal, fxInvDiagonal},
                                         InvertedCase{"Rectangle", fxRectangle, fxInvRectangle},
                                         InvertedCase{"Ellipse", fxEllipse, fxInvEllipse}),
                         CaseName<InvertedCase>);

TEST(PaintGradient, EqualColoursGiveOneSolidColourInEveryStyle) {
    const TColor colour = RGBColor(12, 34, 56);
    for (int style = fxHorizontal; style <= fxInvEllipse; ++style) {
        const QImage image = Paint(21, 13, colour, colour, static_cast<TGradientFX>(style));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), qRgb(12, 34, 56))
                    << "style " << style << " at " << x << "," << y;
            }
        }
    }
}

TEST(PaintGradient, DiagonalIsScaledByItsLengthSoTheFarCornerIsSolidEndColour) {
    const QImage image = Paint(30, 40, clBlack, clWhite, fxDiagonal);  // length 50
    EXPECT_EQ(Red(image, 0, 1), 5) << "line 1: 255 / 50 truncated";
    EXPECT_EQ(Red(image, 19, 30), 249) << "x + y = 49: 255 x 0.98 truncated";
    EXPECT_EQ(image.pixel(20, 30), qRgb(255, 255, 255)) << "x + y = 50";
    EXPECT_EQ(image.pixel(29, 39), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(25, 0), qRgb(0, 0, 0)) << "no line reaches the top row: start colour";
}

TEST(PaintGradient, TwoByTwoRectangleShowsOnlyTheStartColour) {
    const QImage image = Paint(2, 2, clRed, clBlue, fxRectangle);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        EXPECT_EQ(image.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
}

TEST(PaintGradient, RectangleRingsFollowTheirLeftEdgeAgainstHalfTheWidth) {
    const QImage wide = Paint(10, 4, clBlack, clWhite, fxRectangle);
    EXPECT_EQ(Red(wide, 0, 0), 0);
    EXPECT_EQ(Red(wide, 5, 2), 51) << "the height runs out at the second ring, at 1/5";

    const QImage tall = Paint(9, 20, clBlack, clWhite, fxRectangle);
    EXPECT_EQ(Red(tall, 3, 10), 191);
    EXPECT_EQ(Red(tall, 4, 10), 255) << "the middle column reaches the end colour";
}

TEST(PaintGradient, EllipseCornersKeepTheStartColour) {
    const QImage image = Paint(20, 20, clBlack, clWhite, fxEllipse);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
    EXPECT_GT(Red(image, 10, 10), 200);
}

TEST(PaintGradient, IsCopiedInOneBlockAtItsPlaceOnly) {
    QImage target(12, 12, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    PaintGradient(&painter, 4, 3, 5, 6, clWhite, clWhite, fxVertical);
    painter.end();
    EXPECT_EQ(target.pixel(5, 6), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(8, 8), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(4, 6), kUntouched);
    EXPECT_EQ(target.pixel(9, 8), kUntouched);
    EXPECT_EQ(target.pixel(5, 9), kUntouched);
}

TEST(PaintGradient, EmptySizeAbortsSilentlyWithoutDrawing) {
    QImage target(5, 5, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    EXPECT_THROW(PaintGradient(&painter, 0, 5, 0, 0, clBlack, clWhite, fxVertical), SilentAbort);
    EXPECT_THROW(PaintGradient(&painter, 5, -1, 0, 0, clBlack, clWhite, fxVertical), SilentAbort);
    EXPECT_THROW(PaintGradient(nullptr, 5, 5, 0, 0, clBlack, clWhite, fxVertical), SilentAbort);
    painter.end();
    EXPECT_EQ(target.pixel(0, 0), kUntouched);
}

TEST(PaintGradient, ResolvesSystemColoursBeforeInterpolating) {
    const QImage image = Paint(4, 4, clBtnFace, clBtnFace, fxHorizontal);
    EXPECT_EQ(image.pixel(1, 1), ToQColor(clBtnFace).rgb());
}

TEST(GradientColorAt, ClampsOutsideItsRange) {
    EXPECT_EQ(TGradient::ColorAt(clBlack, clWhite, -1, 0, 10), clBlack);
    EXPECT_EQ(TGradient::ColorAt(clBlack, clWhite, 10, 0, 10), clWhite);
    EXPECT_EQ(TGradient::ColorAt(clBlack, clWhite, 3, 0, 0), clWhite) << "no division by zero";
    EXPECT_EQ(TGradient::ColorAt(RGBColor(0, 100, 200), RGBColor(100, 100, 0), 5, 0, 10),
              RGBColor(50, 100, 100));
}

}  // namespace
