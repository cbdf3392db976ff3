// The command line's commands on the bundled samples: what they print, their
// exit statuses, the refusals with the window's messages, and the series.
#include "cli/CliCommands.h"
#include "common/PlantedReadBack.h"
#include "common/Samples.h"
#include "decoder/DecoderSession.h"
#include "samples/SampleList.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Signal = samplePath(QStringLiteral("full-457-led-signal-001-dcc.hex"));
const QString Functions = samplePath(QStringLiteral("full-15872-led-function-decoder-mot.hex"));

QStringList outputLines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

class CliTest : public ::testing::Test {
protected:
    QString out(const QString &name) const { return dir.filePath(name); }
    QStringList writtenFiles() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
};

// ---- help and command-line faults ----

TEST_F(CliTest, EveryCommandHasHelp)
{
    for (const QStringList &args : {QStringList{"--help"}, QStringList{"info", "--help"}, QStringList{"diff", "-h"},
                                    QStringList{"set", Signal, "--help"}}) {
        const CliOutput o = runCli(args);
        EXPECT_EQ(o.exitCode, 0) << args.join(' ').toStdString();
        const QString usage = QStringLiteral("Aufruf: quaxel-cli ") + (args.size() > 1 ? args.first() : QString());
        EXPECT_TRUE(o.out.startsWith(usage)) << o.out.toStdString();
        EXPECT_TRUE(o.err.isEmpty());
    }
}

TEST_F(CliTest, CommandLineFaultsExitWithTwoAndWriteNothing)
{
    const QString o = out(QStringLiteral("o.hex"));
    const struct {
        QStringList args;
        const char *said;
    } rows[] = {
        {{}, "ein Befehl fehlt"},
        {{"frob"}, "unbekannter Befehl 'frob'"},
        {{"info"}, "eine HEX-Datei erwartet"},
        {{"info", Signal, "--jsn"}, "Unbekannte Option 'jsn'."},
        {{"diff", Signal}, "zwei HEX-Dateien erwartet"},
        {{"set", Signal}, "eine Ausgabedatei erwartet"},
        {{"set", Signal, "-o"}, "Fehlender Wert nach '-o'."},
        {{"set", Signal, "-o", o, "--slot", "48=1"}, "--slot '48=1': erwartet N=ADDRESS"},
        {{"set", Signal, "-o", o, "--slot", "1"}, "--slot '1': erwartet"},
        {{"set", Signal, "-o", o, "--slot=1="}, "--slot '1=': erwartet"},
        {{"set", Signal, "-o", o, "--series", "3"}, "--series COUNT und --step K gehören zusammen"},
        {{"set", Signal, "-o", o, "--series", "0", "--step", "1"}, "--series braucht eine ganze Zahl ab 1"},
        {{"set", Signal, "-o", o, "--series", "2", "--step", "-4"}, "--step braucht eine ganze Zahl ab 1"},
    };
    for (const auto &row : rows) {
        const CliOutput result = runCli(row.args);
        EXPECT_EQ(result.exitCode, CliExit::Failed) << row.said;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(row.said))) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("--help"))) << result.err.toStdString();
    }
    EXPECT_TRUE(writtenFiles().isEmpty());
}

// ---- info ----

// The plain listing of every sample names its type, protocol and each slot of
// the index in the form --slot takes.
TEST(CliInfo, TextListsEverySampleAsTheIndexDescribesIt)
{
    const auto entries = readSampleIndex(samplePath(QStringLiteral("index.txt")));
    ASSERT_GT(entries.size(), 100u);
    for (const SampleEntry &entry : entries) {
        SCOPED_TRACE(entry.name);
        const CliOutput o = runCli({"info", samplePath(QString::fromStdString(entry.name) + ".hex")});
        ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        const QStringList lines = outputLines(o.out);
        EXPECT_TRUE(lines.contains(QStringLiteral("Typ:        %1  %2").arg(entry.code).arg(entry.label))
                    || lines.contains(QStringLiteral("Typ:        %1  (unbekannt)").arg(entry.code)));
        EXPECT_TRUE(lines.contains(QStringLiteral("Protokoll:  ") + entry.protocol));
        // Without a protocol the window hides every slot, and so does the listing.
        if (entry.protocol == QStringLiteral("ohne")) {
            EXPECT_TRUE(lines.filter(QStringLiteral("Slots")).isEmpty());
            continue;
        }
        for (const SampleSlot &slot : entry.slotList) {
            // An erased slot shows address 0 with whatever output or function it decodes to.
            const QString value = QString::number(slot.address)
                                  + (slot.form == 'f'   ? QStringLiteral("/%1").arg(slot.function)
                                     : slot.form == '0' ? QStringLiteral("(r|g|/\\d+)")
                                                        : QString(QLatin1Char(slot.form)));
            const QRegularExpression row(QStringLiteral("^ *%1  .*  %2$").arg(slot.slot).arg(value));
            EXPECT_EQ(lines.filter(row).size(), 1) << "slot " << slot.slot << " " << value.toStdString();
        }
    }
}

// ---- diff ----

TEST_F(CliTest, DiffExitStatuses)
{
    // The signal sample without its first ROM record (the type words): no
    // listed difference, yet the images differ.
    QFile full(Signal);
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    QStringList lines = splitHexFileLines(full.readAll());
    ASSERT_TRUE(lines[1].startsWith(QStringLiteral(":10000000")));
    lines.removeAt(1);
    QFile shorter(out(QStringLiteral("shorter.hex")));
    ASSERT_TRUE(shorter.open(QIODevice::WriteOnly));
    shorter.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    shorter.close();

    const struct {
        QString a, b;
        int exit;
        const char *said; // on stdout for 0 and 1, on stderr for 2
    } rows[] = {
        {Signal, Signal, 0, "   0 gefundene Unterschiede in Config"},
        {Signal, shorter.fileName(), 1, "Nicht in den Records von File2: ROM 0x"},
        {shorter.fileName(), Signal, 1, "ROM 0x0000: File1:0xFF - File2:0x"},
        {samplePath(QStringLiteral("index.txt")), Signal, 2, "E206: "},
        {Signal, out(QStringLiteral("missing.hex")), 2, "missing.hex:\n"},
    };
    for (const auto &row : rows) {
        const CliOutput o = runCli({"diff", row.a, row.b});
        SCOPED_TRACE(QFileInfo(row.a).fileName().toStdString() + " / " + QFileInfo(row.b).fileName().toStdString());
        EXPECT_EQ(o.exitCode, row.exit) << o.err.toStdString();
        EXPECT_TRUE((row.exit == 2 ? o.err : o.out).contains(QString::fromUtf8(row.said)))
            << o.out.toStdString() << o.err.toStdString();
    }
}

// ---- set ----

TEST_F(CliTest, RefusalsGiveTheWindowsMessageAndWriteNothing)
{
    const QString o = out(QStringLiteral("o.hex"));
    const struct {
        QString input;
        QString slot;
        const char *message;
    } rows[] = {
        {Signal, "1=abc", "o.hex: Ungültige Eingabe für <Hp0> \n"},
        {Signal, "1=2045", "Adresse für <Hp0> ist zu gross"},
        {Signal, "2=-1g", "Adresse für <Hp1> ist zu klein"},
        {Signal, "1=3/2", "--slot 1: nur Funktions-Decoder haben eine Funktions-Nummer"},
        {Signal, "20=3", "--slot 20: dieser Decoder-Typ hat keinen Slot 20"},
        {Functions, "1=3g", "--slot 1: nur Zubehör-Decoder haben einen roten und einen grünen Ausgang"},
        {Functions, "1=3/5", "Funktions-Nummer für <Out 1> ist zu gross"},
        {Functions, "3=/x", "Ungültige Eingabe Funktion von <Out 3> "},
        {Functions, "1=256", "Adresse für <Out 1> ist zu gross"},
        {samplePath(QStringLiteral("8-torvel-no-protocol.hex")), "1=3", "--slot 1: die Datei hat keine Protokoll-Kennung"},
        {samplePath(QStringLiteral("16384-kandor-f-dekoder-neon-ab-v0-37-dcc.hex")), "1=3",
         "--slot 1: dieser Decoder-Typ speichert keine Adresse in seinen Slots"},
        {samplePath(QStringLiteral("index.txt")), "1=3", "E206: Unerwartete Zeile im File"},
    };
    for (const auto &row : rows) {
        const CliOutput result = runCli({"set", row.input, "-o", o, "--slot", row.slot});
        EXPECT_EQ(result.exitCode, CliExit::Refused) << row.message;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(row.message))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_TRUE(writtenFiles().isEmpty());
}

TEST(SeriesNames, CountFromOneBeforeTheSuffix)
{
    EXPECT_EQ(seriesFileName(QStringLiteral("out.hex"), 1), QStringLiteral("out-1.hex"));
    EXPECT_EQ(seriesFileName(QStringLiteral("dir/OUT.HEX"), 12), QStringLiteral("dir/OUT-12.HEX"));
    EXPECT_EQ(seriesFileName(QStringLiteral("a.b.hex"), 2), QStringLiteral("a.b-2.hex"));
    EXPECT_EQ(seriesFileName(QStringLiteral("plain"), 3), QStringLiteral("plain-3.hex"));
}

// The parts of a --slot value: the address as typed, the output at its end and
// the function after the first slash; a value without a slot number, an '=' or
// any change has not the form.
TEST(SlotValues, SplitIntoAddressOutputAndFunction)
{
    const struct {
        const char *text;
        bool parsed;
        int slot;
        const char *address;
        int green; // -1: not given, 0: red, 1: green
        const char *function; // nullptr: not given
    } rows[] = {
        {"3=12", true, 3, "12", -1, nullptr},
        {"03=12g", true, 3, "12", 1, nullptr},
        {"3=12R", true, 3, "12", 0, nullptr},
        {"3=g", true, 3, "", 1, nullptr},
        {"3=gg", true, 3, "g", 1, nullptr},
        {"3=r g", true, 3, "r ", 1, nullptr},
        {"3=12r/2", true, 3, "12", 0, "2"},
        {"4=/2", true, 4, "", -1, "2"},
        {"4=5/", true, 4, "5", -1, ""},
        {"4=5/2/1", true, 4, "5", -1, "2/1"},
        {"4=a=b", true, 4, "a=b", -1, nullptr},
        {"47=0", true, 47, "0", -1, nullptr},
        {"3=5\n", true, 3, "5", -1, nullptr},
        {"3=5\nx", true, 3, "5\nx", -1, nullptr},
        {"3=5/2\n", true, 3, "5", -1, "2"},
        {"3=", false, 0, "", -1, nullptr},
        {"3=\n", false, 0, "", -1, nullptr},
        {"3=5/2\nx", false, 0, "", -1, nullptr},
        {"0=5", false, 0, "", -1, nullptr},
        {"48=5", false, 0, "", -1, nullptr},
        {"99999999999=5", false, 0, "", -1, nullptr},
        {"x=5", false, 0, "", -1, nullptr},
        {"+3=5", false, 0, "", -1, nullptr},
        {" 3=5", false, 0, "", -1, nullptr},
        {"3 =5", false, 0, "", -1, nullptr},
        {"=5", false, 0, "", -1, nullptr},
        {"35", false, 0, "", -1, nullptr},
        {"\u0663=5", false, 0, "", -1, nullptr}, // an Arabic-Indic three
    };
    for (const auto &row : rows) {
        const QString text = QString::fromUtf8(row.text);
        const auto change = parseSlotChange(text);
        ASSERT_EQ(change.has_value(), row.parsed) << row.text;
        if (!change)
            continue;
        EXPECT_EQ(change->slot, row.slot) << row.text;
        EXPECT_EQ(change->addressText, QString::fromUtf8(row.address)) << row.text;
        EXPECT_EQ(change->green ? int(*change->green) : -1, row.green) << row.text;
        EXPECT_EQ(change->functionText.has_value(), row.function != nullptr) << row.text;
        if (change->functionText && row.function) {
            EXPECT_EQ(*change->functionText, QString::fromUtf8(row.function)) << row.text;
        }
    }
}

// Four decoders from the signal firmware: the changed slots first, then every
// used address moves on by the step; unused slots and outputs stay.
TEST_F(CliTest, SeriesShiftsEveryUsedAddressFromFileToFile)
{
    const QStringList args{"set", Signal, "-o", out(QStringLiteral("sig.hex")), "--slot", "9=100g", "--slot",
                           "10=0", "--slot", "11=7r", "--series", "4", "--step", "12"};
    const CliOutput o = runCli(args);
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(writtenFiles(), QStringList({"sig-1.hex", "sig-2.hex", "sig-3.hex", "sig-4.hex"}));
    EXPECT_EQ(outputLines(o.out).size(), 4);
    // The program takes the list of written files line by line, as they go out.
    QString lines;
    const CliOutput streamed = runCli(args, [&lines](const QString &line) { lines += line; });
    EXPECT_EQ(streamed.exitCode, 0);
    EXPECT_TRUE(streamed.out.isEmpty());
    EXPECT_EQ(lines, o.out);

    const DecoderSession original = loadedSession(Signal);
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const DecoderSession file = loadedSession(out(QStringLiteral("sig-%1.hex").arg(n)));
        for (int s = 0; s < DecoderSession::SlotCount; ++s) {
            const SlotValues &before = original.slotValues[static_cast<std::size_t>(s)];
            const SlotValues &after = file.slotValues[static_cast<std::size_t>(s)];
            int base = before.address;
            bool green = before.green;
            if (s == 9) {
                base = 100;
                green = true;
            } else if (s == 10) {
                base = 0;
            } else if (s == 11) {
                base = 7;
                green = false;
            }
            if (!original.isLabelled(s)) {
                EXPECT_EQ(storedSlotCode(file.image, s), storedSlotCode(original.image, s)) << "slot " << s;
                continue;
            }
            EXPECT_EQ(after.address, base == 0 ? 0 : base + (n - 1) * 12) << "slot " << s;
            if (base != 0) {
                EXPECT_EQ(after.green, green) << "slot " << s;
            }
        }
        EXPECT_EQ(file.image.rom, original.image.rom);
    }
}

TEST_F(CliTest, SeriesNeedingAnAddressOutOfRangeWritesNoFile)
{
    // Slot 5 holds 1000: the third file would need 2200.
    const CliOutput o = runCli({"set", Signal, "-o", out(QStringLiteral("sig.hex")), "--slot", "9=100", "--slot", "10=5",
                                "--series", "5", "--step", "600"});
    EXPECT_EQ(o.exitCode, CliExit::Refused);
    EXPECT_TRUE(o.err.contains(QStringLiteral("sig-3.hex: Adresse für <Hp1+Zs3> ist zu gross"))) << o.err.toStdString();
    EXPECT_TRUE(writtenFiles().isEmpty());
}

// A file that does not read back as written fails the command, and every old
// file stays as it was: a single file, each file of a series (the second one
// reads back wrong, after the first was staged and checked), the apply's HEX
// file and the export's document. Without the fault each command writes.
TEST_F(CliTest, AFileThatDoesNotReadBackAsWrittenReplacesNothing)
{
    const QString document = out(QStringLiteral("doc.json"));
    ASSERT_EQ(runCli({"export", Signal, "-o", document}).exitCode, 0);
    const QString differs = QStringLiteral("Die gespeicherte Datei enthält andere Daten als gespeichert:");
    const struct {
        QStringList args;
        QStringList outputs;
        int faultyRead; // which read-back goes wrong, from 1
        QString said;
    } rows[] = {
        {{"set", Signal, "-o", out("o.hex"), "--slot", "1=9g"}, {"o.hex"}, 1, differs + "\n" + out("o.hex") + "\nEEPROM 0x"},
        {{"set", Signal, "-o", out("s.hex"), "--slot", "9=100", "--series", "3", "--step", "1"},
         {"s-1.hex", "s-2.hex", "s-3.hex"}, 2, differs + "\n" + out("s-2.hex") + "\nEEPROM 0x"},
        {{"apply", Signal, document, "-o", out("a.hex")}, {"a.hex"}, 1, differs},
        {{"export", Signal, "-o", out("e.json")}, {"e.json"}, 1, out("e.json") + ":\ndie geschriebene Datei liest sich mit anderen Bytes zurück"},
    };
    // The old files hold a settings document, which an export may replace.
    QFile oldFile(document);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    const QByteArray old = oldFile.readAll();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        for (const QString &name : row.outputs) {
            QFile file(out(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        int reads = 0;
        {
            const PlantedReadBack planted([&](InputFile &file) {
                if (++reads != row.faultyRead)
                    return;
                file.content.replace(":10420000", ":10420200"); // the first EEPROM record moves by one byte
                if (file.content.startsWith('{'))
                    file.content.append('\n');
            });
            const CliOutput result = runCli(row.args);
            EXPECT_EQ(result.exitCode, CliExit::Refused);
            EXPECT_TRUE(result.err.contains(row.said)) << result.err.toStdString();
            EXPECT_FALSE(result.out.contains(QStringLiteral("geschrieben und geprüft")));
            for (const QString &name : row.outputs) {
                QFile file(out(name));
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_EQ(file.readAll(), old) << name.toStdString();
            }
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        }
        EXPECT_EQ(runCli(row.args).exitCode, 0);
    }
}

} // namespace

// A file with bad record checksums or without an end record: info warns and
// lists the findings; set and diff refuse it unless --force is given.
TEST_F(CliTest, DamagedInputsAreNamedAndRefusedWithoutForce)
{
    const QString corpus = QStringLiteral(QUAXEL_TEST_DATA "/bad-input/");
    const QString checksum = corpus + QStringLiteral("wrong-checksum.hex");
    const QString cut = corpus + QStringLiteral("no-end-record.hex");
    const QString sound = corpus + QStringLiteral("crlf.hex");
    const QString written = out(QStringLiteral("o.hex"));
    const QString checksumFinding =
        QStringLiteral("Die Datei ist vielleicht beschädigt: 1 Zeile(n) mit falscher Prüfsumme (erste: Zeile 2).");
    const QString cutFinding = QStringLiteral("Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.");
    const struct {
        QStringList args;
        int exitCode;
        QString finding; // on standard error; empty: nothing said of damage
        bool writes;
    } rows[] = {
        {{"info", checksum}, 0, checksumFinding, false},
        {{"info", cut, "--json"}, 0, cutFinding, false},
        {{"info", sound}, 0, QString(), false},
        {{"set", checksum, "-o", written}, 1, checksumFinding, false},
        {{"set", checksum, "-o", written, "--force"}, 0, checksumFinding, true},
        {{"set", sound, "-o", written}, 0, QString(), true},
        {{"diff", sound, cut}, 2, cutFinding, false},
        {{"diff", cut, sound, "--force"}, 0, cutFinding, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        QFile::remove(written);
        const CliOutput o = runCli(row.args);
        EXPECT_EQ(o.exitCode, row.exitCode) << o.err.toStdString();
        EXPECT_EQ(o.err.contains(QStringLiteral("Die Datei")), !row.finding.isEmpty()) << o.err.toStdString();
        EXPECT_TRUE(row.finding.isEmpty() || o.err.contains(row.finding)) << o.err.toStdString();
        EXPECT_EQ(QFile::exists(written), row.writes);
        EXPECT_EQ(o.out.contains(QStringLiteral("\"warnings\"")), row.args.contains(QStringLiteral("--json")));
        EXPECT_TRUE(row.exitCode != 2 || o.out.isEmpty());
    }
}
