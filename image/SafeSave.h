#pragma once
#include "image/SafeFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>
#include <vector>

// Writing a file so that nothing but the regular file meant is ever replaced,
// and never half.
//
// The target must be a regular file, a symbolic link to one (the file it
// points to is written, the link stays), or a name that does not exist yet.
// A device, a FIFO, a socket or a folder is refused and left untouched. The
// bytes go to a file staged beside the target, which replaces the target only
// once every byte has reached the disk. A replaced file keeps its mode bits,
// owner, group, access control list and extended attributes; where they
// cannot be kept, or where the file has more than one hard link, the write is
// refused rather than splitting the link or widening or losing a permission.
// On every failure the old file stays as it was, and the reason is returned.
// A name that was free when the file was staged and that another program
// takes meanwhile (a second save racing this one) stays that program's.
//
// Where the file system allows, the staged file has no name until it takes
// the target's (O_TMPFILE), so a killed process leaves nothing behind.
// Elsewhere it has a staging name (see StagingNames.h) that a later save into
// the same folder removes once its process is gone.

// One file written beside its target, not yet in place. The staged file goes
// unless commit() moved it into place.
class StagedFile {
public:
    StagedFile() = default;
    StagedFile(StagedFile &&other) noexcept;
    StagedFile &operator=(StagedFile &&other) noexcept;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile();

    // Checks the target and writes the content to the staged file: the
    // reason when it cannot.
    std::optional<QString> stage(const QString &path, const QByteArray &content);
    // A name the staged file can be read (or, in tests, changed) by while it is staged.
    QString temporaryPath() const;
    // Moves the staged file into the target's place.
    std::optional<QString> commit();
    // Removes the staged file.
    void discard();

private:
    friend class StagedSeries;
    std::optional<QString> stageIn(const QString &path, const QByteArray &content, bool cleanFolder);
    // Gives an unnamed staged file a staging name and lets go of its descriptor.
    std::optional<QString> name();
    // Moves the staged file into the target's place; keepOld keeps a replaced
    // file aside (under temporary_) so that putBack() can return it.
    std::optional<QString> place(bool keepOld);
    // Undoes place(): the old file back under its name, or the new file gone
    // if it is still the one placed. False when that cannot be done; an old
    // file then stays where it was kept aside.
    bool putBack();

    int fd_ = -1;            // the unnamed staged file; -1 when it has a name or nothing is staged
    bool newTarget_ = false; // no file had the target's name when it was staged
    // The file of ours beside the target that discard() removes: the staged
    // file until it is placed, then the old file that a series keeps aside
    // until all of its files are in place. Empty while the staged file is
    // unnamed, or when there is none.
    QByteArray temporary_;
    QByteArray target_; // the regular file's own name, links resolved
    // The file placed where no file was, so that putBack() removes only that file.
    dev_t placedDevice_ = 0;
    ino_t placedInode_ = 0;
};

// A series of files put in place together: either every file takes its name,
// or none does and every old file stays as it was.
class StagedSeries {
public:
    StagedSeries();
    StagedSeries(const StagedSeries &) = delete;
    StagedSeries &operator=(const StagedSeries &) = delete;

    // Room for the files the series will hold, taken at once (up to 65,536):
    // a long series then never holds its files twice while its list grows.
    void reserve(std::size_t files);
    // Stages the next file of the series: the reason when it cannot.
    std::optional<QString> stage(const QString &path, const QByteArray &content);
    // The last staged file, as StagedFile::temporaryPath().
    QString lastTemporaryPath() const;
    // Puts every file in place. Each replaced file is kept aside until all
    // are; if one fails, those already moved are put back. The message names
    // the file and says what became of the others.
    std::optional<QString> commit();

private:
    std::vector<StagedFile> files_;
    std::size_t unnamedLeft_; // descriptors the series may still hold open
};

// Why the file cannot be written, checked before anything is done: a target
// that is no regular file, a missing or unwritable folder, and the rest of
// the refusals above that can be seen without writing. Nothing when it looks
// writable.
std::optional<QString> refusedTarget(const QString &path);

// Stages and commits in one go.
std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content);

// ---- the verified save ----
//
// Every file the program saves goes the same way: it is staged beside its
// target, read back from the disk, checked against what was meant, and only
// then takes the target's name. A file that does not read back as written
// never replaces the old one.

// The file layer under every verified save: how a staged file is read back.
// The disk's, unless another is put in place (tests plant faults that way).
class SaveFileLayer {
public:
    virtual ~SaveFileLayer() = default;
    virtual InputFile readBack(const QString &stagedPath, qint64 maxSize) const;
};

// Puts a file layer under the saves that follow (nullptr: the disk's) and
// returns the one it replaces.
const SaveFileLayer *useSaveFileLayer(const SaveFileLayer *layer);

// Checks what a staged file read back as: the message, naming shownAs, when it
// is not what was meant.
using ReadBackCheck = std::function<std::optional<QString>(const InputFile &readBack, const QString &shownAs)>;

// The check of a file that must read back byte for byte as written.
ReadBackCheck sameBytes(const QByteArray &content);

// Files saved together: each is staged and read back as it is added, and
// commit() puts all in place, or none. One file's content is in memory at a
// time.
class VerifiedSave {
public:
    // Room for the files to come, as StagedSeries::reserve().
    void reserve(std::size_t files) { series_.reserve(files); }
    // Stages the file and checks its read-back (byte for byte without a
    // check): the message, naming the path, when it cannot be staged or does
    // not read back as meant. Nothing is in place then.
    std::optional<QString> add(const QString &path, const QByteArray &content, const ReadBackCheck &check = {});
    // Puts every added file in place: the message when one cannot be, or
    // when an add() failed, and then no file of them replaced its old one.
    std::optional<QString> commit();

private:
    StagedSeries series_;
    std::optional<QString> failure_; // the first add() that failed
};

// One file, verified: as VerifiedSave with a single file.
std::optional<QString> saveVerified(const QString &path, const QByteArray &content, const ReadBackCheck &check = {});

// One file that must read back byte for byte as written.
std::optional<QString> saveVerifiedFile(const QString &path, const QByteArray &content);

// A file size limit (ulimit -f) would kill the process at the first write past
// it (SIGXFSZ) and leave the work unsaved without a word. Ignored, the write
// fails with EFBIG instead and is reported like any other write error. Called
// once at the start of each program.
void ignoreFileSizeLimitSignal();
