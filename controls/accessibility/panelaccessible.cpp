#include "controls/accessibility/panelaccessible.h"

#include "controls/accessibility/hinttext.h"
#include "controls/platform/eventguard.h"

namespace {

bool HoldsControls(const QWidget* widget) {
    for (const QObject* child : widget->children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control != nullptr && !control->isWindow() && !control->inherits("QLineEdit"))
            return true;
    }
    return false;
}

}  // namespace

TPanelAccessible::TPanelAccessible(TPanelEx* panel)
    : THintedAccessible(panel, QAccessible::Client) {}

TPanelEx* TPanelAccessible::Panel() const {
    return static_cast<TPanelEx*>(widget());
}

TPanelAccessible::TKind TPanelAccessible::Kind() const {
    const TPanelEx* panel = Panel();
    if (panel->Editable()) return TKind::Field;
    if (panel->OnClick) return TKind::Key;
    if (HoldsControls(panel)) return TKind::Group;
    const QString label = Label();
    if (!label.isEmpty() && label != HintName(Hint())) return TKind::Display;
    return TKind::Text;
}

QString TPanelAccessible::Caption() const {
    return QString::fromStdString(Panel()->DisplayText()).simplified();
}

QString TPanelAccessible::Hint() const {
    return Panel()->toolTip();
}

QString TPanelAccessible::Label() const {
    if (!Panel()->accessibleName().isEmpty()) return Panel()->accessibleName();
    if (const auto* box = qobject_cast<const TPanelEx*>(Panel()->parentWidget())) {
        const QString caption = QString::fromStdString(box->DisplayText()).simplified();
        if (!caption.isEmpty()) return caption;
    }
    return HintName(Hint());
}

QString TPanelAccessible::Name() const {
    switch (Kind()) {
        case TKind::Field:
        case TKind::Display:
            return Label();
        case TKind::Key:
        case TKind::Group:
        case TKind::Text:
            break;
    }
    if (!Panel()->accessibleName().isEmpty()) return Panel()->accessibleName();
    const QString caption = Caption();
    return caption.isEmpty() ? HintName(Hint()) : caption;
}

QAccessible::Role TPanelAccessible::role() const {
    switch (Kind()) {
        case TKind::Field:
            return QAccessible::EditableText;
        case TKind::Key:
            return QAccessible::Button;
        case TKind::Group:
            return QAccessible::Grouping;
        case TKind::Display:
        case TKind::Text:
            break;
    }
    return QAccessible::StaticText;
}

QAccessible::State TPanelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const TKind kind = Kind();
    if (kind == TKind::Field) state.editable = true;
    if (kind == TKind::Display || kind == TKind::Text) state.readOnly = true;
    if (kind == TKind::Key) state.pressed = Panel()->BotoApretat();
    return state;
}

bool TPanelAccessible::ShowsValue() const {
    const TKind kind = Kind();
    return kind == TKind::Field || kind == TKind::Display;
}

// A field or display shows its value; a key or group is its caption.
QString TPanelAccessible::OtherText(QAccessible::Text t) const {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    return ShownText();
}

QString TPanelAccessible::ShownText() const {
    return ShowsValue() ? Caption() : QString();
}

void* TPanelAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface && ShowsValue()) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return THintedAccessible::interface_cast(t);
}

bool TPanelAccessible::CanBePressed() const {
    const TKind kind = Kind();
    return Panel()->isEnabled() && (kind == TKind::Key || kind == TKind::Field);
}

QStringList TPanelAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (CanBePressed()) names.prepend(pressAction());
    return names;
}

// A press is a click on the panel's body: OnClick, then the editor of a field.
void TPanelAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!CanBePressed()) return;
    TPanelEx* panel = Panel();
    RunGuarded(panel, [panel] { panel->ClickBody(); });
}
