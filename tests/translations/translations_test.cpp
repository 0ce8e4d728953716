// The program speaks the desktop's language: Catalan by default and for a
// language without a translation, Spanish and English from the translations
// built into it, while numbers keep following the region.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/translations/translations.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "calculator/calculadora.h"
#include "controls/button/botopetit.h"
#include "controls/panel/panelex.h"
#include "tape/tapeengine.h"
#include "tests/support/tablecases.h"

namespace {

struct LanguageCase {
    const char* name;
    const char* locale;
    bool installed;
    const char* title;       // before the year
    const char* clearHint;   // the clear button's
    const char* rateCaption;
    const char* commaError;  // a lone comma read as a number
    friend std::ostream& operator<<(std::ostream& os, const LanguageCase& c) { return os << c.name; }
};

class TranslationsTest : public testing::TestWithParam<LanguageCase> {
protected:
    ~TranslationsTest() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

TEST_P(TranslationsTest, TheWindowSpeaksTheDesktopsLanguage) {
    const LanguageCase& c = GetParam();
    EXPECT_EQ(InstallTranslations(*qApp, QLocale(QString::fromLatin1(c.locale))), c.installed);
    auto window = std::make_unique<TCalculadora>();
    EXPECT_EQ(window->windowTitle(),
              QString::fromUtf8(c.title) + QString::number(QDate::currentDate().year()));
    EXPECT_EQ(window->findChild<TBotoPetit*>("BotoNetejar")->toolTip(), QString::fromUtf8(c.clearHint));
    EXPECT_EQ(window->findChild<TPanelEx*>("TeclaQuinIva")->Caption(), c.rateCaption);
    try {
        TextToFloat(",");
        ADD_FAILURE() << "a lone comma was read";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), c.commaError);
    }
    // Numbers follow the region (Catalan in the tests), whatever the language.
    EXPECT_EQ(FormatNumber(1234.5, 2), "1.234,50");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslationsTest,
    testing::Values(
        LanguageCase{"CatalanByDefault", "ca_ES", false, "Zentabo - Tarvik - Calculadora ",
                     "Esborrar Paper [F8]", "21%Iva", "'.' is not a valid floating point value"},
        LanguageCase{"Spanish", "es_ES", true, "Zentabo - Tarvik - Calculadora ",
                     "Borrar papel [F8]", "21%IVA", "'.' no es un valor numérico válido"},
        LanguageCase{"English", "en_GB", true, "Zentabo - Tarvik - Calculator ",
                     "Clear the tape [F8]", "21%VAT", "'.' is not a valid floating point value"},
        LanguageCase{"NoTranslationStaysCatalan", "fr_FR", false, "Zentabo - Tarvik - Calculadora ",
                     "Esborrar Paper [F8]", "21%Iva", "'.' is not a valid floating point value"}),
    CaseName<LanguageCase>);

}  // namespace
