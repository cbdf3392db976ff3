// quaxel-cli apply: puts a settings document into a new, verified HEX file.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"

namespace {

const char *const ApplyHelp =
    "Usage: quaxel-cli apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "\n"
    "Loads FILE, puts the settings of DOC into it through the editors' rules, as\n"
    "if they were typed into the window, writes OUT with the same writer as\n"
    "\"HEX speichern\" and reads it back to verify it. A setting DOC leaves out\n"
    "keeps its value. DOC may come from another version of the same decoder type;\n"
    "a document for another type, or a FILE whose decoder is not recognised, is\n"
    "refused.\n"
    "\n"
    "  -o, --output OUT.hex   the file to write (required); '-' writes the HEX text\n"
    "                         to standard output, without reading it back\n"
    "  --force                use an input with bad record checksums or without an\n"
    "                         end record (refused otherwise)\n"
    "  --help                 this text\n"
    "  --                     ends the options\n"
    "\n"
    "All or nothing: a document that is no JSON, has another format version, an\n"
    "unknown key or a value of the wrong kind or range, or a setting that the rules\n"
    "refuse, stops the command with a message naming the JSON path of the setting\n"
    "(and the window's message where it has one); nothing is written.\n"
    "\n"
    "Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.\n";

class ApplyCommand : public Command {
public:
    ApplyCommand()
        : Command(QStringLiteral("apply"), ApplyHelp,
                  {valueOption({QStringLiteral("o"), QStringLiteral("output")}), flag(QStringLiteral("force"))})
    {
    }

private:
    CliOutput execute() override
    {
        if (files().size() != 2)
            return commandLineFault(QStringLiteral("a HEX file and a settings document expected"));
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return commandLineFault(QStringLiteral("one output file expected (-o OUT.hex)"));
        return apply(files()[0], files()[1], outputs.first());
    }

    CliOutput apply(const QString &input, const QString &documentPath, const QString &output) const
    {
        CliOutput o;
        o.exitCode = CliExit::Refused;
        LoadedHex loaded;
        if (!loadHex(input, damagePolicy(isSet(QStringLiteral("force"))), loaded, o))
            return o;
        // The editors' rules apply to a decoder they know; nothing is written
        // into one they do not.
        if (!loaded.session.recognised()) {
            printMessage(o, shownPath(input), DecoderSession::unrecognisedMessage());
            return o;
        }
        QJsonObject document;
        if (!loadDocument(documentPath, document, o))
            return o;
        if (const auto fault = Settings::applySettings(loaded.session, document)) {
            printMessage(o, shownPath(documentPath), fault->text());
            return o;
        }
        if (output == QStringLiteral("-")) {
            o.out = QString::fromLatin1(loaded.session.fileContent());
            o.exitCode = CliExit::Ok;
            return o;
        }
        if (const auto failure = loaded.session.saveFile(output)) {
            printMessage(o, QString(), *failure);
            return o;
        }
        o.out = printable(QStringLiteral("written and verified: %1\n").arg(shownPath(output)));
        o.exitCode = CliExit::Ok;
        return o;
    }
};

} // namespace

std::unique_ptr<Command> makeApplyCommand()
{
    return std::make_unique<ApplyCommand>();
}
