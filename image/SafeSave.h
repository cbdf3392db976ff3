#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Writes content to path as a whole or not at all: the bytes go to a temporary
// file beside the target, which replaces the target only once every byte has
// reached the disk. On failure (read-only folder or file, full disk, a folder
// in the way) the old file stays as it was and the system's error text is
// returned.
//
// The flush is checked by hand: on a full file system QSaveFile::commit() may
// report success for a file whose bytes were never written, and replace the old
// file with an empty one.
std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content);
