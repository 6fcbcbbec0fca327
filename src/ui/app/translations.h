#pragma once
// The program in the user's language: its own translation (built in) and Qt's (dialog
// buttons, context menus), chosen by the locale. English needs neither.

#include <QLocale>

// Replaces the translations installed before with those for `locale`. Returns whether the
// program's own translation was found; a missing Qt translation is no error.
bool InstallTranslations(const QLocale &locale = QLocale::system());
