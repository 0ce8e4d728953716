#include "calculator/savestatusbar.h"

#include <QAccessible>

#include "controls/platform/anchors.h"

namespace {

constexpr int kBarHeight = 44;

}  // namespace

TSaveStatusBar::TSaveStatusBar(QWidget* tape) : QLabel(tape->parentWidget()), tape_(tape) {
    setObjectName(QStringLiteral("AvisDesar"));
    setWordWrap(true);
    setMargin(3);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("background: #fff1b8; color: #5a3c00; border-bottom: 1px solid #d4a017;"));
    setAccessibleName(tr("Avís"));
    hide();
}

// The tape keeps its distances to the edges: re-anchored after it moves.
void TSaveStatusBar::ShowFailure(const QString& failure) {
    const bool shown = !isHidden();
    if (failure.isEmpty()) {
        if (!shown) return;
        hide();
        tape_->setGeometry(tape_->geometry().adjusted(0, -kBarHeight, 0, 0));
        SetAnchors(tape_, kAnchoredAll);
        return;
    }
    setText(
        tr("%1 Es torna a provar tot sol: la cinta es desarà tan bon punt es pugui.").arg(failure));
    if (!shown) {
        const QRect place = tape_->geometry();
        setGeometry(place.left(), place.top(), place.width(), kBarHeight);
        tape_->setGeometry(place.adjusted(0, kBarHeight, 0, 0));
        SetAnchors(this, akLeft | akTop | akRight);
        SetAnchors(tape_, kAnchoredAll);
        show();
        raise();
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
