// quaxel-cli inventory: every address in use across many decoders, and the
// addresses slots share.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "settings/Inventory.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const InventoryHelp =
    "Usage: quaxel-cli inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "\n"
    "Lists every address in use across many decoders, one row per slot: file, type,\n"
    "protocol, slot label, address and output (g, r) or function (F3). A FOLDER\n"
    "stands for the .hex files in it (not those of its subfolders). Addresses that\n"
    "two slots share (the same protocol, address and output, in one file or in\n"
    "several) are listed at the end; sharing may be intended and is no error.\n"
    "\n"
    "  --csv      a comma-separated table with one header row; its last column\n"
    "             counts the other slots that share the row's address\n"
    "  --json     the rows and the shared addresses as JSON\n"
    "  --strict   exit with status 1 when an address is shared\n"
    "  --help     this text\n"
    "  --         ends the options\n"
    "\n"
    "A file that cannot be loaded is named on standard error and left out.\n"
    "\n"
    "Exit status: 0 listed, 1 an address is shared and --strict is given, 2 a file\n"
    "could not be loaded or a wrong command line.\n";

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
            return commandLineFault(QStringLiteral("at least one HEX file or folder expected"));
        if (isSet(QStringLiteral("csv")) && isSet(QStringLiteral("json")))
            return commandLineFault(QStringLiteral("--csv and --json exclude each other"));
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
