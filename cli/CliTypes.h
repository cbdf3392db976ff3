#pragma once
// What every command of quaxel-cli shares: what a run prints, the exit
// statuses, and where output that grows with the input goes.
#include <QString>
#include <functional>

struct CliOutput {
    int exitCode = 0;
    QString out; // standard output
    QString err; // standard error
    // The status of a failed operation, as the command documents it: what a
    // run exits with when its standard output cannot be written.
    int failedStatus = 1;
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
// grows with the input (the inventory of many files, the files of a long
// series); without one, the pieces go to CliOutput::out.
using OutputSink = std::function<void(const QString &piece)>;
