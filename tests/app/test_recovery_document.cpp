#include "app/RecoveryDocument.h"

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
    return doc;
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
    EXPECT_EQ(back.loadedContent(),
              QByteArray(":020000040000FA\r\n:10000000083002300030000000000000000000005x\r\n:00000001FF\r\n"));
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
