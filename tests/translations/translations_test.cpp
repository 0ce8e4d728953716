// The program speaks the desktop's language: Catalan by default and for a
// language without a translation, Spanish and English from the translations
// built into it, while numbers keep following the region. Qt's own dialogs
// speak the same language, from the system's Qt translations.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/translations/translations.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "calculator/calculadora.h"
#include "controls/button/botopetit.h"
#include "controls/panel/panelex.h"
#include "controls/platform/filedialogs.h"
#include "tape/tapeengine.h"
#include "tests/support/tablecases.h"
#include "tests/support/testenvironment.h"

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

// Removes the translations a test installed.
class WithTranslations : public testing::Test {
protected:
    ~WithTranslations() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

class TranslationsTest : public WithTranslations,
                         public testing::WithParamInterface<LanguageCase> {};

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

// The texts of the buttons and labels of the dialog that `open` shows, read
// once it is open; the dialog is then cancelled.
QStringList TextsOfDialog(const std::function<void()>& open) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll.stop();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        dialog->reject();
    });
    poll.start(5);
    open();
    return texts;
}

struct DialogCase {
    const char* name;
    const char* locale;
    std::vector<const char*> print;  // button texts of the print dialog
    std::vector<const char*> save;   // texts of the file dialog that saves
    friend std::ostream& operator<<(std::ostream& os, const DialogCase& c) { return os << c.name; }
};

class QtDialogsTest : public WithTranslations, public testing::WithParamInterface<DialogCase> {};

// Qt's own dialogs, as the program opens them, speak the program's language.
TEST_P(QtDialogsTest, SpeakTheProgramsLanguage) {
    const DialogCase& c = GetParam();
    InstallTranslations(*qApp, QLocale(QString::fromLatin1(c.locale)));
    QPrinter printer;
    const QStringList print = TextsOfDialog([&printer] { ChoosePrinter(nullptr, printer); });
    for (const char* text : c.print)
        EXPECT_TRUE(print.contains(QString::fromUtf8(text)))
            << text << " in " << print.join(QChar(0x7c)).toStdString();
    TFileDialogRequest request;
    request.kind = TFileDialogRequest::TKind::Save;
    request.proposed = TestDataHome() + std::string("/cinta.txt");
    request.filter = "Cintes (*.txt)";
    const QStringList save = TextsOfDialog([&request] { ChooseFile(request); });
    for (const char* text : c.save)
        EXPECT_TRUE(save.contains(QString::fromUtf8(text)))
            << text << " in " << save.join(QChar(0x7c)).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, QtDialogsTest,
                         testing::Values(DialogCase{"Catalan",
                                                    "ca_ES",
                                                    {"Im&primeix", "&Opcions >>", "Cancel·la"},
                                                    {"De&sa", "Cancel·la", "&Nom de fitxer:"}},
                                         DialogCase{
                                             "Spanish",
                                             "es_ES",
                                             {"Im&primir", "&Opciones >>", "Cancelar"},
                                             {"&Guardar", "Cancelar", "&Nombre de fichero:"}},
                                         DialogCase{"EnglishStaysEnglish",
                                                    "en_GB",
                                                    {"&Print", "&Options >>", "Cancel"},
                                                    {"&Save", "Cancel", "File &name:"}}),
                         CaseName<DialogCase>);

}  // namespace
