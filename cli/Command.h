#pragma once
// A command of quaxel-cli: its name, its help text and the options it
// declares, all read by QCommandLineParser. "--", "--name=value", "-o FILE"
// and --help (or -h) work alike in every command, and so do the parser's
// complaints about an unknown option or a missing value.
#include "cli/CliTypes.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

class Command {
public:
    virtual ~Command() = default;
    Command(const Command &) = delete;
    Command &operator=(const Command &) = delete;

    // Reads the arguments after the command's name and runs the command: its
    // help for --help, exit status 2 for a command line the parser refuses.
    CliOutput run(const QStringList &args);

protected:
    Command(QString name, const char *help, const QList<QCommandLineOption> &options);

    // Runs the command on the command line read.
    virtual CliOutput execute() = 0;
    // The exit status the command documents for a failed operation.
    virtual int failedStatus() const { return CliExit::Refused; }

    // The refusal of a command line this command cannot run (exit status 2).
    CliOutput commandLineFault(const QString &text) const;
    // The arguments that are no option, in their order.
    QStringList files() const { return parser_.positionalArguments(); }
    bool isSet(const QString &name) const { return parser_.isSet(name); }
    // Each value given for the option, in command-line order.
    QStringList values(const QString &name) const { return parser_.values(name); }

    // An option without a value, as "--json".
    static QCommandLineOption flag(const QString &name);
    // An option with a value, as "-o, --output FILE".
    static QCommandLineOption valueOption(const QStringList &names);

private:
    // The parser's refusal of the command line in the reader's language.
    QString parserComplaint() const;

    QString name_;
    const char *help_;
    QCommandLineParser parser_;
};
