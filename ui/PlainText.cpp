#include "ui/PlainText.h"

#include "image/SafeFile.h"
#include "image/SafeText.h"

#include <QFileInfo>
#include <QLabel>

namespace PlainText {

void makePlain(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
}

void setLabelText(QLabel *label, const QString &text)
{
    makePlain(label);
    label->setText(escapedText(text));
}

QString titleText(const QString &path)
{
    return shownPath(QFileInfo(path).fileName()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString menuText(const QString &path)
{
    return shownPath(path).replace(u'&', QStringLiteral("&&"));
}

QString toolTipText(const QString &text)
{
    return QStringLiteral("<p style='white-space:pre'>%1</p>")
        .arg(escapedText(text, true).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

} // namespace PlainText
