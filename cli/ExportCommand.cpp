// quaxel-cli export: the settings document of a HEX file.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "image/SafeSave.h"

namespace {

const char *const ExportHelp =
    "Usage: quaxel-cli export FILE.hex [-o DOC.json]\n"
    "\n"
    "Loads FILE as \"HEX laden\" does and writes its settings document: every\n"
    "setting the editors show for its decoder type (slots, modes, CVs, blink\n"
    "patterns, servo settings and curves), with the decoder and the source file's\n"
    "name and SHA-256. The format is described in docs/settings-format.md.\n"
    "\n"
    "  -o, --output DOC.json   the file to write; without it, or with '-', the\n"
    "                          document goes to standard output\n"
    "  --help                  this text\n"
    "  --                      ends the options\n"
    "\n"
    "A file with bad record checksums or without an end record is read all the\n"
    "same; each finding is printed on standard error.\n"
    "\n"
    "Exit status: 0 written, 1 the file cannot be loaded, is not recognised or the\n"
    "document cannot be written, 2 wrong command line.\n";

// Writes the document to a file through the verified save, or to standard
// output for "-".
bool writeOutput(const QString &path, const QByteArray &content, CliOutput &o)
{
    if (path == QStringLiteral("-")) {
        o.out = QString::fromUtf8(content);
        return true;
    }
    if (const auto failure = saveVerified(path, content)) {
        printMessage(o, QString(), *failure);
        return false;
    }
    return true;
}

class ExportCommand : public Command {
public:
    ExportCommand() : Command(QStringLiteral("export"), ExportHelp, {valueOption({QStringLiteral("o"), QStringLiteral("output")})}) {}

private:
    CliOutput execute() override
    {
        if (files().size() != 1)
            return commandLineFault(QStringLiteral("one HEX file expected"));
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() > 1 || (outputs.size() == 1 && outputs.first().isEmpty()))
            return commandLineFault(QStringLiteral("at most one output file expected (-o DOC.json)"));

        CliOutput o;
        o.exitCode = CliExit::Refused;
        const QString input = files().first();
        LoadedHex loaded;
        if (!loadHex(input, Damaged::Warn, loaded, o))
            return o;
        if (!loaded.session.recognised()) {
            printMessage(o, shownPath(input), DecoderSession::unrecognisedMessage());
            return o;
        }
        const QByteArray text = Settings::documentText(Settings::exportSettings(loaded.session, loaded.source));
        if (!writeOutput(outputs.isEmpty() ? QStringLiteral("-") : outputs.first(), text, o))
            return o;
        o.exitCode = CliExit::Ok;
        return o;
    }
};

} // namespace

std::unique_ptr<Command> makeExportCommand()
{
    return std::make_unique<ExportCommand>();
}
