// The settings commands of the command line: export, apply, diff --settings
// and inventory, with their exit statuses, refusals and written files.
#include "cli/CliCommands.h"
#include "decoder/DecoderSession.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/SafeFile.h"
#include "settings/Inventory.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QLatin1String(name); }

const QString Servo = sample("211-tamb-4-servo-dekoder-dcc.hex");
const QString Turnout = sample("8-torvel-dcc.hex");
const QString Damaged = QStringLiteral(QUAXEL_TEST_DATA "/bad-input/no-end-record.hex");
const QString Unrecognised = QStringLiteral(QUAXEL_TEST_DATA "/bad-input/lines-512.hex"); // type 526344

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QJsonObject exported(const QString &path)
{
    const CliOutput o = runCli({"export", path});
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
    return QJsonDocument::fromJson(o.out.toUtf8()).object();
}

class SettingsCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        QJsonObject document = exported(Servo);
        write(path("servo.json"), QJsonDocument(document).toJson());
        write(path("bom.json"), QByteArray("\xEF\xBB\xBF") + QJsonDocument(document).toJson());
        QJsonObject servo = document[QStringLiteral("servo")].toObject();
        QJsonArray curves = servo[QStringLiteral("curves")].toArray();
        QJsonObject curve = curves[1].toObject();
        QJsonArray points = curve[QStringLiteral("points")].toArray();
        points[6] = 52;
        curve[QStringLiteral("points")] = points;
        curves[1] = curve;
        servo[QStringLiteral("curves")] = curves;
        document[QStringLiteral("servo")] = servo;
        write(path("changed.json"), QJsonDocument(document).toJson());
        points[7] = 300;
        curve[QStringLiteral("points")] = points;
        curves[1] = curve;
        servo[QStringLiteral("curves")] = curves;
        document[QStringLiteral("servo")] = servo;
        write(path("bad.json"), QJsonDocument(document).toJson());
        write(path("turnout.json"), QJsonDocument(exported(Turnout)).toJson());
        write(path("damaged.json"), runCli({"export", Damaged}).out.toUtf8());
        write(path("unrecognised.json"), R"({"formatVersion": 1, "decoder": {"typeCode": 526344}})");
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.json")).constData(), 0600), 0);
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(SettingsCli, CommandsExitAndWriteAsTheyShould)
{
    const QString out = path("out.hex");
    const struct {
        QStringList args;
        int exitCode;
        const char *said; // in standard output or standard error
        bool written;     // out.hex exists afterwards
    } rows[] = {
        {{"export", Servo, "-o", path("doc.json")}, 0, "", false},
        {{"export", Servo, "-o", path("folder")}, 1, "folder", false},
        {{"export", sample("missing.hex")}, 1, "missing.hex", false},
        {{"apply", Servo, path("servo.json"), "-o", out}, 0, "geschrieben und geprüft: ", true},
        {{"apply", Servo, path("changed.json"), "-o", out}, 0, "geschrieben und geprüft: ", true},
        // A good write to standard output is a success, not a failed operation.
        {{"apply", Servo, path("changed.json"), "-o", "-"}, 0, ":00000001FF", false},
        {{"apply", Servo, path("bad.json"), "-o", out}, 1, "bad.json: servo.curves[1].points[7]: 300 ist größer als 127", false},
        {{"apply", Servo, path("turnout.json"), "-o", out}, 1,
         "turnout.json: decoder.typeCode: ein Dokument für den Decoder-Typ 8 (Torvel) passt nicht in eine Datei vom Typ 211", false},
        {{"apply", Damaged, path("damaged.json"), "-o", out}, 1, "abgelehnt: die Datei ist vielleicht beschädigt", false},
        {{"apply", Damaged, path("damaged.json"), "-o", out, "--force"}, 0, "geschrieben und geprüft: ", true},
        {{"apply", Servo, Servo, "-o", out}, 1, "kein JSON", false},
        {{"apply", Servo, path("fifo.json"), "-o", out}, 1, "ist ein FIFO (benannte Pipe), keine reguläre Datei", false},
        {{"apply", "-o", out, "--", Servo, path("servo.json")}, 0, "geschrieben und geprüft: ", true},
        {{"apply", Servo, path("servo.json")}, 2, "eine Ausgabedatei erwartet", false},
        {{"apply", Servo, "-o", out}, 2, "eine HEX-Datei und ein Einstellungsdokument erwartet", false},
        {{"export", Servo, "--jsn"}, 2, "Unbekannte Option 'jsn'", false},
        // The editors' rules know no unrecognised decoder: nothing goes into it.
        {{"apply", Unrecognised, path("unrecognised.json"), "-o", out}, 1, "nicht erkannt", false},
        {{"diff", "--settings", Servo, path("servo.json")}, 0, "", false},
        {{"diff", "--settings", Servo, path("bom.json")}, 0, "", false},
        {{"diff", "--settings", Servo, path("missing.json")}, 2, "missing.json", false},
        {{"diff", "--settings", Servo, path("bad.json")}, 2, "servo.curves[1].points[7]: 300 ist größer als 127", false},
        {{"diff", "--settings", Servo, path("changed.json")}, 1, "Kurve 2, Punkt 7: 127 -> 52\n", false},
        {{"inventory", path("folder")}, 0, "Keine Adresse wird geteilt.", false},
        {{"inventory", "--csv", "--json", Servo}, 2, "--csv und --json schließen einander aus", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        QFile::remove(out);
        const CliOutput o = runCli(row.args);
        EXPECT_EQ(o.exitCode, row.exitCode) << o.err.toStdString();
        EXPECT_TRUE((o.out + o.err).contains(QString::fromUtf8(row.said))) << (o.out + o.err).toStdString();
        EXPECT_EQ(QFile::exists(out), row.written);
    }
}

// export -o replaces an existing file only when it holds a document: never
// the firmware itself ("export X.hex -o X.hex"), nor any other file.
TEST_F(SettingsCli, ExportReplacesNoFileButAnEarlierDocument)
{
    const QString firmware = path("x.hex");
    write(firmware, contentOf(Servo));
    const QByteArray document = runCli({"export", firmware}).out.toUtf8();
    ASSERT_FALSE(document.isEmpty());
    const struct {
        const char *name;
        QByteArray before; // null: no such file
        int exitCode;
    } rows[] = {
        {"x.hex", contentOf(Servo), 1},
        {"notes.txt", "to do: servo 3\n", 1},
        {"earlier.json", contentOf(path("turnout.json")), 0},
        {"bom.json", "\xEF\xBB\xBF{}", 0},
        {"empty.json", "", 0},
        {"new.json", QByteArray(), 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.before.isNull())
            write(path(row.name), row.before);
        const CliOutput o = runCli({"export", firmware, "-o", path(row.name)});
        EXPECT_EQ(o.exitCode, row.exitCode) << o.err.toStdString();
        if (row.exitCode == 0) {
            EXPECT_EQ(contentOf(path(row.name)), document);
            continue;
        }
        EXPECT_EQ(o.err, QStringLiteral("quaxel-cli: %1:\nexistiert und ist kein Einstellungsdokument; sie wird nicht ersetzt\n")
                             .arg(path(row.name)));
        EXPECT_EQ(contentOf(path(row.name)), row.before);
    }
}

// set and apply write what a window save writes: a byte that the editors
// correct when they load it (a servo decoder's SW1 byte FF, a traffic light's
// fading code 44) is written corrected by both, and both write the same file.
TEST_F(SettingsCli, SetAndApplyWriteTheEditorsCorrectionsAsAWindowSaveDoes)
{
    const struct {
        const char *sample;
        int byte; // in the EEPROM
        const char *stored;
        const char *written;
    } rows[] = {
        {"211-tamb-4-servo-dekoder-dcc.hex", 0x00, "FF", "F0"},
        {"359-led-dekoder-ampel-v3-40-dcc.hex", 0x20, "44", "11"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.sample);
        DecoderSession session;
        ASSERT_FALSE(session.load(contentOf(sample(row.sample))).error);
        session.image.eeprom[row.byte] = QString::fromLatin1(row.stored);
        ASSERT_GT(session.buildHexLines(), 0);
        const QString input = path("input.hex");
        write(input, session.fileContent());
        ASSERT_EQ(runCli({"export", input, "-o", path("own.json")}).exitCode, 0);
        ASSERT_EQ(runCli({"set", input, "-o", path("set.hex")}).exitCode, 0);
        ASSERT_EQ(runCli({"apply", input, path("own.json"), "-o", path("apply.hex")}).exitCode, 0);
        EXPECT_EQ(contentOf(path("set.hex")), contentOf(path("apply.hex")));
        FirmwareImage written;
        ASSERT_TRUE(loadHexLines(written, splitHexFileLines(contentOf(path("set.hex")))).complete);
        EXPECT_EQ(written.eeprom[row.byte].text(), QString::fromLatin1(row.written));
    }
}

TEST_F(SettingsCli, OneChangedSettingIsOneDiffLineAndItsPartialDocumentDoesTheSame)
{
    ASSERT_EQ(runCli({"apply", Servo, path("changed.json"), "-o", path("changed.hex")}).exitCode, 0);
    // The document and the file written from it hold the same settings.
    EXPECT_EQ(runCli({"diff", "--settings", path("changed.json"), path("changed.hex")}).exitCode, 0);
    const CliOutput diff = runCli({"diff", "--settings", Servo, path("changed.hex")});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(diff.out, QStringLiteral("Kurve 2, Punkt 7: 127 -> 52\n"));

    const CliOutput partial = runCli({"diff", "--settings", "--json", Servo, path("changed.hex")});
    EXPECT_EQ(partial.exitCode, 1);
    write(path("partial.json"), partial.out.toUtf8());
    ASSERT_EQ(runCli({"apply", Servo, path("partial.json"), "-o", path("partial.hex")}).exitCode, 0);
    EXPECT_EQ(contentOf(path("partial.hex")), contentOf(path("changed.hex")));
}

// Two bundled samples made to answer to the same DCC address and output.
TEST_F(SettingsCli, InventoryFindsASharedAddressPlantedInTwoSamples)
{
    ASSERT_EQ(runCli({"set", sample("full-457-led-signal-001-dcc.hex"), "-o", path("folder/signal.hex"), "--slot", "2=77g"}).exitCode, 0);
    ASSERT_EQ(runCli({"set", sample("359-led-dekoder-ampel-v3-40-dcc.hex"), "-o", path("folder/lights.hex"), "--slot", "4=77g"}).exitCode, 0);

    const CliOutput text = runCli({"inventory", path("folder")});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QString shared = text.out.mid(text.out.indexOf(QStringLiteral("Geteilte Adressen:")));
    EXPECT_TRUE(shared.startsWith(QStringLiteral("Geteilte Adressen:\nDCC 77g:\n"))) << text.out.toStdString();
    EXPECT_TRUE(shared.contains(QStringLiteral("lights.hex: Rot\n")));
    EXPECT_TRUE(shared.contains(QStringLiteral("signal.hex: Hp1\n")));
    EXPECT_EQ(runCli({"inventory", "--strict", path("folder")}).exitCode, 1);
    EXPECT_EQ(runCli({"inventory", "--strict", path("folder/signal.hex")}).exitCode, 0);

    const CliOutput csv = runCli({"inventory", "--csv", path("folder")});
    EXPECT_EQ(csv.exitCode, 0);
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.first(), QStringLiteral("file,type,label,protocol,slot,slot label,address,output,other slots sharing"));
    EXPECT_EQ(lines.count(lines.first()), 1);
    int sharing = 0;
    for (const QString &line : lines.mid(1)) {
        EXPECT_EQ(line.count(QLatin1Char(',')), 8) << line.toStdString();
        sharing += line.endsWith(QStringLiteral(",77,g,1"));
    }
    EXPECT_EQ(sharing, 2);

    const QJsonObject json = QJsonDocument::fromJson(runCli({"inventory", "--json", path("folder")}).out.toUtf8()).object();
    EXPECT_EQ(json[QStringLiteral("rows")].toArray().size(), lines.size() - 1);
    EXPECT_EQ(json[QStringLiteral("shared")].toArray().size(), 1);
}

// The text names a slot by label and number where its decoder repeats the
// label (the signal decoder's two "Halt" slots), and keeps a function apart
// from its address ("3 / F1", not "3F1", which reads as a hex number).
TEST_F(SettingsCli, InventoryTextTellsSlotsAndFunctionsApart)
{
    const struct {
        const char *sample;
        QStringList changes; // --slot values
        QString shared; // the section of shared addresses, the file written as "f.hex"
        QString row;    // the slot as the first row names it
    } rows[] = {
        {"203-led-dekoder-signal-003-obb-dcc.hex", {"1=77g", "8=77g"},
         "DCC 77g:\n  f.hex: Halt (Slot 1)\n  f.hex: Halt (Slot 8)\n", "Halt (Slot 1)"},
        {"15872-led-dekoder-funktionsdekoder-schalten-dcc.hex", {"1=3/1", "2=3/1"},
         "DCC 3 / F1:\n  f.hex: Out 1\n  f.hex: Out 2\n", "Out 1"},
        {"full-457-led-signal-001-dcc.hex", {"2=77r", "10=77r"},
         "DCC 77r:\n  f.hex: Hp1\n  f.hex: Vr0 (Slot 10)\n", "Hp0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.sample);
        QDir(path("folder")).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(path("folder")));
        QStringList args{QStringLiteral("set"), sample(row.sample), QStringLiteral("-o"), path("folder/f.hex")};
        for (const QString &change : row.changes)
            args << QStringLiteral("--slot") << change;
        ASSERT_EQ(runCli(args).exitCode, 0);
        const CliOutput text = runCli({"inventory", path("folder")});
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        const QString folder = path("folder/");
        QString out = text.out;
        out.replace(folder, QString());
        const QString heading = QStringLiteral("Geteilte Adressen:\n");
        ASSERT_GE(out.indexOf(heading), 0) << out.toStdString();
        const QString shared = out.mid(out.indexOf(heading) + heading.size());
        EXPECT_EQ(shared.toStdString(), row.shared.toStdString());
        EXPECT_TRUE(out.section(u'\n', 1, 1).contains(QStringLiteral("  %1  ").arg(row.row)))
            << out.toStdString();
    }
}

// Every entry of a folder named *.hex is listed or named on standard error.
// Names that are no UTF-8 are read by their bytes; they and invisible
// characters are shown escaped. A FIFO, a dangling link and a link loop are
// named and fail the inventory, --strict or not. A link to a folder stands for
// the folder. Files come in natural order of their names in every format, and
// unused slots (address 0) are left out.
TEST_F(SettingsCli, InventoryListsEveryEntryOrNamesIt)
{
    ASSERT_TRUE(QDir().mkpath(path("names")));
    ASSERT_TRUE(QDir().mkpath(path("odd")));
    // Slot 1 holds the address that tells the file; slot 2 is unused.
    const struct {
        QByteArray name;
        int address;
    } files[] = {{"x-10.hex", 10}, {"\xE4mpel.hex", 50}, {"x-2.hex", 20}, {"UPPER.HEX", 60},
                 {"zw\xE2\x80\x8B.hex", 40}, {"x-1.hex", 30}, {"notes.txt", 70}};
    for (const auto &f : files) {
        const QString file = pathFromBytes(QFile::encodeName(path("names")) + '/' + f.name);
        ASSERT_EQ(runCli({"set", Turnout, "-o", file, "--slot", QStringLiteral("1=%1g").arg(f.address), "--slot", "2=0"}).exitCode, 0);
    }
    const QList<int> natural{60, 30, 20, 10, 40, 50};
    ASSERT_EQ(::symlink("names", QFile::encodeName(path("link")).constData()), 0);

    for (const QString &folder : {path("names"), path("link")}) {
        SCOPED_TRACE(folder.toStdString());
        const CliOutput text = runCli({"inventory", "--strict", folder});
        EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
        EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
        QList<int> order;
        for (const QString &line : text.out.split(u'\n').mid(1, natural.size()))
            order << line.simplified().section(u' ', -2, -2).toInt();
        EXPECT_EQ(order, natural) << text.out.toStdString();
        EXPECT_TRUE(text.out.contains(QStringLiteral("/zw\\u200B.hex "))) << text.out.toStdString();
        EXPECT_TRUE(text.out.contains(QStringLiteral("/\\xE4mpel.hex "))) << text.out.toStdString();
        EXPECT_FALSE(text.out.contains(QChar(0x200B)));

        const QStringList csv = runCli({"inventory", "--csv", folder}).out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        order.clear();
        for (const QString &line : csv.mid(1))
            order << line.section(u',', 6, 6).toInt();
        EXPECT_EQ(order, natural);

        const QJsonArray rows = QJsonDocument::fromJson(runCli({"inventory", "--json", folder}).out.toUtf8())
                                    .object()[QStringLiteral("rows")].toArray();
        order.clear();
        for (const QJsonValue &row : rows)
            order << row[QStringLiteral("address")].toInt();
        EXPECT_EQ(order, natural);
    }

    ASSERT_EQ(runCli({"set", Turnout, "-o", path("odd/ok.hex")}).exitCode, 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("odd/fifo.hex")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("nowhere.hex", QFile::encodeName(path("odd/dangling.hex")).constData()), 0);
    ASSERT_EQ(::symlink("loop.hex", QFile::encodeName(path("odd/loop.hex")).constData()), 0);
    for (const char *strict : {"--csv", "--strict"}) {
        const CliOutput o = runCli({"inventory", strict, path("odd")});
        EXPECT_EQ(o.exitCode, 2) << strict;
        for (const char *name : {"fifo.hex", "dangling.hex", "loop.hex"})
            EXPECT_TRUE(o.err.contains(QLatin1String(name))) << name << ": " << o.err.toStdString();
        EXPECT_TRUE(o.out.contains(QStringLiteral("ok.hex"))) << o.out.toStdString();
    }
}

// Natural order compares runs of digits by their numbers.
TEST(InventoryOrder, NamesInNaturalOrder)
{
    const QByteArrayView ordered[] = {"", "a", "x-01", "x-1", "x-2", "x-9.hex", "x-10", "x-10a", "x-10b2", "x-10b10", "x-100", "xa", "\xE4"};
    for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
        EXPECT_TRUE(Settings::naturallyBefore(ordered[i], ordered[i + 1])) << ordered[i].data() << " < " << ordered[i + 1].data();
        EXPECT_FALSE(Settings::naturallyBefore(ordered[i + 1], ordered[i])) << ordered[i + 1].data() << " > " << ordered[i].data();
    }
}

// The inventory goes out piece by piece as it is written; the pieces make the
// same tables, and the JSON, written by hand, stays a valid document, also
// with no rows or no shared address.
TEST_F(SettingsCli, InventoryWrittenPieceByPieceMakesTheSameValidTables)
{
    ASSERT_TRUE(QDir().mkpath(path("empty")));
    ASSERT_TRUE(QDir().mkpath(path("two")));
    ASSERT_EQ(runCli({"set", Turnout, "-o", path("two/a.hex"), "--slot", "1=77g"}).exitCode, 0);
    ASSERT_EQ(runCli({"set", Turnout, "-o", path("two/b\x1b.hex"), "--slot", "1=77g"}).exitCode, 0);
    const struct {
        const char *name;
        QString input;
        int rows;
        int shared;
    } cases[] = {
        {"no slot with an address", sample("17408-f-dekoder-mit-cv-dcc.hex"), 0, 0},
        {"an empty folder", path("empty"), 0, 0},
        {"one file", path("two/a.hex"), -1, 0},
        // Two copies of one decoder: both of its slots are shared.
        {"two files sharing, one with an escape in its name", path("two"), -1, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        int csvRows = 0;
        for (const char *format : {"--csv", "--json", "--strict"}) {
            const QStringList args{QStringLiteral("inventory"), QString::fromLatin1(format), c.input};
            const CliOutput whole = runCli(args);
            QString pieces;
            const CliOutput streamed = runCli(args, [&pieces](const QString &piece) { pieces += piece; });
            EXPECT_EQ(streamed.exitCode, whole.exitCode);
            EXPECT_TRUE(streamed.out.isEmpty());
            EXPECT_EQ(pieces.toStdString(), whole.out.toStdString());
            EXPECT_FALSE(pieces.contains(QChar(0x1b)));
            if (QByteArray(format) == "--csv")
                csvRows = static_cast<int>(pieces.count(QStringLiteral("\r\n"))) - 1;
            if (QByteArray(format) != "--json")
                continue;
            QJsonParseError error;
            const QJsonObject json = QJsonDocument::fromJson(pieces.toUtf8(), &error).object();
            ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
            EXPECT_EQ(json[QStringLiteral("rows")].toArray().size(), csvRows);
            EXPECT_EQ(json[QStringLiteral("shared")].toArray().size(), c.shared);
            if (c.rows >= 0)
                EXPECT_EQ(csvRows, c.rows);
        }
    }
}

} // namespace
