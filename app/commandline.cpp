#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <iostream>

#include "basic/stringlists.h"
#include "calculator/calculadora.h"
#include "tape/tapedocument.h"
#include "tape/tapehistory.h"
#include "tapefiles/storedtape.h"
#include "tapefiles/tapeexport.h"

namespace {

constexpr int kExportFailed = 1;
constexpr int kUsageError = 2;

struct TOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Mostra aquesta ajuda.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Mostra la versió.")};
    QCommandLineOption exportFile{
        QStringLiteral("export"),
        QStringLiteral("Escriu la cinta desada (la de Brimsum.Ini) a <fitxer>, en PDF, CSV o "
                       "fitxer de cinta segons l'extensió (.pdf, .csv o .txt), i acaba sense "
                       "obrir cap finestra."),
        QStringLiteral("fitxer")};
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
             {&options.help, &options.version, &options.exportFile}) {
            if (option->names().contains(name)) return true;
        }
    }
    return false;
}

int UsageError(const QString& message) {
    std::cerr << "Brimsum: " << message.toStdString() << "\n"
              << "Vegeu «Brimsum --help».\n";
    return kUsageError;
}

// The settings file is read as it is, and a missing one is an empty tape;
// its folder is not made.
int ExportStoredTape(int argc, char* argv[], const QString& file) {
    // No window is shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const std::string settings = TCalculadora::SettingsFileName(false);
        TArrayCadena lines;
        if (QFile::exists(QString::fromStdString(settings))) lines.LoadFromFile(settings);
        TTapeLines stored = StoredTape(lines);
        TTapeDocument tape;
        tape.ReplaceRows(std::move(stored.rows), stored.linkField);
        ExportTape(tape, StoredDecimals(lines).value_or(TTapeOptions().decimals),
                   file.toStdString());
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "Brimsum: " << error.what() << "\n";
        return kExportFailed;
    }
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculadora de cinta per a l'aritmètica del petit comerç. Sense opcions, "
                       "obre la finestra de la calculadora."));
    const TOptions options;
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.exportFile);
    const bool parsed = parser.parse(Arguments(argc, argv));
    if (!AsksForAnyOf(parser, options)) return std::nullopt;
    if (!parsed) return UsageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return UsageError(
            QStringLiteral("no s'esperava «%1».").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(options.help)) {
        QCoreApplication app(argc, argv);
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(options.version)) {
        std::cout << "Brimsum " BRIMSUM_VERSION "\n";
        return 0;
    }
    return ExportStoredTape(argc, argv, parser.value(options.exportFile));
}
