#include "image/SafeSave.h"

#include "image/KeptAttributes.h"
#include "image/SafeFile.h"
#include "image/StagingNames.h"
#include "image/SystemErrors.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool writeAll(int fd, const QByteArray &content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + done, static_cast<size_t>(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void syncFolder(const QByteArray &path)
{
    const int folder = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

QByteArray descriptorPath(int fd)
{
    return QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
}

// The target to replace: its own name with links resolved, and whether and
// how it exists. The reason when it must not be written.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat info {};
};

// A new file's name that another program (another save, say) took while this
// one was writing: what the other wrote stays.
QString takenMeanwhile()
{
    return QCoreApplication::translate("SafeSave", "wurde von einem anderen Programm angelegt, während dieses sie schrieb; sie wird nicht ersetzt");
}

QString notRegular(unsigned mode)
{
    return QCoreApplication::translate("SafeSave", "ist %1, keine reguläre Datei; sie wird nicht ersetzt").arg(fileKindName(mode));
}

std::optional<QString> findTarget(const QString &path, Target &target)
{
    target.path = pathBytes(path);
    if (target.path.isEmpty())
        return systemErrorText(ENOENT);
    struct stat link {};
    if (::lstat(target.path.constData(), &link) != 0) {
        if (errno != ENOENT)
            return systemErrorText(errno);
        return std::nullopt; // a new file
    }
    if (S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(target.path.constData(), resolved))
            return errno == ENOENT ? QCoreApplication::translate("SafeSave", "ist ein symbolischer Link auf eine Datei, die es nicht gibt; sie wird nicht geschrieben")
                                   : systemErrorText(errno);
        target.path = QByteArray(resolved);
        if (::stat(target.path.constData(), &target.info) != 0)
            return systemErrorText(errno);
    } else {
        target.info = link;
    }
    target.exists = true;
    if (!S_ISREG(target.info.st_mode))
        return notRegular(target.info.st_mode);
    if (target.info.st_nlink > 1)
        return QCoreApplication::translate("SafeSave", "hat %1 harte Links; sie zu ersetzen trennte sie, daher wird sie nicht geschrieben")
            .arg(target.info.st_nlink);
    if (::access(target.path.constData(), W_OK) != 0)
        return systemErrorText(errno);
    return std::nullopt;
}

// An unnamed file in the folder, created as a plain create would make the
// target (a new target: the umask or the folder's default ACL decide its
// mode) or private to its owner until it takes the old file's permissions.
// -1 where the file system or the system lacks unnamed files, or their
// descriptors cannot be named later.
int openUnnamed(const QByteArray &folder, bool replacing)
{
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, replacing ? 0600 : 0666);
    if (fd < 0)
        return -1;
    if (::access(descriptorPath(fd).constData(), F_OK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A named staged file beside the target, private to its owner.
int openNamed(const QByteArray &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stagingName(target);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old one's owner, group, extended attributes (its
// ACL among them) and mode bits, or for a new file the mode a plain create
// would give. The reason when they cannot be kept.
std::optional<QString> takeOverPermissions(int fd, const Target &target, bool createdAsPlain)
{
    if (!target.exists) {
        if (!createdAsPlain && ::fchmod(fd, 0666 & ~currentUmask()) != 0)
            return systemErrorText(errno);
        return std::nullopt;
    }
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0)
        return systemErrorText(errno);
    if ((fresh.st_uid != target.info.st_uid || fresh.st_gid != target.info.st_gid)
        && ::fchown(fd, target.info.st_uid, target.info.st_gid) != 0) {
        const QString reason = systemErrorText(errno);
        return QCoreApplication::translate("SafeSave", "gehört Benutzer %1 und Gruppe %2, die der Ersatz nicht behalten konnte (%3); sie wird nicht geschrieben")
            .arg(target.info.st_uid)
            .arg(target.info.st_gid)
            .arg(reason);
    }
    if (auto lost = keepExtendedAttributes(fd, target.path))
        return lost;
    // Last: changing the owner clears the set-ID bits, and the mode's group
    // bits are the ACL's mask, which the ACL just set agrees with.
    if (::fchmod(fd, target.info.st_mode & 07777) != 0) {
        const QString reason = systemErrorText(errno);
        return QCoreApplication::translate("SafeSave", "hat die Rechte %1, die der Ersatz nicht behalten konnte (%2); sie wird nicht geschrieben")
            .arg(target.info.st_mode & 07777, 4, 8, QLatin1Char('0'))
            .arg(reason);
    }
    return std::nullopt;
}

// Names the unnamed file: through its descriptor where the process may, or
// else through /proc.
bool linkDescriptor(int fd, const QByteArray &name)
{
    if (::linkat(fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    return ::linkat(AT_FDCWD, descriptorPath(fd).constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
}

bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EPERM;
}

// Puts `fresh` (a named file) in the place of the regular file `target`,
// keeping the old file under `aside`: swapped in one step where the file
// system can, or linked aside first, or as the last resort renamed aside.
bool replaceKeepingOld(const QByteArray &fresh, const QByteArray &target, const QByteArray &aside, bool &asideIsFresh)
{
    asideIsFresh = false;
    if (::renameat2(AT_FDCWD, fresh.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        asideIsFresh = true; // the old file now has the fresh file's name
        return true;
    }
    if (!unsupported(errno))
        return false;
    if (::link(target.constData(), aside.constData()) != 0) {
        if (!unsupported(errno) || ::rename(target.constData(), aside.constData()) != 0)
            return false;
    }
    if (::rename(fresh.constData(), target.constData()) == 0)
        return true;
    const int error = errno;
    ::rename(aside.constData(), target.constData());
    errno = error;
    return false;
}

// How many staged files a series may keep unnamed: half of what the process
// may open, so that reading, verifying and the rest keep enough descriptors.
std::size_t unnamedBudget()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 512;
    const rlim_t half = limit.rlim_cur / 2;
    return half > 64 ? static_cast<std::size_t>(half - 64) : 0;
}

} // namespace

std::optional<QString> refusedTarget(const QString &path)
{
    Target target;
    if (auto refused = findTarget(path, target))
        return refused;
    if (!target.exists && ::access(folderOf(target.path).constData(), W_OK | X_OK) != 0)
        return systemErrorText(errno);
    return std::nullopt;
}

StagedFile::StagedFile(StagedFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      newTarget_(other.newTarget_),
      temporary_(std::exchange(other.temporary_, QByteArray())),
      target_(std::move(other.target_)),
      placedDevice_(other.placedDevice_),
      placedInode_(other.placedInode_)
{
}

StagedFile &StagedFile::operator=(StagedFile &&other) noexcept
{
    if (this != &other) {
        discard();
        fd_ = std::exchange(other.fd_, -1);
        temporary_ = std::exchange(other.temporary_, QByteArray());
        target_ = std::move(other.target_);
        newTarget_ = other.newTarget_;
        placedDevice_ = other.placedDevice_;
        placedInode_ = other.placedInode_;
    }
    return *this;
}

StagedFile::~StagedFile()
{
    discard();
}

std::optional<QString> StagedFile::stage(const QString &path, const QByteArray &content)
{
    return stageIn(path, content, true);
}

std::optional<QString> StagedFile::stageIn(const QString &path, const QByteArray &content, bool cleanFolder)
{
    discard();
    Target target;
    if (auto refused = findTarget(path, target))
        return refused;
    const QByteArray folder = folderOf(target.path);
    if (cleanFolder)
        removeStaleStagedFiles(folder);
    QByteArray name;
    int fd = openUnnamed(folder, target.exists);
    const bool unnamed = fd >= 0;
    if (!unnamed)
        fd = openNamed(target.path, name);
    if (fd < 0)
        return systemErrorText(errno);
    std::optional<QString> error = takeOverPermissions(fd, target, unnamed);
    if (!error && !(writeAll(fd, content) && ::fsync(fd) == 0))
        error = systemErrorText(errno);
    if (error || !unnamed) {
        if (::close(fd) != 0 && !error)
            error = systemErrorText(errno);
        fd = -1;
    }
    if (error) {
        if (!name.isEmpty())
            ::unlink(name.constData());
        return error;
    }
    fd_ = fd;
    temporary_ = name;
    target_ = target.path;
    newTarget_ = !target.exists;
    return std::nullopt;
}

QString StagedFile::temporaryPath() const
{
    return pathFromBytes(fd_ >= 0 ? descriptorPath(fd_) : temporary_);
}

std::optional<QString> StagedFile::name()
{
    if (fd_ < 0)
        return std::nullopt;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = stagingName(target_);
        if (linkDescriptor(fd_, name)) {
            ::close(std::exchange(fd_, -1));
            temporary_ = name;
            return std::nullopt;
        }
        if (errno != EEXIST)
            return systemErrorText(errno);
    }
    return systemErrorText(EEXIST);
}

std::optional<QString> StagedFile::place(bool keepOld)
{
    placedDevice_ = 0;
    placedInode_ = 0;
    struct stat now {};
    const bool targetThere = ::lstat(target_.constData(), &now) == 0;
    if (!targetThere && errno != ENOENT)
        return systemErrorText(errno);
    if (targetThere && !S_ISREG(now.st_mode))
        return notRegular(now.st_mode);
    // A file that appeared meanwhile is another program's (another save's):
    // the staged file was made for a new name and would not keep its owner
    // and mode.
    if (targetThere && newTarget_)
        return takenMeanwhile();
    // A new target: the unnamed file takes the name directly, and never over
    // anything that took the name meanwhile.
    if (!targetThere && fd_ >= 0) {
        if (!linkDescriptor(fd_, target_))
            return errno == EEXIST ? takenMeanwhile() : systemErrorText(errno);
        struct stat fresh {};
        ::fstat(fd_, &fresh);
        ::close(std::exchange(fd_, -1));
        placedDevice_ = fresh.st_dev;
        placedInode_ = fresh.st_ino;
        return std::nullopt;
    }
    if (auto error = name())
        return error;
    struct stat fresh {};
    ::lstat(temporary_.constData(), &fresh);
    placedDevice_ = fresh.st_dev;
    placedInode_ = fresh.st_ino;
    if (!targetThere || !keepOld) {
        const unsigned flags = targetThere ? 0 : RENAME_NOREPLACE;
        if (::renameat2(AT_FDCWD, temporary_.constData(), AT_FDCWD, target_.constData(), flags) != 0
            && !(unsupported(errno) && flags != 0 && ::rename(temporary_.constData(), target_.constData()) == 0))
            return errno == EEXIST ? takenMeanwhile() : systemErrorText(errno);
        temporary_.clear();
        return std::nullopt;
    }
    bool asideIsFresh = false;
    const QByteArray aside = stagingName(target_);
    if (!replaceKeepingOld(temporary_, target_, aside, asideIsFresh))
        return systemErrorText(errno);
    // Swapped, the old file took the staged file's name.
    if (!asideIsFresh)
        temporary_ = aside;
    return std::nullopt;
}

bool StagedFile::putBack()
{
    if (!temporary_.isEmpty()) {
        const bool restored = ::rename(temporary_.constData(), target_.constData()) == 0;
        temporary_.clear(); // the old file is never discarded, not even where it could not return
        return restored;
    }
    struct stat now {};
    return ::lstat(target_.constData(), &now) != 0
           || (now.st_dev == placedDevice_ && now.st_ino == placedInode_ && ::unlink(target_.constData()) == 0);
}

std::optional<QString> StagedFile::commit()
{
    if (fd_ < 0 && temporary_.isEmpty())
        return systemErrorText(ENOENT);
    if (auto error = place(false)) {
        discard();
        return error;
    }
    // The new name reaches the disk with the folder.
    syncFolder(target_);
    return std::nullopt;
}

void StagedFile::discard()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (temporary_.isEmpty())
        return;
    ::unlink(temporary_.constData());
    temporary_.clear();
}

StagedSeries::StagedSeries()
    : unnamedLeft_(unnamedBudget())
{
}

void StagedSeries::reserve(std::size_t files)
{
    // Room taken ahead stays within reason whatever count is asked for; a
    // longer series grows its list as it goes.
    constexpr std::size_t MostFilesAhead = 1u << 16;
    files_.reserve(std::min(files, MostFilesAhead));
}

std::optional<QString> StagedSeries::stage(const QString &path, const QByteArray &content)
{
    StagedFile file;
    if (auto error = file.stageIn(path, content, files_.empty()))
        return error;
    if (file.fd_ >= 0) {
        if (unnamedLeft_ == 0) {
            if (auto error = file.name())
                return error;
        } else {
            --unnamedLeft_;
        }
    }
    files_.push_back(std::move(file));
    return std::nullopt;
}

QString StagedSeries::lastTemporaryPath() const
{
    return files_.empty() ? QString() : files_.back().temporaryPath();
}

std::optional<QString> StagedSeries::commit()
{
    // A single file needs nothing kept aside: it replaces its target in one step.
    const bool keepOld = files_.size() > 1;
    for (auto file = files_.begin(); file != files_.end(); ++file) {
        const auto error = file->place(keepOld);
        if (!error)
            continue;
        // Back as it was: each old file returns to its name, each new one goes.
        QStringList notRestored;
        for (auto placed = std::make_reverse_iterator(file); placed != files_.rend(); ++placed) {
            if (!placed->putBack())
                notRestored.prepend(shownPath(pathFromBytes(placed->target_)));
        }
        for (StagedFile &left : files_)
            left.discard();
        const QString failed = fileMessage(pathFromBytes(file->target_), *error);
        if (!keepOld)
            return failed;
        if (notRestored.isEmpty())
            return failed + QCoreApplication::translate("SafeSave", "\ndie Serie wurde nicht geschrieben: keine ihrer Dateien wurde geändert");
        return failed + QCoreApplication::translate("SafeSave", "\ndie Serie ist nur zum Teil geschrieben: %1 ließ sich nicht wiederherstellen, wie es war")
                            .arg(notRestored.join(QStringLiteral(", ")));
    }
    // All in place: the old files kept aside go.
    for (StagedFile &file : files_)
        file.discard();
    QByteArray synced;
    for (const StagedFile &file : files_) {
        if (folderOf(file.target_) != synced)
            syncFolder(file.target_);
        synced = folderOf(file.target_);
    }
    files_.clear();
    return std::nullopt;
}

std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content)
{
    StagedFile file;
    if (auto error = file.stage(path, content))
        return error;
    return file.commit();
}

namespace {

const SaveFileLayer DiskLayer;
const SaveFileLayer *currentLayer = &DiskLayer;

} // namespace

InputFile SaveFileLayer::readBack(const QString &stagedPath, qint64 maxSize) const
{
    return readInputFile(stagedPath, maxSize);
}

const SaveFileLayer *useSaveFileLayer(const SaveFileLayer *layer)
{
    const SaveFileLayer *previous = currentLayer == &DiskLayer ? nullptr : currentLayer;
    currentLayer = layer ? layer : &DiskLayer;
    return previous;
}

ReadBackCheck sameBytes(const QByteArray &content)
{
    return [content](const InputFile &readBack, const QString &shownAs) -> std::optional<QString> {
        if (readBack.reason)
            return fileMessage(shownAs, QCoreApplication::translate("SafeSave", "die geschriebene Datei lässt sich nicht zurücklesen (%1); sie wird nicht gespeichert")
                                            .arg(*readBack.reason));
        if (readBack.content != content)
            return fileMessage(shownAs, QCoreApplication::translate("SafeSave", "die geschriebene Datei liest sich mit anderen Bytes zurück; sie wird nicht gespeichert"));
        return std::nullopt;
    };
}

std::optional<QString> VerifiedSave::add(const QString &path, const QByteArray &content, const ReadBackCheck &check)
{
    if (failure_)
        return failure_;
    if (auto error = series_.stage(path, content)) {
        failure_ = fileMessage(path, *error);
        return failure_;
    }
    // A file that reads back longer than it was written is read no further.
    const qint64 limit = std::max<qint64>(content.size(), MaxInputFileSize);
    const InputFile readBack = currentLayer->readBack(series_.lastTemporaryPath(), limit);
    failure_ = (check ? check : sameBytes(content))(readBack, path);
    return failure_;
}

std::optional<QString> VerifiedSave::commit()
{
    if (failure_)
        return failure_;
    return series_.commit();
}

std::optional<QString> saveVerified(const QString &path, const QByteArray &content, const ReadBackCheck &check)
{
    VerifiedSave save;
    if (auto failure = save.add(path, content, check))
        return failure;
    return save.commit();
}

std::optional<QString> saveVerifiedFile(const QString &path, const QByteArray &content)
{
    return saveVerified(path, content);
}

void ignoreFileSizeLimitSignal()
{
    ::signal(SIGXFSZ, SIG_IGN);
}
