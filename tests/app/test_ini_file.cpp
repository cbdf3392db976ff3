#include "app/IniFile.h"

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
