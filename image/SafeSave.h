#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Writing a file so that nothing but the regular file meant is ever replaced,
// and never half.
//
// The target must be a regular file, a symbolic link to one (the file it
// points to is written, the link stays), or a name that does not exist yet.
// A device, a FIFO, a socket or a folder is refused and left untouched. The
// bytes go to a temporary file beside the target, which replaces the target
// only once every byte has reached the disk. A replaced file keeps its mode
// bits, owner and group; where they cannot be kept, or where the file has
// more than one hard link, the write is refused rather than splitting the link
// or widening or losing a permission. On every failure the old file stays as
// it was, and the reason is returned.

// One file written under a temporary name beside its target, not yet in place.
// The temporary file is removed unless commit() moved it into place.
class StagedFile {
public:
    StagedFile() = default;
    StagedFile(StagedFile &&other) noexcept;
    StagedFile &operator=(StagedFile &&other) noexcept;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile();

    // Checks the target and writes the content to the temporary file: the
    // reason when it cannot.
    std::optional<QString> stage(const QString &path, const QByteArray &content);
    // The temporary file's name while the file is staged.
    QString temporaryPath() const;
    // Moves the temporary file into the target's place.
    std::optional<QString> commit();
    // Removes the temporary file.
    void discard();

private:
    QByteArray temporary_; // empty when nothing is staged
    QByteArray target_;    // the regular file's own name, links resolved
};

// Why the file cannot be written, checked before anything is done: a target
// that is no regular file, a missing or unwritable folder, and the rest of
// the refusals above that can be seen without writing. Nothing when it looks
// writable.
std::optional<QString> refusedTarget(const QString &path);

// Stages and commits in one go.
std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content);
