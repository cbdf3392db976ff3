#include "cli/Messages.h"

#include "image/SafeText.h"

#include <QCoreApplication>

QString programName()
{
    return QStringLiteral("quaxel-cli");
}

void printMessage(CliOutput &o, const QString &context, const QString &text)
{
    QString message = text;
    message.replace(u'\r', u'\n');
    o.err += programName() + QStringLiteral(": ")
             + (context.isEmpty() ? QString() : escapedText(context) + QStringLiteral(": "))
             + escapedText(message, true) + QLatin1Char('\n');
}

QString printable(const QString &text)
{
    return escapedText(text, true);
}

CliOutput commandLineFault(const QString &command, const QString &text)
{
    const QString name = command.isEmpty() ? programName() : programName() + QLatin1Char(' ') + command;
    return {CliExit::Failed, QString(),
            name + QStringLiteral(": ") + escapedText(text) + u'\n'
                + QCoreApplication::translate("quaxel-cli", "Mehr dazu: '%1 --help'.").arg(name) + u'\n'};
}

CliOutput helpText(const char *text)
{
    return {CliExit::Ok, QCoreApplication::translate("quaxel-cli", text), QString()};
}
