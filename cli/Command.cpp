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
    if (parser_.isSet(QStringLiteral("help")))
        return helpText(help_);
    if (!parsed)
        return commandLineFault(parser_.errorText());
    return execute();
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
