// TCalculadora: which event reaches which handler, besides the commands the
// panels play (BuildLayout).

#include <QApplication>

#include "basic/platformerror.h"
#include "calculator/calculadora.h"
#include "calculator/optionsmenu.h"
#include "calculator/searchpanel.h"
#include "calculator/settingskeeper.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapetabs.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "controls/platform/eventguard.h"
#include "tape/tapeengine.h"

// Undo and redo are enabled while there is something to undo or redo; the
// tape takes the focus back when the menu closes and when the tax panel is
// done with it; the window sees every key first.
void TCalculadora::WireEvents() {
    connect(tapes_.get(), &TTapeSet::HistoryChanged, this, [this] { menu_->ShowState(*context_); });
    connect(menu_, &QMenu::aboutToHide, this, [this] { FocusTape(); });
    connect(tax_, &TTaxPanel::FocusReturned, this, [this] { FocusTape(); });
    // The rates, the margin and its type are kept on disk as they change,
    // with the first tape.
    connect(taxSettings_.get(), &TTaxSettings::Changed, &tapes_->Keeper(0),
            &TSettingsKeeper::Changed);
    qApp->installEventFilter(this);

    // A tab clicked is one user action, as a key is; a tab double-clicked
    // renames its tape.
    connect(tapes_.get(), &TTapeSet::CurrentChanged, this, [this] { FollowCurrentTape(); });
    connect(tapes_.get(), &TTapeSet::TapesChanged, tabs_, &TTapeTabs::ShowTapes);
    connect(tabs_, &TTapeTabs::Chosen, this, [this](int index) {
        RunGuarded(this, [this, index] { tapes_->Select(index); });
        tapes_->Changed();
        FocusTape();
    });
    connect(tabs_, &TTapeTabs::RenameAsked, this, [this](int index) {
        if (RunGuarded(this, [this, index] { tapes_->Select(index); })) Run(TCommandId::RenameTape);
        FocusTape();
    });

    // The search looks through the open tapes under the names of their tabs.
    // Going to a row of a tape makes that tape the one in use and the row
    // current, the way the arrow keys do; an archived tape opens in a new
    // tab, with the row found current (a tape the user chose not to open
    // leaves no tab). The tape then takes the focus, as it does when the
    // search closes.
    TSearchPanel& search = context_->search;
    connect(&search, &TSearchPanel::AboutToSearch, this, [this, &search] {
        RunGuarded(this, [this] { tapes_->LoadAll(); });
        std::vector<TSearchedTape> tapes;
        for (int index = 0; index < tapes_->Count(); ++index)
            tapes.push_back({tapes_->Name(index), &tapes_->Engine(index).Tape()});
        search.Results().SetOpenTapes(std::move(tapes));
        search.Results().SetDecimals(Engine().Options().decimals);
    });
    const auto goToRow = [this](int32_t row) {
        Engine().SelectRow(std::min(row, Engine().Tape().UsedRows()));
    };
    connect(&search, &TSearchPanel::GoToOpenTape, this, [this, goToRow](int tape, int32_t row) {
        RunGuarded(this, [this, goToRow, tape, row] {
            tapes_->Select(tape);
            goToRow(row);
        });
        tapes_->Changed();
        FocusTape();
    });
    connect(&search, &TSearchPanel::GoToArchivedTape, this,
            [this, goToRow](const std::string& path, int32_t row) {
                RunGuarded(this, [this, goToRow, &path, row] {
                    tapes_->Add();
                    bool opened = false;
                    try {
                        opened = files_->OpenTapeFile(path);
                    } catch (const PlatformError&) {
                        tapes_->Close(tapes_->CurrentIndex());
                        throw;
                    }
                    if (opened) {
                        goToRow(row);
                    } else {
                        tapes_->Close(tapes_->CurrentIndex());
                    }
                });
                tapes_->Changed();
                FocusTape();
            });
    connect(&search, &TSearchPanel::Closed, this, [this] { FocusTape(); });
}
