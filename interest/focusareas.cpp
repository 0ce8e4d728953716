#include "interest/focusareas.h"

#include <QApplication>

TFocusAreas::TFocusAreas(QWidget* window) : window_(window) {
    connection_ = QObject::connect(qApp, &QApplication::focusChanged,
                                   [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

TFocusAreas::~TFocusAreas() {
    QObject::disconnect(connection_);
}

void TFocusAreas::Add(QWidget* area, THandler onEnter, THandler onExit) {
    areas_.push_back({area, std::move(onEnter), std::move(onExit)});
}

void TFocusAreas::Entering(QWidget* area) {
    if (area == current_) return;
    const TArea* left = Find(current_);
    current_ = area;
    if (left != nullptr && left->onExit) left->onExit();
    const TArea* entered = Find(area);
    if (entered != nullptr && entered->onEnter) entered->onEnter();
}

QWidget* TFocusAreas::AreaOf(const QWidget* widget) const {
    for (const TArea& area : areas_) {
        if (area.widget != nullptr && (widget == area.widget || area.widget->isAncestorOf(widget)))
            return area.widget;
    }
    return nullptr;
}

const TFocusAreas::TArea* TFocusAreas::Find(const QWidget* area) const {
    if (area == nullptr) return nullptr;
    for (const TArea& candidate : areas_) {
        if (candidate.widget == area) return &candidate;
    }
    return nullptr;
}

// Only moves inside the window count: losing the focus to another window or
// to nothing keeps the area it was in.
void TFocusAreas::FocusChanged(QWidget* now) {
    if (now == nullptr || window_ == nullptr || now->window() != window_) return;
    Entering(AreaOf(now));
}
