#pragma once
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The languages the program speaks to people. German is the language its
// texts are written in; English comes from the translation built into it.
enum class ProgramLanguage { German, English };

// The language for the desktop's list of languages, most wanted first, as
// QLocale::system().uiLanguages() gives it (from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, in the order gettext reads them): the first entry
// that is German, English or "C" decides, other languages are passed over.
// German when none does: the default, "C" and "POSIX" included.
ProgramLanguage languageOf(const QStringList &uiLanguages);
// The variables of an environment the desktop's language comes from.
struct LanguageVariables {
    QByteArray language; // LANGUAGE: languages separated by ':', most wanted first
    QByteArray lcAll;
    QByteArray lcMessages;
    QByteArray lang;
};
// The language the variables settle on their own, as the system locale's list
// would: German where LANGUAGE's first language is German, or, without a
// LANGUAGE list, where the locale of messages (LC_ALL, LC_MESSAGES, LANG, the
// first one set) is German, C, POSIX or missing. Nothing where that list must
// decide (English or another language first, or LANGUAGE starting with C).
std::optional<ProgramLanguage> plainLanguageOf(const LanguageVariables &variables);
// The language of this process's environment. The usual German or C
// environment decides without the system locale, whose tables would cost a
// short run of quaxel-cli a good part of its memory.
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
