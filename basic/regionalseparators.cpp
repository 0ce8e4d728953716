#include "basic/regionalseparators.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace {

struct CachedSeparators {
    QLocale locale;
    RegionalSeparators separators;
};

RegionalSeparators SeparatorsOf(const QLocale& locale) {
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

}  // namespace

const RegionalSeparators& CurrentSeparators() {
    // Per thread, so that no lock is needed; comparing two locales is cheap.
    thread_local std::optional<CachedSeparators> cache;
    const QLocale locale;
    if (!cache || cache->locale != locale) cache = CachedSeparators{locale, SeparatorsOf(locale)};
    return cache->separators;
}
