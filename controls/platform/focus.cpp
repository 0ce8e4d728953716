#include "controls/platform/focus.h"

#include <QFocusEvent>

bool FocusStaysInForm(const QFocusEvent& event) {
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}
