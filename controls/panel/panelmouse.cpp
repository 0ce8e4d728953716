// TPanelEx: the mouse state behind the press and hover tints, clicks on the
// body or on the appendix strip, focus and keys.

#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/panel/panelex.h"
#include "controls/platform/parentform.h"

void TPanelEx::mousePressEvent(QMouseEvent* event) {
    mouseButtons_ = event->buttons();
    mouseX_ = event->position().toPoint().x();
    mouseY_ = event->position().toPoint().y();
    if (event->button() == Qt::LeftButton) clickPending_ = true;
    if (efectes_) update();
    QWidget::mousePressEvent(event);
}

// The released button has left the state, so the pressed look ends.
void TPanelEx::mouseReleaseEvent(QMouseEvent* event) {
    mouseButtons_ = event->buttons();
    mouseX_ = event->position().toPoint().x();
    mouseY_ = event->position().toPoint().y();
    if (efectes_) update();
    const bool click = event->button() == Qt::LeftButton && clickPending_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) clickPending_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click) Click();
}

void TPanelEx::mouseMoveEvent(QMouseEvent* event) {
    mouseX_ = event->position().toPoint().x();
    mouseY_ = event->position().toPoint().y();
    mouseButtons_ = event->buttons();
    QWidget::mouseMoveEvent(event);
}

void TPanelEx::enterEvent(QEnterEvent* event) {
    mouseInside_ = true;
    if (efectes_) update();
    QWidget::enterEvent(event);
}

void TPanelEx::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    if (efectes_) update();
    QWidget::leaveEvent(event);
}

// The strip is told apart by AmpleApendix alone, drawn or not.
void TPanelEx::Click() {
    if (width() - ampleApendix_ <= mouseX_) {
        if (OnClickApendix) OnClickApendix(this);
        return;
    }
    ClickBody();
}

void TPanelEx::ClickBody() {
    if (tipusApendix_ == taAbaix) {
        // The focus leaves whatever control had it for the form itself.
        if (QWidget* form = ParentForm(this)) form->setFocus(Qt::OtherFocusReason);
    }
    if (OnClick) OnClick(this);
    StartEditing();
}

void TPanelEx::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (hasFocus() && OnKeyDown) OnKeyDown(this, key, event->modifiers());
    if (key == 0) return;
    QWidget::keyPressEvent(event);
}

void TPanelEx::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (OnEnter) OnEnter(this);
    StartEditing();
}

void TPanelEx::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (OnExit) OnExit(this);
}
