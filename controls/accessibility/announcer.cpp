#include "controls/accessibility/announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <algorithm>

#include "controls/accessibility/accessibility.h"

TAccessibleAnnouncer& TAccessibleAnnouncer::Instance() {
    static QPointer<TAccessibleAnnouncer> instance;
    if (instance.isNull()) instance = new TAccessibleAnnouncer(QCoreApplication::instance());
    return *instance;
}

TAccessibleAnnouncer::TAccessibleAnnouncer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Announce(); });
}

// A control already waiting keeps the text it showed when it first changed.
void TAccessibleAnnouncer::Schedule(QObject* control, const QString& shownBefore) {
    const bool waiting = std::any_of(pending_.begin(), pending_.end(),
                                     [control](const TPending& p) { return p.control == control; });
    if (!waiting) pending_.push_back({control, shownBefore});
    if (timer_.isActive()) return;
    const qint64 since = sinceLast_.isValid() ? sinceLast_.elapsed() : kIntervalMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, kIntervalMs - since)));
}

void TAccessibleAnnouncer::Announce() {
    std::vector<TPending> pending;
    pending.swap(pending_);
    sinceLast_.start();
    if (!QAccessible::isActive()) return;
    for (const TPending& change : pending) {
        if (change.control.isNull()) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(change.control);
        if (iface == nullptr) continue;
        if (iface->textInterface() != nullptr) {
            const QString shown = AccessibleShownText(change.control);
            if (shown == change.shownBefore) continue;
            QAccessibleTextUpdateEvent event(change.control, 0, change.shownBefore, shown);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleEvent event(change.control, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}
