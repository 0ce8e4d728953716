#include "controls/platform/fonts.h"

#include <QStringList>
#include <cmath>

#include "basic/texttools.h"

namespace {

QStringList FamiliesFor(const std::string& family) {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const std::string name = UpperCaseAscii(TrimBlanks(family));
    for (const char* windowsSans :
         {"MS SANS SERIF", "MICROSOFT SANS SERIF", "ARIAL", "TAHOMA", "VERDANA", "SEGOE UI", ""}) {
        if (name == windowsSans) return sans;
    }
    return QStringList{QString::fromStdString(family)} + sans;
}

}  // namespace

QFont FormFont(const std::string& family, int points, bool bold) {
    QFont font;
    font.setFamilies(FamiliesFor(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}
