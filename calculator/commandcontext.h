#pragma once

// What the commands of the command table act on: the parts of the main
// window, which the window hands to its commands when it runs one.

class TCalculadora;
class TClipboardCommands;
class TEntryDisplay;
class TOptionsMenu;
class TSearchPanel;
class TTapeEngine;
class TTapeFileCommands;
class TTapeView;
class TTaxPanel;

struct TCommandContext {
    TCalculadora& window;
    TTapeEngine& engine;
    TTapeView& view;
    TEntryDisplay& display;
    TTaxPanel& tax;
    TClipboardCommands& clipboard;
    TTapeFileCommands& files;
    TOptionsMenu& menu;
    TSearchPanel& search;
};
