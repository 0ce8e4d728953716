#include "controls/platform/colorref.h"

#include <QGuiApplication>
#include <QPalette>
#include <optional>

namespace {

// The classic desktop values, used when no GUI application (and so no
// palette) exists, and for the system colours a palette has no role for.
TColor ClassicSystemColor(int index) {
    switch (index) {
        case 0: return RGBColor(200, 200, 200);   // scroll bar
        case 1: return RGBColor(0, 128, 128);     // desktop
        case 5: return clWhite;                   // window
        case 6: return clBlack;                   // window frame
        case 7: case 8: case 18: case 23: return clBlack;  // texts
        case 13: return RGBColor(0, 120, 215);    // highlight
        case 14: return clWhite;                  // highlight text
        case 16: return RGBColor(160, 160, 160);  // button shadow
        case 17: return RGBColor(109, 109, 109);  // grey text
        case 20: return clWhite;                  // button highlight
        case 21: return RGBColor(105, 105, 105);  // 3D dark shadow
        case 22: return RGBColor(227, 227, 227);  // 3D light
        case 24: return RGBColor(255, 255, 225);  // tooltip background
        default: return RGBColor(240, 240, 240);  // button face and the rest
    }
}

std::optional<QPalette::ColorRole> PaletteRole(int index) {
    switch (index) {
        case 5: return QPalette::Base;
        case 7: case 8: return QPalette::WindowText;
        case 13: return QPalette::Highlight;
        case 14: return QPalette::HighlightedText;
        case 15: return QPalette::Button;
        case 16: return QPalette::Mid;
        case 18: return QPalette::ButtonText;
        case 20: return QPalette::Light;
        case 21: return QPalette::Shadow;
        case 22: return QPalette::Midlight;
        case 23: return QPalette::ToolTipText;
        case 24: return QPalette::ToolTipBase;
        default: return std::nullopt;
    }
}

}  // namespace

TColor ResolveColor(TColor color) {
    if (!IsSystemColor(color)) return color & 0x00FFFFFFu;
    const int index = static_cast<int>(color & 0xFFu);
    const auto role = PaletteRole(index);
    if (role && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        return FromQColor(QGuiApplication::palette().color(*role));
    }
    return ClassicSystemColor(index);
}

QColor ToQColor(TColor color) {
    const TColor rgb = ResolveColor(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}
