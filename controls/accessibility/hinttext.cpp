#include "controls/accessibility/hinttext.h"

namespace {

// Where the closing "[...]" starts, or -1.
qsizetype KeyStart(const QString& hint) {
    const QString trimmed = hint.trimmed();
    if (!trimmed.endsWith(QLatin1Char(']'))) return -1;
    const qsizetype open = trimmed.lastIndexOf(QLatin1Char('['));
    return open > 0 ? open : -1;
}

}  // namespace

QString HintName(const QString& hint) {
    const qsizetype start = KeyStart(hint);
    return (start < 0 ? hint : hint.trimmed().left(start)).simplified();
}

QString HintKey(const QString& hint) {
    const qsizetype start = KeyStart(hint);
    if (start < 0) return {};
    const QString trimmed = hint.trimmed();
    return trimmed.mid(start + 1, trimmed.size() - start - 2).trimmed();
}
