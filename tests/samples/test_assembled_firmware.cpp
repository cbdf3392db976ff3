// Firmwares assembled by gpasm load with their type, protocol and addresses, and
// a saved file holds the same memory as the assembler's, apart from the blank
// words the writer fills in below the highest ROM and EEPROM byte.
#include "SampleIndex.h"

#include "ui/Dialogs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace {

struct ToolResult {
    int exitCode = -1;
    QString output;
};

ToolResult runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + QStringLiteral(" did not finish")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

bool srecordInstalled()
{
    return !QStringLiteral(QUAXEL_SREC_CAT).isEmpty() && !QStringLiteral(QUAXEL_SREC_CMP).isEmpty();
}

QString hex(int value) { return QStringLiteral("0x%1").arg(value, 0, 16); }

// The assembler's file with the gaps filled as the writer fills them: erased
// program words 3FFF up to the highest ROM byte, erased EEPROM words 00FF up to
// the highest EEPROM byte.
ToolResult fillLikeTheWriter(const QString &asmHex, const FirmwareImage &loaded, const QString &filled)
{
    const QStringList asmInput{asmHex, QStringLiteral("-intel")};
    QStringList args = asmInput;
    args << QStringLiteral("-generate") << hex(0) << hex(loaded.romTop + 1) << QStringLiteral("-repeat-data")
         << QStringLiteral("0xFF") << QStringLiteral("0x3F") << QStringLiteral("-exclude") << QStringLiteral("-within")
         << asmInput;
    args << QStringLiteral("-generate") << hex(0x4200) << hex(0x4200 + 2 * (loaded.eepromTop + 1))
         << QStringLiteral("-repeat-data") << QStringLiteral("0xFF") << QStringLiteral("0x00")
         << QStringLiteral("-exclude") << QStringLiteral("-within") << asmInput;
    args << QStringLiteral("-o") << filled << QStringLiteral("-intel");
    return runTool(QStringLiteral(QUAXEL_SREC_CAT), args);
}

ToolResult compareMemory(const QString &a, const QString &b)
{
    return runTool(QStringLiteral(QUAXEL_SREC_CMP), {a, QStringLiteral("-intel"), b, QStringLiteral("-intel")});
}

struct AssembledFirmware {
    const char *file;
    bool hasRomGap; // program words left out between the code blocks
    SampleEntry expected;
};

void PrintTo(const AssembledFirmware &fixture, std::ostream *os) { *os << fixture.file; }

std::vector<AssembledFirmware> fixtures()
{
    return {
        {"pellam_dcc", false, {"pellam_dcc", 101, "DCC", "Pellam", {{1, 1, 'g'}, {2, 2, 'r'}, {3, 253, 'g'}, {4, 2044, 'r'}}}},
        {"kandor_mot", true, {"kandor_mot", 10, "Mot", "Kandor", {{1, 317, 'g'}, {2, 42, 'r'}}}},
        {"led_function_dcc",
         false,
         {"led_function_dcc",
          15872,
          "DCC",
          "LED-Dekoder - Funktionsdekoder Schalten",
          {{1, 3, 'f', 1},
           {2, 127, 'f', 2},
           {3, 128, 'f', 5},
           {4, 300, 'f', 9},
           {5, 16128, 'f', 12},
           {6, 1000, 'f', 4},
           {7, 5, 'f', 3},
           {8, 10, 'f', 6},
           {9, 200, 'f', 7},
           {10, 255, 'f', 8}}}},
        {"turntable24_mot",
         true,
         {"turntable24_mot",
          1566720,
          "Mot",
          "Drehscheibe 24 Position",
          {{4, 1, 'g'},
           {5, 2, 'r'},
           {6, 320, 'g'},
           {7, 100, 'r'},
           {8, 5, 'g'},
           {9, 0, 'g'},
           {15, 0, 'g'},
           {16, 200, 'g'},
           {17, 201, 'r'},
           {18, 202, 'g'},
           {19, 203, 'r'}}}},
    };
}

class AssembledFirmwareTest : public ::testing::TestWithParam<AssembledFirmware> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        asmHex = QStringLiteral(QUAXEL_ASM_HEX_DIR "/") + QLatin1String(GetParam().file) + QStringLiteral(".hex");
        ASSERT_TRUE(QFile::exists(asmHex)) << asmHex.toStdString();
        window = std::make_unique<TFormMain>(dir.filePath(QStringLiteral("q.ini")));
        window->loadHexFile(asmHex);
    }
    void TearDown() override { Dialogs::clearPresets(); }

    QString save()
    {
        const QString out = dir.filePath(QStringLiteral("saved.hex"));
        Dialogs::presetSaveFileName(out);
        window->btn_saveClick();
        return out;
    }

    QTemporaryDir dir;
    QString asmHex;
    std::unique_ptr<TFormMain> window;
};

TEST_P(AssembledFirmwareTest, LoadsWithItsTypeProtocolAndAddresses)
{
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    expectWindowShows(*window, GetParam().expected);
}

TEST_P(AssembledFirmwareTest, SavedFileHoldsTheAssemblersMemory)
{
    if (!srecordInstalled())
        GTEST_SKIP() << "srec_cat / srec_cmp (Debian package srecord) not installed";
    const FirmwareImage loaded = window->document().session().image;
    const QString saved = save();
    ASSERT_TRUE(Dialogs::recordedMessages().isEmpty()) << Dialogs::recordedMessages().first().text.toStdString();

    const QString filled = dir.filePath(QStringLiteral("filled.hex"));
    const ToolResult fill = fillLikeTheWriter(asmHex, loaded, filled);
    ASSERT_EQ(fill.exitCode, 0) << fill.output.toStdString();
    const ToolResult same = compareMemory(saved, filled);
    EXPECT_EQ(same.exitCode, 0) << same.output.toStdString();

    // Where the assembler left program words out, the writer's blank words make
    // the plain files differ: the comparison above does look at them.
    if (GetParam().hasRomGap) {
        EXPECT_NE(compareMemory(saved, asmHex).exitCode, 0);
    }
}

TEST_P(AssembledFirmwareTest, SavedFileLoadsBackToTheSameImage)
{
    const FirmwareImage loaded = window->document().session().image;
    const QString saved = save();
    TFormMain second(dir.filePath(QStringLiteral("q2.ini")));
    second.loadHexFile(saved);
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    EXPECT_TRUE(std::equal(loaded.rom.begin(), loaded.rom.end(), second.document().session().image.rom.begin()));
    EXPECT_TRUE(std::equal(loaded.eeprom.begin(), loaded.eeprom.end(), second.document().session().image.eeprom.begin()));
    EXPECT_EQ(second.document().session().image.idText, loaded.idText);
    EXPECT_EQ(second.document().session().image.configText, loaded.configText);
    expectWindowShows(second, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Gpasm, AssembledFirmwareTest, ::testing::ValuesIn(fixtures()),
                         [](const auto &info) { return std::string(info.param.file); });

} // namespace
