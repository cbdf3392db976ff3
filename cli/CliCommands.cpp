#include "cli/CliCommands.h"

#include "decoder/DecoderSession.h"
#include "info/InfoListing.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace {

const QString Program = QStringLiteral("quaxel-cli");
const QString Unrecognised = QStringLiteral("Das HEX-File konnte leider nicht erkannt werden");
const QString ChecksumProblem = QStringLiteral("Problem bei der Checksummen-Berechnung");

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
    "\n"
    "Run 'quaxel-cli COMMAND --help' for the options of a command.\n"
    "  --help      this text\n"
    "  --version   the program's version\n";

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
    "Exit status: 0 loaded, 1 the file cannot be loaded, 2 wrong command line.\n";

const char *const DiffHelp =
    "Usage: quaxel-cli diff A.hex B.hex\n"
    "\n"
    "Loads A and compares every record of B with it, as \"HEX Info\" and \"vergleiche\n"
    "mit 2. HEX-File\" do: the EEPROM lines, the ROM, ID and CONFIG lines, each\n"
    "followed by the counts. When B's records show no difference but B leaves out\n"
    "bytes that A holds, a last line names the first of them.\n"
    "\n"
    "  --help   this text\n"
    "\n"
    "Exit status: 0 the images are equal, 1 they differ, 2 an error.\n";

const char *const SetHelp =
    "Usage: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...\n"
    "                      [--series COUNT --step K]\n"
    "\n"
    "Loads IN, changes the slots, checks them with the rules and messages of\n"
    "\"HEX speichern\", writes OUT with the same writer and reads it back to verify it.\n"
    "\n"
    "  -o, --output OUT.hex   the file to write (required)\n"
    "  --slot N=VALUE         slot N (as 'info' numbers it) gets a new value:\n"
    "                           ADDRESS        the address (0: unused)\n"
    "                           ADDRESS g / r  and the green or red output (accessory decoders)\n"
    "                           ADDRESS/F      and function number F (function decoders)\n"
    "                         a part left out keeps its value, e.g. 3=g or 4=/2\n"
    "  --series COUNT         writes COUNT files OUT-1.hex .. OUT-COUNT.hex\n"
    "  --step K               the addresses of file n+1 are those of file n plus K\n"
    "                         (K >= 1; slots with address 0 stay unused)\n"
    "  --help                 this text\n"
    "\n"
    "Every file of a series is checked before the first one is written; a value\n"
    "the rules refuse stops the command with the window's message and writes nothing.\n"
    "\n"
    "Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.\n";

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A message as the window shows it: its line breaks become new lines.
void printMessage(CliOutput &o, const QString &context, const QString &text)
{
    QString message = text;
    message.replace(u'\r', u'\n');
    o.err += Program + QStringLiteral(": ") + (context.isEmpty() ? QString() : context + QStringLiteral(": "))
             + message + QLatin1Char('\n');
}

CliOutput usageError(const QString &command, const QString &text)
{
    CliOutput o;
    o.exitCode = CliExit::Failed;
    const QString name = command.isEmpty() ? Program : Program + QLatin1Char(' ') + command;
    o.err = name + QStringLiteral(": ") + text + QLatin1Char('\n') + QStringLiteral("Try '") + name
            + QStringLiteral(" --help'.\n");
    return o;
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
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
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

// Loads a file as "HEX laden" does: false after its message was printed.
bool loadFile(const QString &path, DecoderSession &session, CliOutput &o, HexLoadResult *lines = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printMessage(o, QString(), QStringLiteral("%1:\n%2").arg(nativePath(path), file.errorString()));
        return false;
    }
    const DecoderSession::LoadOutcome outcome = session.load(file.readAll());
    if (outcome.error) {
        printMessage(o, path, outcome.error->text);
        return false;
    }
    if (lines)
        *lines = outcome.lines;
    return true;
}

// The slots the window shows for the loaded file.
bool slotShown(const DecoderSession &session, int slot)
{
    return session.protocol != Protocol::None && session.isLabelled(slot);
}

// The value in the form --slot takes: "12g", "12r" or "12/3".
QString slotValueText(const DecoderSession &session, int slot)
{
    const SlotValues &values = session.slotValues[static_cast<std::size_t>(slot)];
    if (session.isAccessory)
        return QString::number(values.address) + (values.green ? QLatin1Char('g') : QLatin1Char('r'));
    return QString::number(values.address) + QLatin1Char('/') + QString::number(values.function);
}

QString slotKindName(const DecoderSession &session)
{
    if (session.isAccessory)
        return QStringLiteral("accessory");
    if (session.isFunctionDecoder)
        return QStringLiteral("function");
    return QStringLiteral("none");
}

// "ID: 1" -> "1", "V 3.51" -> "3.51"; empty without an ID record.
QString panelValue(const QString &panel, const QString &prefix)
{
    return panel.startsWith(prefix) ? panel.mid(prefix.size()) : panel;
}

// ---- info ----

QJsonObject infoJson(const QString &path, const DecoderSession &session, const HexLoadResult &lines)
{
    QJsonObject info;
    info[QStringLiteral("file")] = path;
    info[QStringLiteral("typeCode")] = session.typeCode;
    info[QStringLiteral("label")] = session.type ? session.type->label : QString();
    info[QStringLiteral("recognised")] = session.recognised;
    info[QStringLiteral("version")] = panelValue(lines.versionPanel, QStringLiteral("V "));
    info[QStringLiteral("id")] = panelValue(lines.idPanel, QStringLiteral("ID: "));
    info[QStringLiteral("protocol")] = protocolPanelText(session.protocol);
    info[QStringLiteral("slotKind")] = slotKindName(session);
    info[QStringLiteral("typeWords")] = QJsonObject{
        {QStringLiteral("id1"), session.ids.id1}, {QStringLiteral("id2"), session.ids.id2},
        {QStringLiteral("id3"), session.ids.id3}};
    info[QStringLiteral("idWords")] = session.image.idText;
    info[QStringLiteral("config")] = session.image.configText;
    QJsonArray slotList;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!slotShown(session, s))
            continue;
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        QJsonObject slot{{QStringLiteral("slot"), s},
                         {QStringLiteral("label"), session.slotLabels[static_cast<std::size_t>(s)]},
                         {QStringLiteral("address"), values.address}};
        if (session.isAccessory)
            slot[QStringLiteral("green")] = values.green;
        else
            slot[QStringLiteral("function")] = values.function;
        slotList.append(slot);
    }
    info[QStringLiteral("slots")] = slotList;
    return info;
}

QString infoText(const QString &path, const DecoderSession &session, const HexLoadResult &lines)
{
    const auto row = [](const QString &name, const QString &value) {
        return (name + QLatin1Char(':')).leftJustified(12) + value + QLatin1Char('\n');
    };
    QString text;
    text += row(QStringLiteral("File"), nativePath(path));
    text += row(QStringLiteral("Type"), QString::number(session.typeCode)
                                            + (session.type ? QStringLiteral("  ") + session.type->label
                                                            : QStringLiteral("  (unknown)")));
    text += row(QStringLiteral("Version"), panelValue(lines.versionPanel, QStringLiteral("V ")));
    text += row(QStringLiteral("ID"), panelValue(lines.idPanel, QStringLiteral("ID: ")));
    text += row(QStringLiteral("Protocol"), protocolPanelText(session.protocol));
    text += row(QStringLiteral("Type words"), idPanelText(session.ids));
    text += row(QStringLiteral("ID words"), session.image.idText);
    text += row(QStringLiteral("Config"), session.image.configText);
    qsizetype labelWidth = 0;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (slotShown(session, s))
            labelWidth = std::max(labelWidth, session.slotLabels[static_cast<std::size_t>(s)].size());
    }
    if (labelWidth == 0)
        return text;
    text += QStringLiteral("Slots (%1):\n").arg(slotKindName(session));
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!slotShown(session, s))
            continue;
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(s, 4)
                    .arg(session.slotLabels[static_cast<std::size_t>(s)].leftJustified(labelWidth), slotValueText(session, s));
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
    if (!loadFile(path, session, o, &lines)) {
        o.exitCode = CliExit::Refused;
        return o;
    }
    if (!session.recognised)
        printMessage(o, path, Unrecognised);
    if (parsed.has(QStringLiteral("--json")))
        o.out = QString::fromUtf8(QJsonDocument(infoJson(path, session, lines)).toJson(QJsonDocument::Indented));
    else
        o.out = infoText(path, session, lines);
    return o;
}

// ---- diff ----

CliOutput runDiff(const QStringList &args)
{
    const ParsedArgs parsed = parseArgs(args, {});
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
    if (!loadFile(first, session, o))
        return o;
    QFile file(second);
    if (!file.open(QIODevice::ReadOnly)) {
        printMessage(o, QString(), QStringLiteral("%1:\n%2").arg(nativePath(second), file.errorString()));
        return o;
    }
    const QStringList lines = splitHexFileLines(file.readAll());
    if (const auto tooLong = checkCompareLineCount(lines)) {
        printMessage(o, second, tooLong->text);
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
        printMessage(o, second, listing.error->text);
        return o;
    }
    if (listing.eepromDiffs + listing.romDiffs + listing.idDiffs + listing.configDiffs > 0) {
        o.exitCode = CliExit::Differ;
        return o;
    }
    // The listing compares only what B's records hold; bytes of A that B leaves
    // out make the images differ all the same.
    FirmwareImage secondImage;
    loadHexLines(secondImage, lines);
    if (const auto uncovered = compareImages(session.image, secondImage)) {
        o.out += QStringLiteral("Not in the records of File2: %1: File1:0x%2 - File2:0x%3 (%4 in all)\n")
                     .arg(uncovered->where, uncovered->first, uncovered->second)
                     .arg(uncovered->count);
        o.exitCode = CliExit::Differ;
        return o;
    }
    o.exitCode = CliExit::Ok;
    return o;
}

// ---- set ----

struct SeriesFile {
    QString path;
    QByteArray content;
    FirmwareImage image;
};

// Why the change cannot go into the loaded file, or nothing.
std::optional<QString> checkSlotChange(const DecoderSession &session, const SlotChange &change)
{
    if (session.protocol == Protocol::None)
        return QStringLiteral("the file has no protocol marker: its slots are not shown and cannot be set");
    if (!session.isLabelled(change.slot))
        return QStringLiteral("this decoder type has no slot %1 (see 'quaxel-cli info')").arg(change.slot);
    if (!session.isAccessory && !session.isFunctionDecoder)
        return QStringLiteral("this decoder type keeps no address in its slots");
    if (change.green && !session.isAccessory)
        return QStringLiteral("only accessory decoders have a red and a green output");
    if (change.functionText && !session.isFunctionDecoder)
        return QStringLiteral("only function decoders have a function number");
    return std::nullopt;
}

CliOutput runSet(const QStringList &args, const AfterWriteHook &afterWrite)
{
    const QString command = QStringLiteral("set");
    const ParsedArgs parsed = parseArgs(args, {{QStringLiteral("--output"), QStringLiteral("-o"), true},
                                               {QStringLiteral("--slot"), QString(), true},
                                               {QStringLiteral("--series"), QString(), true},
                                               {QStringLiteral("--step"), QString(), true}});
    if (parsed.help)
        return helpText(SetHelp);
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positionals.size() != 1)
        return usageError(command, QStringLiteral("one input HEX file expected"));
    const QStringList outputs = parsed.values(QStringLiteral("--output"));
    if (outputs.size() != 1 || outputs.first().isEmpty())
        return usageError(command, QStringLiteral("one output file expected (-o OUT.hex)"));

    std::vector<SlotChange> changes;
    for (const QString &value : parsed.values(QStringLiteral("--slot"))) {
        const auto change = parseSlotChange(value);
        if (!change)
            return usageError(command, QStringLiteral("--slot '%1': expected N=ADDRESS[r|g][/FUNCTION] with N from 0 to %2")
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
    }

    CliOutput o;
    o.exitCode = CliExit::Refused;
    const QString input = parsed.positionals.first();
    DecoderSession session;
    if (!loadFile(input, session, o))
        return o;
    if (!session.recognised)
        printMessage(o, input, Unrecognised);
    if (const auto fault = session.checkWritable()) {
        printMessage(o, input, *fault);
        return o;
    }

    // The texts the window's edits would hold after the user typed the changes.
    std::array<QString, DecoderSession::SlotCount> addressTexts;
    std::array<QString, DecoderSession::SlotCount> functionTexts;
    for (std::size_t s = 0; s < DecoderSession::SlotCount; ++s) {
        addressTexts[s] = QString::number(session.slotValues[s].address);
        functionTexts[s] = QString::number(session.slotValues[s].function);
    }
    for (const SlotChange &change : changes) {
        if (const auto refused = checkSlotChange(session, change)) {
            printMessage(o, QStringLiteral("--slot %1").arg(change.slot), *refused);
            return o;
        }
        const auto s = static_cast<std::size_t>(change.slot);
        if (!change.addressText.isEmpty())
            addressTexts[s] = change.addressText;
        if (change.green)
            session.slotValues[s].green = *change.green;
        if (change.functionText && !change.functionText->isEmpty())
            functionTexts[s] = *change.functionText;
    }

    // Every file is built and checked before the first one is written.
    std::vector<SeriesFile> files;
    std::array<int, DecoderSession::SlotCount> firstAddresses{};
    for (int n = 1; n <= count; ++n) {
        const QString path = series ? seriesFileName(outputs.first(), n) : outputs.first();
        DecoderSession file = session;
        if (n > 1) {
            for (int s = 0; s < DecoderSession::SlotCount; ++s) {
                const int address = firstAddresses[static_cast<std::size_t>(s)];
                if (slotShown(session, s) && address != 0)
                    addressTexts[static_cast<std::size_t>(s)] = QString::number(address + (n - 1) * step);
            }
        }
        if (const auto fault = file.writeSlots(addressTexts, functionTexts)) {
            printMessage(o, path, fault->message);
            return o;
        }
        if (n == 1) {
            // The numbers the rules accepted; the series counts on from them.
            for (std::size_t s = 0; s < DecoderSession::SlotCount; ++s) {
                firstAddresses[s] = file.slotValues[s].address;
                addressTexts[s] = QString::number(file.slotValues[s].address);
                functionTexts[s] = QString::number(file.slotValues[s].function);
            }
        }
        if (file.buildHexLines() == 0) {
            printMessage(o, path, ChecksumProblem);
            return o;
        }
        files.push_back({path, file.fileContent(), file.image});
    }

    for (const SeriesFile &file : files) {
        if (const auto failure = saveVerifiedHexFile(file.path, file.content, file.image, afterWrite)) {
            printMessage(o, QString(), *failure);
            return o;
        }
        o.out += QStringLiteral("written and verified: %1\n").arg(nativePath(file.path));
    }
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
    if (!ok || change.slot < 0 || change.slot >= DecoderSession::SlotCount)
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

CliOutput runCli(const QStringList &arguments, const AfterWriteHook &afterWrite)
{
    if (arguments.isEmpty())
        return usageError(QString(), QStringLiteral("a command is needed: info, diff or set"));
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") || command == QStringLiteral("help"))
        return helpText(MainHelp);
    if (command == QStringLiteral("--version"))
        return {CliExit::Ok, Program + QStringLiteral(" ") + QStringLiteral(QUAXEL_VERSION) + QLatin1Char('\n'), QString()};
    if (command == QStringLiteral("info"))
        return runInfo(rest);
    if (command == QStringLiteral("diff"))
        return runDiff(rest);
    if (command == QStringLiteral("set"))
        return runSet(rest, afterWrite);
    return usageError(QString(), QStringLiteral("unknown command '%1'").arg(command));
}
