#include "controls/platform/eventguard.h"

#include <QCoreApplication>
#include <stdexcept>

#include "basic/platformerror.h"
#include "basic/translation.h"
#include "controls/platform/messagebox.h"

bool RunGuarded(QWidget* owner, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const SilentAbort&) {
    } catch (const std::exception& error) {
        ShowError(owner, error);
    } catch (...) {
        ShowError(owner, std::runtime_error(Tr("TamComponents", "Error desconegut")));
    }
    return false;
}

void ShowError(QWidget* owner, const std::exception& error) {
    ShowMessageBox(owner, error.what(), QCoreApplication::applicationName().toStdString());
}
