#include "cli/Command.h"

#include "cli/Messages.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

Command::Command(QString name, const char *help, const QList<QCommandLineOption> &options)
    : name_(std::move(name)), help_(help)
{
    // "-o" and "--output" alike; a single dash never groups letters.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser_.addOptions(options);
}

CliOutput Command::run(const QStringList &args)
{
    const bool parsed = parser_.parse(QStringList{programName()} + args);
    CliOutput result;
    if (parser_.isSet(QStringLiteral("help")))
        result = helpText(help_);
    else if (!parsed)
        result = commandLineFault(parserComplaint());
    else
        result = execute();
    result.failedStatus = failedStatus();
    return result;
}

CliOutput Command::commandLineFault(const QString &text) const
{
    return ::commandLineFault(name_, text);
}

QString Command::parserComplaint() const
{
    const QStringList unknown = parser_.unknownOptionNames();
    if (unknown.size() == 1)
        return QCoreApplication::translate("quaxel-cli", "Unbekannte Option '%1'.").arg(unknown.first());
    if (!unknown.isEmpty())
        return QCoreApplication::translate("quaxel-cli", "Unbekannte Optionen: %1.").arg(unknown.join(QStringLiteral(", ")));
    // The parser's other complaints name the option in its own English words.
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QString text = parser_.errorText();
    if (const QRegularExpressionMatch m = missing.match(text); m.hasMatch())
        return QCoreApplication::translate("quaxel-cli", "Fehlender Wert nach '%1'.").arg(m.captured(1));
    if (const QRegularExpressionMatch m = unexpected.match(text); m.hasMatch())
        return QCoreApplication::translate("quaxel-cli", "Unerwarteter Wert nach '%1'.").arg(m.captured(1));
    return QCoreApplication::translate("quaxel-cli", "Die Befehlszeile ist fehlerhaft.");
}

QCommandLineOption Command::flag(const QString &name)
{
    return QCommandLineOption(name);
}

QCommandLineOption Command::valueOption(const QStringList &names)
{
    return QCommandLineOption(names, QString(), QStringLiteral("VALUE"));
}
