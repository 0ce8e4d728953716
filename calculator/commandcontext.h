#pragma once

// What the commands of the command table act on: the parts of the main
// window, which the window hands to its commands when it runs one. The
// engine is the tape in use's, which a command may change (a new tape, the
// next tab): a command asks for it each time.

#include "calculator/tapeset.h"

class TCalculadora;
class TClipboardCommands;
class TEntryDisplay;
class TOptionsMenu;
class TSearchPanel;
class TTapeFileCommands;
class TTapeView;
class TTaxPanel;

struct TCommandContext {
    TCalculadora& window;
    TTapeSet& tapes;
    TTapeView& view;
    TEntryDisplay& display;
    TTaxPanel& tax;
    TClipboardCommands& clipboard;
    TTapeFileCommands& files;
    TOptionsMenu& menu;
    TSearchPanel& search;

    TTapeEngine& Engine() const { return tapes.Current(); }
};
