#include "controls/accessibility/buttonaccessible.h"

#include "controls/accessibility/hinttext.h"
#include "controls/platform/eventguard.h"

TBotoPetitAccessible::TBotoPetitAccessible(TBotoPetit* button)
    : THintedAccessible(button, QAccessible::Button) {}

TBotoPetit* TBotoPetitAccessible::Button() const {
    return static_cast<TBotoPetit*>(widget());
}

bool TBotoPetitAccessible::IsToggle() const {
    return Button()->EstilBoto() == ebSiNoColor;
}

QString TBotoPetitAccessible::Hint() const {
    return QString::fromStdString(Button()->Hint());
}

// An on/off button shows the caption of its state instead of its own.
QString TBotoPetitAccessible::Name() const {
    const TBotoPetit* button = Button();
    if (!button->accessibleName().isEmpty()) return button->accessibleName();
    const std::string& caption = IsToggle() ? (button->Estat() ? button->CaptionOn()
                                                               : button->CaptionOff())
                                            : button->Caption();
    if (!caption.empty()) return QString::fromStdString(caption).simplified();
    return HintName(Hint());
}

QAccessible::Role TBotoPetitAccessible::role() const {
    return IsToggle() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State TBotoPetitAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->Down() || Button()->isDown();
    if (IsToggle()) {
        state.checkable = true;
        state.checked = Button()->Estat();
    }
    return state;
}

QStringList TBotoPetitAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (!Button()->isEnabled()) return names;
    if (IsToggle()) names.prepend(toggleAction());
    names.prepend(pressAction());
    return names;
}

// Pressing or toggling is a click: an on/off button switches, then OnClick.
void TBotoPetitAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() && actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    TBotoPetit* button = Button();
    if (!button->isEnabled()) return;
    RunGuarded(button, [button] { button->Click(); });
}
