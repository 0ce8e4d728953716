#pragma once

#include <string>

// Per-user shell folder by name. "AppData" is the per-user configuration
// folder (normally ~/.config). Throws PlatformError with the message
// "\"NAME\" item not found in registry" for a name this program does not know
// or an empty location.
std::string ShellFolder(const std::string& name);

// a divided by b rounded up (for a >= 1, b > 0); 0 when b is 0.
int DivRoundUp(int a, int b);
