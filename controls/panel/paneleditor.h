#pragma once

// The in-place editor of a TPanelEx: a line edit whose focus changes and
// keys reach the panel through hooks. Key presses, Tab included, go to
// OnKeyDown before the line edit sees them; a key set to 0 goes no further.

#include <QLineEdit>
#include <functional>

#include "controls/platform/keyboard.h"

class TPanelEditor : public QLineEdit {
public:
    explicit TPanelEditor(QWidget* parent) : QLineEdit(parent) {}

    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    TKeyEvent OnKeyDown;
    std::function<void(int key)> OnKeyUp;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
