#include "common/TestImages.h"
#include "image/HexByte.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"

#include <gtest/gtest.h>

namespace {

FirmwareImage blankImage()
{
    FirmwareImage image = erasedImage();
    image.idText = QStringLiteral("1351");
    image.configText = QStringLiteral("3A3F");
    return image;
}

QStringList builtLines(FirmwareImage &image)
{
    image.lineCount = BuildHexLines(image);
    QStringList lines;
    for (int n = 0; n < image.lineCount; ++n)
        lines << image.hexLines[n];
    return lines;
}

} // namespace

struct ChecksumCase {
    const char *record;
    const char *checksum;
};

class Checksum : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(Checksum, IsTheTwosComplementOfTheByteSum)
{
    EXPECT_EQ(RecordChecksum(QString::fromLatin1(GetParam().record)), QString::fromLatin1(GetParam().checksum));
}

INSTANTIATE_TEST_SUITE_P(Records, Checksum,
                         ::testing::Values(ChecksumCase{"0100000000FF", "00"}, ChecksumCase{"020000040000", "FA"},
                                           ChecksumCase{"00000001", "FF"}, ChecksumCase{"084000000100030005000100", "AE"},
                                           ChecksumCase{"01000000F1", "0E"}, // below 16: leading zero
                                           ChecksumCase{"010000000G", "error"}, ChecksumCase{"0100 000FF", "error"}));

TEST(HexWriter, WritesRecordsInTheFixedOrder)
{
    FirmwareImage image = blankImage();
    image.romTop = 0x11;
    image.rom[0x10] = QStringLiteral("0C");
    image.eepromTop = 16;
    image.eeprom[16] = QStringLiteral("5A");
    const QStringList lines = builtLines(image);
    ASSERT_EQ(lines.size(), 1 + 2 + 1 + 1 + 3 + 1);
    EXPECT_EQ(lines[0], QStringLiteral(":020000040000FA"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(":10000000FF3FFF3F")));
    EXPECT_EQ(lines[2], QStringLiteral(":02001000") + QStringLiteral("0C3F") + RecordChecksum(u"020010000C3F"));
    EXPECT_EQ(lines[3], QStringLiteral(":084000000100030005000100AE"));
    EXPECT_EQ(lines[4], QStringLiteral(":02400E003A3F") + RecordChecksum(u"02400E003A3F"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral(":10420000FF00FF00")));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral(":10421000")));
    EXPECT_EQ(lines[7], QStringLiteral(":024220005A00") + RecordChecksum(u"024220005A00"));
    EXPECT_EQ(lines[8], QStringLiteral(":00000001FF"));
}

TEST(HexWriter, EmptyFileStillGetsOneRomAndOneEepromRecord)
{
    FirmwareImage image = blankImage();
    const QStringList lines = builtLines(image);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1], QStringLiteral(":01000000FF00"));
    EXPECT_EQ(lines[4], QStringLiteral(":02420000FF00BD"));
}

TEST(HexWriter, FullRomAndHalfEepromGiveTheTypicalLineCount)
{
    FirmwareImage image = blankImage();
    image.romTop = 4095;
    image.eepromTop = 127;
    EXPECT_EQ(BuildHexLines(image), 276);
    image.romTop = 0x7FF;
    ASSERT_EQ(BuildHexLines(image), 1 + 128 + 1 + 1 + 16 + 1);
    EXPECT_TRUE(image.hexLines[128].startsWith(QStringLiteral(":1007F000")));
}

TEST(HexWriter, ChecksumFailureStopsTheBuild)
{
    FirmwareImage image = blankImage();
    image.romTop = 40;
    image.rom[20] = QStringLiteral("Z1");
    EXPECT_EQ(BuildHexLines(image), 0);
    EXPECT_EQ(image.hexLines[0], QStringLiteral(":020000040000FA"));
    EXPECT_EQ(image.hexLines[1].size(), 1 + 8 + 32 + 2) << "records before the failing one are kept";
    EXPECT_TRUE(image.hexLines[2].isEmpty());
}

TEST(HexWriter, EditsAboveTheLoadedEndAreWritten)
{
    FirmwareImage image = blankImage();
    image.romTop = 0x0F;
    image.eepromTop = 0x2F;
    image.eeprom[0x45] = QStringLiteral("79");    // a slot above the loaded EEPROM
    image.rom[0x7FE] = QStringLiteral("34");      // a pattern table entry above the loaded ROM
    BuildHexLines(image);
    EXPECT_EQ(image.eepromTop, 0x45);
    EXPECT_EQ(image.romTop, 0x7FE);

    FirmwareImage reloaded;
    QStringList lines;
    for (int n = 0; n < BuildHexLines(image); ++n)
        lines << image.hexLines[n];
    ASSERT_TRUE(loadHexLines(reloaded, lines).complete);
    EXPECT_EQ(reloaded.eeprom[0x45], QStringLiteral("79"));
    EXPECT_EQ(reloaded.rom[0x7FE], QStringLiteral("34"));
}

TEST(HexWriter, SaveAndReloadGiveTheSameImage)
{
    FirmwareImage image = blankImage();
    image.romTop = 0x123;
    image.eepromTop = 0x81;
    for (int k = 0; k <= image.romTop; ++k)
        image.rom[k] = hexByte((k * 37) % 256);
    for (int i = 0; i <= image.eepromTop; ++i)
        image.eeprom[i] = hexByte((i * 11) % 256);
    const QStringList lines = builtLines(image);

    FirmwareImage reloaded;
    ASSERT_TRUE(loadHexLines(reloaded, lines).complete);
    EXPECT_EQ(reloaded.rom, image.rom);
    EXPECT_EQ(reloaded.eeprom, image.eeprom);
    EXPECT_EQ(reloaded.idText, image.idText);
    EXPECT_EQ(reloaded.configText, image.configText);
    EXPECT_EQ(reloaded.romTop, image.romTop);
    EXPECT_EQ(reloaded.eepromTop, image.eepromTop);
    for (const QString &line : lines)
        EXPECT_EQ(RecordChecksum(QStringView(line).mid(1, line.size() - 3)), line.right(2)) << line.toStdString();
}

TEST(HexWriter, FileContentUsesCrLf)
{
    FirmwareImage image = blankImage();
    image.lineCount = BuildHexLines(image);
    const QByteArray content = hexFileContent(image);
    EXPECT_TRUE(content.startsWith(":020000040000FA\r\n"));
    EXPECT_TRUE(content.endsWith(":00000001FF\r\n"));
    EXPECT_EQ(content.count("\r\n"), image.lineCount);
}

struct WritableCase {
    const char *id;
    const char *config;
    bool writable;
};

class WritableImage : public ::testing::TestWithParam<WritableCase> {};

TEST_P(WritableImage, NeedsFourIdCharactersAndFourConfigDigits)
{
    FirmwareImage image = blankImage();
    image.idText = QString::fromLatin1(GetParam().id);
    image.configText = QString::fromLatin1(GetParam().config);
    EXPECT_EQ(!checkWritableImage(image).has_value(), GetParam().writable);
}

INSTANTIATE_TEST_SUITE_P(Texts, WritableImage,
                         ::testing::Values(WritableCase{"1351", "3A3F", true}, WritableCase{"", "3A3F", false},
                                           WritableCase{"135", "3A3F", false}, WritableCase{"13510", "3A3F", false},
                                           WritableCase{"1351", "", false}, WritableCase{"1351", "3A3F00", false},
                                           WritableCase{"1351", "3G3F", false}));
