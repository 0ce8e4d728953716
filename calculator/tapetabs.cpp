#include "calculator/tapetabs.h"

#include <QSignalBlocker>

#include "calculator/tapeset.h"
#include "controls/platform/anchors.h"

TTapeTabs::TTapeTabs(QWidget* tape, const TTapeSet& tapes)
    : QTabBar(tape->parentWidget()), tape_(tape), tapes_(tapes) {
    setObjectName(QStringLiteral("Cintes"));
    setFocusPolicy(Qt::NoFocus);
    setDocumentMode(true);
    setExpanding(false);
    setDrawBase(false);
    // Whole names: past the width, the bar scrolls to the tab in use.
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    hide();
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) Q_EMIT Chosen(index);
    });
    connect(this, &QTabBar::tabBarDoubleClicked, this, [this](int index) {
        if (index >= 0) Q_EMIT RenameAsked(index);
    });
}

void TTapeTabs::ShowTapes() {
    const QSignalBlocker blocker(this);
    while (count() > tapes_.Count())
        removeTab(count() - 1);
    for (int index = 0; index < tapes_.Count(); ++index) {
        const QString name = QString::fromStdString(tapes_.Name(index));
        if (index == count()) addTab(name);
        setTabText(index, name);
        setTabToolTip(index, name);
    }
    setCurrentIndex(tapes_.CurrentIndex());
    Place(tapes_.Count() > 1);
}

// The tape keeps its distances to the edges: re-anchored after it moves.
void TTapeTabs::Place(bool shown) {
    if (shown == !isHidden()) return;
    const QRect place = tape_->geometry();
    if (shown) {
        setGeometry(place.left(), place.top(), place.width(), kHeight);
        tape_->setGeometry(place.adjusted(0, kHeight, 0, 0));
        SetAnchors(this, akLeft | akTop | akRight);
        show();
        raise();
    } else {
        hide();
        tape_->setGeometry(place.adjusted(0, -kHeight, 0, 0));
    }
    SetAnchors(tape_, kAnchoredAll);
}
