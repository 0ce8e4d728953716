#include "controls/accessibility/accessibility.h"

#include <QAccessible>

#include <QString>
#include <QWidget>
#include "controls/accessibility/announcer.h"

#include "controls/accessibility/buttonaccessible.h"
#include "controls/accessibility/datefieldaccessible.h"
#include "controls/accessibility/panelaccessible.h"

namespace {

// Asked for each class of an object from the most derived one up; the first
// interface given wins over Qt's own.
QAccessibleInterface* ControlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("TPanelEx")) {
        if (auto* panel = qobject_cast<TPanelEx*>(object)) return new TPanelAccessible(panel);
    } else if (className == QLatin1String("TBotoPetit")) {
        if (auto* button = qobject_cast<TBotoPetit*>(object))
            return new TBotoPetitAccessible(button);
    } else if (className == QLatin1String("TDataCalendari")) {
        if (auto* field = qobject_cast<TDataCalendari*>(object))
            return new TDateFieldAccessible(field);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(ControlInterface), true);
    (void)installed;
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

QString AccessibleShownText(QObject* control) {
    if (!QAccessible::isActive()) return {};
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    QAccessibleTextInterface* text = iface != nullptr ? iface->textInterface() : nullptr;
    return text != nullptr ? text->text(0, text->characterCount()) : QString();
}

void NotifyAccessibleTextChanged(QObject* control, const QString& shownBefore) {
    if (QAccessible::isActive()) TAccessibleAnnouncer::Instance().Schedule(control, shownBefore);
}
