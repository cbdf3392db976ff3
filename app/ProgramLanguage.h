#pragma once
#include <QString>

class QApplication;

// The languages of the window. German is the language the texts are written
// in; English comes from the translation built into the program.
enum class ProgramLanguage { German, English };

// The desktop's language as gettext reads it: LANGUAGE (its first entry)
// before LANG. English when that begins with "en"; German otherwise, also for
// "C", "POSIX" and an unset environment.
ProgramLanguage desktopLanguage(const QString &languageVariable, const QString &langVariable);
ProgramLanguage desktopLanguage();

// Puts the window into the language: for English the program's English texts
// replace Qt's German ones (Qt speaks English by itself). German keeps what
// prepareApplication installed. False when the English texts cannot be loaded.
bool useLanguage(QApplication &app, ProgramLanguage language);
