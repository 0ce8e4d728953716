// The controls on a screen with two device pixels per pixel: this program runs
// its application with QT_SCALE_FACTOR=2. Glyphs, gradients, bevels and text must be drawn at
// the screen's resolution, not drawn at 1x and enlarged (which would show as
// 2 x 2 blocks of one colour) or smoothed (which would blend colours).

#include <gtest/gtest.h>

#include <QApplication>

#include "controls/button/botopetit.h"
#include "controls/panel/panelex.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/fonts.h"
#include "tests/support/testenvironment.h"

namespace {

// What the 2x screen shows of the widget.
QImage Shot(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    return image;
}

// The widget drawn at 1x and enlarged: what an upscaled picture looks like.
QImage EnlargedOneX(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The 2 x 2 blocks of device pixels in `area` that hold more than one colour.
int MixedBlocks(const QImage& image, const QRect& area) {
    int mixed = 0;
    for (int y = area.top(); y < area.bottom(); y += 2) {
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner)
                ++mixed;
        }
    }
    return mixed;
}

TEST(TwoXScreen, ToolButtonDrawsTheTwoXGlyphPixelForPixel) {
    TBotoPetit button;
    button.resize(24, 24);
    button.SetResBitmap("ABAIX");
    button.SetNumGlyphs(2);
    const QImage shot = Shot(button);
    const QImage artwork = *FindBitmapResource("ABAIX", 2);
    ASSERT_EQ(artwork.size(), QSize(64, 32));

    // The 16 x 16 glyph sits at (4, 4) of the button: device pixels 8 to 39.
    const QRgb face = shot.pixel(8, 8);
    int differences = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb drawn = artwork.pixel(x, y);
            const QRgb expected = drawn == qRgb(255, 255, 255) ? face : drawn;
            differences += shot.pixel(8 + x, 8 + y) != expected;
        }
    }
    EXPECT_EQ(differences, 0) << "no blending: the 2x drawing reaches the screen as it is";
    const QRect glyph(8, 8, 32, 32);
    EXPECT_GT(MixedBlocks(shot, glyph), 0) << "the arrow's slanted edges have 2x detail";
    EXPECT_EQ(MixedBlocks(EnlargedOneX(button), glyph), 0);
}

TEST(TwoXScreen, KeyDrawsBevelGradientAndCaptionAtTheScreensResolution) {
    // A keypad key: raised inner bevel 2 wide, vertical gradient, bold caption.
    TPanelEx key;
    key.resize(26, 26);
    key.SetBevelOuter(bvNone);
    key.SetBevelInner(bvRaised);
    key.SetBevelWidth(2);
    key.SetSelected(true);
    key.SetColorSelected(clLime);
    key.SetColorHighSelected(RGBColor(200, 255, 200));
    key.SetColorShadowSelected(RGBColor(0, 100, 0));
    key.SetSn_Gradient(true);
    key.SetEstilGradient(fxVertical);
    key.SetColorGradient(RGBColor(176, 255, 176));
    key.SetLayout(tlCenter);
    key.setFont(FormFont("MS Sans Serif", 10, true));
    key.SetCaption("7");
    const QImage shot = Shot(key);

    // The bevel: four device pixels of its own colour, then the face.
    for (int x = 0; x < 4; ++x) EXPECT_EQ(shot.pixel(x, 26), qRgb(200, 255, 200)) << x;
    EXPECT_NE(shot.pixel(4, 26), qRgb(200, 255, 200));

    // The gradient takes a step on every device row of its 44.
    int steps = 0;
    for (int y = 4; y < 47; ++y) steps += shot.pixel(6, y) != shot.pixel(6, y + 1);
    EXPECT_GE(steps, 40);

    // The caption's strokes are drawn at 2x, not in enlarged pixels.
    const QRect caption(16, 12, 20, 28);
    EXPECT_GT(MixedBlocks(shot, caption), 4);
    EXPECT_EQ(MixedBlocks(EnlargedOneX(key), caption), 0);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
