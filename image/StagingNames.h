#pragma once
#include <QByteArray>
#include <optional>
#include <sys/types.h>

// The names under which files are staged beside their targets while a save
// runs: ".NAME.quaxel-PID-XXXXXX", hidden, naming the target and the process
// that made it. A file of that form whose process no longer runs is left over
// from a save that was killed, and the next save into the folder removes it.

// A fresh name for a file staged for target (a path) by this process.
QByteArray stagingName(const QByteArray &target);

// The process that made a staged file of this (folder-less) name; nothing for
// any other name.
std::optional<pid_t> stagingProcess(const QByteArray &name);

// Removes the regular files of the folder, owned by this user, that carry a
// staging name of a process that no longer runs.
void removeStaleStagedFiles(const QByteArray &folder);
