#include <gtest/gtest.h>

#include <QTest>

#include "controls/button/botopetit.h"
#include "controls/platform/bitmapresources.h"
#include "tests/controls/messageboxspy.h"
#include "tests/support/tablecases.h"

namespace {

// A 24 x 24 tool button as the forms place them.
struct ToolButton : testing::Test {
    ToolButton() {
        button.setObjectName(QStringLiteral("BotoProva"));
        button.resize(24, 24);
    }
    TBotoPetit button;
};

TEST_F(ToolButton, KeepsOnlyTheTextBeforeABarInCaptionAndHint) {
    button.SetCaption("Copiar|Copia el resultat");
    EXPECT_EQ(button.Caption(), "Copiar");
    EXPECT_EQ(button.text(), QStringLiteral("Copiar"));
    button.SetHint("Esborrar Paper [F8]");
    EXPECT_EQ(button.Hint(), "Esborrar Paper [F8]");
    button.SetHint("Propietats|Obre el menú");
    EXPECT_EQ(button.toolTip(), QStringLiteral("Propietats"));
}

TEST_F(ToolButton, AcceptsCatalanKeyCapsInItsShortcutText) {
    MessageBoxSpy boxes;
    button.SetTeclaFuncioText("Ctrl+Intro");
    EXPECT_EQ(button.ShortCutKey(), Qt::Key_Return);
    EXPECT_EQ(button.ShortCutShift(), Qt::ControlModifier);
    button.SetTeclaFuncioText(" Sup ");
    EXPECT_EQ(button.ShortCutKey(), Qt::Key_Delete);
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(ToolButton, WarnsAboutAShortcutTextThatNamesNoKey) {
    MessageBoxSpy boxes;
    button.SetTeclaFuncioText("F8");
    button.SetTeclaFuncioText("Supr");  // becomes "Delr", no key name
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].text, "Error a l'Assignar ShortCut [Supr]");
    EXPECT_EQ(boxes.requests[0].caption, "Atenció!!");
    EXPECT_EQ(boxes.requests[0].buttons, std::vector<TMessageBoxButton>{idOk});
    EXPECT_EQ(button.ShortCut(), 0);
    EXPECT_EQ(button.TeclaFuncioText(), "Supr");
    button.SetTeclaFuncioText("");
    EXPECT_EQ(boxes.requests.size(), 1u) << "an empty text just clears the shortcut";
}

struct ShortCutCase {
    const char* name;
    const char* text;
    int key;  // 0: no shortcut
    Qt::KeyboardModifiers shift;
    friend std::ostream& operator<<(std::ostream& os, const ShortCutCase& c) {
        return os << c.name;
    }
};

class ShortCutText : public testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutText, ParsesPrefixesAndOneKeyName) {
    const auto parsed = TextToShortCut(GetParam().text);
    if (GetParam().key == 0) {
        EXPECT_FALSE(parsed);
        return;
    }
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->key, GetParam().key);
    EXPECT_EQ(parsed->shift, GetParam().shift);
}

INSTANTIATE_TEST_SUITE_P(
    TextToShortCut, ShortCutText,
    testing::Values(ShortCutCase{"Letter", "R", Qt::Key_R, {}},
                    ShortCutCase{"LowerCaseNames", "ctrl+p", Qt::Key_P, Qt::ControlModifier},
                    ShortCutCase{"Digit", "Alt+7", Qt::Key_7, Qt::AltModifier},
                    ShortCutCase{"FunctionKey", "F10", Qt::Key_F10, {}},
                    ShortCutCase{"ManyPrefixes", "Shift+Ctrl+Del", Qt::Key_Delete,
                                 Qt::ShiftModifier | Qt::ControlModifier},
                    ShortCutCase{"NamedKey", "PgDn", Qt::Key_PageDown, {}},
                    ShortCutCase{"PrefixOnly", "Ctrl+", 0, {}},
                    ShortCutCase{"TwoLetters", "AB", 0, {}},
                    ShortCutCase{"NoSuchFunctionKey", "F25", 0, {}},
                    ShortCutCase{"Empty", "", 0, {}}),
    CaseName<ShortCutCase>);

TEST_F(ToolButton, OnOffButtonSwitchesStateBeforeItsClickHandlerRuns) {
    button.SetCaption("X");
    button.SetEstilBoto(ebSiNoColor);
    EXPECT_EQ(button.Caption(), "") << "the generated glyph takes the whole face";
    EXPECT_EQ(button.Margin(), 0);
    button.SetCaptionOn("Sí");
    button.SetCaptionOff("No");
    std::vector<bool> seen;
    button.OnClick = [&](TBotoPetit* sender) { seen.push_back(sender->Estat()); };
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_F(ToolButton, OnOffGlyphTakesTheColourOfItsState) {
    button.SetEstilBoto(ebSiNoColor);
    button.SetColorOn(clLime);
    button.SetColorOff(clRed);
    EXPECT_EQ(button.CurrentGlyph().image.size(), QSize(20, 20));
    EXPECT_EQ(button.grab().toImage().pixel(3, 3), qRgb(0, 255, 0));
    button.SetEstat(false);
    EXPECT_EQ(button.grab().toImage().pixel(3, 3), qRgb(255, 0, 0));
}

TEST_F(ToolButton, PrintsItsMergedTextOnTheGlyph) {
    button.SetResBitmap("COPIAR");
    button.SetNumGlyphs(2);
    const QImage plain = button.CurrentGlyph().image;
    button.SetMergeTxt("R");
    button.SetMergeTxtX(1);
    button.SetMergeTxtY(-1);
    const QImage merged = button.CurrentGlyph().image;
    EXPECT_EQ(merged.size(), QSize(32, 16));
    EXPECT_NE(merged.copy(0, 0, 8, 10), plain.copy(0, 0, 8, 10)) << "the R at the top-left";
    EXPECT_EQ(merged.copy(16, 0, 16, 16), plain.copy(16, 0, 16, 16)) << "disabled picture";
}

TEST_F(ToolButton, MergedTextWithoutGlyphOrCaptionGetsAFilledGlyphOfItsOwn) {
    button.SetEstilBoto(ebNormalColor);
    button.SetColorOn(clYellow);
    button.SetMergeTxt("+");
    const TButtonGlyph glyph = button.CurrentGlyph();
    EXPECT_EQ(glyph.image.size(), QSize(20, 20));
    EXPECT_EQ(glyph.image.pixel(19, 19), qRgb(255, 255, 0));
}

TEST_F(ToolButton, RecoloursTheBackgroundOfItsGlyphByState) {
    button.SetResBitmap("SORTIR");
    button.SetEstilBoto(ebNormalColor);
    button.SetColorOn(clAqua);
    button.SetColorOff(clFuchsia);
    EXPECT_EQ(button.CurrentGlyph().image.pixel(0, 0), qRgb(0, 255, 255));
    EXPECT_FALSE(button.CurrentGlyph().transparent);
    button.SetEstatBoto(ebOff);
    EXPECT_EQ(button.CurrentGlyph().image.pixel(15, 15), qRgb(255, 0, 255));
}

TEST_F(ToolButton, GeneratedGlyphReadsAsEmpty) {
    QImage custom(16, 16, QImage::Format_RGB32);
    custom.fill(Qt::red);
    button.SetGlyph(custom);
    EXPECT_FALSE(button.Glyph().isNull());
    button.SetResBitmap("ABAIX");
    EXPECT_TRUE(button.Glyph().isNull());
    button.SetResBitmap("  ");
    EXPECT_EQ(button.NumGlyphs(), 1);
    EXPECT_FALSE(button.Glyph().isNull());
}

TEST_F(ToolButton, UnknownBitmapNameDrawsWithoutGlyphInsteadOfFailing) {
    button.SetResBitmap("NOEXISTEIX");
    EXPECT_TRUE(button.CurrentGlyph().IsEmpty());
    const QImage face = button.grab().toImage();
    EXPECT_EQ(face.pixel(12, 12), ToQColor(clBtnFace).rgb());
}

TEST_F(ToolButton, DrawsItsGlyphCentredWithWhiteTransparent) {
    button.SetResBitmap("ABAIX");
    button.SetNumGlyphs(2);
    const QImage face = button.grab().toImage();
    const QImage picture = LoadBitmapResource("ABAIX");
    EXPECT_EQ(face.pixel(4, 4), ToQColor(clBtnFace).rgb()) << "white background shows the face";
    EXPECT_EQ(face.pixel(4 + 7, 4 + 4), picture.pixel(7, 4));
    button.setEnabled(false);
    EXPECT_EQ(button.grab().toImage().pixel(4 + 7, 4 + 4), picture.pixel(16 + 7, 4))
        << "a disabled button shows the second picture";
}

TEST_F(ToolButton, DownShowsAWhiteFace) {
    button.SetDown(true);
    EXPECT_EQ(button.grab().toImage().pixel(3, 3), qRgb(255, 255, 255));
    button.SetDown(false);
    EXPECT_EQ(button.grab().toImage().pixel(3, 3), ToQColor(clBtnFace).rgb());
}

}  // namespace
