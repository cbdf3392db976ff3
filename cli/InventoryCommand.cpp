// quaxel-cli inventory: every address in use across many decoders, and the
// addresses slots share.
#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "settings/Inventory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char *const InventoryHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "\n"
    "Listet jede benutzte Adresse über viele Decoder, eine Zeile je Slot: Datei, Typ,\n"
    "Protokoll, Slot-Bezeichnung, Adresse und Ausgang (g, r) oder Funktion (F3). Ein\n"
    "FOLDER steht für die .hex-Dateien darin (nicht die seiner Unterordner).\n"
    "Adressen, die zwei Slots teilen (dasselbe Protokoll, dieselbe Adresse und\n"
    "derselbe Ausgang, in einer Datei oder in mehreren), stehen am Ende; Teilen kann\n"
    "gewollt sein und ist kein Fehler.\n"
    "\n"
    "  --csv      eine Tabelle mit Kommas und einer Kopfzeile; ihre letzte Spalte\n"
    "             zählt die anderen Slots, die die Adresse der Zeile teilen\n"
    "  --json     die Zeilen und die geteilten Adressen als JSON\n"
    "  --strict   Exit-Status 1, wenn eine Adresse geteilt wird\n"
    "  --help     dieser Text\n"
    "  --         beendet die Optionen\n"
    "\n"
    "Eine Datei, die sich nicht laden lässt, wird auf der Standardfehlerausgabe\n"
    "genannt und ausgelassen.\n"
    "\n"
    "Exit-Status: 0 aufgelistet, 1 eine Adresse wird geteilt und --strict ist\n"
    "gegeben, 2 eine Datei ließ sich nicht laden oder eine falsche Befehlszeile.\n");

class InventoryCommand : public Command {
public:
    explicit InventoryCommand(OutputSink sink)
        : Command(QStringLiteral("inventory"), InventoryHelp,
                  {flag(QStringLiteral("csv")), flag(QStringLiteral("json")), flag(QStringLiteral("strict"))}),
          sink_(std::move(sink))
    {
    }

private:
    int failedStatus() const override { return CliExit::Failed; }

    CliOutput execute() override
    {
        if (files().isEmpty())
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "mindestens eine HEX-Datei oder ein Ordner erwartet"));
        if (isSet(QStringLiteral("csv")) && isSet(QStringLiteral("json")))
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "--csv und --json schließen einander aus"));
        CliOutput o;
        Settings::Inventory inventory;
        const bool failed = !addFiles(inventory, o);
        write(inventory, sink_ ? sink_ : OutputSink([&o](const QString &piece) { o.out += piece; }));
        if (failed)
            o.exitCode = CliExit::Failed;
        else if (isSet(QStringLiteral("strict")) && inventory.anyShared())
            o.exitCode = CliExit::Refused;
        else
            o.exitCode = CliExit::Ok;
        return o;
    }

    // Adds every file the arguments stand for: false when one could not be loaded.
    bool addFiles(Settings::Inventory &inventory, CliOutput &o) const
    {
        bool complete = true;
        for (const QString &argument : files()) {
            const Settings::InventorySources found(argument);
            if (found.error()) {
                printMessage(o, QString(), *found.error());
                complete = false;
            }
            for (qsizetype k = 0; k < found.size(); ++k) {
                const QString path = found.path(k);
                LoadedHex loaded;
                if (!loadHex(path, Damaged::Warn, loaded, o)) {
                    complete = false;
                    continue;
                }
                inventory.add(shownPath(path), loaded.session);
            }
        }
        return complete;
    }

    void write(const Settings::Inventory &inventory, const OutputSink &out) const
    {
        if (isSet(QStringLiteral("csv")))
            inventory.writeCsv(out);
        else if (isSet(QStringLiteral("json")))
            inventory.writeJson(out);
        else
            inventory.writeText([&out](const QString &piece) { out(printable(piece)); });
    }

    OutputSink sink_;
};

} // namespace

std::unique_ptr<Command> makeInventoryCommand(const OutputSink &sink)
{
    return std::make_unique<InventoryCommand>(sink);
}
