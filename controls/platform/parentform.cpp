#include "controls/platform/parentform.h"

#include <QWidget>

QWidget* ParentForm(const QObject* control) {
    if (control == nullptr) return nullptr;
    for (QObject* owner = control->parent(); owner != nullptr; owner = owner->parent()) {
        auto* widget = qobject_cast<QWidget*>(owner);
        if (widget != nullptr && widget->isWindow()) return widget;
    }
    return nullptr;
}
