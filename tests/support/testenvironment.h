#pragma once

// Fixes what a test may not take from the machine it runs on: the default
// locale (Catalan: a point groups thousands, a comma marks decimals) and the
// per-user configuration and data folders (temporary folders removed at
// exit).
void PrepareTestEnvironment();

// The temporary folder that stands for ~/.config during the tests.
const char* TestConfigHome();
// The temporary folder that stands for ~/.local/share during the tests.
const char* TestDataHome();
