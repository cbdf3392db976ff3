#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The languages the program speaks to people. German is the language its
// texts are written in; English comes from the translation built into it.
enum class ProgramLanguage { German, English };

// The language for the desktop's list of languages, most wanted first, as
// QLocale::system().uiLanguages() gives it (from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, in the order gettext reads them): the first entry
// that is German, English or "C" decides, other languages are passed over.
// German when none does: the default, "C" and "POSIX" included.
ProgramLanguage languageOf(const QStringList &uiLanguages);
// The language of this process's environment.
ProgramLanguage desktopLanguage();

// A date as the current translation writes it in full: "27. Juni 2011" in
// German, "June 27, 2011" in English. Needs the translation installed (it
// holds the locale and the format), as the window's texts do.
QString longDateText(const QDate &date);
// A moment to the second as the current translation writes it:
// "27.06.2011 14:03:05" in German, "June 27, 2011, 2:03:05 PM" in English.
QString dateTimeText(const QDateTime &moment);

// Puts the program's English texts into the running application (a
// QCoreApplication must exist): every QCoreApplication::translate() and tr()
// answers in English from then on. False when they cannot be loaded.
bool installEnglishTexts();
// Puts the running application into the language: English texts for English,
// the source texts (German) otherwise. False when English cannot be loaded.
bool installLanguage(ProgramLanguage language);
