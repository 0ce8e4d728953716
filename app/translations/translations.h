#pragma once

// The program's texts in the user's language. The program speaks Catalan;
// Spanish and English translations are built into it.

class QCoreApplication;
class QLocale;

// Installs the translation of the first of the locale's UI languages that
// has one (QLocale::uiLanguages); none for Catalan or a language without one.
// Numbers keep following the region. Returns whether one was installed.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale);
