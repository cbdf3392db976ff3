#include "image/DesktopLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <optional>

namespace {

// The locale and the format of dates in the program's texts: translated like
// every other text, so a date is in the language the rest is in.
const char *const DateLocale = QT_TRANSLATE_NOOP("DesktopLanguage", "de_DE");
const char *const LongDateFormat = QT_TRANSLATE_NOOP("DesktopLanguage", "d. MMMM yyyy");
const char *const DateTimeFormat = QT_TRANSLATE_NOOP("DesktopLanguage", "dd.MM.yyyy HH:mm:ss");

QString inTextLocale(const auto &moment, const char *format)
{
    const QLocale locale(QCoreApplication::translate("DesktopLanguage", DateLocale));
    return locale.toString(moment, QCoreApplication::translate("DesktopLanguage", format));
}

std::optional<ProgramLanguage> languageOfEntry(const QString &entry)
{
    const QString language = entry.section(u'-', 0, 0).section(u'_', 0, 0);
    if (language == QLatin1String("en"))
        return ProgramLanguage::English;
    if (language == QLatin1String("de") || language == QLatin1String("C") || language == QLatin1String("POSIX"))
        return ProgramLanguage::German;
    return std::nullopt;
}

// "de" alone or with a territory, codeset or modifier: de_AT, de_DE.UTF-8, de@euro.
bool namesGerman(const QByteArray &locale)
{
    return locale.startsWith("de") && (locale.size() == 2 || QByteArrayView("_.@").contains(locale.at(2)));
}

// The locale without a language: C, POSIX, C.UTF-8.
bool namesNoLanguage(const QByteArray &locale)
{
    return locale == "C" || locale == "POSIX" || locale.startsWith("C.") || locale.startsWith("POSIX.");
}

QByteArray firstSet(std::initializer_list<const QByteArray *> variables)
{
    for (const QByteArray *variable : variables)
        if (!variable->isEmpty())
            return *variable;
    return {};
}

} // namespace

std::optional<ProgramLanguage> plainLanguageOf(const LanguageVariables &variables)
{
    if (!variables.language.isEmpty()) {
        if (namesGerman(variables.language.left(variables.language.indexOf(':'))))
            return ProgramLanguage::German;
        return std::nullopt;
    }
    const QByteArray messages = firstSet({&variables.lcAll, &variables.lcMessages, &variables.lang});
    if (messages.isEmpty() || namesNoLanguage(messages) || namesGerman(messages))
        return ProgramLanguage::German;
    return std::nullopt;
}

ProgramLanguage languageOf(const QStringList &uiLanguages)
{
    for (const QString &entry : uiLanguages)
        if (const auto language = languageOfEntry(entry))
            return *language;
    return ProgramLanguage::German;
}

ProgramLanguage desktopLanguage()
{
    const LanguageVariables variables{qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    if (const auto plain = plainLanguageOf(variables))
        return *plain;
    return languageOf(QLocale::system().uiLanguages());
}

QString longDateText(const QDate &date)
{
    return inTextLocale(date, LongDateFormat);
}

QString dateTimeText(const QDateTime &moment)
{
    return inTextLocale(moment, DateTimeFormat);
}

bool installEnglishTexts()
{
    auto *english = new QTranslator(QCoreApplication::instance());
    if (!english->load(QStringLiteral(":/i18n/quaxel_en.qm"))) {
        delete english;
        return false;
    }
    return QCoreApplication::installTranslator(english);
}

bool installLanguage(ProgramLanguage language)
{
    return language == ProgramLanguage::German || installEnglishTexts();
}
