#include "app/ProgramLanguage.h"

#include <QApplication>
#include <QTranslator>

namespace {

bool isEnglish(const QString &locale)
{
    return locale.startsWith(QLatin1String("en"));
}

} // namespace

ProgramLanguage desktopLanguage(const QString &languageVariable, const QString &langVariable)
{
    const QString first = languageVariable.section(u':', 0, 0);
    const QString chosen = first.isEmpty() ? langVariable : first;
    return isEnglish(chosen) ? ProgramLanguage::English : ProgramLanguage::German;
}

ProgramLanguage desktopLanguage()
{
    return desktopLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LANG"));
}

bool useLanguage(QApplication &app, ProgramLanguage language)
{
    if (language == ProgramLanguage::German)
        return true;
    for (QTranslator *german : app.findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(german);
        delete german;
    }
    auto *english = new QTranslator(&app);
    if (!english->load(QStringLiteral(":/i18n/quaxel_en.qm"))) {
        delete english;
        return false;
    }
    QApplication::installTranslator(english);
    return true;
}
