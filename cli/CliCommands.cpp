#include "cli/CliCommands.h"

#include "cli/Commands.h"
#include "cli/Messages.h"

namespace {

const char *const MainHelp =
    "Usage: quaxel-cli COMMAND [OPTIONS]\n"
    "\n"
    "Reads, compares and writes decoder firmware HEX files with the rules of the\n"
    "Quaxel window, without a display.\n"
    "\n"
    "Commands:\n"
    "  info FILE.hex [--json]   type, version, protocol, slots, ID and config words\n"
    "  diff A.hex B.hex         the byte differences of B against A, as \"HEX Info\" lists them\n"
    "  set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]... [--series COUNT --step K]\n"
    "                           changes slots and writes a new, verified HEX file\n"
    "  export FILE.hex [-o DOC.json]\n"
    "                           the settings document: every setting the editors show\n"
    "  apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "                           puts a settings document into a new, verified HEX file\n"
    "  diff --settings A B [--json]\n"
    "                           the settings that differ, A and B HEX files or documents\n"
    "  inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "                           every address in use, and the addresses slots share\n"
    "\n"
    "Run 'quaxel-cli COMMAND --help' for the options of a command.\n"
    "  --help      this text\n"
    "  --version   the program's version\n"
    "  --          ends the options: every argument after it is a file name\n"
    "\n"
    "Only regular files of at most 1 MiB are read; only a regular file is replaced,\n"
    "keeping its mode, owner and group. A FIFO, a device, a socket, a folder, a\n"
    "file with more than one hard link or one whose owner or mode cannot be kept\n"
    "is refused and left untouched (exit status 1; 2 for diff).\n";

// The command a name stands for; nothing for an unknown name.
std::unique_ptr<Command> commandNamed(const QString &name, const QStringList &args, const OutputSink &sink)
{
    if (name == QStringLiteral("info"))
        return makeInfoCommand();
    if (name == QStringLiteral("diff"))
        return makeDiffCommand(args);
    if (name == QStringLiteral("set"))
        return makeSetCommand(sink);
    if (name == QStringLiteral("export"))
        return makeExportCommand();
    if (name == QStringLiteral("apply"))
        return makeApplyCommand();
    if (name == QStringLiteral("inventory"))
        return makeInventoryCommand(sink);
    return nullptr;
}

} // namespace

CliOutput runCli(const QStringList &arguments, const OutputSink &sink)
{
    if (arguments.isEmpty())
        return commandLineFault(QString(), QStringLiteral("a command is needed: info, diff, set, export, apply or inventory"));
    const QString name = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") || name == QStringLiteral("help"))
        return helpText(MainHelp);
    if (name == QStringLiteral("--version"))
        return {CliExit::Ok, programName() + QStringLiteral(" ") + QStringLiteral(QUAXEL_VERSION) + QLatin1Char('\n'), QString()};
    const std::unique_ptr<Command> command = commandNamed(name, rest, sink);
    if (!command)
        return commandLineFault(QString(), QStringLiteral("unknown command '%1'").arg(name));
    return command->run(rest);
}
