#include "preferences/IniFile.h"

#include <gtest/gtest.h>

TEST(IniFile, MissingKeysAndBadNumbersGiveTheDefault)
{
    const IniFile ini = IniFile::fromBytes("[Window]\r\nWidth=abc\r\nTop=-4\r\n");
    EXPECT_EQ(ini.readInteger("Window", "Width", 560), 560);
    EXPECT_EQ(ini.readInteger("Window", "Top", 10), -4);
    EXPECT_EQ(ini.readInteger("Window", "Left", 10), 10);
    EXPECT_EQ(ini.readInteger("Raster", "x", 0), 0);
}

TEST(IniFile, NamesCompareWithoutCase)
{
    const IniFile ini = IniFile::fromBytes("[raster]\nX = 7\n");
    EXPECT_EQ(ini.readInteger("Raster", "x", 0), 7);
}

TEST(IniFile, WritesSectionsAndKeysInTheOrderGiven)
{
    IniFile ini;
    ini.writeInteger("Raster", "x", 3);
    ini.writeInteger("Raster", "y", 4);
    ini.writeInteger("Window", "Width", 720);
    ini.writeInteger("Window", "Top", 10);
    ini.writeInteger("Window", "Left", 12);
    EXPECT_EQ(ini.toBytes(), QByteArray("[Raster]\r\nx=3\r\ny=4\r\n\r\n[Window]\r\nWidth=720\r\nTop=10\r\nLeft=12\r\n"));
}

TEST(IniFile, KeepsForeignEntriesWhenValuesChange)
{
    IniFile ini = IniFile::fromBytes("[Other]\nkey=text\n[Window]\nLeft=1\nExtra=5\n");
    ini.writeInteger("Window", "Left", 99);
    const IniFile again = IniFile::fromBytes(ini.toBytes());
    EXPECT_EQ(again.readInteger("Window", "Left", 0), 99);
    EXPECT_EQ(again.readInteger("Window", "Extra", 0), 5);
    EXPECT_TRUE(ini.toBytes().contains("key=text"));
}

TEST(SettingsPath, ReplacesOrAddsTheExtension)
{
    EXPECT_EQ(settingsPathBesideExecutable("/opt/quaxel/bin/quaxel"), QStringLiteral("/opt/quaxel/bin/quaxel.ini"));
    EXPECT_EQ(settingsPathBesideExecutable("C:/Prog/Quaxel.exe"), QStringLiteral("C:/Prog/Quaxel.ini"));
    EXPECT_EQ(settingsPathBesideExecutable("/a.b/run.x86"), QStringLiteral("/a.b/run.ini"));
}

// Names are kept exactly, whatever they hold; plain ones stay readable, and a
// file written before the quoting reads as before.
TEST(IniFile, ExactStringsComeBackAsWritten)
{
    const QString cases[] = {QStringLiteral("/a/plain name.hex"),
                             QStringLiteral("/a/line\nfeed.hex"),
                             QStringLiteral("/a/trailing blanks.hex  "),
                             QStringLiteral("  /leading.hex"),
                             QStringLiteral("\"/quoted\".hex"),
                             QStringLiteral("/back\\slash\\n.hex"),
                             QStringLiteral("/cr\r\ntab\t\x01.hex"),
                             QString()};
    for (const QString &name : cases) {
        IniFile ini;
        ini.writeExactString("Recent", "File1", name);
        ini.writeInteger("Recent", "After", 7);
        const IniFile again = IniFile::fromBytes(ini.toBytes());
        EXPECT_EQ(again.readExactString("Recent", "File1"), name) << name.toStdString();
        EXPECT_EQ(again.readInteger("Recent", "After", 0), 7) << name.toStdString();
    }
    IniFile plain;
    plain.writeExactString("Recent", "File1", QStringLiteral("/a/b c.hex"));
    EXPECT_EQ(plain.toBytes(), QByteArray("[Recent]\r\nFile1=/a/b c.hex\r\n"));
    const IniFile old = IniFile::fromBytes("[Recent]\r\nFile1=/a/b\\n.hex\r\nFile2=\"/broken\\q\"\r\n");
    EXPECT_EQ(old.readExactString("Recent", "File1"), QStringLiteral("/a/b\\n.hex"));
    EXPECT_TRUE(old.readExactString("Recent", "File2").isEmpty()) << "a broken quoting names no file";
}

struct PlaceCase {
    const char *executable;
    bool writable;
    bool owned;
    const char *expected;
};

// Beside the program only in a folder of the user's own outside the system's
// prefixes; root's /usr/bin included, everything else goes to the configuration folder.
TEST(SettingsPath, BesideTheProgramOnlyInTheUsersOwnFolder)
{
    const PlaceCase cases[] = {
        {"/home/ann/build/app/quaxel", true, true, "/home/ann/build/app/quaxel.ini"},
        {"/usr/bin/quaxel", true, true, "/cfg/Quaxel/quaxel.ini"},
        {"/usr/local/bin/quaxel", true, true, "/cfg/Quaxel/quaxel.ini"},
        {"/opt/quaxel/bin/quaxel", true, true, "/cfg/Quaxel/quaxel.ini"},
        {"/bin/quaxel", true, true, "/cfg/Quaxel/quaxel.ini"},
        {"/usrlocal/quaxel", true, true, "/usrlocal/quaxel.ini"},
        {"/home/ann/build/quaxel", false, true, "/cfg/Quaxel/quaxel.ini"},
        {"/tmp/shared/quaxel", true, false, "/cfg/Quaxel/quaxel.ini"},
    };
    for (const PlaceCase &c : cases) {
        EXPECT_EQ(chooseSettingsPath({QString::fromUtf8(c.executable), c.writable, c.owned, QStringLiteral("/cfg/Quaxel")}),
                  QString::fromUtf8(c.expected))
            << c.executable;
    }
}
