#include "controls/platform/guardedapplication.h"

#include "controls/platform/eventguard.h"

TGuardedApplication::TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = true;
    RunGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
