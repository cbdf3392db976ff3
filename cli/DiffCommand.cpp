// quaxel-cli diff: the byte differences of two HEX files as "HEX Info" lists
// them, or with --settings the settings that differ.
#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/HexDamage.h"
#include "image/HexFile.h"
#include "image/HexReader.h"
#include "image/SafeFile.h"
#include "image/SafeText.h"
#include "info/InfoListing.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"

#include <QCoreApplication>

namespace {

const char *const DiffHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli diff A.hex B.hex\n"
    "\n"
    "Lädt A und vergleicht jeden Record von B damit, wie es \"HEX Info\" und\n"
    "\"vergleiche mit 2. HEX-File\" tun: die EEPROM-Zeilen, die ROM-, ID- und\n"
    "CONFIG-Zeilen, jeweils gefolgt von den Anzahlen. Zeigen die Records von B keinen\n"
    "Unterschied, lässt B aber Bytes aus, die A enthält, nennt eine letzte Zeile das\n"
    "erste davon.\n"
    "\n"
    "  --force  vergleicht Dateien mit falschen Record-Prüfsummen oder ohne End-Record\n"
    "           (sonst abgelehnt)\n"
    "  --help   dieser Text\n"
    "\n"
    "Exit-Status: 0 die Abbilder sind gleich, 1 sie unterscheiden sich, 2 ein Fehler\n"
    "(dann wird nichts auf die Standardausgabe geschrieben).\n");

const char *const SettingsDiffHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli diff --settings A B [--json] [--force]\n"
    "\n"
    "Vergleicht die Einstellungen von A und B, jeweils eine HEX-Datei oder ein\n"
    "Einstellungsdokument, und gibt für jede Einstellung, die sich unterscheidet,\n"
    "eine Zeile in den Worten der Editoren aus: \"Adresse 03: 12g -> 14r\",\n"
    "\"Kurve 2: Anzahl Punkte 30 -> 20\". Eine Einstellung, die ein Dokument auslässt,\n"
    "wird nicht verglichen.\n"
    "\n"
    "  --settings  vergleicht Einstellungen, nicht Bytes\n"
    "  --json      gibt stattdessen ein Teil-Einstellungsdokument der abweichenden\n"
    "              Einstellungen von B aus, das 'apply' annimmt\n"
    "  --force     vergleicht HEX-Dateien mit falschen Record-Prüfsummen oder ohne\n"
    "              End-Record (sonst abgelehnt)\n"
    "  --help      dieser Text\n"
    "  --          beendet die Optionen\n"
    "\n"
    "Exit-Status: 0 alle Einstellungen sind gleich, 1 eine Einstellung unterscheidet sich, 2 ein Fehler.\n");

// The listing's lines under their headings, as the dialog shows them.
QString listingText(const CompareListing &listing)
{
    return QStringLiteral("EEPROM\n") + listing.eepromLines.join(QLatin1Char('\n'))
           + (listing.eepromLines.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("ROM\n")
           + listing.romLines.join(QLatin1Char('\n')) + (listing.romLines.isEmpty() ? QString() : QStringLiteral("\n"));
}

// The listing compares only what B's records hold; bytes of A that B leaves
// out make the images differ all the same: the line that names the first.
std::optional<QString> uncoveredBytes(const FirmwareImage &first, const QStringList &secondLines)
{
    FirmwareImage second;
    loadHexLines(second, secondLines);
    const auto uncovered = compareImages(first, second);
    if (!uncovered)
        return std::nullopt;
    return QCoreApplication::translate("quaxel-cli", "Nicht in den Records von File2: %1: File1:0x%2 - File2:0x%3 (%4 insgesamt)\n")
        .arg(uncovered->where, quotedLine(uncovered->first), quotedLine(uncovered->second))
        .arg(uncovered->count);
}

// Compares B's records with the loaded A: exit 0 equal, 1 they differ, 2 an
// error, when nothing is printed on standard output.
CliOutput compareWith(const FirmwareImage &first, const QString &second, Damaged policy, CliOutput o)
{
    const InputFile file = readInputFile(second);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return o;
    }
    const QStringList lines = splitHexFileLines(file.content);
    if (const auto tooLong = checkCompareLineCount(lines)) {
        printMessage(o, shownPath(second), tooLong->text);
        return o;
    }
    QStringList upperLines;
    upperLines.reserve(lines.size());
    for (const QString &line : lines)
        upperLines.append(upperCaseLine(line));
    const CompareListing listing = compareHexLines(first, upperLines);
    if (listing.error) {
        // The listing as far as it got goes to standard error before the
        // message, as the dialog shows it.
        o.err += printable(listingText(listing));
        printMessage(o, shownPath(second), listing.error->text);
        return o;
    }
    if (!acceptDamage(findHexDamage(lines), second, policy, o))
        return o;
    o.out = printable(listingText(listing));
    o.exitCode = CliExit::Differ;
    if (listing.eepromDiffs + listing.romDiffs + listing.idDiffs + listing.configDiffs > 0)
        return o;
    if (const auto uncovered = uncoveredBytes(first, lines)) {
        o.out += printable(*uncovered);
        return o;
    }
    o.exitCode = CliExit::Ok;
    return o;
}

class ByteDiffCommand : public Command {
public:
    ByteDiffCommand() : Command(QStringLiteral("diff"), DiffHelp, {flag(QStringLiteral("force"))}) {}

private:
    int failedStatus() const override { return CliExit::Failed; }

    CliOutput execute() override
    {
        if (files().size() != 2)
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "zwei HEX-Dateien erwartet"));
        CliOutput o;
        o.exitCode = CliExit::Failed;
        const Damaged policy = damagePolicy(isSet(QStringLiteral("force")));
        LoadedHex loaded;
        if (!loadHex(files()[0], policy, loaded, o))
            return o;
        return compareWith(loaded.session.image, files()[1], policy, o);
    }
};

bool settingsOf(const QString &path, Damaged policy, QJsonObject &document, CliOutput &o)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return false;
    }
    if (Settings::isDocumentText(file.content))
        return loadDocument(path, document, o);
    LoadedHex loaded;
    if (!loadHex(path, policy, loaded, o))
        return false;
    document = Settings::exportSettings(loaded.session, loaded.source);
    return true;
}

class SettingsDiffCommand : public Command {
public:
    SettingsDiffCommand()
        : Command(QStringLiteral("diff"), SettingsDiffHelp,
                  {flag(QStringLiteral("settings")), flag(QStringLiteral("json")), flag(QStringLiteral("force"))})
    {
    }

private:
    int failedStatus() const override { return CliExit::Failed; }

    CliOutput execute() override
    {
        if (files().size() != 2)
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "zwei HEX-Dateien oder Einstellungsdokumente erwartet"));
        CliOutput o;
        o.exitCode = CliExit::Failed;
        const Damaged policy = damagePolicy(isSet(QStringLiteral("force")));
        QJsonObject first;
        QJsonObject second;
        if (!settingsOf(files()[0], policy, first, o) || !settingsOf(files()[1], policy, second, o))
            return o;
        const Settings::Comparison comparison = Settings::compareSettings(first, second);
        if (isSet(QStringLiteral("json")))
            o.out = QString::fromUtf8(Settings::documentText(comparison.partial));
        else
            o.out = printable(comparison.lines.join(QLatin1Char('\n')) + (comparison.equal() ? QString() : QStringLiteral("\n")));
        o.exitCode = comparison.equal() ? CliExit::Ok : CliExit::Differ;
        return o;
    }
};

// True for a diff command line that asks for the settings comparison.
bool isSettingsDiff(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QStringLiteral("--"))
            return false;
        if (arg == QStringLiteral("--settings"))
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<Command> makeDiffCommand(const QStringList &args)
{
    if (isSettingsDiff(args))
        return std::make_unique<SettingsDiffCommand>();
    return std::make_unique<ByteDiffCommand>();
}
