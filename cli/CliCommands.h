#pragma once
// The command line quaxel-cli: info, diff, set, export, apply and inventory
// over the same decoder session, rules and messages as the main window.
// Everything a run prints is returned, so the commands run the same in a
// process and in a test.
#include "cli/CliTypes.h"
#include "cli/SetCommand.h"

#include <QStringList>

// Runs one command line (the arguments after the program name).
CliOutput runCli(const QStringList &arguments, const OutputSink &sink = {});
