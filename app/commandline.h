#pragma once

// The command line. Without options the program opens its window; Qt's own
// options (-platform, -style...) are left to Qt, as before.
//
//   Brimsum --export FILE   writes the stored tape (the one in Brimsum.Ini)
//                           to FILE as PDF, CSV or a tape file, by its
//                           extension, and ends: no window, no display, no
//                           hand-over to a running program, and the settings
//                           file is only read, as it is on disk; nothing but
//                           its own errors goes to standard error.
//   Brimsum --help, -h      the options
//   Brimsum --version, -v   the version
//
// Exit status: 0 when done, 1 when the export failed (the reason goes to
// standard error), 2 for a mistake in the command line.

#include <optional>

// The exit status when the command line asked for one of the above; nothing
// when the window is to open. Called before any application object exists.
std::optional<int> RunCommandLine(int argc, char* argv[]);
