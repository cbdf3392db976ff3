#include "document/RecoveryDocument.h"
#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_tamb/ServoModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A window's work with every kind of text the image and the grid can hold.
RecoveryDocument sampleDocument()
{
    RecoveryDocument doc;
    doc.filePath = QStringLiteral("/hex/a b\nc.hex ");
    doc.written = QDateTime(QDate(2026, 12, 9), QTime(16, 40, 5, 123), Qt::UTC);
    doc.image.lineCount = 3;
    doc.image.hexLines[0] = QStringLiteral(":020000040000FA");
    doc.image.hexLines[1] = QStringLiteral(":10000000083002300030000000000000000000005x");
    doc.image.hexLines[2] = QStringLiteral(":00000001FF");
    for (int k = 0; k < FirmwareImage::RomSize; ++k)
        doc.image.rom[k] = QString::number(k % 256, 16).toUpper().rightJustified(2, u'0');
    doc.image.rom[7] = QStringLiteral("a9");  // lower case as read
    doc.image.rom[8] = QStringLiteral("G");   // damaged
    doc.image.rom[9] = QString();             // empty
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        doc.image.eeprom[i] = QStringLiteral("FF");
    doc.image.eeprom[3] = QStringLiteral("0f");
    doc.image.idText = QStringLiteral("1305");
    doc.image.configText = QStringLiteral("3A3F");
    doc.image.romTop = 4095;
    doc.image.eepromTop = 17;
    for (int s = 0; s < RecoveryDocument::Slots; ++s) {
        doc.addressTexts[s] = QString::number(s * 3);
        doc.functionTexts[s] = s % 5 ? QString::number(s) : QString();
        doc.green[s] = s % 3 == 0;
    }
    doc.addressTexts[4] = QStringLiteral("12a\t");
    doc.damageFindings = {QStringLiteral("Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.")};
    // Working copies with every byte value, one waiting to be applied and one not.
    ServoEditorCopy servo;
    for (int r = 0; r < CurveRecords::Count; ++r) {
        for (int j = 0; j < CurveRecords::Size; ++j)
            servo.copy.curves[r][j] = (r * 131 + j * 7) % 256;
    }
    servo.copy.pulses.offset = {50, 0, 255, 128};
    servo.copy.pulses.span = {1, 253, 0, 255};
    servo.changed = true;
    servo.shownCurve = 3;
    BlinkEditorCopy led{PatternTable(ledBlinkPatternLayout()), false, 2};
    for (int t = 0; t < led.table.size(); ++t)
        led.table[t] = 255 - t % 256;
    doc.frameCopies = {{QStringLiteral("FrameTamb1"), frameStateOf(servo)},
                       {QStringLiteral("FrameBlinkmuster_led1"), frameStateOf(led)},
                       {QStringLiteral("FrameBlinkmuster1"),
                        frameStateOf(BlinkEditorCopy{PatternTable(blinkPatternLayout()), true})}};
    doc.base = FileFingerprint{QByteArray(64, 'a'), 1048576, QDateTime(QDate(2026, 12, 9), QTime(16, 1, 2, 345), Qt::UTC)};
    return doc;
}

// The same frames with the same copies, changed flags included.
void expectSameCopies(const std::vector<RecoveryDocument::FrameCopy> &a,
                      const std::vector<RecoveryDocument::FrameCopy> &b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t f = 0; f < a.size(); ++f) {
        EXPECT_EQ(a[f].frame, b[f].frame);
        ASSERT_TRUE(a[f].copy && b[f].copy);
        EXPECT_TRUE(a[f].copy->sameAs(*b[f].copy)) << a[f].frame.toStdString();
        EXPECT_EQ(a[f].copy->toJson(), b[f].copy->toJson()) << a[f].frame.toStdString();
    }
}

void expectSameImage(const FirmwareImage &a, const FirmwareImage &b)
{
    EXPECT_EQ(a.lineCount, b.lineCount);
    for (int i = 0; i < FirmwareImage::MaxLines; ++i)
        ASSERT_EQ(a.hexLines[i], b.hexLines[i]) << "line " << i;
    for (int k = 0; k < FirmwareImage::RomSize; ++k)
        ASSERT_EQ(a.rom[k], b.rom[k]) << "rom " << k;
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        ASSERT_EQ(a.eeprom[i], b.eeprom[i]) << "eeprom " << i;
    EXPECT_EQ(a.idText, b.idText);
    EXPECT_EQ(a.configText, b.configText);
    EXPECT_EQ(a.romTop, b.romTop);
    EXPECT_EQ(a.eepromTop, b.eepromTop);
}

} // namespace

TEST(RecoveryDocument, ComesBackExactly)
{
    const RecoveryDocument doc = sampleDocument();
    auto read = RecoveryDocument::fromBytes(doc.toBytes());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<RecoveryDocument>>(read)) << std::get<QString>(read).toStdString();
    const RecoveryDocument &back = *std::get<std::unique_ptr<RecoveryDocument>>(read);
    EXPECT_EQ(back.filePath, doc.filePath);
    EXPECT_EQ(back.written, doc.written);
    expectSameImage(back.image, doc.image);
    EXPECT_EQ(back.addressTexts, doc.addressTexts);
    EXPECT_EQ(back.functionTexts, doc.functionTexts);
    EXPECT_EQ(back.green, doc.green);
    EXPECT_EQ(back.damageFindings, doc.damageFindings);
    expectSameCopies(back.frameCopies, doc.frameCopies);
    ASSERT_TRUE(back.base);
    EXPECT_EQ(back.base->sha256, doc.base->sha256);
    EXPECT_EQ(back.base->size, doc.base->size);
    EXPECT_EQ(back.base->modified, doc.base->modified);
    EXPECT_EQ(dynamic_cast<const FrameStateOf<BlinkEditorCopy> &>(*back.frameCopies[1].copy).value.table.size(), 1024)
        << "an LED table read with the LED layout";

    // A file written before the working copies were kept brings the rest back.
    QJsonObject older = QJsonDocument::fromJson(doc.toBytes()).object();
    older.remove("frames");
    older.remove("base");
    const auto olderRead = RecoveryDocument::fromBytes(QJsonDocument(older).toJson());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<RecoveryDocument>>(olderRead));
    EXPECT_TRUE(std::get<std::unique_ptr<RecoveryDocument>>(olderRead)->frameCopies.empty());
    EXPECT_FALSE(std::get<std::unique_ptr<RecoveryDocument>>(olderRead)->base);
    EXPECT_EQ(back.loadedContent(),
              QByteArray(":020000040000FA\r\n:10000000083002300030000000000000000000005x\r\n:00000001FF\r\n"));
}

// A file that kept the file's bytes but no fingerprint yet tells the file
// changed from the bytes: its base is theirs.
TEST(RecoveryDocument, BytesWithoutAFingerprintGiveTheBase)
{
    RecoveryDocument doc = sampleDocument();
    doc.base.reset();
    doc.fileContent = QByteArray(":00000001FF\r\n");
    auto read = RecoveryDocument::fromBytes(doc.toBytes());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<RecoveryDocument>>(read)) << std::get<QString>(read).toStdString();
    const RecoveryDocument &back = *std::get<std::unique_ptr<RecoveryDocument>>(read);
    EXPECT_EQ(back.loadedContent(), doc.fileContent);
    ASSERT_TRUE(back.base);
    EXPECT_TRUE(back.base->sameContentAs(FileFingerprint::ofContent(doc.fileContent, doc.written)));
    EXPECT_FALSE(back.base->sameContentAs(FileFingerprint::ofContent(":00000001FE\r\n", doc.written)));
}

struct Hostile {
    const char *what;
    std::function<void(QJsonObject &)> change;
};

// Every field is checked: a damaged or foreign file is refused with a reason,
// whatever it holds in place of the field.
TEST(RecoveryDocument, RefusesWhatNoWindowWrote)
{
    const QJsonObject good = QJsonDocument::fromJson(sampleDocument().toBytes()).object();
    const auto setAt = [](QJsonObject &o, const char *key, qsizetype i, const QJsonValue &v) {
        QJsonArray a = o.value(QLatin1String(key)).toArray();
        a[i] = v;
        o.insert(QLatin1String(key), a);
    };
    const auto resize = [](QJsonObject &o, const char *key, qsizetype size) {
        QJsonArray a = o.value(QLatin1String(key)).toArray();
        while (a.size() > size)
            a.removeLast();
        while (a.size() < size)
            a.append(QStringLiteral("00"));
        o.insert(QLatin1String(key), a);
    };
    const auto changeFrame = [](QJsonObject &o, qsizetype f, const std::function<void(QJsonObject &)> &change) {
        QJsonArray frames = o.value("frames").toArray();
        QJsonObject frame = frames.at(f).toObject();
        change(frame);
        frames[f] = frame;
        o.insert("frames", frames);
    };
    const auto renameFrame = [&](QJsonObject &o, qsizetype f, const char *name) {
        changeFrame(o, f, [name](QJsonObject &frame) { frame.insert("frame", name); });
    };
    const auto changeCopy = [&](QJsonObject &o, qsizetype f, const std::function<void(QJsonObject &)> &change) {
        changeFrame(o, f, [&change](QJsonObject &frame) {
            QJsonObject copy = frame.value("copy").toObject();
            change(copy);
            frame.insert("copy", copy);
        });
    };
    const auto setCurveByte = [&](QJsonObject &o, qsizetype r, qsizetype j, const QJsonValue &v) {
        changeCopy(o, 0, [&](QJsonObject &c) {
            QJsonArray curves = c.value("curves").toArray();
            QJsonArray record = curves.at(r).toArray();
            record[j] = v;
            curves[r] = record;
            c.insert("curves", curves);
        });
    };
    const auto changeBase = [](QJsonObject &o, const char *key, const QJsonValue &v) {
        QJsonObject base = o.value("base").toObject();
        base.insert(QLatin1String(key), v);
        o.insert("base", base);
    };
    const Hostile cases[] = {
        {"another format", [](QJsonObject &o) { o.insert("format", "Quaxel settings"); }},
        {"a later version", [](QJsonObject &o) { o.insert("version", 2); }},
        {"no path", [](QJsonObject &o) { o.remove("file"); }},
        {"a path as a number", [](QJsonObject &o) { o.insert("file", 5); }},
        {"no date", [](QJsonObject &o) { o.insert("written", "yesterday"); }},
        {"a rom byte short", [&](QJsonObject &o) { resize(o, "rom", FirmwareImage::RomSize - 1); }},
        {"a rom byte too many", [&](QJsonObject &o) { resize(o, "rom", FirmwareImage::RomSize + 1); }},
        {"a long byte text", [&](QJsonObject &o) { setAt(o, "rom", 5, QString(65, u'A')); }},
        {"a byte as a number", [&](QJsonObject &o) { setAt(o, "eeprom", 0, 255); }},
        {"more lines than an image holds", [&](QJsonObject &o) { resize(o, "lines", FirmwareImage::MaxLines + 1); }},
        {"a rom top beyond the rom", [](QJsonObject &o) { o.insert("romTop", FirmwareImage::RomSize); }},
        {"a negative eeprom top", [](QJsonObject &o) { o.insert("eepromTop", -1); }},
        {"a broken top", [](QJsonObject &o) { o.insert("romTop", 1.5); }},
        {"a slot short", [&](QJsonObject &o) { resize(o, "address", RecoveryDocument::Slots - 1); }},
        {"an output as a text", [&](QJsonObject &o) { setAt(o, "green", 2, "ja"); }},
        {"outputs missing", [](QJsonObject &o) { o.remove("green"); }},
        {"findings as a text", [](QJsonObject &o) { o.insert("damage", "kaputt"); }},
        {"copies as a text", [](QJsonObject &o) { o.insert("frames", "FrameTamb1"); }},
        {"a copy of an unknown frame", [&](QJsonObject &o) { renameFrame(o, 0, "FrameZusatz1"); }},
        {"a frame twice", [&](QJsonObject &o) { renameFrame(o, 2, "FrameTamb1"); }},
        {"a blink table in the LED frame", [&](QJsonObject &o) { renameFrame(o, 2, "FrameBlinkmuster_led1"); }},
        {"a copy with a key too many",
         [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) { c.insert("x", 1); }); }},
        {"a curve byte above 255", [&](QJsonObject &o) { setCurveByte(o, 3, 127, 256); }},
        {"a negative curve byte", [&](QJsonObject &o) { setCurveByte(o, 0, 0, -1); }},
        {"a curve byte broken", [&](QJsonObject &o) { setCurveByte(o, 1, 5, 1.5); }},
        {"a curve byte as a text", [&](QJsonObject &o) { setCurveByte(o, 2, 9, "7F"); }},
        {"a curve short", [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) {
             QJsonArray curves = c.value("curves").toArray();
             QJsonArray first = curves.at(0).toArray();
             first.removeLast();
             curves[0] = first;
             c.insert("curves", curves);
         }); }},
        {"three curves", [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) {
             QJsonArray curves = c.value("curves").toArray();
             curves.removeLast();
             c.insert("curves", curves);
         }); }},
        {"a pulse byte too many", [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) {
             QJsonArray spans = c.value("spans").toArray();
             spans.append(0);
             c.insert("spans", spans);
         }); }},
        {"an offset of 300", [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) {
             QJsonArray offsets = c.value("offsets").toArray();
             offsets[3] = 300;
             c.insert("offsets", offsets);
         }); }},
        {"a fifth curve shown",
         [&](QJsonObject &o) { changeCopy(o, 0, [](QJsonObject &c) { c.insert("curve", 4); }); }},
        {"no address shown", [&](QJsonObject &o) { changeCopy(o, 1, [](QJsonObject &c) { c.remove("address"); }); }},
        {"changed as a text",
         [&](QJsonObject &o) { changeCopy(o, 1, [](QJsonObject &c) { c.insert("changed", "ja"); }); }},
        {"a table byte above 255", [&](QJsonObject &o) { changeCopy(o, 1, [](QJsonObject &c) {
             QJsonArray table = c.value("table").toArray();
             table[1023] = 1000;
             c.insert("table", table);
         }); }},
        {"no copy", [&](QJsonObject &o) { changeFrame(o, 2, [](QJsonObject &f) { f.remove("copy"); }); }},
        {"a base fingerprint cut short", [&](QJsonObject &o) { changeBase(o, "sha256", QString(63, u'a')); }},
        {"a base fingerprint in capitals", [&](QJsonObject &o) { changeBase(o, "sha256", QString(64, u'A')); }},
        {"a negative base size", [&](QJsonObject &o) { changeBase(o, "size", -1); }},
        {"a base size as a text", [&](QJsonObject &o) { changeBase(o, "size", "12"); }},
        {"a base time that is none", [&](QJsonObject &o) { changeBase(o, "modified", "gestern"); }},
        {"a base with a key too many", [&](QJsonObject &o) { changeBase(o, "x", 1); }},
        {"a base as a text", [](QJsonObject &o) { o.insert("base", "relais.hex"); }},
    };
    for (const Hostile &c : cases) {
        QJsonObject changed = good;
        c.change(changed);
        const auto read = RecoveryDocument::fromBytes(QJsonDocument(changed).toJson());
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.what;
        EXPECT_FALSE(std::get<QString>(read).isEmpty()) << c.what;
    }
    for (const QByteArray &bytes : {QByteArray(), QByteArray("not json"), QByteArray("[1,2]"), QByteArray("{\"format\":"),
                                   QByteArray(RecoveryDocument::MaxFileSize + 1, ' ')}) {
        EXPECT_TRUE(std::holds_alternative<QString>(RecoveryDocument::fromBytes(bytes))) << bytes.left(20).toStdString();
    }
}

