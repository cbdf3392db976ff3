#pragma once
// The command line quaxel-cli: info, diff and set over the same decoder
// session, rules and messages as the main window. Everything a run prints is
// returned, so the commands run the same in a process and in a test.
#include "decoder/SlotChanges.h"
#include "image/HexFile.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct CliOutput {
    int exitCode = 0;
    QString out; // standard output
    QString err; // standard error
};

// Exit statuses. diff uses Differ for files that differ and Failed for every
// error; info and set use Refused for a file or value the rules refuse and
// Failed for a command line they cannot understand.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Differ = 1;
constexpr int Refused = 1;
constexpr int Failed = 2;
} // namespace CliExit

// Takes standard output piece by piece while a command runs, for output that
// grows with the input (the inventory of many files); without one, the
// pieces go to CliOutput::out.
using OutputSink = std::function<void(const QString &piece)>;

// Runs one command line (the arguments after the program name).
CliOutput runCli(const QStringList &arguments, const OutputSink &sink = {});

// The change a --slot N=ADDRESS[r|g][/FUNCTION] value asks for, or nothing when the text has not that form.
std::optional<SlotChange> parseSlotChange(const QString &text);

// The name of file number (counted from 1) of a series: "OUT.hex" gives
// "OUT-1.hex", "OUT-2.hex" …; a name without ".hex" gets it appended.
QString seriesFileName(const QString &output, int number);
