#pragma once

// A TBotoPetit as assistive technology sees it: a button named by its
// caption, or by its hint when it shows only a glyph ("Esborrar Paper" of the
// hint "Esborrar Paper [F8]", whose F8 is the key that does the same). An
// on/off button is a check box checked while on.

#include "controls/accessibility/hintedaccessible.h"
#include "controls/button/botopetit.h"

class TBotoPetitAccessible : public THintedAccessible {
public:
    explicit TBotoPetitAccessible(TBotoPetit* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QString Name() const override;
    QString Hint() const override;

private:
    TBotoPetit* Button() const;
    bool IsToggle() const;
};
