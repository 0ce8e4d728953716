#include "controls/platform/anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Moves the anchored children of one parent when the parent is resized.
class TAnchorKeeper : public QObject {
public:
    explicit TAnchorKeeper(QWidget* parent) : QObject(parent) {
        setObjectName(kName);
        parent->installEventFilter(this);
    }

    static constexpr const char* kName = "brimsum_anchors";

    void Add(QWidget* control, TAnchors anchors) {
        controls_.push_back(
            {control, anchors, control->geometry(), static_cast<QWidget*>(parent())->size()});
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const QSize now = static_cast<QWidget*>(watched)->size();
            for (const Anchored& anchored : controls_)
                Place(anchored, now);
        }
        return false;
    }

private:
    struct Anchored {
        QPointer<QWidget> control;
        TAnchors anchors;
        QRect design;      // its place when it was anchored
        QSize parentSize;  // the parent's size then
    };

    void Place(const Anchored& anchored, QSize now) const {
        if (anchored.control.isNull()) return;
        const int dx = now.width() - anchored.parentSize.width();
        const int dy = now.height() - anchored.parentSize.height();
        QRect place = anchored.design;
        Stretch(anchored.anchors.testFlag(akLeft), anchored.anchors.testFlag(akRight), dx, place,
                &QRect::moveLeft, &QRect::setWidth, place.left(), place.width());
        Stretch(anchored.anchors.testFlag(akTop), anchored.anchors.testFlag(akBottom), dy, place,
                &QRect::moveTop, &QRect::setHeight, place.top(), place.height());
        anchored.control->setGeometry(place);
    }

    // Along one axis: both edges stretch the size, the far edge alone moves.
    static void Stretch(bool nearEdge, bool farEdge, int delta, QRect& place,
                        void (QRect::*move)(int), void (QRect::*resize)(int), int start, int size) {
        if (nearEdge && farEdge) (place.*resize)(std::max(size + delta, 0));
        if (farEdge && !nearEdge) (place.*move)(start + delta);
    }

    std::vector<Anchored> controls_;
};

}  // namespace

void SetAnchors(QWidget* control, TAnchors anchors) {
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) return;
    auto* keeper =
        parent->findChild<TAnchorKeeper*>(TAnchorKeeper::kName, Qt::FindDirectChildrenOnly);
    if (keeper == nullptr) keeper = new TAnchorKeeper(parent);
    keeper->Add(control, anchors);
}
