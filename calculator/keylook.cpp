#include "calculator/keylook.h"

#include "calculator/commandtable.h"
#include "controls/panel/panelex.h"
#include "controls/platform/fonts.h"

namespace {

constexpr TColor kOperatorGradient = RGBColor(190, 205, 235);
constexpr TColor kEntryGradient = RGBColor(176, 255, 176);

}  // namespace

TPanelEx* NewPanel(QWidget* parent, const char* name, QRect place) {
    auto* panel = new TPanelEx(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    return panel;
}

TPanelEx* NewKey(QWidget* parent, const TCommand& command, QRect place) {
    TPanelEx* key = NewPanel(parent, command.name, place);
    key->SetCaption(CommandCaption(command).toStdString());
    key->SetLayout(tlCenter);
    key->SetEfectes(true);
    return key;
}

void MakeNumberDisplay(TPanelEx* display, TColor background, int points) {
    display->SetColor(background);
    display->SetBevelOuter(bvLowered);
    display->SetAlignment(Qt::AlignRight);
    display->SetLayout(tlCenter);
    display->SetMargeDrt(10);
    display->SetFontColor(clBlue);
    display->setFont(FormFont("MS Sans Serif", points, true));
}

void MakeKey(TPanelEx* key, TColor face, TColor lower, int points) {
    const QColor colour = ToQColor(face);
    key->SetBevelOuter(bvNone);
    key->SetBevelInner(bvRaised);
    key->SetBevelWidth(2);
    key->SetSelected(true);
    key->SetColorSelected(face);
    key->SetColorHighSelected(FromQColor(colour.lighter(135)));
    key->SetColorShadowSelected(FromQColor(colour.darker(160)));
    key->SetSn_Gradient(true);
    key->SetEstilGradient(fxVertical);
    key->SetColorGradient(lower);
    key->SetFontColor(clBlue);
    key->setFont(FormFont("MS Sans Serif", points, true));
}

void MakeEntryKey(TPanelEx* key, int points) {
    MakeKey(key, clLime, kEntryGradient, points);
}

void MakeOperatorKey(TPanelEx* key, int points) {
    MakeKey(key, clWhite, kOperatorGradient, points);
}
