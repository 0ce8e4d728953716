// Brimsum: the program entry. One main window, the tape calculator; the
// program ends when it closes. One program runs per settings file: a second
// start brings the running program's window to the front, with its
// desktop's activation token, and ends. The
// command line's requests (--export, --help, --version) are answered first,
// without a window.

#include <QLocale>

#include "app/commandline.h"
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "app/translations/translations.h"
#include "basic/platformerror.h"
#include "basic/translation.h"
#include "calculator/calculadora.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/focus.h"
#include "controls/platform/fonts.h"
#include "controls/platform/guardedapplication.h"
#include "controls/platform/messagebox.h"

namespace {

// The exit status of a start that found a running program not answering.
constexpr int kNoAnswerStatus = 1;

// Empty when the settings folder cannot be made; the window reports that.
std::string SettingsFile() {
    try {
        return TCalculadora::SettingsFileName(true);
    } catch (const PlatformError&) {
        return {};
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = RunCommandLine(argc, argv)) return *status;
    // Before the application: Qt's X11 platform takes the startup id away.
    const TActivationToken activation = TActivationToken::FromEnvironment();
    TGuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentabo - Tarvik"));
    InstallTranslations(app, QLocale::system());
    QApplication::setFont(FormFont());

    TSingleInstance instance(SettingsFile());
    switch (instance.Start(activation)) {
        case TSingleInstance::TStart::First:
            break;
        case TSingleInstance::TStart::HandedOver:
            return 0;
        case TSingleInstance::TStart::NoAnswer:
            ShowMessageBox(nullptr, Tr("Brimsum",
                                       "La calculadora ja és oberta, però no respon.#13"
                                       "Torneu-ho a provar d'aquí a una estona."));
            return kNoAnswerStatus;
    }

    TCalculadora window;
    CloseOnTerminationSignals(window);
    QObject::connect(
        &instance, &TSingleInstance::ActivationRequested, &window,
        [&window](const TActivationToken& token) { BringToFrontForAnotherProgram(window, token); });
    // The socket closes with the event loop; the lock goes only after the
    // window has written the settings file.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &instance,
                     &TSingleInstance::StopListening);
    // The desktop session is ending: the tape is saved now, in case the
    // program is not given the time to close.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { RunGuarded(&window, [&window] { window.WriteSettings(); }); });
    window.show();
    return QApplication::exec();
}
