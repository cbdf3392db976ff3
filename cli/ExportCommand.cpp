// quaxel-cli export: the settings document of a HEX file.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QJsonDocument>
#include <sys/stat.h>

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
    "An existing DOC.json is replaced only when it holds a JSON object (an earlier\n"
    "document); any other file, the HEX file itself among them, is refused and kept.\n"
    "\n"
    "A file with bad record checksums or without an end record is read all the\n"
    "same; each finding is printed on standard error.\n"
    "\n"
    "Exit status: 0 written, 1 the file cannot be loaded, is not recognised or the\n"
    "document cannot be written, 2 wrong command line.\n";

// Why an existing output must not be replaced: a file that holds something
// other than a JSON object, as the firmware of "export X.hex -o X.hex" does.
// An empty file holds nothing to lose; a name that is no regular file is the
// save's to refuse.
std::optional<QString> notADocument(const QString &path)
{
    struct stat info {};
    if (::stat(pathBytes(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return std::nullopt;
    const InputFile file = readInputFile(path);
    if (file.error)
        return file.error;
    QByteArray content = file.content;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QJsonParseError error;
    if (QJsonDocument::fromJson(content, &error).isObject())
        return std::nullopt;
    return fileMessage(path, QStringLiteral("exists and is no settings document; it is not replaced"));
}

// Writes the document to a file through the verified save, or to standard
// output for "-".
bool writeOutput(const QString &path, const QByteArray &content, CliOutput &o)
{
    if (path == QStringLiteral("-")) {
        o.out = QString::fromUtf8(content);
        return true;
    }
    if (const auto refused = notADocument(path)) {
        printMessage(o, QString(), *refused);
        return false;
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
