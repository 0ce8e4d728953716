#pragma once

// TOptionsMenu: the options menu `MenuPropietats`, made of commands of the
// command table: the decimals, the rounding options, the decimal point of
// copies, the fixed-decimal entry, the rate editor, undo and redo, the tape's files, the search and the
// window kept above the others. Each item
// shows its command's text and keys; the keys work wherever the focus is in
// the window (its key handler plays them), and the menu takes them only while
// it is open. Check marks are set when the menu opens; undo and redo are
// enabled while there is something to undo or redo.

#include <QMenu>
#include <functional>

#include "calculator/commandid.h"

struct TCommandContext;

class TOptionsMenu : public QMenu {
    Q_OBJECT

public:
    // `archive` is the submenu of the earlier tapes.
    TOptionsMenu(QWidget* parent, QMenu* archive);

    // The check marks and the enabled items from the commands' state.
    void ShowState(const TCommandContext& context);
    // The item of a command (nullptr for a command the menu does not hold).
    QAction* Item(TCommandId command) const;

Q_SIGNALS:
    void Triggered(TCommandId command);

private:
    void AddItem(TCommandId command, QMenu* submenu);
    void AddSeparator(const char* name);
};
