#include "cli/Command.h"

#include "cli/Messages.h"

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
        result = commandLineFault(parser_.errorText());
    else
        result = execute();
    result.failedStatus = failedStatus();
    return result;
}

CliOutput Command::commandLineFault(const QString &text) const
{
    return ::commandLineFault(name_, text);
}

QCommandLineOption Command::flag(const QString &name)
{
    return QCommandLineOption(name);
}

QCommandLineOption Command::valueOption(const QStringList &names)
{
    return QCommandLineOption(names, QString(), QStringLiteral("VALUE"));
}
