#pragma once
// The commands of quaxel-cli that treat a decoder's settings as data: export,
// apply, diff --settings and inventory. They call the core's settings
// document, comparison and inventory; they hold no rule of their own.
#include "cli/CliCommands.h"

#include <QStringList>

CliOutput runExport(const QStringList &args);
CliOutput runApply(const QStringList &args);
CliOutput runSettingsDiff(const QStringList &args);
CliOutput runInventory(const QStringList &args, const OutputSink &sink = {});

// True for a diff command line that asks for the settings comparison.
bool isSettingsDiff(const QStringList &args);
