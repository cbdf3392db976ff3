#include "common/HexRecords.h"
#include "image/HexDamage.h"
#include "image/HexReader.h"
#include "image/ImageSnapshot.h"

#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace {

HexLoadResult load(FirmwareImage &image, const QStringList &lines)
{
    return loadHexLines(image, lines);
}

} // namespace

TEST(HexReader, ResetGivesErasedRomAndEepromButKeepsIdAndConfig)
{
    FirmwareImage image;
    image.idText = QStringLiteral("1351");
    image.configText = QStringLiteral("3F3F");
    const HexLoadResult result = load(image, {ExtendedAddressRecord, EndRecord});
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(image.rom[0], QStringLiteral("FF"));
    EXPECT_EQ(image.rom[1], QStringLiteral("3F"));
    EXPECT_EQ(image.rom[4094], QStringLiteral("FF"));
    EXPECT_EQ(image.rom[4095], QStringLiteral("3F"));
    for (const QString &b : image.eeprom)
        ASSERT_EQ(b, QStringLiteral("FF"));
    EXPECT_EQ(image.romTop, 0);
    EXPECT_EQ(image.eepromTop, 0);
    EXPECT_EQ(image.idText, QStringLiteral("1351"));
    EXPECT_EQ(image.configText, QStringLiteral("3F3F"));
    EXPECT_FALSE(result.idRecordRead);
    EXPECT_TRUE(result.id.isEmpty());
    EXPECT_TRUE(result.version.isEmpty());
}

TEST(HexReader, StoresRomEepromIdAndConfigRecords)
{
    FirmwareImage image;
    const QStringList lines = {
        ExtendedAddressRecord,
        hexRecord(0x0010, "00", "0C1C8B1C"),
        hexRecord(0x4000, "00", "0100030005000100"),
        hexRecord(0x400E, "00", "3A3F"),
        // 16 data bytes = 8 EEPROM words at 0x4200: only the low bytes count
        hexRecord(0x4200, "00", "11002200330044005500660077008800"),
        hexRecord(0x4310, "00", "AB00"),
        EndRecord,
    };
    const HexLoadResult result = load(image, lines);
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(image.rom[16], QStringLiteral("0C"));
    EXPECT_EQ(image.rom[19], QStringLiteral("1C"));
    EXPECT_EQ(image.romTop, 19);
    EXPECT_EQ(image.idText, QStringLiteral("1351"));
    EXPECT_EQ(image.configText, QStringLiteral("3A3F"));
    const char *expected[] = {"11", "22", "33", "44", "55", "66", "77", "88"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(image.eeprom[i], QString::fromLatin1(expected[i])) << i;
    EXPECT_EQ(image.eeprom[8], QStringLiteral("FF"));
    EXPECT_EQ(image.eeprom[0x10 / 2 + 128], QStringLiteral("AB"));
    EXPECT_EQ(image.eepromTop, 136);
    EXPECT_TRUE(result.idRecordRead);
    EXPECT_EQ(result.id, QStringLiteral("1"));
    EXPECT_EQ(result.version, QStringLiteral("3.51"));
    EXPECT_EQ(image.lineCount, lines.size());
    EXPECT_EQ(image.hexLines[1], lines[1]);
}

TEST(HexReader, UpperCasesLinesBeforeParsing)
{
    FirmwareImage image;
    const HexLoadResult result = load(image, {QStringLiteral(":020000040000fa"), QStringLiteral(":02000000ab3c17"), EndRecord});
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(image.rom[0], QStringLiteral("AB"));
    EXPECT_EQ(image.hexLines[0], ExtendedAddressRecord);
}

TEST(HexReader, IgnoresOtherIdAreaRecordsAndType05)
{
    FirmwareImage image;
    image.idText = QStringLiteral("0000");
    const HexLoadResult result =
        load(image, {hexRecord(0x4002, "00", "0500"), hexRecord(0x0000, "05", "00000000"), EndRecord, hexRecord(0x0000, "00", "12")});
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(image.idText, QStringLiteral("0000"));
    // the end record does not end parsing
    EXPECT_EQ(image.rom[0], QStringLiteral("12"));
}

struct BadLineCase {
    const char *name;
    QString line;
    QString message;
    BoxKind kind;
};

class HexReaderErrors : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(HexReaderErrors, StopsAtTheBadLineWithItsMessage)
{
    FirmwareImage image;
    const BadLineCase &c = GetParam();
    const HexLoadResult result = load(image, {ExtendedAddressRecord, hexRecord(0x0000, "00", "A1"), c.line, hexRecord(0x0002, "00", "B2")});
    EXPECT_FALSE(result.complete);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->text, c.message);
    EXPECT_EQ(result.error->kind, c.kind);
    EXPECT_EQ(image.rom[0], QStringLiteral("A1")) << "bytes before the bad line stay";
    EXPECT_EQ(image.rom[2], QStringLiteral("FF")) << "lines after the bad one are not parsed";
    EXPECT_EQ(image.lineCount, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HexReaderErrors,
    ::testing::Values(
        BadLineCase{"EndWithBlank", QStringLiteral(":00000001FF "),
                    QStringLiteral("E202: Unerwarteter End File Record: :00000001FF "), BoxKind::Plain},
        BadLineCase{"Type02", QStringLiteral(":020000021000EC"),
                    QStringLiteral("E203: Unerwartete Zeile im File: :020000021000EC"), BoxKind::Plain},
        BadLineCase{"Type03", QStringLiteral(":0400000300003800C1"),
                    QStringLiteral("E204: Unerwartete Zeile im File: :0400000300003800C1"), BoxKind::Plain},
        BadLineCase{"OtherExtendedAddress", QStringLiteral(":020000040001F9"),
                    QStringLiteral("E205: Unerwarteter Extendet Linear Address Record: :020000040001F9"),
                    BoxKind::Plain},
        BadLineCase{"UnknownType", QStringLiteral(":0000000AF6"),
                    QStringLiteral("E206: Unerwartete Zeile im File: :0000000AF6"), BoxKind::Plain},
        BadLineCase{"EmptyLine", QString(), QStringLiteral("E206: Unerwartete Zeile im File: "), BoxKind::Plain},
        BadLineCase{"LowerCaseShownUpper", QStringLiteral(":00000001ff0"),
                    QStringLiteral("E202: Unerwarteter End File Record: :00000001FF0"), BoxKind::Plain},
        BadLineCase{"TruncatedRom", QStringLiteral(":0400100001020"),
                    QStringLiteral("E208: Zeile kürzer als ihre Byte-Anzahl: :0400100001020"), BoxKind::Plain},
        BadLineCase{"TruncatedEeprom", QStringLiteral(":0442000011002"),
                    QStringLiteral("E208: Zeile kürzer als ihre Byte-Anzahl: :0442000011002"), BoxKind::Plain},
        BadLineCase{"TruncatedId", QStringLiteral(":08400000010003"),
                    QStringLiteral("E208: Zeile kürzer als ihre Byte-Anzahl: :08400000010003"), BoxKind::Plain},
        BadLineCase{"TruncatedConfig", QStringLiteral(":02400E003F"),
                    QStringLiteral("E208: Zeile kürzer als ihre Byte-Anzahl: :02400E003F"), BoxKind::Plain}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HexReader, UnmappedAddressNamesTheLine)
{
    for (const char *line : {":02500000AABBCC", ":0210000012", ":0241000012"}) {
        FirmwareImage image;
        const HexLoadResult result = load(image, {QString::fromLatin1(line)});
        ASSERT_TRUE(result.error.has_value()) << line;
        EXPECT_EQ(result.error->text, QStringLiteral("E201: Unerwartete Zeile: ") + QString::fromLatin1(line));
    }
}

TEST(HexReader, RomDataPastTheEndStoresWhatFitsThenStops)
{
    FirmwareImage image;
    const HexLoadResult result = load(image, {hexRecord(0x0FF8, "00", "000102030405060708090A0B0C0D0E0F")});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->text, QStringLiteral("E200: Überschreitung ROM-Adressbereich"));
    EXPECT_EQ(result.error->kind, BoxKind::WarningCancel);
    EXPECT_EQ(image.rom[0x0FF8], QStringLiteral("00"));
    EXPECT_EQ(image.rom[0x0FFF], QStringLiteral("07"));
    EXPECT_EQ(image.romTop, 0x0FFF);
}

TEST(HexReader, EepromDataPastTheEndStoresWhatFitsThenStops)
{
    FirmwareImage image;
    const HexLoadResult result = load(image, {hexRecord(0x43F8, "00", "01000200030004000500060007000800")});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->text, QStringLiteral("E209: Überschreitung EEPROM-Adressbereich"));
    EXPECT_EQ(result.error->kind, BoxKind::WarningCancel);
    EXPECT_EQ(image.eeprom[252], QStringLiteral("01"));
    EXPECT_EQ(image.eeprom[255], QStringLiteral("04"));
    EXPECT_EQ(image.eepromTop, 255);
}

TEST(HexReader, TruncatedRecordStoresNothingOfItself)
{
    FirmwareImage image;
    const HexLoadResult result = load(image, {QStringLiteral(":04001000AABBC")});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(image.rom[0x10], QStringLiteral("FF"));
    EXPECT_EQ(image.rom[0x12], QStringLiteral("FF"));
}

// A download cut off inside its last record: the message names the file (its
// name escaped, never read as a placeholder) and says what probably happened.
// The same short record before another line is an ordinary E208.
TEST(HexReader, AFileCutInsideARecordSaysSo)
{
    const QString cut = QStringLiteral(
        " endet mitten in einem Record (Zeile 3); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.");
    const struct {
        QString fileName;
        QString message;
    } cases[] = {
        {QStringLiteral("/downloads/ampel.hex"), QStringLiteral("E208: Die Datei ampel.hex") + cut},
        {QStringLiteral("/d/a%2\x1b.hex"), QStringLiteral("E208: Die Datei a%2\\x1B.hex") + cut},
        {QString(), QStringLiteral("E208: Die Datei") + cut},
    };
    for (const auto &c : cases) {
        FirmwareImage image;
        const HexLoadResult result =
            loadHexLines(image, {ExtendedAddressRecord, hexRecord(0x0000, "00", "A1"), QStringLiteral(":0400100001020")}, c.fileName);
        ASSERT_TRUE(result.error.has_value());
        EXPECT_EQ(result.error->text, c.message);
        EXPECT_EQ(image.rom[0], QStringLiteral("A1"));
    }
}

// A file cut off before its end record says which areas got no records at all,
// and what that means for the window: a cut before the EEPROM records leaves
// every setting shown as erased bytes. A file with its end record is taken as
// it was written.
TEST(HexDamage, ACutFileNamesTheAreasWithoutRecords)
{
    const QString rom = hexRecord(0x0000, "00", "0830");
    const QString id = hexRecord(0x4000, "00", "0100030005000100");
    const QString config = hexRecord(0x400E, "00", "3A3F");
    const QString eeprom = hexRecord(0x4200, "00", "1100");
    const QString noEnd = QStringLiteral("Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.");
    const QString settingsErased = QStringLiteral(
        ": die angezeigten Einstellungen sind gelöschte Bytes (FF), und Speichern bringt sie nicht zurück.");
    const struct {
        const char *what;
        QStringList lines;
        QStringList findings;
    } cases[] = {
        {"whole", {ExtendedAddressRecord, rom, id, config, eeprom, EndRecord}, {}},
        {"cut before the EEPROM", {ExtendedAddressRecord, rom, id, config},
         {noEnd, QStringLiteral("Für EEPROM enthält die Datei keine Records") + settingsErased}},
        {"cut after the ROM", {ExtendedAddressRecord, rom},
         {noEnd, QStringLiteral("Für ID, CONFIG, EEPROM enthält die Datei keine Records") + settingsErased}},
        {"EEPROM only", {ExtendedAddressRecord, eeprom},
         {noEnd, QStringLiteral("Für ROM, ID, CONFIG enthält die Datei keine Records; Speichern bringt sie nicht zurück.")}},
        {"every area, no end", {ExtendedAddressRecord, rom, id, config, eeprom}, {noEnd}},
        {"no EEPROM but an end record", {ExtendedAddressRecord, rom, id, config, EndRecord}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findHexDamage(c.lines).findings(), c.findings) << c.what;
}

TEST(HexReader, RejectsMoreThan512Lines)
{
    QStringList lines;
    for (int i = 0; i < 512; ++i)
        lines << EndRecord;
    EXPECT_FALSE(checkHexLineCount(lines).has_value());
    lines << EndRecord;
    const auto message = checkHexLineCount(lines);
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->text.startsWith(QStringLiteral("E207: ")));
    EXPECT_TRUE(message->text.contains(QStringLiteral("513")));
}

TEST(HexReader, IdRecordWithoutDataShowsEmptyNibbles)
{
    // ":08400" is the ID record's start; a short ID-area record that is accepted
    // must not read past its end when the panels are filled.
    FirmwareImage image;
    const HexLoadResult result = load(image, {QStringLiteral(":084001000")});
    ASSERT_TRUE(result.complete);
    EXPECT_TRUE(result.idRecordRead);
    EXPECT_EQ(result.id, QString());
    EXPECT_EQ(result.version, QStringLiteral("."));
}

struct SplitCase {
    const char *name;
    QByteArray content;
    QStringList lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, HandlesEveryLineEnd)
{
    EXPECT_EQ(splitHexFileLines(GetParam().content), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Content, SplitLines,
    ::testing::Values(SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, SplitCase{"Lf", "a\nb", {"a", "b"}},
                      SplitCase{"Cr", "a\rb\r", {"a", "b"}}, SplitCase{"Empty", "", {}},
                      SplitCase{"BlankLineKept", "a\r\n\r\nb", {"a", "", "b"}},
                      SplitCase{"Bom", "\xEF\xBB\xBF:00000001FF\r\n", {":00000001FF"}},
                      SplitCase{"Latin1", "\xE4\n", {QString(QChar(0xE4))}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HexReader, BinaryGarbageEndsWithOneMessage)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    FirmwareImage image;
    const QStringList lines = splitHexFileLines(garbage);
    ASSERT_FALSE(checkHexLineCount(lines).has_value());
    const HexLoadResult result = loadHexLines(image, lines);
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(result.error.has_value());
}

TEST(HexReader, VeryLongLineIsReadAsOneRecord)
{
    FirmwareImage image;
    const QString line = QStringLiteral(":10000000") + QString(100000, QLatin1Char('A'));
    const HexLoadResult result = load(image, {line});
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(image.rom[15], QStringLiteral("AA"));
    EXPECT_EQ(image.rom[16], QStringLiteral("FF"));
}

// The undo history keeps images in a compact form. It must give back every
// text exactly, the usual byte texts and any other, and compare by content.
TEST(ImageSnapshot, GivesBackEveryTextAndComparesByContent)
{
    FirmwareImage image;
    image.resetForLoad();
    const QString texts[] = {QStringLiteral("00"), QStringLiteral("A5"), QStringLiteral("a5"), QStringLiteral("G1"),
                             QStringLiteral("7"),  QStringLiteral("ABC"), QString(),         QStringLiteral(" F")};
    for (std::size_t k = 0; k < std::size(texts); ++k) {
        image.rom[100 + k] = texts[k];
        image.eeprom[k] = texts[std::size(texts) - 1 - k];
    }
    image.hexLines[0] = QStringLiteral(":00000001FF");
    image.lineCount = 1;
    image.idText = QStringLiteral("1351");
    image.configText = QStringLiteral("3F10");
    image.romTop = 4095;
    image.eepromTop = 7;

    const ImageSnapshot snapshot(image);
    const FirmwareImage back = snapshot.image();
    EXPECT_EQ(back.rom, image.rom);
    EXPECT_EQ(back.eeprom, image.eeprom);
    EXPECT_EQ(back.hexLines, image.hexLines);
    EXPECT_EQ(back.lineCount, 1);
    EXPECT_EQ(back.idText, image.idText);
    EXPECT_EQ(back.configText, image.configText);
    EXPECT_EQ(back.romTop, 4095);
    EXPECT_EQ(back.eepromTop, 7);
    EXPECT_TRUE(snapshot.sameContent(ImageSnapshot(image)));

    // Every change of a byte text, ID or configuration counts, case included;
    // the lines read from the file do not.
    const std::function<void(FirmwareImage &)> changes[] = {
        [](FirmwareImage &i) { i.rom[101] = QStringLiteral("a5"); },
        [](FirmwareImage &i) { i.rom[102] = QStringLiteral("A5"); },
        [](FirmwareImage &i) { i.rom[103] = QStringLiteral("G2"); },
        [](FirmwareImage &i) { i.rom[4095] = QStringLiteral("3E"); },
        [](FirmwareImage &i) { i.eeprom[0] = QStringLiteral(" f"); },
        [](FirmwareImage &i) { i.eeprom[255] = QStringLiteral("FE"); },
        [](FirmwareImage &i) { i.idText = QStringLiteral("1352"); },
        [](FirmwareImage &i) { i.configText = QStringLiteral("3F11"); },
    };
    for (std::size_t c = 0; c < std::size(changes); ++c) {
        FirmwareImage changed = image;
        changes[c](changed);
        EXPECT_FALSE(snapshot.sameContent(ImageSnapshot(changed))) << c;
        EXPECT_FALSE(ImageSnapshot(changed).sameContent(snapshot)) << c;
    }
    FirmwareImage otherLines = image;
    otherLines.hexLines[0] = QStringLiteral(":00000001FE");
    EXPECT_TRUE(snapshot.sameContent(ImageSnapshot(otherLines)));
}
