// The settings commands over many files in one process, as quaxel-cli runs
// them: export of every file, apply of its document, diff --settings of the
// file against its document, and one inventory of the whole folder.
//
//   quaxel_settings_bench export|apply|diff|inventory IN_DIR OUT_DIR
//
// export and apply write every file as the commands do, to disk and synced;
// export-out and apply-out write to standard output ("-o -") instead, which
// leaves the work of the settings themselves.
//
// Prints the wall time per file in milliseconds. tools/bench.py runs it on
// folders of 100 and of 10,000 files and reads its peak memory.
#include "cli/CliCommands.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <cstdio>

namespace {

bool expect(const CliOutput &o, int exitCode, const QString &what)
{
    if (o.exitCode == exitCode)
        return true;
    std::fprintf(stderr, "%s: exit status %d\n%s", qPrintable(what), o.exitCode, qPrintable(o.err));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: quaxel_settings_bench export|export-out|apply|apply-out|diff|inventory IN_DIR OUT_DIR\n");
        return 2;
    }
    const QString operation = QString::fromUtf8(argv[1]);
    const QDir in(QString::fromUtf8(argv[2]));
    const QDir out(QString::fromUtf8(argv[3]));
    // The inventory reads the folder itself: its figure holds no list of
    // names but its own.
    const bool inventory = operation == QStringLiteral("inventory");
    QStringList names;
    qsizetype files = 0;
    QDirIterator entries(in.path(), {QStringLiteral("*.hex")}, QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        ++files;
        if (!inventory)
            names.append(entries.fileName());
    }
    if (files == 0)
        return 2;

    QElapsedTimer timer;
    timer.start();
    if (inventory) {
        // The table goes out piece by piece, as quaxel-cli writes it to standard output.
        qsizetype written = 0;
        const CliOutput o = runCli({QStringLiteral("inventory"), QStringLiteral("--csv"), in.path()},
                                   [&written](const QString &piece) { written += piece.toUtf8().size(); });
        if (!expect(o, 0, in.path()) || written == 0)
            return 1;
    } else {
        for (const QString &name : names) {
            const QString hex = in.filePath(name);
            const QString document = out.filePath(name + QStringLiteral(".json"));
            CliOutput o;
            if (operation == QStringLiteral("export"))
                o = runCli({QStringLiteral("export"), hex, QStringLiteral("-o"), document});
            else if (operation == QStringLiteral("export-out"))
                o = runCli({QStringLiteral("export"), hex});
            else if (operation == QStringLiteral("apply"))
                o = runCli({QStringLiteral("apply"), hex, document, QStringLiteral("-o"), out.filePath(name)});
            else if (operation == QStringLiteral("apply-out"))
                o = runCli({QStringLiteral("apply"), hex, document, QStringLiteral("-o"), QStringLiteral("-")});
            else if (operation == QStringLiteral("diff"))
                o = runCli({QStringLiteral("diff"), QStringLiteral("--settings"), hex, document});
            else
                return 2;
            if (!expect(o, 0, hex))
                return 1;
        }
    }
    std::printf("%.4f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6 / static_cast<double>(files));
    return 0;
}
