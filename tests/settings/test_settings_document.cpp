// The settings document against the edit models and the save: round trips over
// every sample and fixture, a table of documents with their outcomes, and a
// table of bad documents with their messages.
#include "decoder/DecoderSession.h"
#include "frames/Frame_register/CvListModel.h"
#include "frames/Frame_tamb/ServoModel.h"
#include "frames/Frame_zusatz/ModesModel.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace Settings;

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QLatin1String(name); }

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Every file a round trip runs over: the samples, the bad-input files that
// load, and the assembler's fixtures where they were built.
QStringList everyFixture()
{
    QStringList folders{QStringLiteral(QUAXEL_SOURCE_DIR "/samples"), QStringLiteral(QUAXEL_TEST_DATA "/bad-input")};
#ifdef QUAXEL_ASM_HEX_DIR
    folders.append(QStringLiteral(QUAXEL_ASM_HEX_DIR));
#endif
    QStringList files;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name))
            files.append(dir.filePath(name));
    }
    return files;
}

bool loads(DecoderSession &session, const QByteArray &content)
{
    return !session.load(content).error;
}

QJsonObject exported(const QByteArray &content)
{
    DecoderSession session;
    const DecoderSession::LoadOutcome outcome = session.load(content);
    EXPECT_FALSE(outcome.error);
    return exportSettings(session, {QStringLiteral("f.hex"), content, outcome.lines.version});
}

// The document without the source's name and hash.
QJsonObject withoutSource(QJsonObject document)
{
    document.remove(QStringLiteral("source"));
    return document;
}

struct Applied {
    std::optional<Fault> fault;
    QByteArray content;
};

Applied applied(const QByteArray &content, const QJsonObject &document)
{
    DecoderSession session;
    EXPECT_TRUE(loads(session, content));
    Applied result;
    result.fault = applySettings(session, document);
    if (!result.fault)
        result.content = session.fileContent();
    return result;
}

// The value at a path of keys and indexes, replaced.
QJsonValue replaced(const QJsonValue &at, const QStringList &path, const QJsonValue &value)
{
    if (path.isEmpty())
        return value;
    bool isIndex = false;
    const int index = path.first().toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = at.toArray();
        while (array.size() <= index)
            array.append(QJsonValue());
        array[index] = replaced(array[index], path.mid(1), value);
        return array;
    }
    QJsonObject object = at.toObject();
    object[path.first()] = replaced(object.value(path.first()), path.mid(1), value);
    return object;
}

QJsonObject changed(const QJsonObject &document, const QString &path, const QJsonValue &value)
{
    return replaced(document, path.split(QLatin1Char('.')), value).toObject();
}

// What "HEX speichern" writes without edits: the type's editor loaded as the
// window loads it (loading corrects a fading code and the SW1 byte), the
// slots written, the records built. The save's refusal, if any. (The blink
// editors keep a working copy: loading them writes nothing.)
std::optional<QString> saveWithoutEdits(DecoderSession &session)
{
    switch (session.editorFrame()) {
    case EditorFrameKind::Modes: Zusatz::ModesModel(session.image).load(session.typeCode()); break;
    case EditorFrameKind::CvList: Cv::CvListModel(session.image).load(session.typeCode()); break;
    case EditorFrameKind::Servo: ServoModel(session).load(); break;
    default: break;
    }
    if (const auto fault = session.writeSlots())
        return fault->message;
    if (const auto fault = session.checkWritable())
        return *fault;
    if (session.buildHexLines() == 0)
        return DecoderSession::checksumProblemMessage();
    return std::nullopt;
}

// ---------------------------------------------------------------- round trips

TEST(SettingsRoundTrip, ExportThenApplyWritesWhatASaveWithoutEditsWrites)
{
    int compared = 0;
    for (const QString &path : everyFixture()) {
        const QByteArray content = contentOf(path);
        DecoderSession saved;
        if (!loads(saved, content))
            continue;
        SCOPED_TRACE(path.toStdString());
        const std::optional<QString> saveFault = saveWithoutEdits(saved);
        const QJsonObject document = exported(content);
        const Applied result = applied(content, document);
        if (saveFault) {
            // What the save refuses, the apply refuses with the same message.
            ASSERT_TRUE(result.fault);
            EXPECT_EQ(result.fault->message.toStdString(), saveFault->toStdString());
            continue;
        }
        ASSERT_FALSE(result.fault) << result.fault->text().toStdString();
        EXPECT_EQ(result.content, saved.fileContent());
        EXPECT_EQ(withoutSource(exported(result.content)), withoutSource(document));
        ++compared;
    }
    EXPECT_GT(compared, 140);
}

// The ID record of a sample with its last version digit changed.
QByteArray otherVersion(const QByteArray &content)
{
    QByteArray changedContent = content;
    const QByteArray id = ":084000000100030004000000B0";
    EXPECT_TRUE(changedContent.contains(id));
    return changedContent.replace(id, ":084000000100030004000100AF");
}

TEST(SettingsRoundTrip, ADocumentOfAnotherVersionCarriesEverySetting)
{
    for (const char *name : {"211-tamb-4-servo-dekoder-dcc.hex", "221-led-blinkmuster-dcc.hex", "106-led-dekoder-schalten-dcc.hex"}) {
        SCOPED_TRACE(name);
        const QByteArray first = contentOf(sample(name));
        QJsonObject document = exported(first);
        // The first file's settings differ from the second's in more than the version.
        const QByteArray second = otherVersion(first);
        const QJsonObject before = exported(second);
        EXPECT_NE(before[QStringLiteral("decoder")][QStringLiteral("version")], document[QStringLiteral("decoder")][QStringLiteral("version")]);
        const QJsonObject slot = document[QStringLiteral("slots")][0].toObject();
        document = changed(document, QStringLiteral("slots.0.address"), slot[QStringLiteral("address")].toInt() == 5 ? 6 : 5);
        const Applied result = applied(second, document);
        ASSERT_FALSE(result.fault) << result.fault->text().toStdString();
        EXPECT_EQ(compareSettings(document, exported(result.content)).lines, QStringList());
        EXPECT_EQ(compareSettings(before, exported(result.content)).lines.size(), 1);
    }
}

// ---------------------------------------------------------------- documents and outcomes

struct Outcome {
    const char *file;
    const char *path;   // keys and indexes, joined by dots
    QJsonValue value;
    // The one line the comparison lists afterwards, or the refusal's text.
    const char *expected;
    bool refused = false;
};

void PrintTo(const Outcome &row, std::ostream *os) { *os << row.file << " " << row.path; }

class SettingsOutcome : public ::testing::TestWithParam<Outcome> {};

TEST_P(SettingsOutcome, ChangesExactlyThatSettingOrRefusesAndWritesNothing)
{
    const Outcome &row = GetParam();
    const QByteArray content = contentOf(sample(row.file));
    const QJsonObject before = exported(content);
    const QJsonObject document = changed(before, QString::fromUtf8(row.path), row.value);

    DecoderSession session;
    ASSERT_TRUE(loads(session, content));
    const DecoderSession untouched = session;
    const std::optional<Fault> fault = applySettings(session, document);
    if (row.refused) {
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->text().toStdString(), row.expected);
        EXPECT_EQ(session.image.rom, untouched.image.rom);
        EXPECT_EQ(session.image.eeprom, untouched.image.eeprom);
        return;
    }
    ASSERT_FALSE(fault) << fault->text().toStdString();
    const QJsonObject after = exported(session.fileContent());
    const Comparison comparison = compareSettings(before, after);
    EXPECT_EQ(comparison.lines, QStringList{QString::fromUtf8(row.expected)});
    EXPECT_TRUE(compareSettings(document, after).equal());
    // The partial document of the change does the same to the first file.
    const Applied again = applied(content, comparison.partial);
    ASSERT_FALSE(again.fault) << again.fault->text().toStdString();
    EXPECT_EQ(again.content, session.fileContent());
}

const Outcome Outcomes[] = {
    // one setting of each editor, changed
    {"full-457-led-signal-001-dcc.hex", "slots.2", QJsonObject{{"slot", 3}, {"address", 14}, {"green", false}}, "Hp2: 253g -> 14r"},
    {"full-15872-led-function-decoder-mot.hex", "slots.0.function", 4, "Out 1: 1/1 -> 1/4"},
    {"8-torvel-dcc.hex", "modes.value", 20, "Time Out (1..127): 255 -> 20"},
    {"106-led-dekoder-schalten-dcc.hex", "modes.mode", 3, "Mode Auswahl: 1 -> 3"},
    {"2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex", "modes.neonDark", 4, "Leuchtstufe DUNKEL: 255 -> 4"},
    {"359-led-dekoder-ampel-v3-40-dcc.hex", "modes.fading", 3, "Geschwindigkeit Überblendung (Fading): 0 -> 3"},
    {"624-led-dekoder-neon-ab-v3-48-dcc.hex", "modes.outputs.1", false, "Ausgang 10 = \"Schweißer\": ein -> aus"},
    {"615-led-dekoder-ampel-ab-v3-41-dcc.hex", "modes.extras.1", 40, "Grünphase Neben (x 0.2 s): 255 -> 40"},
    {"17408-f-dekoder-mit-cv-dcc.hex", "cvs.3", 7, "CV17: Lange Adresse L: 255 -> 7"},
    {"1-kandor-blinkmuster-dcc.hex", "blink.1.steps.6", "1011", "Blinkmuster Adresse 2, Schritt 7: 1111 -> 1011"},
    {"221-led-blinkmuster-mot.hex", "blink.3.outputs.9", false, "Blinkmuster Adresse 4, Ausgang 10 benutzt: ein -> aus"},
    {"1-kandor-blinkmuster-dcc.hex", "blink.0.count", 12, "Blinkmuster Adresse 1: Anzahl 50 -> 12"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.1.points.6", 52, "Kurve 2, Punkt 7: 127 -> 52"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.1.count", 20, "Kurve 2: Anzahl Punkte 255 -> 20"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.2.offset", 160, "Servo 3: Impuls Min (Offset) 255 -> 160"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.0.noRepeat", false, "Servo 1: keine Wiederholung ein -> aus"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.addresses.5.action", "Abbruch", "Adresse 06: Aktion Start Loop -> Abbruch"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.sw1", "Lernen + Justage", "SW1: Servo-Bedienung -> Lernen + Justage"},
    {"210-tamb-kubo-servo-dekoder-dcc.hex", "servo.curves.0.relays", QJsonArray{true}, "servo.curves[0].relays: dieser Decoder-Typ hat keine solche Einstellung", true},
    // values the rules refuse, with the window's message
    {"8-torvel-dcc.hex", "modes.value", 200, "modes.value: Wert für <Time Out (1..127)> ist zu gross", true},
    {"8-torvel-dcc.hex", "modes.value", 0, "modes.value: Wert für <Time Out (1..127)> ist zu klein", true},
    {"full-457-led-signal-001-dcc.hex", "slots.2.address", 3000, "slots[2]: Adresse für <Hp2> ist zu gross", true},
    // values the rules pass but the decoder's codes cannot hold, found by reading back
    {"full-15872-led-function-decoder-mot.hex", "slots.1.function", 0, "slots[1].function: die Funktions-Nummer 0 lässt sich nicht speichern: Funktions-Nummern gehen von 1 bis 4", true},
    {"full-15872-led-function-decoder-mot.hex", "slots.1.address", 0, "slots[1].address: die Adresse 0 kann dieser Decoder-Typ nicht speichern (der Slot läse sich als Adresse 80 zurück)", true},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.0.count", 150, "servo.curves[0].count: 150 liegt außerhalb des Bereichs: der Editor speicherte 100", true},
    // beyond a byte too, the limit named is the one the editor stores
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.0.count", 300, "servo.curves[0].count: 300 liegt außerhalb des Bereichs: der Editor speicherte 100", true},
    {"221-led-blinkmuster-mot.hex", "blink.0.count", 300, "blink[0].count: 300 liegt außerhalb des Bereichs: der Editor speicherte 100", true},
    {"1-kandor-blinkmuster-dcc.hex", "blink.2.stretch", 1000, "blink[2].stretch: 1000 liegt außerhalb des Bereichs: der Editor speicherte 200", true},
    {"2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex", "modes.neonBright", 300, "modes.neonBright: 300 liegt außerhalb von 0..15", true},
    {"8-torvel-dcc.hex", "modes.value", 300, "modes.value: Wert für <Time Out (1..127)> ist zu gross", true},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.0.offset", 40, "servo.servos[0].offset: Offset 40 liegt außerhalb von 50..255, dem Bereich der Impuls-Knöpfe", true},
    {"1-kandor-blinkmuster-dcc.hex", "blink.0.steps.60", "1111", "blink[0].steps[60]: das Muster hat 50 Schritte", true},
    // a step past the count: out of the mouse's reach with four outputs, within it with ten
    {"demo-blink.hex", "blink.0.steps.20", "1111", "blink[0].steps[20]: das Muster hat 16 Schritte", true},
    {"demo-led-blink.hex", "blink.0.steps.80", "0100000001", "Blinkmuster Adresse 1, Schritt 81: 0000000000 -> 0100000001"},
    // the pulse span's last value, and the one past it
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.1.span", 253, "Servo 2: Impuls Max (Span) 255 -> 253"},
    {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.1.span", 254, "servo.servos[1].span: Spanne 254 liegt außerhalb von 1..253, dem Bereich der Impuls-Knöpfe", true},
    {"106-led-dekoder-schalten-dcc.hex", "modes.mode", 5, "modes.mode: 5 liegt außerhalb von 1..3", true},
    {"8-torvel-dcc.hex", "modes.speed", 10, "modes.speed: dieser Decoder-Typ hat keine solche Einstellung", true},
    // another decoder type
    {"8-torvel-dcc.hex", "decoder.typeCode", 211, "decoder.typeCode: ein Dokument für den Decoder-Typ 211 (Tamb-4 Servo-Dekoder) passt nicht in eine Datei vom Typ 8 (Torvel)", true},
};

INSTANTIATE_TEST_SUITE_P(Table, SettingsOutcome, ::testing::ValuesIn(Outcomes));

// ---------------------------------------------------------------- the change list's language

// The program's English texts installed while it lives, as the window and
// quaxel-cli install them under an English desktop.
class EnglishTexts {
public:
    EnglishTexts() { loaded = english_.load(QStringLiteral(":/i18n/quaxel_en.qm")) && QCoreApplication::installTranslator(&english_); }
    ~EnglishTexts() { QCoreApplication::removeTranslator(&english_); }
    bool loaded = false;

private:
    QTranslator english_;
};

// One comparison as a person and as a program read it.
struct Read {
    std::string lines;
    std::string partial;  // the --json document
    std::string exported; // the first file's settings document
};

Read readInTheCurrentLanguage(const QByteArray &content, const QJsonObject &document)
{
    const QJsonObject before = exported(content);
    const Comparison comparison = compareSettings(before, document);
    return {comparison.lines.join(QLatin1Char('\n')).toStdString(), QJsonDocument(comparison.partial).toJson().toStdString(),
            QJsonDocument(before).toJson().toStdString()};
}

// The change list names each setting, and reads each yes/no and each choice
// of a text setting, in the reader's language; the documents keep the values
// as they are in every language ("Abbruch" is an action's value, "Abort" is
// what an English reader reads).
TEST(SettingsComparison, ReadsInTheReadersLanguageWhileTheDocumentsStayTheSame)
{
    const struct {
        const char *file;
        const char *path;
        QJsonValue value;
        const char *german;
        const char *english;
    } rows[] = {
        {"106-led-dekoder-schalten-dcc.hex", "modes.mode", 3, "Mode Auswahl: 1 -> 3", "Mode: 1 -> 3"},
        {"2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex", "modes.neonDark", 4, "Leuchtstufe DUNKEL: 255 -> 4", "Level DIM: 255 -> 4"},
        {"2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex", "modes.modeLock", false, "Mode-Umschaltung SPERREN: ein -> aus", "LOCK mode switching: on -> off"},
        {"17408-f-dekoder-mit-cv-dcc.hex", "cvs.3", 7, "CV17: Lange Adresse L: 255 -> 7", "CV17: Long address L: 255 -> 7"},
        {"1-kandor-blinkmuster-dcc.hex", "blink.1.steps.6", "1011", "Blinkmuster Adresse 2, Schritt 7: 1111 -> 1011", "Blink pattern address 2, Step 7: 1111 -> 1011"},
        {"221-led-blinkmuster-mot.hex", "blink.3.outputs.9", false, "Blinkmuster Adresse 4, Ausgang 10 benutzt: ein -> aus", "Blink pattern address 4, Output 10 used: on -> off"},
        {"1-kandor-blinkmuster-dcc.hex", "blink.0.count", 12, "Blinkmuster Adresse 1: Anzahl 50 -> 12", "Blink pattern address 1: Count 50 -> 12"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.1.points.6", 52, "Kurve 2, Punkt 7: 127 -> 52", "Curve 2, Point 7: 127 -> 52"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.curves.1.count", 20, "Kurve 2: Anzahl Punkte 255 -> 20", "Curve 2: Points 255 -> 20"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.2.offset", 160, "Servo 3: Impuls Min (Offset) 255 -> 160", "Servo 3: Pulse min (offset) 255 -> 160"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.servos.0.noRepeat", false, "Servo 1: keine Wiederholung ein -> aus", "Servo 1: no repetition on -> off"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.addresses.5.action", "Abbruch", "Adresse 06: Aktion Start Loop -> Abbruch", "Address 06: Action Start loop -> Abort"},
        {"211-tamb-4-servo-dekoder-dcc.hex", "servo.sw1", "Lernen + Justage", "SW1: Servo-Bedienung -> Lernen + Justage", "SW1: Servo control -> Learn + adjust"},
        {"8-torvel-dcc.hex", "decoder.typeCode", 9, "Dekodertyp: 8 Torvel -> 9 Torvel", "Decoder type: 8 Torvel -> 9 Torvel"},
    };
    int argc = 1;
    char name[] = "test_settings_document";
    char *argv[] = {name, nullptr};
    const std::unique_ptr<QCoreApplication> app(QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path);
        const QByteArray content = contentOf(sample(row.file));
        const QJsonObject document = changed(exported(content), QString::fromUtf8(row.path), row.value);
        const Read german = readInTheCurrentLanguage(content, document);
        EXPECT_EQ(german.lines, row.german);
        EnglishTexts english;
        ASSERT_TRUE(english.loaded);
        const Read inEnglish = readInTheCurrentLanguage(content, document);
        EXPECT_EQ(inEnglish.lines, row.english);
        EXPECT_EQ(inEnglish.partial, german.partial);
        EXPECT_EQ(inEnglish.exported, german.exported);
    }
    // The bytes loading corrects by itself, which the window lists beside the changes.
    DecoderSession session;
    ASSERT_TRUE(loads(session, contentOf(sample("359-led-dekoder-ampel-v3-40-dcc.hex"))));
    session.image.eeprom[Zusatz::ValueByte] = QStringLiteral("77"); // no fading code
    EXPECT_EQ(loadCorrections(session).join(QLatin1Char('\n')).toStdString(), "EEPROM-Byte 20: 77 -> 11");
    EnglishTexts english;
    EXPECT_EQ(loadCorrections(session).join(QLatin1Char('\n')).toStdString(), "EEPROM byte 20: 77 -> 11");
}

// ---------------------------------------------------------------- a partial document compared

// The value of a comparison's line: what follows its last ": ".
QStringList valuesOf(const QStringList &lines)
{
    QStringList values;
    for (const QString &line : lines)
        values.append(line.section(QStringLiteral(": "), -1));
    return values;
}

TEST(SettingsComparison, NamesTheSlotAndShowsWhatTheApplyWrites)
{
    const QByteArray content = contentOf(sample("full-457-led-signal-001-dcc.hex"));
    const QJsonObject file = exported(content);
    const struct {
        const char *entries; // the second document's, which says nothing else
        QStringList lines;
    } rows[] = {
        // the output alone: the address stays as it is
        {R"([{"slot": 6, "green": true}])", {"Hp2+Zs3: 1001r -> 1001g"}},
        // entries that change nothing are no change
        {R"([{"slot": 6, "address": 1001}, {"slot": 1, "green": true}])", {}},
        // two slots are called "Vr0"
        {R"([{"slot": 10, "address": 7}])", {"Vr0 (Slot 10): 2041r -> 7r"}},
        // a label cannot forge a line or act on the terminal
        {R"([{"slot": 3, "label": "Hp2
Vr0: 1 -> 2[2J", "address": 14}])", {"Hp2\\x0AVr0: 1 -> 2\\x1B[2J: 253g -> 14g"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.entries);
        QJsonObject partial{{"formatVersion", 1}, {"decoder", QJsonObject{{"typeCode", 457}}}};
        partial[QStringLiteral("slots")] = QJsonDocument::fromJson(row.entries).array();
        EXPECT_EQ(compareSettings(file, partial).lines, row.lines);
        const Applied result = applied(content, partial);
        ASSERT_FALSE(result.fault) << result.fault->text().toStdString();
        EXPECT_EQ(valuesOf(compareSettings(file, exported(result.content)).lines), valuesOf(row.lines));
    }
}

TEST(SettingsDocumentText, WritesControlsAsEscapesAndReadsBackTheSameDocument)
{
    // C1 controls, a bidirectional override, DEL and a line break
    const QString label = QStringLiteral("Hp\u0085\u202E2\u007F\u009B2J\n");
    const QJsonObject document{{"formatVersion", 1},
                               {"decoder", QJsonObject{{"typeCode", 457}, {"label", label}}},
                               {"slots", QJsonArray{QJsonObject{{"slot", 3}, {"label", label}}}}};
    const QByteArray text = documentText(document);
    EXPECT_EQ(text.count("Hp\\u0085\\u202e2\\u007f\\u009b2J\\n"), 2) << text.toStdString();
    for (const QByteArray &bom : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        SCOPED_TRACE(bom.size());
        EXPECT_TRUE(isDocumentText(bom + "\n " + text));
        const ReadDocument read = readDocument(bom + text);
        ASSERT_FALSE(read.fault) << read.fault->text().toStdString();
        EXPECT_EQ(read.document, document);
    }
}

// ---------------------------------------------------------------- bad documents

struct BadDocument {
    const char *text;
    const char *message;
};

void PrintTo(const BadDocument &row, std::ostream *os) { *os << row.text; }

class SettingsBadDocument : public ::testing::TestWithParam<BadDocument> {};

TEST_P(SettingsBadDocument, IsRefusedNamingTheJsonPath)
{
    const ReadDocument read = readDocument(QByteArray(GetParam().text));
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(read.fault->text().toStdString(), GetParam().message);
    // Applying it changes nothing either.
    const QByteArray content = contentOf(sample("211-tamb-4-servo-dekoder-dcc.hex"));
    DecoderSession session;
    ASSERT_TRUE(loads(session, content));
    if (read.document.isEmpty())
        return;
    const DecoderSession untouched = session;
    EXPECT_TRUE(applySettings(session, read.document));
    EXPECT_EQ(session.image.rom, untouched.image.rom);
}

const BadDocument BadDocuments[] = {
    {"{\"formatVersion\": 1,", "kein JSON: nicht abgeschlossenes Objekt bei Byte 20"},
    {"[1]", "kein Einstellungsdokument: das JSON ist kein Objekt"},
    {"{}", "formatVersion: fehlt: dieses Programm liest die Format-Version 1"},
    {"{\"formatVersion\": 2}", "formatVersion: 2 ist nicht die Format-Version 1, die dieses Programm liest"},
    {"{\"formatVersion\": \"1\"}", "formatVersion: \"1\" ist nicht die Format-Version 1, die dieses Programm liest"},
    {"{\"formatVersion\": 1, \"colour\": 3}", "colour: unbekannter Schlüssel"},
    {"{\"formatVersion\": 1, \"\\u001b[2Jcolour\": 3}", "\\x1B[2Jcolour: unbekannter Schlüssel"},
    {"{\"formatVersion\": 1, \"servo\": {\"curves\": [null, {\"tempo\": 1}]}}", "servo.curves[1].tempo: unbekannter Schlüssel"},
    {"{\"formatVersion\": 1, \"slots\": {}}", "slots: ein Objekt ist keine Liste"},
    {"{\"formatVersion\": 1, \"modes\": {\"switchOff\": 1}}", "modes.switchOff: 1 ist nicht true oder false"},
    {"{\"formatVersion\": 1, \"cvs\": [2.5]}", "cvs[0]: 2.5 ist keine ganze Zahl"},
    {"{\"formatVersion\": 1, \"cvs\": [2.6e58]}", "cvs[0]: 2.6e+58 ist keine ganze Zahl"},
    {"{\"formatVersion\": 1, \"servo\": {\"curves\": [{}, {\"points\": [0,0,0,0,0,0,0,300]}]}}",
     "servo.curves[1].points[7]: 300 ist größer als 127"},
    {"{\"formatVersion\": 1, \"slots\": [{\"slot\": 1, \"address\": -1}]}", "slots[0].address: -1 ist kleiner als 0"},
    {"{\"formatVersion\": 1, \"servo\": {\"sw1\": \"Lernen\"}}",
     "servo.sw1: \"Lernen\" ist keins von \"Servo-Bedienung\", \"Lernen + Justage\""},
    {"{\"formatVersion\": 1, \"blink\": [{\"steps\": [\"10x1\"]}]}", "blink[0].steps[0]: \"10x1\" enthält ein anderes Zeichen als 0 oder 1"},
    {"{\"formatVersion\": 1, \"blink\": [{}, {}, {}, {}, {}]}", "blink: 5 Elemente, höchstens 4 sind erlaubt"},
    {"{\"formatVersion\": 1, \"modes\": {\"switchOff\": null}}", "modes.switchOff: null ist nicht true oder false"},
    // a document that says a thing twice, or hides a control character, means more than one thing
    {"\xEF\xBB\xBF{\"formatVersion\": 1, \"formatVersion\": 1}", "formatVersion: doppelt angegeben: ein Dokument nennt jede Einstellung einmal"},
    {"{\"formatVersion\": 1, \"decoder\": {\"typeCode\": 211, \"label\": \"\", \"typeCode\": 8}}",
     "decoder.typeCode: doppelt angegeben: ein Dokument nennt jede Einstellung einmal"},
    {"{\"formatVersion\": 1, \"modes\": {\"value\": 1, \"val\\u0075e\": 2}}", "modes.value: doppelt angegeben: ein Dokument nennt jede Einstellung einmal"},
    {"{\"formatVersion\": 1, \"slots\": [{\"slot\": 3, \"address\": 1}, null, {\"slot\": 3, \"address\": 2}]}",
     "slots[2].slot: Slot 3 ist doppelt angegeben, auch bei slots[0]"},
    {"{\"formatVersion\": 1, \"slots\": [{\"slot\": 1, \"label\": \"Hp0\tHp1\"}]}",
     "slots[0].label: rohes Steuerzeichen U+0009 in einem Text: JSON schreibt es als \\u0009"},
    {"{\"formatVersion\": 1, \"decoder\": {\"label\": \"a\xC2\x9B" "2J\"}}",
     "decoder.label: rohes Steuerzeichen U+009B in einem Text: JSON schreibt es als \\u009B"},
};

INSTANTIATE_TEST_SUITE_P(Table, SettingsBadDocument, ::testing::ValuesIn(BadDocuments));

} // namespace
