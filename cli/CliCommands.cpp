#include "cli/CliCommands.h"

#include "cli/Commands.h"
#include "cli/Messages.h"

#include <QCoreApplication>

namespace {

const char *const MainHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli BEFEHL [OPTIONEN]\n"
    "\n"
    "Liest, vergleicht und schreibt HEX-Dateien von Decoder-Firmware mit den Regeln\n"
    "des Quaxel-Fensters, ohne Bildschirm.\n"
    "\n"
    "Befehle:\n"
    "  info FILE.hex [--json]   Typ, Version, Protokoll, Slots, ID und Config-Worte\n"
    "  diff A.hex B.hex         die Byte-Unterschiede von B gegen A, wie \"HEX Info\" sie auflistet\n"
    "  set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]... [--series COUNT --step K]\n"
    "                           ändert Slots und schreibt eine neue, geprüfte HEX-Datei\n"
    "  export FILE.hex [-o DOC.json]\n"
    "                           das Einstellungsdokument: jede Einstellung, die die Editoren zeigen\n"
    "  apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "                           bringt ein Einstellungsdokument in eine neue, geprüfte HEX-Datei\n"
    "  diff --settings A B [--json]\n"
    "                           die Einstellungen, die sich unterscheiden; A und B HEX-Dateien oder Dokumente\n"
    "  inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "                           jede benutzte Adresse, und die Adressen, die Slots teilen\n"
    "\n"
    "'quaxel-cli BEFEHL --help' zeigt die Optionen eines Befehls.\n"
    "  --help      dieser Text\n"
    "  --version   die Version des Programms\n"
    "  --          beendet die Optionen: jedes Argument danach ist ein Dateiname\n"
    "\n"
    "Gelesen werden nur reguläre Dateien von höchstens 1 MiB; ersetzt wird nur eine\n"
    "reguläre Datei, mit ihren Rechten, ihrem Besitzer und ihrer Gruppe. Ein FIFO,\n"
    "ein Gerät, ein Socket, ein Ordner, eine Datei mit mehr als einem harten Link\n"
    "oder eine, deren Besitzer oder Rechte sich nicht behalten lassen, wird\n"
    "abgelehnt und nicht angerührt (Exit-Status 1; 2 bei diff).\n");

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
        return commandLineFault(QString(), QCoreApplication::translate("quaxel-cli", "ein Befehl fehlt: info, diff, set, export, apply oder inventory"));
    const QString name = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") || name == QStringLiteral("help"))
        return helpText(MainHelp);
    if (name == QStringLiteral("--version"))
        return {CliExit::Ok, programName() + QStringLiteral(" ") + QStringLiteral(QUAXEL_VERSION) + QLatin1Char('\n'), QString()};
    const std::unique_ptr<Command> command = commandNamed(name, rest, sink);
    if (!command)
        return commandLineFault(QString(), QCoreApplication::translate("quaxel-cli", "unbekannter Befehl '%1'").arg(name));
    return command->run(rest);
}
