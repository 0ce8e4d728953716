// Brimsum: the program entry. One main window, the tape calculator; the
// program ends when it closes. Any number of copies may run at once.

#include "app/terminationsignals.h"
#include "calculator/calculadora.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/fonts.h"
#include "controls/platform/guardedapplication.h"

int main(int argc, char* argv[]) {
    TGuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentabo - Tarvik"));
    QApplication::setFont(FormFont());

    TCalculadora window;
    CloseOnTerminationSignals(window);
    // The desktop session is ending: the tape is saved now, in case the
    // program is not given the time to close.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { RunGuarded(&window, [&window] { window.WriteSettings(); }); });
    window.show();
    return QApplication::exec();
}
