#include "app/ProgramLanguage.h"

#include <QApplication>
#include <QTranslator>

bool useLanguage(QApplication &app, ProgramLanguage language)
{
    if (language == ProgramLanguage::German)
        return true;
    for (QTranslator *german : app.findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(german);
        delete german;
    }
    return installEnglishTexts();
}
