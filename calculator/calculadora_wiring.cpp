// TCalculadora: which event reaches which handler, besides the commands the
// panels play (BuildLayout).

#include <QApplication>

#include "calculator/calculadora.h"
#include "calculator/optionsmenu.h"
#include "calculator/settingskeeper.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "tape/tapeengine.h"

// Undo and redo are enabled while there is something to undo or redo; the
// tape takes the focus back when the menu closes and when the tax panel is
// done with it; the window sees every key first.
void TCalculadora::WireEvents() {
    connect(engine_.get(), &TTapeEngine::HistoryChanged, this,
            [this] { menu_->ShowState(*context_); });
    connect(menu_, &QMenu::aboutToHide, this, [this] { FocusTape(); });
    connect(tax_, &TTaxPanel::FocusReturned, this, [this] { FocusTape(); });
    // The rates, the margin and its type are kept on disk as they change.
    connect(taxSettings_.get(), &TTaxSettings::Changed, keeper_.get(), &TSettingsKeeper::Changed);
    qApp->installEventFilter(this);
}
