#include "common/HexRecords.h"
#include "image/HexByte.h"
#include "image/HexReader.h"
#include "info/InfoListing.h"

#include <gtest/gtest.h>

namespace {

const QStringList LoadedFile{
    QStringLiteral(":020000040000FA"),
    dataRecord(0x0000, {0x8C, 0x30, 0x01, 0x28, 0x05, 0x11}),
    dataRecord(0x01A0, {0x00, 0x00, 0x8C, 0x00}),
    dataRecord(0x4000, {0x01, 0x00, 0x03, 0x00, 0x05, 0x00, 0x01, 0x00}), // ID 1351
    QStringLiteral(":02400E00FF3F00"),
    eepromRecord(24, {0x11, 0x12, 0x13}),
    QStringLiteral(":00000001FF"),
};

FirmwareImage loadedImage()
{
    FirmwareImage image;
    EXPECT_TRUE(loadHexLines(image, LoadedFile).complete);
    return image;
}

QStringList zeroSummaryRom()
{
    return {QStringLiteral(" "), QStringLiteral("   0 gefundene Unterschiede im ROM"),
            QStringLiteral("   0 gefundene Unterschiede in ID"), QStringLiteral("   0 gefundene Unterschiede in Config")};
}

} // namespace

TEST(EepromDump, SixteenBytesALineSplitInHalvesLastLineShorter)
{
    FirmwareImage image;
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        image.eeprom[i] = hexByte(i);
    image.eepromTop = 20;
    EXPECT_EQ(eepromDumpLines(image),
              QStringList({"0x000:0001020304050607 08090A0B0C0D0E0F", "0x010:1011121314"}));
    image.eepromTop = 255;
    const QStringList full = eepromDumpLines(image);
    ASSERT_EQ(full.size(), 16);
    EXPECT_EQ(full[10], QStringLiteral("0x0A0:A0A1A2A3A4A5A6A7 A8A9AAABACADAEAF"));
    EXPECT_EQ(full[15], QStringLiteral("0x0F0:F0F1F2F3F4F5F6F7 F8F9FAFBFCFDFEFF"));
}

TEST(RomDump, BlankLineStartsEveryBlockOf256Bytes)
{
    FirmwareImage image;
    image.resetForLoad();
    image.rom[0x1A2] = QStringLiteral("8C");
    image.romTop = 0x107;
    const QStringList lines = romDumpLines(image);
    ASSERT_EQ(lines.size(), 1 + 16 + 1 + 1);
    EXPECT_EQ(lines[0], QStringLiteral(" "));
    EXPECT_EQ(lines[1], QStringLiteral("0x0000:FF3FFF3FFF3FFF3F FF3FFF3FFF3FFF3F"));
    EXPECT_EQ(lines[2].left(7), QStringLiteral("0x0010:"));
    EXPECT_EQ(lines[16].left(7), QStringLiteral("0x00F0:"));
    EXPECT_EQ(lines[17], QStringLiteral(" "));
    EXPECT_EQ(lines[18], QStringLiteral("0x0100:FF3FFF3FFF3FFF3F"));

    image.romTop = 0xFFF;
    const QStringList full = romDumpLines(image);
    ASSERT_EQ(full.size(), 16 * 17);
    EXPECT_EQ(full[1 * 17 + 11], QStringLiteral("0x01A0:FF3F8C3FFF3FFF3F FF3FFF3FFF3FFF3F"));
    EXPECT_EQ(full.last().left(7), QStringLiteral("0x0FF0:"));
}

TEST(CompareListing, SameFileGivesFourZeroCounts)
{
    const CompareListing listing = compareHexLines(loadedImage(), LoadedFile);
    EXPECT_FALSE(listing.error);
    EXPECT_EQ(listing.eepromLines, QStringList({" ", "   0 gefundene Unterschiede im EEprom"}));
    EXPECT_EQ(listing.romLines, zeroSummaryRom());
}

TEST(CompareListing, EveryDifferenceInItsLineFormAndCounted)
{
    QList<int> twelve;
    for (int b = 0; b < 12; ++b)
        twelve << b;
    const QStringList second{
        dataRecord(0x0000, {0x8C, 0x30, 0x01, 0x28, 0x05, 0x12}), // byte 5
        dataRecord(0x01A0, {0x00, 0x00, 0x0C, 0x00}),             // byte 0x1A2
        dataRecord(0x000F, {0x00, 0x00}),                         // bytes 15, 16: label widths change
        dataRecord(0x00FF, {0x00, 0x00}),                         // bytes 255, 256
        dataRecord(0x4000, {0x02, 0x00, 0x03, 0x00, 0x05, 0x00, 0x01, 0x00}),
        QStringLiteral(":02400E00F13F00"),
        eepromRecord(0, twelve),
        eepromRecord(15, {0x00, 0x00}),       // bytes 15, 16: label widths change
        eepromRecord(24, {0x11, 0x12, 0x00}), // byte 26
    };
    const CompareListing listing = compareHexLines(loadedImage(), second);
    EXPECT_FALSE(listing.error);
    ASSERT_EQ(listing.eepromLines.size(), 15 + 2);
    EXPECT_EQ(listing.eepromLines[0], QStringLiteral("EE0x00: File1:0xFF - File2:0x00"));
    EXPECT_EQ(listing.eepromLines[11], QStringLiteral("EE0x0b: File1:0xFF - File2:0x0B"));
    EXPECT_EQ(listing.eepromLines[12], QStringLiteral("EE0x0f: File1:0xFF - File2:0x00"));
    EXPECT_EQ(listing.eepromLines[13], QStringLiteral("EE0x10: File1:0xFF - File2:0x00"));
    EXPECT_EQ(listing.eepromLines[14], QStringLiteral("EE0x1a: File1:0x13 - File2:0x00"));
    EXPECT_EQ(listing.eepromLines[16], QStringLiteral("  15 gefundene Unterschiede im EEprom"));
    EXPECT_EQ(listing.romLines,
              QStringList({"ROM 0x0005: File1:0x11 - File2:0x12", "ROM 0x01a2: File1:0x8C - File2:0x0C",
                           "ROM 0x000f: File1:0x3F - File2:0x00",
                           "ROM 0x0010: File1:0xFF - File2:0x00", "ROM 0x00ff: File1:0x3F - File2:0x00",
                           "ROM 0x0100: File1:0xFF - File2:0x00", " ", "ID: File1:0x1351 - File2:0x2351", " ",
                           "CONFIG: File1:0xFF3F - File2:0xF13F", " ", "   6 gefundene Unterschiede im ROM",
                           "   1 gefundene Unterschiede in ID", "   1 gefundene Unterschiede in Config"}));
}

struct CompareErrorCase {
    QString line;
    QString message;
    BoxKind kind;
    int romDiffsBefore; // bytes of the record compared before it was refused
    int eepromDiffsBefore;
};

class CompareErrorTest : public ::testing::TestWithParam<CompareErrorCase> {};

TEST_P(CompareErrorTest, EndsTheComparisonWithItsMessageAndNoSummary)
{
    const CompareErrorCase &c = GetParam();
    const QStringList second{dataRecord(0x0000, {0x00}), c.line, dataRecord(0x0002, {0x00})};
    const CompareListing listing = compareHexLines(loadedImage(), second);
    ASSERT_TRUE(listing.error);
    EXPECT_EQ(listing.error->text, c.message);
    EXPECT_EQ(listing.error->kind, c.kind);
    EXPECT_EQ(listing.romDiffs, 1 + c.romDiffsBefore);
    EXPECT_EQ(listing.eepromDiffs, c.eepromDiffsBefore);
    EXPECT_EQ(listing.romLines.size(), 1 + c.romDiffsBefore);
    EXPECT_EQ(listing.eepromLines.size(), c.eepromDiffsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompareErrorTest,
    ::testing::Values(
        CompareErrorCase{QStringLiteral(":100FF800000102030405060708090A0B0C0D0E0F00"),
                         QStringLiteral("E200: Überschreitung ROM-Adressbereich"), BoxKind::WarningCancel, 8, 0},
        CompareErrorCase{QStringLiteral(":0250000000"), QStringLiteral("E301: Unerwartete Zeile: :0250000000"),
                         BoxKind::Plain, 0, 0},
        CompareErrorCase{QStringLiteral(":00000001FE"), QStringLiteral("E302: Unerwarteter End File Record: :00000001FE"),
                         BoxKind::Plain, 0, 0},
        CompareErrorCase{QStringLiteral(":02000002000000"), QStringLiteral("E303: Unerwartete Zeile im File: :02000002000000"),
                         BoxKind::Plain, 0, 0},
        CompareErrorCase{QStringLiteral(":0400000300000000F9"),
                         QStringLiteral("E304: Unerwartete Zeile im File: :0400000300000000F9"), BoxKind::Plain, 0, 0},
        CompareErrorCase{QStringLiteral(":020000040001F9"),
                         QStringLiteral("E305: Unerwarteter Extendet Linear Address Record: :020000040001F9"),
                         BoxKind::Plain, 0, 0},
        CompareErrorCase{QString(), QStringLiteral("E300: Unerwartete Zeile im File: "), BoxKind::Plain, 0, 0},
        CompareErrorCase{QStringLiteral(":0000000AF6"), QStringLiteral("E300: Unerwartete Zeile im File: :0000000AF6"),
                         BoxKind::Plain, 0, 0},
        // a record cut short compares none of its bytes
        CompareErrorCase{QStringLiteral(":1000100000"), QStringLiteral("E308: Zeile kürzer als ihre Byte-Anzahl: :1000100000"),
                         BoxKind::Plain, 0, 0},
        // EEPROM words at 252..259: the four inside the EEPROM are compared
        CompareErrorCase{QStringLiteral(":1043F8000000000000000000000000000000000000"),
                         QStringLiteral("E309: Überschreitung EEPROM-Adressbereich"), BoxKind::WarningCancel, 0, 4}));

TEST(CompareLineCount, MoreThan512LinesAreRefused)
{
    EXPECT_FALSE(checkCompareLineCount(QStringList(512, QStringLiteral(":00000001FF"))));
    const auto tooMany = checkCompareLineCount(QStringList(513, QStringLiteral(":00000001FF")));
    ASSERT_TRUE(tooMany);
    EXPECT_EQ(tooMany->text, QStringLiteral("E307: Zu viele Zeilen im File (mehr als 512): 513 Zeilen"));
    EXPECT_EQ(tooMany->kind, BoxKind::Plain);
}
