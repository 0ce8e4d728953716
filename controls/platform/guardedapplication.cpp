#include "controls/platform/guardedapplication.h"

#include <exception>

#include "basic/platformerror.h"
#include "controls/platform/messagebox.h"

TGuardedApplication::TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const SilentAbort&) {
    } catch (const std::exception& error) {
        ShowMessageBox(activeWindow(), error.what(), applicationName().toStdString());
    } catch (...) {
        ShowMessageBox(activeWindow(), "Error desconegut", applicationName().toStdString());
    }
    return true;
}
