#include "controls/platform/keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

std::string KeyText(const QKeyEvent& event) {
    return event.text().toStdString();
}

namespace {

bool IsKeyEvent(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
           event->type() == QEvent::ShortcutOverride;
}

// Swallows the key events that the window system delivers until its own
// marker event, posted behind everything already waiting, comes back.
class KeyDrain : public QObject {
public:
    static void Start(QWidget* window) {
        auto* drain = new KeyDrain(window);
        QCoreApplication::instance()->installEventFilter(drain);
        QCoreApplication::postEvent(drain, new QEvent(MarkerType()), Qt::LowEventPriority);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsKeyEvent(event) || !event->spontaneous()) return false;
        return Concerns(watched);
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
    explicit KeyDrain(QWidget* window)
        : QObject(QCoreApplication::instance()), allWindows_(window == nullptr), window_(window) {}

    static QEvent::Type MarkerType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    bool Concerns(QObject* watched) const {
        if (allWindows_) return true;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget != nullptr && window_ != nullptr && widget->window() == window_->window();
    }

    bool allWindows_;
    QPointer<QWidget> window_;
};

void RemovePostedKeys(QObject* receiver) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease, QEvent::ShortcutOverride})
        QCoreApplication::removePostedEvents(receiver, type);
}

}  // namespace

void DiscardKeyboardMessages(QWidget* window) {
    if (QCoreApplication::instance() == nullptr) return;
    if (window == nullptr) {
        RemovePostedKeys(nullptr);
    } else {
        RemovePostedKeys(window->window());
        for (QWidget* child : window->window()->findChildren<QWidget*>())
            RemovePostedKeys(child);
    }
    KeyDrain::Start(window);
}
