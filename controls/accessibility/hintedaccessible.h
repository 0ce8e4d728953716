#pragma once

// What the program's controls with a hint have in common for assistive
// technology: the hint ("Esborrar Paper [F8]") describes the control unless
// it already is its name, and its bracketed key is the key of the press
// action. Each control says what its name and its hint are.

#include <QAccessibleWidget>

class THintedAccessible : public QAccessibleWidget {
public:
    THintedAccessible(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    virtual QString Name() const = 0;
    // The whole hint, key included.
    virtual QString Hint() const = 0;
    // Other texts than name, description and key.
    virtual QString OtherText(QAccessible::Text t) const;
};
