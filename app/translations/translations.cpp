#include "app/translations/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("brimsum"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}
