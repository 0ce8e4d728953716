#include "controls/accessibility/datefieldaccessible.h"

#include <QLineEdit>

TDateFieldAccessible::TDateFieldAccessible(TDataCalendari* field)
    : QAccessibleWidget(field, QAccessible::ComboBox) {}

TDataCalendari* TDateFieldAccessible::Field() const {
    return static_cast<TDataCalendari*>(widget());
}

QString TDateFieldAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name: {
            if (!Field()->accessibleName().isEmpty()) return Field()->accessibleName();
            QAccessibleInterface* group = parent();
            return group != nullptr ? group->text(QAccessible::Name) : QString();
        }
        case QAccessible::Value:
            return Field()->Editor()->text();
        default:
            return QAccessibleWidget::text(t);
    }
}
