// A sample form with every control in the configurations the two windows use,
// rendered offscreen and saved as sample_form.png in the build folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "controls/button/botopetit.h"
#include "controls/combo/comboex.h"
#include "controls/datefield/datacalendari.h"
#include "controls/panel/panelex.h"
#include "controls/platform/fonts.h"

namespace {

TPanelEx* Panel(QWidget* parent, const char* name, QRect place) {
    auto* panel = new TPanelEx(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    return panel;
}

// A keypad key: selected palette, gradient, press and hover effects.
TPanelEx* Key(QWidget* parent, const char* name, QRect place, const char* caption, TColor colour,
              TGradientFX style) {
    TPanelEx* key = Panel(parent, name, place);
    key->SetCaption(caption);
    key->setFont(FormFont("MS Sans Serif", 8, true));
    key->SetFontColor(clBlue);
    key->SetBevelOuter(bvNone);
    key->SetBevelInner(bvRaised);
    key->SetBevelWidth(2);
    key->SetLayout(tlCenter);
    key->SetSelected(true);
    key->SetColorSelected(colour);
    key->SetColorHighSelected(clWhite);
    key->SetColorShadowSelected(RGBColor(96, 96, 96));
    key->SetSn_Gradient(true);
    key->SetEstilGradient(style);
    key->SetEfectes(true);
    return key;
}

TBotoPetit* ToolButton(QWidget* parent, const char* name, QPoint at, const char* glyph,
                       const char* letter = "") {
    auto* button = new TBotoPetit(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(at, QSize(24, 24)));
    button->SetResBitmap(glyph);
    button->SetNumGlyphs(2);
    button->SetMergeTxt(letter);
    button->SetMergeTxtX(1);
    button->SetMergeTxtY(-1);
    return button;
}

// A captioned box with a white, right-aligned value field inside.
TPanelEx* ValueField(QWidget* parent, const char* name, int top, const char* label,
                     const char* value, TDisplayFormat format) {
    TPanelEx* box = Panel(parent, (std::string("C") + name).c_str(), QRect(5, top, 191, 20));
    box->SetBevelOuter(bvNone);
    box->SetAlignment(Qt::AlignLeft);
    box->SetCaption(label);
    box->SetMargeSup(4);
    box->SetMargeEsq(5);
    TPanelEx* field = Panel(box, name, QRect(88, 1, 98, 18));
    field->SetColor(clWhite);
    field->SetAlignment(Qt::AlignRight);
    field->SetBevelOuter(bvLowered);
    field->SetMargeDrt(5);
    field->SetLayout(tlCenter);
    field->SetEditable(true);
    field->SetEfectes(true);
    field->SetTabStop(true);
    field->SetTipusFormateig(format);
    field->SetCaption(value);
    return field;
}

struct SampleForm {
    SampleForm() {
        form.setObjectName(QStringLiteral("MostraControls"));
        form.setFont(FormFont());
        form.resize(480, 250);
        TPanelEx* back = Panel(&form, "PanelFons", form.rect());

        TPanelEx* display = Panel(back, "CNumero", QRect(5, 5, 136, 26));
        display->SetBevelOuter(bvLowered);
        display->SetBevelWidth(2);
        display->SetColor(clWhite);
        display->SetAlignment(Qt::AlignRight);
        display->SetLayout(tlCenter);
        display->SetMargeDrt(10);
        display->SetFontColor(clBlue);
        display->SetEditable(true);
        display->SetCaption("1234,5");

        TPanelEx* keypad = Panel(back, "PanelNumeros", QRect(5, 35, 136, 61));
        keypad->SetColor(RGBColor(204, 205, 180));
        Key(keypad, "TeclaBorrar", QRect(5, 5, 51, 26), "C", clYellow, fxVertical);
        Key(keypad, "Tecla7", QRect(55, 5, 26, 26), "7", clLime, fxVertical);
        Key(keypad, "Tecla8", QRect(80, 5, 26, 26), "8", clLime, fxVertical);
        Key(keypad, "TeclaPercent", QRect(105, 5, 26, 51), "%", clSilver, fxInvHorizontal);
        Key(keypad, "TeclaMes", QRect(5, 30, 26, 26), "+", clSilver, fxInvHorizontal);
        Key(keypad, "TeclaMenys", QRect(30, 30, 26, 26), "_", clSilver, fxInvHorizontal);
        Key(keypad, "TeclaIgual", QRect(55, 30, 51, 26), "=", clAqua, fxVertical);

        TPanelEx* disabled =
            Key(back, "TeclaQuinIva", QRect(5, 100, 66, 26), "Quota Iva", clLime, fxVertical);
        disabled->SetSn_Gradient(false);
        disabled->SetEnabled(false);

        TPanelEx* right = Panel(back, "CTipusIva", QRect(75, 100, 66, 21));
        right->SetColor(clWhite);
        right->SetBevelOuter(bvLowered);
        right->SetCaption("21 %");
        right->SetLayout(tlCenter);
        right->SetTipusApendix(taDreta);
        right->SetAmpleApendix(15);
        TPanelEx* down = Panel(back, "CMarge", QRect(75, 125, 66, 21));
        down->SetColor(clWhite);
        down->SetBevelOuter(bvLowered);
        down->SetCaption("30");
        down->SetLayout(tlCenter);
        down->SetTipusApendix(taAbaix);
        down->SetAmpleApendix(15);
        down->SetMargeSup(3);
        down->SetMargeDrt(2);

        auto* combo = new TComboEx(back);
        combo->setObjectName(QStringLiteral("CTipusMarge"));
        combo->setGeometry(5, 152, 136, 21);
        combo->addItems({QStringLiteral("Marge S/PVP"), QStringLiteral("Marge S/Cost"),
                         QStringLiteral("Descompte")});
        combo->SetItem("Marge S/PVP");

        TPanelEx* buttons = Panel(back, "PanelBotons", QRect(150, 5, 172, 55));
        const char* glyphs[][3] = {{"BotoNetejar", "NETEJAR", ""},
                                   {"BotoInsertar", "INSERIRLINIA", ""},
                                   {"BotoEsborrarLinia", "ESBORRARLINIA", ""},
                                   {"BotoLLigar", "ABAIX", ""},
                                   {"BotoCopiarResultat", "COPIAR", "R"},
                                   {"BotoCopiarValors", "COPIAR", "N"},
                                   {"BotoCopiarPaper", "COPIAR", "P"},
                                   {"BotoEnganxar", "ENGANXAR", ""},
                                   {"BotoEnganxarMes", "ENGANXAR", "+"},
                                   {"BotoPropietats", "UTILITATS", ""}};
        for (int i = 0; i < 10; ++i) {
            const QPoint at = i < 4 ? QPoint(5 + 25 * i, 2) : QPoint(5 + 25 * (i - 4), 27);
            ToolButton(buttons, glyphs[i][0], at, glyphs[i][1], glyphs[i][2]);
        }
        ToolButton(back, "BotoSortir", QPoint(330, 7), "SORTIR");
        auto* pts = new TBotoPetit(buttons);
        pts->setObjectName(QStringLiteral("BotoPts"));
        pts->setGeometry(116, 1, 24, 24);
        pts->SetCaption("Pt");
        auto* euros = new TBotoPetit(buttons);
        euros->setObjectName(QStringLiteral("BotoEuros"));
        euros->setGeometry(141, 1, 24, 24);
        euros->SetCaption("€");
        euros->SetDown(true);

        auto* onOff = new TBotoPetit(back);
        onOff->setObjectName(QStringLiteral("BotoArrodonir"));
        onOff->setGeometry(150, 65, 60, 24);
        onOff->SetEstilBoto(ebSiNoColor);
        onOff->SetCaptionOn("Arrodonir");
        onOff->SetCaptionOff("Exacte");
        auto* onOffOff = new TBotoPetit(back);
        onOffOff->setObjectName(QStringLiteral("BotoArrodonirOff"));
        onOffOff->setGeometry(215, 65, 60, 24);
        onOffOff->SetEstilBoto(ebSiNoColor);
        onOffOff->SetCaptionOn("Arrodonir");
        onOffOff->SetCaptionOff("Exacte");
        onOffOff->SetEstat(false);
        ToolButton(back, "BotoDesactivat", QPoint(280, 65), "COPIAR", "R")->setEnabled(false);

        TPanelEx* loan = Panel(back, "PanelCalcul1", QRect(150, 95, 206, 130));
        ValueField(loan, "Capital1", 6, "Capital", "10000000", TDisplayFormat::Hundredths);
        ValueField(loan, "Interes1", 26, "Interès (%)", "4,75", TDisplayFormat::Number);
        ValueField(loan, "Anys1", 46, "Anys", "15", TDisplayFormat::Number);
        editing = ValueField(loan, "Mesos1", 66, "Mesos", "180", TDisplayFormat::Number);
        TPanelEx* quota =
            ValueField(loan, "Quota1", 86, "Quota", "77783", TDisplayFormat::Hundredths);
        quota->SetFontColor(clFuchsia);
        quota->setFont(FormFont("MS Sans Serif", 8, true));

        TPanelEx* dateBox = Panel(back, "CData", QRect(5, 180, 140, 31));
        dateBox->SetBevelOuter(bvNone);
        dateBox->SetAlignment(Qt::AlignLeft);
        dateBox->SetCaption("Data");
        dateBox->SetMargeSup(8);
        dateBox->SetMargeEsq(5);
        auto* date = new TDataCalendari(dateBox);
        date->setObjectName(QStringLiteral("Data"));
        date->setGeometry(40, 5, 91, 21);
        date->SetDateText("20240315");

        auto* excel = new TBotoPetit(back);
        excel->setObjectName(QStringLiteral("BotoCopiar"));
        excel->setGeometry(360, 200, 110, 24);
        excel->SetCaption("Copiar Excel");
        excel->SetResBitmap("EXCEL");
        excel->SetNumGlyphs(2);
        excel->setFont(FormFont("Arial", 8));
        excel->SetFontColor(clNavy);
    }

    QWidget form;
    TPanelEx* editing = nullptr;
};

TEST(SampleForm, RendersEveryControlAndIsSavedForALook) {
    SampleForm sample;
    sample.form.show();
    sample.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sample.form));
    sample.editing->StartEditing();
    QTest::keyClick(sample.editing->Editor(), Qt::Key_End);
    QCoreApplication::processEvents();

    const QImage shot = sample.form.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(480, 250));
    const QString path = QDir(QStringLiteral(BRIMSUM_SCREENSHOT_DIR)).filePath("sample_form.png");
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    // The "7" key's gradient starts lime below its two-pixel bevel.
    EXPECT_EQ(shot.pixel(5 + 55 + 3, 35 + 5 + 2), qRgb(0, 255, 0));
}

}  // namespace
