#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <iostream>

#include "app/translations/translations.h"
#include "basic/platformerror.h"
#include "calculator/calculadora.h"
#include "calculator/settingsfile.h"
#include "calculator/settingsstore.h"
#include "calculator/tapeset.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapeexport.h"

namespace {

constexpr int kExportFailed = 1;
constexpr int kUsageError = 2;

QString Text(const char* text) {
    return QCoreApplication::translate("Brimsum", text);
}

// Built once the application and its translation are there.
struct TOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Text(QT_TRANSLATE_NOOP("Brimsum", "Mostra aquesta ajuda."))};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               Text(QT_TRANSLATE_NOOP("Brimsum", "Mostra la versió."))};
    QCommandLineOption exportFile{
        QStringLiteral("export"),
        Text(QT_TRANSLATE_NOOP("Brimsum",
                               "Escriu la cinta desada (la de Brimsum.Ini) a <fitxer>, en PDF, "
                               "CSV o fitxer de cinta segons l'extensió (.pdf, .csv o .txt), i "
                               "acaba sense obrir cap finestra.")),
        Text(QT_TRANSLATE_NOOP("Brimsum", "fitxer"))};
    QCommandLineOption tape{
        QStringLiteral("tape"),
        Text(QT_TRANSLATE_NOOP("Brimsum",
                               "Amb --export, escriu la cinta oberta que té aquest <nom> a la "
                               "pestanya en lloc de la primera.")),
        Text(QT_TRANSLATE_NOOP("Brimsum", "nom"))};
};

// What the command line asks to export.
struct TExportRequest {
    QString file;
    // The tab's name; empty for the first tape.
    QString tape;
};

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool AsksForAnyOf(const QCommandLineParser& parser, const TOptions& options) {
    for (const QString& name : parser.optionNames()) {
        for (const QCommandLineOption* option :
             {&options.help, &options.version, &options.exportFile, &options.tape}) {
            if (option->names().contains(name)) return true;
        }
    }
    return false;
}

// Qt's own messages are no business of an export's user: the offscreen
// platform's start, for one, warns where XDG_RUNTIME_DIR is unset. Only
// critical and fatal ones (a fatal one ends the program) still go out.
void CriticalQtMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "Brimsum: " << message.toLocal8Bit().toStdString() << "\n";
}

int UsageError(const QString& message) {
    std::cerr << "Brimsum: " << message.toStdString() << "\n"
              << Text(QT_TRANSLATE_NOOP("Brimsum", "Vegeu «Brimsum --help».")).toStdString()
              << "\n";
    return kUsageError;
}

// The tape of a file and its journal, as the next start reads them; the
// decimals are the settings file's (the options are the calculator's).
void LoadKeptTape(const std::string& path, TSettingsStore::TBase base, TTapeDocument& tape) {
    TSettingsStore store(path, base);
    TStoredSettings stored = store.Load();
    LoadStoredTape(stored, tape);
    store.Replay(tape, stored);
}

// The settings file (or a second tape's file) is read as the next start reads
// it, with the changes its journal holds (a session that ended in a crash is
// exported whole); a missing file is an empty tape. Nothing is written and no
// folder is made.
int ExportStoredTape(int argc, char* argv[], const TExportRequest& request) {
    // No window is shown, so no display is needed, and standard error gets
    // nothing but the export's own errors.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(CriticalQtMessagesOnly);
    QGuiApplication app(argc, argv);
    InstallTranslations(app, QLocale::system());
    try {
        const std::string settingsPath = TCalculadora::SettingsFileName(false);
        TSettingsStore settings(settingsPath);
        TStoredSettings stored = settings.Load();
        TTapeDocument first;
        LoadStoredTape(stored, first);
        settings.Replay(first, stored);
        TTapeDocument other;
        const TTapeDocument* tape = &first;
        if (!request.tape.isEmpty()) {
            const std::string folder = TTapeSet::DefaultFolder();
            const std::optional<std::string> file =
                TTapeSet::ListedFile(folder, request.tape.toStdString());
            if (!file)
                throw PlatformError(
                    Text(QT_TRANSLATE_NOOP("Brimsum", "no hi ha cap cinta oberta anomenada «%1»."))
                        .arg(request.tape)
                        .toStdString());
            if (!file->empty()) {
                LoadKeptTape(folder + '/' + *file, TSettingsStore::TBase::TapeFile, other);
                tape = &other;
            }
        }
        ExportTape(*tape, stored.decimals.value_or(TTapeOptions().decimals),
                   request.file.toStdString());
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "Brimsum: " << error.what() << "\n";
        return kExportFailed;
    }
}

}  // namespace

namespace {

// A status when the options are answered here; otherwise the file to export
// to, or nothing when the window is to start.
std::optional<int> ReadOptions(int argc, char* argv[], std::optional<TExportRequest>& request) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text(QT_TRANSLATE_NOOP("Brimsum",
                               "Calculadora de cinta per a l'aritmètica del petit comerç. Sense "
                               "opcions, obre la finestra de la calculadora.")));
    const TOptions options;
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.exportFile);
    parser.addOption(options.tape);
    const bool parsed = parser.parse(Arguments(argc, argv));
    if (!AsksForAnyOf(parser, options)) return std::nullopt;
    if (!parsed) return UsageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return UsageError(Text(QT_TRANSLATE_NOOP("Brimsum", "no s'esperava «%1»."))
                              .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(options.help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(options.version)) {
        std::cout << "Brimsum " BRIMSUM_VERSION "\n";
        return 0;
    }
    if (!parser.isSet(options.exportFile))
        return UsageError(Text(QT_TRANSLATE_NOOP("Brimsum", "--tape va amb --export.")));
    request = TExportRequest{parser.value(options.exportFile), parser.value(options.tape)};
    return std::nullopt;
}

}  // namespace

// The options are read by an application of their own, which speaks the
// desktop's language; a start without options needs none.
std::optional<int> RunCommandLine(int argc, char* argv[]) {
    if (argc < 2) return std::nullopt;
    std::optional<TExportRequest> request;
    {
        int count = argc;
        QCoreApplication app(count, argv);
        InstallTranslations(app, QLocale::system());
        const std::optional<int> status = ReadOptions(argc, argv, request);
        if (!request) return status;
    }
    return ExportStoredTape(argc, argv, *request);
}
