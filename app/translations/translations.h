#pragma once

// The program's texts in the user's language. The program speaks Catalan;
// Spanish and English translations are built into it. Qt's own texts (its
// file and print dialogs, the command line's usage) come from the system's Qt
// translations (Debian: qt6-translations-l10n), in the same language.

class QCoreApplication;
class QLocale;

// Installs the translation of the first of the locale's UI languages
// (QLocale::uiLanguages, most wanted first) that the program speaks: none for
// Catalan, which may come before a language that has one; Catalan when no
// language has one. Qt's translation of the chosen language goes beside it
// where the system has one. Numbers keep following the region. Returns
// whether the program's own translation was installed.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale);
