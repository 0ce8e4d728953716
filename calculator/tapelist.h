#pragma once

// The list of the main window's open tapes, Tarvik/cintes-obertes.txt in the
// per-user data folder (normally ~/.local/share/Tarvik/), beside the tape
// files of the tapes after the first. UTF-8 lines ended by CR LF: the first
// is the place (from 0) of the tape in use, then one line a tape, in the
// order of the tabs: its file's name, a tab, its name. The first tape is the
// settings file's, and its line has no file name.
//
// Any text reads: a tape line whose file is not one of the window's own
// names (oberta-N.txt) or is listed twice is left out, and so is a first
// line that is no place of a tape (the first tape is then in use). A list
// always has its first tape.

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kTapeListFileName = "cintes-obertes.txt";

struct TListedTape {
    // The tape file in the list's folder; empty for the settings file's tape.
    std::string file;
    std::string name;
};

struct TTapeList {
    std::vector<TListedTape> tapes = {TListedTape{}};
    int current = 0;
};

TTapeList ReadTapeList(std::string_view text);
std::string TapeListText(const TTapeList& list);

// oberta-1.txt, oberta-2.txt ...: the files the window keeps its tapes in.
std::string OwnTapeFileName(int number);
bool IsOwnTapeFileName(std::string_view name);

// A name as a tab shows it and the list keeps it: on one line, without tabs,
// trimmed.
std::string TapeNameText(std::string_view name);
