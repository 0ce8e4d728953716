#include "controls/platform/eventguard.h"

#include <QCoreApplication>

#include "basic/platformerror.h"
#include "controls/platform/messagebox.h"

void RunGuarded(QWidget* owner, const std::function<void()>& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        ShowMessageBox(owner, error.what(), QCoreApplication::applicationName().toStdString());
    } catch (const SilentAbort&) {
    }
}
