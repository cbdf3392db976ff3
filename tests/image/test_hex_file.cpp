// A written HEX file is read back with the loader's rules and compared with the
// image it was written from; and which dropped files count as HEX files.
#include "image/HexFile.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/HexWriter.h"
#include "image/SafeFile.h"
#include "common/PlantedReadBack.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QStringList Lines{
    QStringLiteral(":020000040000FA"),
    QStringLiteral(":100000000830023000300000000000000000000084"),
    QStringLiteral(":084000000100030005000100AE"),
    QStringLiteral(":02400E003A3F37"),
    QStringLiteral(":10420000110022003300FF00FF00FF00FF00FF0051"),
    QStringLiteral(":00000001FF"),
};

// How the file reads back after it was written.
struct Tampering {
    const char *name;
    std::function<void(QByteArray &)> change; // nullptr: the file is gone
    const char *message;                      // nullptr: the file verifies
};

void PrintTo(const Tampering &t, std::ostream *os) { *os << t.name; }

std::vector<Tampering> tamperings()
{
    const auto replace = [](const char *from, const char *to) {
        return [from, to](QByteArray &content) { content.replace(from, to); };
    };
    return {
        {"untouched", [](QByteArray &) {}, nullptr},
        {"lower case and LF only", [](QByteArray &c) { c = c.toLower().replace("\r\n", "\n"); }, nullptr},
        {"rom byte", replace(":1000000008", ":1000000009"),
         "andere Daten als gespeichert:\n%1\nROM 0x0000: gespeichert 0x08, gelesen 0x09 (1 Unterschiede)"},
        {"eeprom record moved", replace(":10420000", ":10420200"), "EEPROM 0x00: gespeichert 0x11, gelesen 0xFF"},
        {"id record dropped", replace(":084000000100030005000100AE\r\n", ""), "ID: gespeichert 0x1351, gelesen fehlt"},
        {"config changed", replace("3A3F", "3A3E"), "CONFIG: gespeichert 0x3A3F, gelesen 0x3A3E"},
        {"truncated", [](QByteArray &c) { c.truncate(c.indexOf(":0840")); c += ":0"; },
         "kann nicht zurückgelesen werden:\n%1\nE206: Unerwartete Zeile im File: :0"},
        {"removed", nullptr, "kann nicht zurückgelesen werden:\n%1:\n"},
    };
}

class VerifiedSave : public ::testing::TestWithParam<Tampering> {};

TEST_P(VerifiedSave, FindsAFileThatDoesNotReadBackAsWrittenAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    FirmwareImage image;
    ASSERT_TRUE(loadHexLines(image, Lines).complete);
    ASSERT_EQ(BuildHexLines(image), 6);
    const QString path = dir.filePath(QStringLiteral("out.hex"));
    const QByteArray old(":00000001FF\r\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const Tampering &t = GetParam();
    const PlantedReadBack planted([&t](InputFile &file) {
        if (!t.change)
            file.reason = QStringLiteral("No such file or directory");
        else
            t.change(file.content);
    });
    const auto failure = saveVerifiedHexFile(path, hexFileContent(image), image);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    if (!t.message) {
        EXPECT_FALSE(failure) << failure->toStdString();
        EXPECT_EQ(written.readAll(), hexFileContent(image));
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(QString::fromUtf8(t.message).arg(path))) << failure->toStdString();
    EXPECT_EQ(written.readAll(), old);
}

INSTANTIATE_TEST_SUITE_P(Tamperings, VerifiedSave, ::testing::ValuesIn(tamperings()));

TEST(VerifiedSaveWrite, UnwritablePlaceIsAWriteError)
{
    FirmwareImage image;
    const PlantedReadBack planted([](InputFile &) { ADD_FAILURE() << "nothing was written"; });
    const auto failure = saveVerifiedHexFile(QStringLiteral("/nonexistent-folder/out.hex"), QByteArray(":00000001FF\r\n"),
                                             image);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->startsWith(QStringLiteral("/nonexistent-folder/out.hex:\n"))) << failure->toStdString();
}

TEST(DroppedFiles, OnlyASingleLocalHexFileCounts)
{
    QTemporaryDir dir;
    const auto make = [&dir](const char *name) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QUrl::fromLocalFile(file.fileName());
    };
    const QUrl hex = make("a.hex");
    const QUrl upper = make("B.HEX");
    const QUrl text = make("c.txt");
    ::close(::open((QFile::encodeName(dir.path()) + "/bad\xFF.hex").constData(), O_CREAT | O_WRONLY, 0644));
    const struct {
        QList<QUrl> urls;
        QString path;
    } rows[] = {
        {{hex}, hex.toLocalFile()},
        {{upper}, upper.toLocalFile()},
        {{text}, QString()},
        {{hex, upper}, QString()},
        {{}, QString()},
        {{QUrl(QStringLiteral("https://example.org/a.hex"))}, QString()},
        {{QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.hex")))}, QString()},
        {{QUrl::fromLocalFile(dir.path() + QStringLiteral("/"))}, QString()},
        // A name that is no UTF-8 comes as its percent escapes.
        {{QUrl::fromEncoded("file://" + QFile::encodeName(dir.path()).toPercentEncoding("/") + "/bad%FF.hex")},
         pathFromBytes(QFile::encodeName(dir.path()) + "/bad\xFF.hex")},
    };
    for (const auto &row : rows)
        EXPECT_EQ(droppedHexFile(row.urls), row.path) << row.urls.size();
}

} // namespace
