#include "cli/CliCommands.h"
#include "cli/SettingsCommands.h"

#include "decoder/DecoderSession.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"
#include "info/InfoListing.h"
#include "settings/SettingsDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace {

const QString Program = QStringLiteral("quaxel-cli");
const QString Unrecognised = DecoderSession::unrecognisedMessage();
const QString ChecksumProblem = DecoderSession::checksumProblemMessage();

const char *const MainHelp =
    "Usage: quaxel-cli COMMAND [OPTIONS]\n"
    "\n"
    "Reads, compares and writes decoder firmware HEX files with the rules of the\n"
    "Quaxel window, without a display.\n"
    "\n"
    "Commands:\n"
    "  info FILE.hex [--json]   type, version, protocol, slots, ID and config words\n"
    "  diff A.hex B.hex         the byte differences of B against A, as \"HEX Info\" lists them\n"
    "  set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]... [--series COUNT --step K]\n"
    "                           changes slots and writes a new, verified HEX file\n"
    "  export FILE.hex [-o DOC.json]\n"
    "                           the settings document: every setting the editors show\n"
    "  apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "                           puts a settings document into a new, verified HEX file\n"
    "  diff --settings A B [--json]\n"
    "                           the settings that differ, A and B HEX files or documents\n"
    "  inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "                           every address in use, and the addresses slots share\n"
    "\n"
    "Run 'quaxel-cli COMMAND --help' for the options of a command.\n"
    "  --help      this text\n"
    "  --version   the program's version\n"
    "  --          ends the options: every argument after it is a file name\n"
    "\n"
    "Only regular files of at most 1 MiB are read; only a regular file is replaced,\n"
    "keeping its mode, owner and group. A FIFO, a device, a socket, a folder, a\n"
    "file with more than one hard link or one whose owner or mode cannot be kept\n"
    "is refused and left untouched (exit status 1; 2 for diff).\n";

const char *const InfoHelp =
    "Usage: quaxel-cli info FILE.hex [--json]\n"
    "\n"
    "Loads FILE as \"HEX laden\" does and prints what the window shows: the decoder\n"
    "type code and label, version, ID, protocol, every slot of the type with its\n"
    "address and red/green output (g, r) or function number (/N), the type words,\n"
    "the ID words and the config word.\n"
    "\n"
    "  --json   one JSON object instead of text\n"
    "  --help   this text\n"
    "\n"
    "A file with record checksums that do not add up, or without an end record,\n"
    "is read all the same; each such finding is printed on standard error (and\n"
    "listed as \"warnings\" with --json).\n"
    "\n"
    "Exit status: 0 loaded and recognised, 1 the file cannot be loaded or its type\n"
    "is not recognised (what was read is printed all the same), 2 wrong command line.\n";

const char *const DiffHelp =
    "Usage: quaxel-cli diff A.hex B.hex\n"
    "\n"
    "Loads A and compares every record of B with it, as \"HEX Info\" and \"vergleiche\n"
    "mit 2. HEX-File\" do: the EEPROM lines, the ROM, ID and CONFIG lines, each\n"
    "followed by the counts. When B's records show no difference but B leaves out\n"
    "bytes that A holds, a last line names the first of them.\n"
    "\n"
    "  --force  compare files with bad record checksums or without an end record\n"
    "           (refused otherwise)\n"
    "  --help   this text\n"
    "\n"
    "Exit status: 0 the images are equal, 1 they differ, 2 an error (nothing is\n"
    "printed on standard output then).\n";

const char *const SetHelp =
    "Usage: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...\n"
    "                      [--series COUNT --step K]\n"
    "\n"
    "Loads IN, changes the slots, checks them with the rules and messages of\n"
    "\"HEX speichern\", writes OUT with the same writer and reads it back to verify it.\n"
    "\n"
    "  -o, --output OUT.hex   the file to write (required); '-' writes the HEX text\n"
    "                         to standard output, without reading it back\n"
    "  --slot N=VALUE         slot N (1 to 47, as 'info' numbers it) gets a new value:\n"
    "                           ADDRESS        the address (0: unused, where the decoder\n"
    "                                          type can store it)\n"
    "                           ADDRESS g / r  and the green or red output (accessory decoders)\n"
    "                           ADDRESS/F      and function number F, from 1 (function decoders)\n"
    "                         a part left out keeps its value, e.g. 3=g or 4=/2\n"
    "  --series COUNT         writes COUNT files OUT-1.hex .. OUT-COUNT.hex\n"
    "  --step K               the addresses of file n+1 are those of file n plus K\n"
    "                         (K >= 1; slots with address 0 stay unused)\n"
    "  --force                use an input with bad record checksums or without an\n"
    "                         end record (refused otherwise)\n"
    "  --help                 this text\n"
    "  --                     ends the options\n"
    "\n"
    "A value the rules refuse, or one the decoder cannot store, stops the command\n"
    "with the window's message and writes nothing. A series is written all or\n"
    "nothing: every file goes to a temporary name first and is read back; only when\n"
    "all are written are they renamed into place. Addresses that would leave the\n"
    "valid range are refused before anything is written.\n"
    "\n"
    "Only a regular file (or a link to one) is replaced, keeping its mode, owner and\n"
    "group; a FIFO, a device, a folder, a file with more than one hard link or one\n"
    "whose owner or mode cannot be kept is refused and left untouched.\n"
    "\n"
    "Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.\n";

// A message as the window shows it: its line breaks become new lines; any
// other control character from a file or the command line is escaped.
void printMessage(CliOutput &o, const QString &context, const QString &text)
{
    QString message = text;
    message.replace(u'\r', u'\n');
    o.err += Program + QStringLiteral(": ")
             + (context.isEmpty() ? QString() : escapedText(context) + QStringLiteral(": "))
             + escapedText(message, true) + QLatin1Char('\n');
}

CliOutput usageError(const QString &command, const QString &text)
{
    CliOutput o;
    o.exitCode = CliExit::Failed;
    const QString name = command.isEmpty() ? Program : Program + QLatin1Char(' ') + command;
    o.err = name + QStringLiteral(": ") + escapedText(text) + QLatin1Char('\n') + QStringLiteral("Try '") + name
            + QStringLiteral(" --help'.\n");
    return o;
}

// Standard output of info and diff: what came from a file is escaped.
QString printable(const QString &text)
{
    return escapedText(text, true);
}

CliOutput helpText(const char *text)
{
    return {CliExit::Ok, QString::fromUtf8(text), QString()};
}

// ---- the command line of one command ----

struct OptionRule {
    QString name;  // "--slot"
    QString alias; // "-o" or empty
    bool takesValue = false;
};

struct ParsedArgs {
    QStringList positionals;
    QList<std::pair<QString, QString>> options; // name, value in command-line order
    bool help = false;
    QString error;

    QStringList values(const QString &name) const
    {
        QStringList found;
        for (const auto &[option, value] : options) {
            if (option == name)
                found.append(value);
        }
        return found;
    }
    bool has(const QString &name) const { return !values(name).isEmpty(); }
};

ParsedArgs parseArgs(const QStringList &args, const QList<OptionRule> &rules)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded) {
            parsed.positionals.append(arg);
            continue;
        }
        if (arg == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            parsed.help = true;
            continue;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg == QStringLiteral("-")) {
            parsed.positionals.append(arg);
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = arg.startsWith(QStringLiteral("--")) && equals > 0 ? arg.left(equals) : arg;
        const OptionRule *rule = nullptr;
        for (const OptionRule &candidate : rules) {
            if (name == candidate.name || (!candidate.alias.isEmpty() && name == candidate.alias))
                rule = &candidate;
        }
        if (!rule) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(arg);
            return parsed;
        }
        QString value;
        if (rule->takesValue) {
            if (name != arg) {
                value = arg.mid(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                parsed.error = QStringLiteral("option '%1' needs a value").arg(arg);
                return parsed;
            }
        } else if (name != arg) {
            parsed.error = QStringLiteral("option '%1' takes no value").arg(name);
            return parsed;
        }
        parsed.options.append({rule->name, value});
    }
    return parsed;
}

// ---- loading ----

// What a command does with a file that loads but shows signs of damage (bad
// record checksums, no end record): info warns; set and diff refuse it unless
// --force is given, and then warn.
enum class Damaged { Warn, Refuse };

// Prints the findings; false when the file is refused for them.
bool acceptDamage(const HexDamage &damage, const QString &path, Damaged policy, CliOutput &o)
{
    if (!damage.any())
        return true;
    for (const QString &finding : damage.findings())
        printMessage(o, shownPath(path), finding);
    if (policy == Damaged::Warn)
        return true;
    printMessage(o, shownPath(path), QStringLiteral("refused: the file may be damaged (--force uses it all the same)"));
    return false;
}

Damaged damagePolicy(const ParsedArgs &parsed)
{
    return parsed.has(QStringLiteral("--force")) ? Damaged::Warn : Damaged::Refuse;
}

// Loads a file as "HEX laden" does: false after its message was printed, or
// when the policy refuses a damaged file.
bool loadFile(const QString &path, DecoderSession &session, CliOutput &o, Damaged policy,
              HexLoadResult *lines = nullptr, QStringList *warnings = nullptr)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return false;
    }
    const DecoderSession::LoadOutcome outcome = session.load(file.content);
    if (outcome.error) {
        printMessage(o, shownPath(path), outcome.error->text);
        return false;
    }
    if (lines)
        *lines = outcome.lines;
    if (warnings)
        *warnings = outcome.damage.findings();
    return acceptDamage(outcome.damage, path, policy, o);
}

// The value in the form --slot takes: "12g", "12r" or "12/3".
QString slotValueText(const DecoderSession &session, int slot)
{
    const SlotValues &values = session.slotValues[static_cast<std::size_t>(slot)];
    if (session.isAccessory())
        return QString::number(values.address) + (values.green ? QLatin1Char('g') : QLatin1Char('r'));
    return QString::number(values.address) + QLatin1Char('/') + QString::number(values.function);
}

QString slotKindName(const DecoderSession &session)
{
    if (session.isAccessory())
        return QStringLiteral("accessory");
    if (session.isFunctionDecoder())
        return QStringLiteral("function");
    return QStringLiteral("none");
}

// "ID: 1" -> "1", "V 3.51" -> "3.51"; empty without an ID record.
QString panelValue(const QString &panel, const QString &prefix)
{
    return panel.startsWith(prefix) ? panel.mid(prefix.size()) : panel;
}

// ---- info ----

QJsonObject infoJson(const QString &path, const DecoderSession &session, const HexLoadResult &lines,
                     const QStringList &warnings)
{
    QJsonObject info;
    if (!warnings.isEmpty())
        info[QStringLiteral("warnings")] = QJsonArray::fromStringList(warnings);
    info[QStringLiteral("file")] = shownPath(path);
    info[QStringLiteral("typeCode")] = session.typeCode();
    info[QStringLiteral("label")] = session.type() ? session.type()->label : QString();
    info[QStringLiteral("recognised")] = session.recognised();
    info[QStringLiteral("version")] = panelValue(lines.versionPanel, QStringLiteral("V "));
    info[QStringLiteral("id")] = panelValue(lines.idPanel, QStringLiteral("ID: "));
    info[QStringLiteral("protocol")] = protocolPanelText(session.protocol());
    info[QStringLiteral("slotKind")] = slotKindName(session);
    info[QStringLiteral("typeWords")] = QJsonObject{
        {QStringLiteral("id1"), session.ids().id1}, {QStringLiteral("id2"), session.ids().id2},
        {QStringLiteral("id3"), session.ids().id3}};
    info[QStringLiteral("idWords")] = session.image.idText;
    info[QStringLiteral("config")] = session.image.configText;
    info[QStringLiteral("slots")] = Settings::slotsJson(session);
    return info;
}

QString infoText(const QString &path, const DecoderSession &session, const HexLoadResult &lines)
{
    const auto row = [](const QString &name, const QString &value) {
        return (name + QLatin1Char(':')).leftJustified(12) + value + QLatin1Char('\n');
    };
    QString text;
    text += row(QStringLiteral("File"), shownPath(path));
    text += row(QStringLiteral("Type"), QString::number(session.typeCode())
                                            + (session.type() ? QStringLiteral("  ") + session.type()->label
                                                            : QStringLiteral("  (unknown)")));
    text += row(QStringLiteral("Version"), panelValue(lines.versionPanel, QStringLiteral("V ")));
    text += row(QStringLiteral("ID"), panelValue(lines.idPanel, QStringLiteral("ID: ")));
    text += row(QStringLiteral("Protocol"), protocolPanelText(session.protocol()));
    text += row(QStringLiteral("Type words"), idPanelText(session.ids()));
    text += row(QStringLiteral("ID words"), session.image.idText);
    text += row(QStringLiteral("Config"), session.image.configText);
    qsizetype labelWidth = 0;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (session.slotShown(s))
            labelWidth = std::max(labelWidth, session.slotLabel(s).size());
    }
    if (labelWidth == 0)
        return text;
    text += QStringLiteral("Slots (%1):\n").arg(slotKindName(session));
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.slotShown(s))
            continue;
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(s, 4)
                    .arg(session.slotLabel(s).leftJustified(labelWidth), slotValueText(session, s));
    }
    return text;
}

CliOutput runInfo(const QStringList &args)
{
    const ParsedArgs parsed = parseArgs(args, {{QStringLiteral("--json"), QString(), false}});
    if (parsed.help)
        return helpText(InfoHelp);
    if (!parsed.error.isEmpty())
        return usageError(QStringLiteral("info"), parsed.error);
    if (parsed.positionals.size() != 1)
        return usageError(QStringLiteral("info"), QStringLiteral("one HEX file expected"));

    CliOutput o;
    const QString path = parsed.positionals.first();
    DecoderSession session;
    HexLoadResult lines;
    QStringList warnings;
    if (!loadFile(path, session, o, Damaged::Warn, &lines, &warnings)) {
        o.exitCode = CliExit::Refused;
        return o;
    }
    if (!session.recognised()) {
        printMessage(o, shownPath(path), Unrecognised);
        o.exitCode = CliExit::Refused;
    }
    if (parsed.has(QStringLiteral("--json")))
        o.out = QString::fromUtf8(QJsonDocument(infoJson(path, session, lines, warnings)).toJson(QJsonDocument::Indented));
    else
        o.out = printable(infoText(path, session, lines));
    return o;
}

// ---- diff ----

CliOutput runDiff(const QStringList &args)
{
    const ParsedArgs parsed = parseArgs(args, {{QStringLiteral("--force"), QString(), false}});
    if (parsed.help)
        return helpText(DiffHelp);
    if (!parsed.error.isEmpty())
        return usageError(QStringLiteral("diff"), parsed.error);
    if (parsed.positionals.size() != 2)
        return usageError(QStringLiteral("diff"), QStringLiteral("two HEX files expected"));

    CliOutput o;
    o.exitCode = CliExit::Failed;
    const QString first = parsed.positionals[0];
    const QString second = parsed.positionals[1];
    DecoderSession session;
    if (!loadFile(first, session, o, damagePolicy(parsed)))
        return o;
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
    const CompareListing listing = compareHexLines(session.image, upperLines);
    o.out = QStringLiteral("EEPROM\n") + listing.eepromLines.join(QLatin1Char('\n'))
            + (listing.eepromLines.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("ROM\n")
            + listing.romLines.join(QLatin1Char('\n')) + (listing.romLines.isEmpty() ? QString() : QStringLiteral("\n"));
    if (listing.error) {
        // Standard output stays empty on an error: the listing as far as it
        // got goes to standard error before the message, as the dialog shows it.
        o.err += printable(o.out);
        o.out.clear();
        printMessage(o, shownPath(second), listing.error->text);
        return o;
    }
    if (!acceptDamage(findHexDamage(lines), second, damagePolicy(parsed), o)) {
        o.out.clear();
        return o;
    }
    o.out = printable(o.out);
    if (listing.eepromDiffs + listing.romDiffs + listing.idDiffs + listing.configDiffs > 0) {
        o.exitCode = CliExit::Differ;
        return o;
    }
    // The listing compares only what B's records hold; bytes of A that B leaves
    // out make the images differ all the same.
    FirmwareImage secondImage;
    loadHexLines(secondImage, lines);
    if (const auto uncovered = compareImages(session.image, secondImage)) {
        o.out += printable(QStringLiteral("Not in the records of File2: %1: File1:0x%2 - File2:0x%3 (%4 in all)\n")
                               .arg(uncovered->where, quotedLine(uncovered->first), quotedLine(uncovered->second))
                               .arg(uncovered->count));
        o.exitCode = CliExit::Differ;
        return o;
    }
    o.exitCode = CliExit::Ok;
    return o;
}

// ---- set ----

CliOutput runSet(const QStringList &args)
{
    const QString command = QStringLiteral("set");
    const ParsedArgs parsed = parseArgs(args, {{QStringLiteral("--output"), QStringLiteral("-o"), true},
                                               {QStringLiteral("--slot"), QString(), true},
                                               {QStringLiteral("--series"), QString(), true},
                                               {QStringLiteral("--step"), QString(), true},
                                               {QStringLiteral("--force"), QString(), false}});
    if (parsed.help)
        return helpText(SetHelp);
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positionals.size() != 1)
        return usageError(command, QStringLiteral("one input HEX file expected"));
    const QStringList outputs = parsed.values(QStringLiteral("--output"));
    if (outputs.size() != 1 || outputs.first().isEmpty())
        return usageError(command, QStringLiteral("one output file expected (-o OUT.hex)"));
    const QString output = outputs.first();
    const bool toStandardOutput = output == QStringLiteral("-");

    std::vector<SlotChange> changes;
    for (const QString &value : parsed.values(QStringLiteral("--slot"))) {
        const auto change = parseSlotChange(value);
        if (!change)
            return usageError(command, QStringLiteral("--slot '%1': expected N=ADDRESS[r|g][/FUNCTION] with N from 1 to %2")
                                           .arg(value)
                                           .arg(DecoderSession::SlotCount - 1));
        changes.push_back(*change);
    }
    const QStringList seriesValues = parsed.values(QStringLiteral("--series"));
    const QStringList stepValues = parsed.values(QStringLiteral("--step"));
    if (seriesValues.size() > 1 || stepValues.size() > 1 || seriesValues.size() != stepValues.size())
        return usageError(command, QStringLiteral("--series COUNT and --step K go together, once each"));
    int count = 1;
    int step = 0;
    const bool series = !seriesValues.isEmpty();
    if (series) {
        bool countOk = false;
        bool stepOk = false;
        count = seriesValues.first().toInt(&countOk);
        step = stepValues.first().toInt(&stepOk);
        if (!countOk || count < 1)
            return usageError(command, QStringLiteral("--series needs a whole number of at least 1"));
        if (!stepOk || step < 1)
            return usageError(command, QStringLiteral("--step needs a whole number of at least 1"));
        if (toStandardOutput)
            return usageError(command, QStringLiteral("--series needs an output file name, not '-'"));
    }

    CliOutput o;
    o.exitCode = CliExit::Refused;
    const QString input = parsed.positionals.first();
    DecoderSession session;
    if (!loadFile(input, session, o, damagePolicy(parsed)))
        return o;
    if (!session.recognised())
        printMessage(o, shownPath(input), Unrecognised);
    if (const auto fault = session.checkWritable()) {
        printMessage(o, shownPath(input), *fault);
        return o;
    }

    if (const auto refused = checkSlotChanges(session, changes)) {
        printMessage(o, QStringLiteral("--slot %1").arg(refused->slot), refused->message);
        return o;
    }

    const auto fileName = [&](int n) { return series ? seriesFileName(output, n) : output; };
    // A fault of the slots' values names the slot and the file it was meant for.
    const auto slotContext = [&](int slot, int n) {
        return QStringLiteral("slot %1%2, %3")
            .arg(slot)
            .arg(series ? QStringLiteral(", file %1 of %2").arg(n).arg(count) : QString(), shownPath(fileName(n)));
    };

    // The first file carries the changes, checked with the window's rules and
    // read back; a series must stay in the valid range to its last file.
    DecoderSession first = session;
    if (const auto fault = writeSlotChanges(first, changes)) {
        printMessage(o, slotContext(fault->slot, 1), fault->message);
        return o;
    }
    if (series) {
        if (const auto overflow = seriesOverflow(first, count, step)) {
            printMessage(o, slotContext(overflow->slot, overflow->fileNumber), overflow->message);
            return o;
        }
    }

    if (toStandardOutput) {
        if (first.buildHexLines() == 0) {
            printMessage(o, shownPath(input), ChecksumProblem);
            return o;
        }
        o.out = QString::fromLatin1(first.fileContent());
        o.exitCode = CliExit::Ok;
        return o;
    }

    // Every file is staged and read back; one file is in memory at a time.
    // Only when all are written do they take their names, all or none.
    VerifiedSave staged;
    for (int n = 1; n <= count; ++n) {
        const QString path = fileName(n);
        DecoderSession file = n == 1 ? first : session;
        if (n > 1) {
            if (const auto fault = writeSeriesFile(file, first, n, step)) {
                printMessage(o, slotContext(fault->slot, n), fault->message);
                return o;
            }
        }
        if (file.buildHexLines() == 0) {
            printMessage(o, shownPath(path), ChecksumProblem);
            return o;
        }
        if (const auto failure = staged.add(path, file.fileContent(), sameImage(file.image))) {
            printMessage(o, QString(), *failure);
            return o;
        }
    }
    if (const auto error = staged.commit()) {
        printMessage(o, QString(), *error);
        return o;
    }
    QString written;
    for (int n = 1; n <= count; ++n)
        written += QStringLiteral("written and verified: %1\n").arg(shownPath(fileName(n)));
    o.out = printable(written);
    o.exitCode = CliExit::Ok;
    return o;
}

} // namespace

std::optional<SlotChange> parseSlotChange(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+)=([^/]*?)([rgRG]?)(?:/(.*))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    SlotChange change;
    bool ok = false;
    change.slot = m.captured(1).toInt(&ok);
    if (!ok || change.slot < 1 || change.slot >= DecoderSession::SlotCount)
        return std::nullopt;
    change.addressText = m.captured(2);
    if (!m.captured(3).isEmpty())
        change.green = m.captured(3).compare(QStringLiteral("g"), Qt::CaseInsensitive) == 0;
    if (m.hasCaptured(4))
        change.functionText = m.captured(4);
    if (change.addressText.isEmpty() && !change.green && !change.functionText)
        return std::nullopt;
    return change;
}

QString seriesFileName(const QString &output, int number)
{
    const QString suffix = QStringLiteral(".hex");
    if (output.endsWith(suffix, Qt::CaseInsensitive))
        return output.left(output.size() - suffix.size()) + QLatin1Char('-') + QString::number(number)
               + output.right(suffix.size());
    return output + QLatin1Char('-') + QString::number(number) + suffix;
}

CliOutput runCli(const QStringList &arguments, const OutputSink &sink)
{
    if (arguments.isEmpty())
        return usageError(QString(), QStringLiteral("a command is needed: info, diff, set, export, apply or inventory"));
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") || command == QStringLiteral("help"))
        return helpText(MainHelp);
    if (command == QStringLiteral("--version"))
        return {CliExit::Ok, Program + QStringLiteral(" ") + QStringLiteral(QUAXEL_VERSION) + QLatin1Char('\n'), QString()};
    if (command == QStringLiteral("info"))
        return runInfo(rest);
    if (command == QStringLiteral("diff"))
        return isSettingsDiff(rest) ? runSettingsDiff(rest) : runDiff(rest);
    if (command == QStringLiteral("set"))
        return runSet(rest);
    if (command == QStringLiteral("export"))
        return runExport(rest);
    if (command == QStringLiteral("apply"))
        return runApply(rest);
    if (command == QStringLiteral("inventory"))
        return runInventory(rest, sink);
    return usageError(QString(), QStringLiteral("unknown command '%1'").arg(command));
}
