#pragma once
// The commands of quaxel-cli, one file each; runCli() picks one by its name.
#include "cli/Command.h"

#include <QStringList>
#include <memory>

std::unique_ptr<Command> makeInfoCommand();
// The byte comparison, or with --settings the settings comparison.
std::unique_ptr<Command> makeDiffCommand(const QStringList &args);
// The files a series writes are listed through the sink as they go out.
std::unique_ptr<Command> makeSetCommand(const OutputSink &sink);
std::unique_ptr<Command> makeExportCommand();
std::unique_ptr<Command> makeApplyCommand();
std::unique_ptr<Command> makeInventoryCommand(const OutputSink &sink);
