// quaxel-cli export: the settings document of a HEX file.
#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <sys/stat.h>

namespace {

const char *const ExportHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli export FILE.hex [-o DOC.json]\n"
    "\n"
    "Lädt FILE wie \"HEX laden\" und schreibt ihr Einstellungsdokument: jede\n"
    "Einstellung, die die Editoren für ihren Decoder-Typ zeigen (Slots, Modes, CVs,\n"
    "Blinkmuster, Servo-Einstellungen und Kurven), mit dem Decoder und dem Namen und\n"
    "SHA-256 der Quelldatei. Das Format beschreibt docs/settings-format.md.\n"
    "\n"
    "  -o, --output DOC.json   die zu schreibende Datei; ohne sie, oder mit '-', geht\n"
    "                          das Dokument auf die Standardausgabe\n"
    "  --help                  dieser Text\n"
    "  --                      beendet die Optionen\n"
    "\n"
    "Eine vorhandene DOC.json wird nur ersetzt, wenn sie ein JSON-Objekt enthält (ein\n"
    "früheres Dokument); jede andere Datei, die HEX-Datei selbst eingeschlossen, wird\n"
    "abgelehnt und behalten.\n"
    "\n"
    "Eine Datei mit falschen Record-Prüfsummen oder ohne End-Record wird trotzdem\n"
    "gelesen; jeder Befund wird auf der Standardfehlerausgabe gemeldet.\n"
    "\n"
    "Exit-Status: 0 geschrieben, 1 die Datei lässt sich nicht laden, wird nicht\n"
    "erkannt oder das Dokument lässt sich nicht schreiben, 2 falsche Befehlszeile.\n");

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
    return fileMessage(path, QCoreApplication::translate("quaxel-cli", "existiert und ist kein Einstellungsdokument; sie wird nicht ersetzt"));
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
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "eine HEX-Datei erwartet"));
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() > 1 || (outputs.size() == 1 && outputs.first().isEmpty()))
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "höchstens eine Ausgabedatei erwartet (-o DOC.json)"));

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
