// quaxel-cli set: changes slots and writes new, verified HEX files.
#include "cli/SetCommand.h"

#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/HexFile.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

const char *const SetHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...\n"
    "                      [--series COUNT --step K]\n"
    "\n"
    "Lädt IN, ändert die Slots, prüft sie mit den Regeln und Meldungen von\n"
    "\"HEX speichern\", schreibt OUT mit demselben Schreiber und liest die Datei zur\n"
    "Prüfung zurück. Wie \"HEX speichern\" schreibt es die Korrekturen, die die\n"
    "Editoren am Geladenen machen (ein SW1-Byte oder ein Fading-Code, den die\n"
    "Firmware nicht kennt).\n"
    "\n"
    "  -o, --output OUT.hex   die zu schreibende Datei (nötig); '-' schreibt den\n"
    "                         HEX-Text auf die Standardausgabe, ohne Zurücklesen\n"
    "  --slot N=VALUE         Slot N (1 bis 47, wie 'info' ihn zählt) bekommt einen neuen Wert:\n"
    "                           ADDRESS        die Adresse (0: unbenutzt, wo der\n"
    "                                          Decoder-Typ das speichern kann)\n"
    "                           ADDRESS g / r  und den grünen oder roten Ausgang (Zubehör-Decoder)\n"
    "                           ADDRESS/F      und die Funktions-Nummer F, ab 1 (Funktions-Decoder)\n"
    "                         ein ausgelassener Teil behält seinen Wert, z. B. 3=g oder 4=/2\n"
    "  --series COUNT         schreibt COUNT Dateien OUT-1.hex .. OUT-COUNT.hex\n"
    "  --step K               die Adressen von Datei n+1 sind die von Datei n plus K\n"
    "                         (K >= 1; Slots mit Adresse 0 bleiben unbenutzt)\n"
    "  --force                nimmt eine Eingabe mit falschen Record-Prüfsummen oder\n"
    "                         ohne End-Record (sonst abgelehnt)\n"
    "  --help                 dieser Text\n"
    "  --                     beendet die Optionen\n"
    "\n"
    "Ein Wert, den die Regeln ablehnen, oder einer, den der Decoder nicht speichern\n"
    "kann, beendet den Befehl mit der Meldung des Fensters und schreibt nichts. Eine\n"
    "Serie wird ganz oder gar nicht geschrieben: jede Datei geht zuerst unter einen\n"
    "vorläufigen Namen und wird zurückgelesen; erst wenn alle geschrieben sind,\n"
    "werden sie an ihren Platz umbenannt. Adressen, die den gültigen Bereich\n"
    "verlassen würden, werden abgelehnt, bevor etwas geschrieben wird.\n"
    "\n"
    "Ersetzt wird nur eine reguläre Datei (oder ein Link auf eine), mit ihren\n"
    "Rechten, ihrem Besitzer und ihrer Gruppe; ein FIFO, ein Gerät, ein Ordner, eine\n"
    "Datei mit mehr als einem harten Link oder eine, deren Besitzer oder Rechte sich\n"
    "nicht behalten lassen, wird abgelehnt und nicht angerührt.\n"
    "\n"
    "Exit-Status: 0 geschrieben und geprüft, 1 abgelehnt oder nicht geprüft, 2 falsche Befehlszeile.\n");

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
        return QCoreApplication::translate("quaxel-cli", "Slot %1%2, %3")
            .arg(slot)
            .arg(series ? QCoreApplication::translate("quaxel-cli", ", Datei %1 von %2").arg(n).arg(count) : QString(), shownPath(fileName(n)));
    }
};

// Reads --series COUNT and --step K: the fault of a command line that gives them wrong.
std::optional<QString> readSeries(const QStringList &counts, const QStringList &steps, SetRequest &request)
{
    if (counts.size() > 1 || steps.size() > 1 || counts.size() != steps.size())
        return QCoreApplication::translate("quaxel-cli", "--series COUNT und --step K gehören zusammen, je einmal");
    request.series = !counts.isEmpty();
    if (!request.series)
        return std::nullopt;
    bool countOk = false;
    bool stepOk = false;
    request.count = counts.first().toInt(&countOk);
    request.step = steps.first().toInt(&stepOk);
    if (!countOk || request.count < 1)
        return QCoreApplication::translate("quaxel-cli", "--series braucht eine ganze Zahl ab 1");
    if (!stepOk || request.step < 1)
        return QCoreApplication::translate("quaxel-cli", "--step braucht eine ganze Zahl ab 1");
    if (request.toStandardOutput())
        return QCoreApplication::translate("quaxel-cli", "--series braucht einen Namen der Ausgabedatei, nicht '-'");
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
    save.reserve(static_cast<std::size_t>(request.count));
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
        out(printable(QCoreApplication::translate("quaxel-cli", "geschrieben und geprüft: %1\n").arg(shownPath(request.fileName(n)))));
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
            return QCoreApplication::translate("quaxel-cli", "eine HEX-Datei als Eingabe erwartet");
        request.input = files().first();
        const QStringList outputs = values(QStringLiteral("output"));
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return QCoreApplication::translate("quaxel-cli", "eine Ausgabedatei erwartet (-o OUT.hex)");
        request.output = outputs.first();
        for (const QString &value : values(QStringLiteral("slot"))) {
            const auto change = parseSlotChange(value);
            if (!change)
                return QCoreApplication::translate("quaxel-cli", "--slot '%1': erwartet N=ADDRESS[r|g][/FUNCTION] mit N von 1 bis %2")
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

// N=ADDRESS[r|g][/FUNCTION]: the slot's digits and '=', then up to the first
// slash the address with the output's letter at its end, after the slash the
// function. One line break at the end is passed over; the function holds no
// other one.
std::optional<SlotChange> parseSlotChange(const QString &text)
{
    QStringView rest(text);
    if (rest.endsWith(u'\n'))
        rest.chop(1);
    const qsizetype equals = rest.indexOf(u'=');
    const QStringView number = rest.first(std::max<qsizetype>(equals, 0));
    if (number.isEmpty() || !std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    SlotChange change;
    bool ok = false;
    change.slot = number.toInt(&ok);
    if (!ok || change.slot < 1 || change.slot >= DecoderSession::SlotCount)
        return std::nullopt;
    QStringView value = rest.sliced(equals + 1);
    if (const qsizetype slash = value.indexOf(u'/'); slash >= 0) {
        const QStringView function = value.sliced(slash + 1);
        if (function.contains(u'\n'))
            return std::nullopt;
        change.functionText = function.toString();
        value.truncate(slash);
    }
    if (!value.isEmpty() && QStringView(u"rgRG").contains(value.back())) {
        change.green = value.back().toLower() == u'g';
        value.chop(1);
    }
    change.addressText = value.toString();
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
