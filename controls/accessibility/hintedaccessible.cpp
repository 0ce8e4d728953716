#include "controls/accessibility/hintedaccessible.h"

#include "controls/accessibility/hinttext.h"

THintedAccessible::THintedAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString THintedAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return Name();
        case QAccessible::Description: {
            const QString hint = Hint();
            return HintName(hint) == Name() ? QString() : hint;
        }
        case QAccessible::Accelerator:
            return HintKey(Hint());
        default:
            return OtherText(t);
    }
}

QString THintedAccessible::OtherText(QAccessible::Text t) const {
    return QAccessibleWidget::text(t);
}

QStringList THintedAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString key = HintKey(Hint());
    if (actionName == pressAction() && !key.isEmpty()) return {key};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
