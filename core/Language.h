#pragma once

#include <QLocale>

// The user's language for every text the program shows: our catalogue and
// Qt's own (the buttons of message boxes, the file and print dialogs).
// English, or a language we have no catalogue for, installs nothing, so every
// text stays exactly as written in the code.
namespace Language {

// Installs the catalogues for the locale's first language into the running
// application, replacing any installed before. Needs an application object;
// call it again after making a new one.
// Without a locale, the system's: there, as in every program that speaks
// through gettext, a message locale of C or POSIX means the untranslated texts
// whatever LANGUAGE lists, so that LC_ALL=C gives scripts and bug reports
// the English they expect.
void install(const QLocale &locale);
void install();

// The language installed ("de", "pt_BR", ...), or empty for English.
QString current();

} // namespace Language
