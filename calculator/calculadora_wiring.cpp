// TCalculadora: which event reaches which handler, besides the commands the
// panels play (BuildLayout).

#include <QApplication>

#include "calculator/calculadora.h"
#include "calculator/optionsmenu.h"
#include "calculator/taxpanel.h"
#include "tape/tapeengine.h"

// Undo and redo are enabled while there is something to undo or redo; the
// tape takes the focus back when the menu closes and when the tax panel is
// done with it; the window sees every key first.
void TCalculadora::WireEvents() {
    connect(engine_.get(), &TTapeEngine::HistoryChanged, this,
            [this] { menu_->ShowState(*context_); });
    connect(menu_, &QMenu::aboutToHide, this, [this] { FocusTape(); });
    connect(tax_, &TTaxPanel::FocusReturned, this, [this] { FocusTape(); });
    qApp->installEventFilter(this);
}
