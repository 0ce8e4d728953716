#pragma once

// Enter and exit events for the areas of a window: an area is a control
// together with the controls inside it, so a value field and its in-place
// editor count as one, and the focus going from a field to its own editor
// (or back) neither leaves nor enters it. The focus going to another window
// or a pop-up and coming back is no move either.
//
// Qt reports a move only once both controls have been told, which is too
// late for a field whose enter handler rewrites the value the editor is about
// to load; such a field calls Entering itself, from its own focus-in or click
// handler, and the later report then finds the move done.

#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TFocusAreas {
public:
    using THandler = std::function<void()>;

    explicit TFocusAreas(QWidget* window);
    ~TFocusAreas();
    TFocusAreas(const TFocusAreas&) = delete;
    TFocusAreas& operator=(const TFocusAreas&) = delete;

    // Areas do not nest; either handler may be empty.
    void Add(QWidget* area, THandler onEnter, THandler onExit);

    // The focus is moving into `area` (nullptr: to a control of the window in
    // no area): the area it was in hears its exit, then `area` its enter.
    // Nothing happens when it is already there.
    void Entering(QWidget* area);

    // The area the focus is in, or nullptr.
    QWidget* Current() const { return current_; }
    // The area holding `widget`, or nullptr.
    QWidget* AreaOf(const QWidget* widget) const;

private:
    struct TArea {
        QPointer<QWidget> widget;
        THandler onEnter;
        THandler onExit;
    };

    void FocusChanged(QWidget* now);
    const TArea* Find(const QWidget* area) const;

    QPointer<QWidget> window_;
    std::vector<TArea> areas_;
    QPointer<QWidget> current_;
    QMetaObject::Connection connection_;
};
