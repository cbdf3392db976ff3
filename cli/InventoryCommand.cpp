// quaxel-cli inventory: every address in use across many decoders, and the
// addresses slots share.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "settings/Inventory.h"

#include <QDir>
#include <QDirIterator>
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

// The files an inventory argument stands for: the file itself, or the .hex
// files of a folder in name order.
struct InventoryFiles {
    QString folder; // what goes before each name
    QStringList names;
    QString path(qsizetype k) const { return folder + names[k]; }
};

InventoryFiles inventoryFiles(const QString &argument)
{
    const QFileInfo info(argument);
    if (!info.isDir() || info.isSymLink())
        return {QString(), {argument}};
    // QDirIterator keeps no file information of the entries, as a sorted
    // QDir listing does, and the folder is kept once: a folder of many files
    // costs only their names.
    InventoryFiles files;
    QDirIterator entries(argument, {QStringLiteral("*.hex"), QStringLiteral("*.HEX")}, QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString name = entries.fileName();
        if (files.names.isEmpty())
            files.folder = path.chopped(name.size());
        files.names.append(name);
    }
    files.names.sort();
    return files;
}

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
        else if (isSet(QStringLiteral("strict")) && !inventory.shared().empty())
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
            const InventoryFiles found = inventoryFiles(argument);
            for (qsizetype k = 0; k < found.names.size(); ++k) {
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
