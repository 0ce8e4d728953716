// TCalculadora: which event reaches which handler, besides the commands the
// panels play (BuildLayout).

#include <QApplication>

#include "calculator/calculadora.h"
#include "calculator/optionsmenu.h"
#include "calculator/searchpanel.h"
#include "calculator/settingskeeper.h"
#include "calculator/tapefilecommands.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "controls/platform/eventguard.h"
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

    // The search looks through the tape under the name the tape has on screen.
    // Going to a row of the tape makes it current the way the arrow keys do;
    // an archived tape opens the way the menu of earlier tapes opens it (one
    // step of the undo history, the tape it replaces kept in the archive),
    // with the row found current. The tape then takes the focus, as it does
    // when the search closes.
    TSearchPanel& search = context_->search;
    connect(&search, &TSearchPanel::AboutToSearch, this, [this, &search] {
        search.Results().SetOpenTapes({{tr("Cinta 1").toStdString(), &engine_->Tape()}});
        search.Results().SetDecimals(engine_->Options().decimals);
    });
    connect(&search, &TSearchPanel::GoToOpenTape, this, [this](int, int32_t row) {
        engine_->SelectRow(std::min(row, engine_->Tape().UsedRows()));
        FocusTape();
    });
    connect(&search, &TSearchPanel::GoToArchivedTape, this,
            [this](const std::string& path, int32_t row) {
                RunGuarded(this, [this, &path, row] {
                    if (files_->OpenTapeFile(path))
                        engine_->SelectRow(std::min(row, engine_->Tape().UsedRows()));
                });
                keeper_->Changed();
                FocusTape();
            });
    connect(&search, &TSearchPanel::Closed, this, [this] { FocusTape(); });
}
