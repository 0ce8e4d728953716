#pragma once

// TAccessibleAnnouncer: tells listening assistive technology that what a
// control shows changed, without flooding it. The news of a control waits
// until the current user action is over and goes out at most once every
// kInterval, with the text the control shows by then: a paste of a thousand
// lines changes the subtotal a thousand times and is told once. A control
// that shows its value as a text (a display, a field) tells it as a text
// change, from the text last told to the one shown; any other control (a key
// named by its caption) tells a change of its name.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

class TAccessibleAnnouncer : public QObject {
public:
    // The shortest time between two announcements.
    static constexpr int kIntervalMs = 200;

    // The application's announcer (made on first use, owned by the application).
    static TAccessibleAnnouncer& Instance();

    // `control` changed; `shownBefore` is the text it showed until then.
    void Schedule(QObject* control, const QString& shownBefore);

private:
    explicit TAccessibleAnnouncer(QObject* parent);
    void Announce();

    struct TPending {
        QPointer<QObject> control;
        QString shownBefore;
    };
    std::vector<TPending> pending_;
    QTimer timer_;
    QElapsedTimer sinceLast_;
};
