// quaxel-cli set: changes slots and writes new, verified HEX files.
#include "cli/SetCommand.h"

#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/HexFile.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QRegularExpression>
#include <vector>

namespace {

const char *const SetHelp =
    "Usage: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...\n"
    "                      [--series COUNT --step K]\n"
    "\n"
    "Loads IN, changes the slots, checks them with the rules and messages of\n"
    "\"HEX speichern\", writes OUT with the same writer and reads it back to verify it.\n"
    "Like \"HEX speichern\", it writes the corrections the editors make to what\n"
    "they load (an SW1 byte or a fading code the firmware does not know).\n"
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

// What a set command line asks for.
struct SetRequest {
    QString input;
    QString output; // "-" for standard output
    std::vector<SlotChange> changes;
    bool series = false;
    int count = 1; // files of the series
    int step = 0;  // what each file adds to the addresses of the one before

    bool toStandardOutput() const { return output == QStringLiteral("-"); }
    QString fileName(int n) const { return series ? seriesFileName(output, n) : output; }
    // A fault of the slots' values names the slot and the file it was meant for.
    QString slotContext(int slot, int n) const
    {
        return QStringLiteral("slot %1%2, %3")
            .arg(slot)
            .arg(series ? QStringLiteral(", file %1 of %2").arg(n).arg(count) : QString(), shownPath(fileName(n)));
    }
};

// Reads --series COUNT and --step K: the fault of a command line that gives them wrong.
std::optional<QString> readSeries(const QStringList &counts, const QStringList &steps, SetRequest &request)
{
    if (counts.size() > 1 || steps.size() > 1 || counts.size() != steps.size())
        return QStringLiteral("--series COUNT and --step K go together, once each");
    request.series = !counts.isEmpty();
    if (!request.series)
        return std::nullopt;
    bool countOk = false;
    bool stepOk = false;
    request.count = counts.first().toInt(&countOk);
    request.step = steps.first().toInt(&stepOk);
    if (!countOk || request.count < 1)
        return QStringLiteral("--series needs a whole number of at least 1");
    if (!stepOk || request.step < 1)
        return QStringLiteral("--step needs a whole number of at least 1");
    if (request.toStandardOutput())
        return QStringLiteral("--series needs an output file name, not '-'");
    return std::nullopt;
}

// The HEX text of the changed image on standard output, without a read-back.
CliOutput writeToStandardOutput(DecoderSession &first, const SetRequest &request, CliOutput o)
{
    if (first.buildHexLines() == 0) {
        printMessage(o, shownPath(request.input), DecoderSession::checksumProblemMessage());
        return o;
    }
    o.out = QString::fromLatin1(first.fileContent());
    o.exitCode = CliExit::Ok;
    return o;
}

// Every file is staged and read back; one file is in memory at a time. Only
// when all are written do they take their names, all or none. Each written
// file's line goes to the sink as it is made: a long series keeps no list.
CliOutput writeFiles(const DecoderSession &loaded, const DecoderSession &first, const SetRequest &request, CliOutput o,
                     const OutputSink &sink)
{
    VerifiedSave save;
    for (int n = 1; n <= request.count; ++n) {
        const QString path = request.fileName(n);
        DecoderSession file = n == 1 ? first : loaded;
        if (n > 1) {
            if (const auto fault = writeSeriesFile(file, first, n, request.step)) {
                printMessage(o, request.slotContext(fault->slot, n), fault->message);
                return o;
            }
        }
        if (file.buildHexLines() == 0) {
            printMessage(o, shownPath(path), DecoderSession::checksumProblemMessage());
            return o;
        }
        if (const auto failure = save.add(path, file.fileContent(), sameImage(file.image))) {
            printMessage(o, QString(), *failure);
            return o;
        }
    }
    if (const auto failure = save.commit()) {
        printMessage(o, QString(), *failure);
        return o;
    }
    const OutputSink out = sink ? sink : OutputSink([&o](const QString &line) { o.out += line; });
    for (int n = 1; n <= request.count; ++n)
        out(printable(QStringLiteral("written and verified: %1\n").arg(shownPath(request.fileName(n)))));
    o.exitCode = CliExit::Ok;
    return o;
}

// Loads the input, checks the changes with the window's rules and writes.
CliOutput setSlots(const SetRequest &request, Damaged policy, const OutputSink &sink)
{
    CliOutput o;
    o.exitCode = CliExit::Refused;
    LoadedHex loaded;
    if (!loadHex(request.input, policy, loaded, o))
        return o;
    DecoderSession &session = loaded.session;
    if (!session.recognised())
        printMessage(o, shownPath(request.input), DecoderSession::unrecognisedMessage());
    if (const auto fault = session.checkWritable()) {
        printMessage(o, shownPath(request.input), *fault);
        return o;
    }
    // Written as a window save writes it: with the corrections the editors
    // make to what they load.
    if (session.recognised())
        Settings::takeLoadCorrections(session);
    if (const auto refused = checkSlotChanges(session, request.changes)) {
        printMessage(o, QStringLiteral("--slot %1").arg(refused->slot), refused->message);
        return o;
    }
    // The first file carries the changes, checked with the window's rules and
    // read back; a series must stay in the valid range to its last file.
    DecoderSession first = session;
    if (const auto fault = writeSlotChanges(first, request.changes)) {
        printMessage(o, request.slotContext(fault->slot, 1), fault->message);
        return o;
    }
    if (request.series) {
        if (const auto overflow = seriesOverflow(first, request.count, request.step)) {
            printMessage(o, request.slotContext(overflow->slot, overflow->fileNumber), overflow->message);
            return o;
        }
    }
    if (request.toStandardOutput())
        return writeToStandardOutput(first, request, o);
    return writeFiles(session, first, request, o, sink);
}

class SetCommand : public Command {
public:
    explicit SetCommand(OutputSink sink)
        : Command(QStringLiteral("set"), SetHelp,
                  {valueOption({QStringLiteral("o"), QStringLiteral("output")}), valueOption({QStringLiteral("slot")}),
                   valueOption({QStringLiteral("series")}), valueOption({QStringLiteral("step")}),
                   flag(QStringLiteral("force"))}),
          sink_(std::move(sink))
    {
    }

private:
    CliOutput execute() override
    {
        SetRequest request;
        if (const auto fault = readRequest(request))
            return commandLineFault(*fault);
        return setSlots(request, damagePolicy(isSet(QStringLiteral("force"))), sink_);
    }

    std::optional<QString> readRequest(SetRequest &request) const
    {
        if (files().size() != 1)
            return QStringLiteral("one input HEX file expected");
        request.input = files().first();
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return QStringLiteral("one output file expected (-o OUT.hex)");
        request.output = outputs.first();
        for (const QString &value : values(QStringLiteral("slot"))) {
            const auto change = parseSlotChange(value);
            if (!change)
                return QStringLiteral("--slot '%1': expected N=ADDRESS[r|g][/FUNCTION] with N from 1 to %2")
                    .arg(value)
                    .arg(DecoderSession::SlotCount - 1);
            request.changes.push_back(*change);
        }
        return readSeries(values(QStringLiteral("series")), values(QStringLiteral("step")), request);
    }

    OutputSink sink_;
};

} // namespace

std::unique_ptr<Command> makeSetCommand(const OutputSink &sink)
{
    return std::make_unique<SetCommand>(sink);
}

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
