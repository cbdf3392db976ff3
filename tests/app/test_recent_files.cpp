// The recent files and the last folder, and their section of the settings file.
#include "image/SafeFile.h"
#include "preferences/IniFile.h"
#include "preferences/RecentFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct RecentCase {
    const char *what;
    QStringList added;
    QStringList expected;
    QString folder;
};

class Recent : public ::testing::TestWithParam<RecentCase> {};

QStringList numbered(int from, int to)
{
    QStringList files;
    for (int i = from; i <= to; ++i)
        files << QStringLiteral("/hex/f%1.hex").arg(i);
    return files;
}

QStringList reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}

} // namespace

TEST_P(Recent, NewestFirstOnceEachAtMostEight)
{
    const RecentCase &c = GetParam();
    RecentFiles recent;
    for (const QString &path : c.added)
        recent.add(path);
    EXPECT_EQ(recent.files(), c.expected) << c.what;
    EXPECT_EQ(recent.folder(), c.folder) << c.what;

    // What Ende writes comes back at the next start, beside the window's keys.
    IniFile ini = IniFile::fromBytes("[Window]\r\nTop=44\r\n[Recent]\r\nFile9=/old.hex\r\n");
    recent.writeTo(ini);
    const IniFile again = IniFile::fromBytes(ini.toBytes());
    EXPECT_EQ(RecentFiles::fromIni(again).files(), c.expected) << c.what;
    EXPECT_EQ(RecentFiles::fromIni(again).folder(), c.folder) << c.what;
    EXPECT_EQ(again.readInteger(QStringLiteral("Window"), QStringLiteral("Top"), 0), 44);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Recent,
    ::testing::Values(RecentCase{"none", {}, {}, QString()},
                      RecentCase{"two", {"/a/x.hex", "/b/y.hex"}, {"/b/y.hex", "/a/x.hex"}, "/b"},
                      RecentCase{"loaded again: to the front, once",
                                 {"/a/x.hex", "/b/y.hex", "/a/../a/x.hex"},
                                 {"/a/x.hex", "/b/y.hex"},
                                 "/a"},
                      RecentCase{"ten: the last eight", numbered(1, 10), reversed(numbered(3, 10)), "/hex"},
                      RecentCase{"a folder with blanks", {"/my hex/a b.hex"}, {"/my hex/a b.hex"}, "/my hex"},
                      // Latin-1 bytes, no UTF-8: kept byte for byte, beside a name with a character
                      // beyond the BMP, which is UTF-8.
                      RecentCase{"names that are no UTF-8",
                                 {pathFromBytes("/alt/\xE4/ampel\xE4\xFC.hex"), QStringLiteral("/b/\U0001F682.hex")},
                                 {QStringLiteral("/b/\U0001F682.hex"), pathFromBytes("/alt/\xE4/ampel\xE4\xFC.hex")},
                                 "/b"}));

// A name from the file system must not reach into the settings file's
// structure: a line break in it would start a key or section of its own.
TEST(RecentFilesSettings, StrangeNamesStayInTheirKey)
{
    RecentFiles recent;
    recent.add(QStringLiteral("/a/evil\r\n[Window]\r\nTop=-5000\r\nx.hex"));
    IniFile ini;
    ini.writeInteger(QStringLiteral("Window"), QStringLiteral("Top"), 10);
    recent.writeTo(ini);
    const IniFile again = IniFile::fromBytes(ini.toBytes());
    EXPECT_EQ(again.readInteger(QStringLiteral("Window"), QStringLiteral("Top"), 0), 10);
    EXPECT_EQ(again.readString(QStringLiteral("Recent"), QStringLiteral("File2")), QString());

    // Hand-edited entries that are relative or repeated are left out.
    const IniFile edited = IniFile::fromBytes("[Recent]\nFile1=/a.hex\nFile2=b.hex\nFile3=/a.hex\nFile4=/c.hex\n");
    EXPECT_EQ(RecentFiles::fromIni(edited).files(), QStringList({"/a.hex", "/c.hex"}));
}

// Each name with as many folders as tell it apart from the others in the list.
TEST(RecentNames, AsManyFoldersAsTellTheFilesApart)
{
    const struct {
        QStringList paths;
        QStringList names;
    } rows[] = {
        {{"/w/a/servo.hex", "/w/out.hex", "/w/b/servo.hex", "/w/c/servo.hex"},
         {"a/servo.hex", "out.hex", "b/servo.hex", "c/servo.hex"}},
        {{"/x/a/servo.hex", "/y/a/servo.hex", "/y/b/servo.hex"},
         {"x/a/servo.hex", "y/a/servo.hex", "b/servo.hex"}},
        {{"/servo.hex", "/a/servo.hex"}, {"/servo.hex", "a/servo.hex"}},
        {{"/a/Servo.hex", "/b/servo.hex"}, {"Servo.hex", "servo.hex"}},
        {{"/only/one.hex"}, {"one.hex"}},
        {{}, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(distinguishingNames(row.paths), row.names) << row.paths.join(u' ').toStdString();
}
