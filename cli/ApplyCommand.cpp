// quaxel-cli apply: puts a settings document into a new, verified HEX file.
#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"

#include <QCoreApplication>

namespace {

const char *const ApplyHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "\n"
    "Lädt FILE, bringt die Einstellungen von DOC über die Regeln der Editoren hinein,\n"
    "als wären sie im Fenster eingegeben, schreibt OUT mit demselben Schreiber wie\n"
    "\"HEX speichern\" und liest die Datei zur Prüfung zurück. Eine Einstellung, die\n"
    "DOC auslässt, behält ihren Wert. DOC darf von einer anderen Version desselben\n"
    "Decoder-Typs stammen; ein Dokument für einen anderen Typ, oder eine FILE, deren\n"
    "Decoder nicht erkannt wird, wird abgelehnt.\n"
    "\n"
    "  -o, --output OUT.hex   die zu schreibende Datei (nötig); '-' schreibt den\n"
    "                         HEX-Text auf die Standardausgabe, ohne Zurücklesen\n"
    "  --force                nimmt eine Eingabe mit falschen Record-Prüfsummen oder\n"
    "                         ohne End-Record (sonst abgelehnt)\n"
    "  --help                 dieser Text\n"
    "  --                     beendet die Optionen\n"
    "\n"
    "Alles oder nichts: ein Dokument, das kein JSON ist, eine andere Format-Version,\n"
    "einen unbekannten Schlüssel oder einen Wert falscher Art oder außerhalb des\n"
    "Bereichs hat, oder eine Einstellung, die die Regeln ablehnen, beendet den Befehl\n"
    "mit einer Meldung, die den JSON-Pfad der Einstellung nennt (und die Meldung des\n"
    "Fensters, wo es eine hat); nichts wird geschrieben.\n"
    "\n"
    "Exit-Status: 0 geschrieben und geprüft, 1 abgelehnt oder nicht geprüft, 2 falsche Befehlszeile.\n");

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
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "eine HEX-Datei und ein Einstellungsdokument erwartet"));
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "eine Ausgabedatei erwartet (-o OUT.hex)"));
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
        o.out = printable(QCoreApplication::translate("quaxel-cli", "geschrieben und geprüft: %1\n").arg(shownPath(output)));
        o.exitCode = CliExit::Ok;
        return o;
    }
};

} // namespace

std::unique_ptr<Command> makeApplyCommand()
{
    return std::make_unique<ApplyCommand>();
}
