#pragma once

// A TPanelEx as assistive technology sees it. What the panel is follows from
// how the window uses it, asked afresh each time:
//
//   Kind    | the panel                          | role        | name            | value
//   Field   | is Editable                        | EditableText| its label       | the caption
//   Key     | has an OnClick handler             | Button      | the caption     |
//   Group   | holds other controls               | Grouping    | the caption     |
//   Display | has a label and shows a value      | StaticText  | its label       | the caption
//   Text    | anything else                      | StaticText  | the caption     |
//
// A panel's label is its accessibleName, else the caption of the captioned
// panel around it ("Capital" around the field Capital1), else its hint. A name
// that would be empty falls back to the hint too. Fields and keys can be
// pressed: a key fires its click, a field opens its editor. A field or display
// also gives its value as a read-only text, whose changes are told as text
// changes (the subtotal, the entry).

#include "controls/accessibility/hintedaccessible.h"
#include "controls/accessibility/readonlytext.h"
#include "controls/panel/panelex.h"

class TPanelAccessible : public THintedAccessible, public TReadOnlyText {
public:
    enum class TKind { Field, Key, Group, Display, Text };

    explicit TPanelAccessible(TPanelEx* panel);

    TKind Kind() const;

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    void* interface_cast(QAccessible::InterfaceType t) override;

protected:
    QString Name() const override;
    QString Hint() const override;
    QString OtherText(QAccessible::Text t) const override;
    QString ShownText() const override;

private:
    TPanelEx* Panel() const;
    // The caption as shown, on one line.
    QString Caption() const;
    QString Label() const;
    bool CanBePressed() const;
    bool ShowsValue() const;
};
