// diff of two files that differ only in the ID or the config word: the
// difference is listed and counted where it belongs, and nothing else is said.
#include "cli/CliCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Signal = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/full-457-led-signal-001-dcc.hex");

TEST(DiffWords, AnIdOrConfigDifferenceAloneIsListedAndCountedThere)
{
    const struct {
        const char *name;
        QByteArray from;
        QByteArray to; // the record with its checksum made good again
        QString line;
        int idDiffs;
        int configDiffs;
    } rows[] = {
        {"ID only", ":084000000100030003000700AA", ":084000000200030003000700A9",
         QStringLiteral("ID: File1:0x1337 - File2:0x2337"), 1, 0},
        {"config only", ":02400E00103F61", ":02400E00113F60", QStringLiteral("CONFIG: File1:0x103F - File2:0x113F"), 0, 1},
    };
    QFile original(Signal);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray text = original.readAll();
    for (const auto &row : rows) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(text.count(row.from), 1) << row.name;
        QFile changed(dir.filePath(QStringLiteral("changed.hex")));
        ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
        changed.write(QByteArray(text).replace(row.from, row.to));
        changed.close();

        const CliOutput o = runCli({QStringLiteral("diff"), Signal, changed.fileName()});
        EXPECT_EQ(o.exitCode, CliExit::Differ) << row.name;
        EXPECT_EQ(o.err, QString()) << row.name;
        const QStringList lines = o.out.split(u'\n');
        EXPECT_TRUE(lines.contains(row.line)) << row.name << ":\n" << o.out.toStdString();
        EXPECT_TRUE(lines.contains(QStringLiteral("   %1 gefundene Unterschiede in ID").arg(row.idDiffs))) << row.name;
        EXPECT_TRUE(lines.contains(QStringLiteral("   %1 gefundene Unterschiede in Config").arg(row.configDiffs))) << row.name;
        EXPECT_TRUE(lines.contains(QStringLiteral("   0 gefundene Unterschiede im EEprom"))) << o.out.toStdString();
        EXPECT_TRUE(lines.contains(QStringLiteral("   0 gefundene Unterschiede im ROM"))) << o.out.toStdString();
        EXPECT_FALSE(o.out.contains(QStringLiteral("Nicht in den Records"))) << row.name << ":\n" << o.out.toStdString();
    }
}

} // namespace
