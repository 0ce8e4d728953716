#include "controls/platform/keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

std::string KeyText(const QKeyEvent& event) {
    return event.text().toStdString();
}

namespace {

// Swallows the auto-repeats of one key, for the widgets of one window or of
// every window, until its own marker event, posted behind everything already
// waiting, comes back. Every other key event passes: keys typed ahead, even
// the same key pressed again, are never dropped.
class RepeatDrain : public QObject {
public:
    static void Start(int key, QWidget* window) {
        auto* drain = new RepeatDrain(key, window);
        QCoreApplication::instance()->installEventFilter(drain);
        QCoreApplication::postEvent(drain, new QEvent(MarkerType()), Qt::LowEventPriority);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto* keyEvent = static_cast<const QKeyEvent*>(event);
        return keyEvent->isAutoRepeat() && keyEvent->key() == key_ && Concerns(watched);
    }
    bool event(QEvent* event) override {
        if (event->type() != MarkerType()) return QObject::event(event);
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        return true;
    }

private:
    // Owned by the application, so a drain whose marker never came back goes
    // with it.
    RepeatDrain(int key, QWidget* window)
        : QObject(QCoreApplication::instance()),
          key_(key),
          allWindows_(window == nullptr),
          window_(window) {}

    static QEvent::Type MarkerType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    bool Concerns(QObject* watched) const {
        if (allWindows_) return true;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget != nullptr && window_ != nullptr && widget->window() == window_->window();
    }

    int key_;
    bool allWindows_;
    QPointer<QWidget> window_;
};

}  // namespace

void DiscardKeyboardMessages(int key, QWidget* window) {
    if (QCoreApplication::instance() == nullptr || key == 0) return;
    RepeatDrain::Start(key, window);
}
