#include "app/translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// Installs a translator that `load` fills; false when it finds no file, or
// one without a text.
template <typename TLoad>
bool Install(QCoreApplication& app, TLoad load) {
    auto translator = std::make_unique<QTranslator>(&app);
    if (!load(*translator) || translator->isEmpty() ||
        !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    translator.release();  // the application owns it
    return true;
}

}  // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    QLocale spoken(QLocale::Catalan);
    bool translated = false;
    for (const QString& name : locale.uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::Catalan) break;
        translated = Install(app, [&wanted](QTranslator& translator) {
            return translator.load(wanted, QStringLiteral("brimsum"), QStringLiteral("_"),
                                   QStringLiteral(":/i18n"));
        });
        if (translated) {
            spoken = wanted;
            break;
        }
    }
    // Qt's own texts (its file and print dialogs, the command line's usage)
    // in the same language, found by the language's code (qtbase_ca.qm)
    // without a search through the locale's variants; English has none.
    const QString qtFile = QStringLiteral("qtbase_") + QLocale::languageToCode(spoken.language());
    Install(app, [&qtFile](QTranslator& translator) {
        return translator.load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return translated;
}
