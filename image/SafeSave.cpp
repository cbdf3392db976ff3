#include "image/SafeSave.h"

#include "image/SafeFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
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
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The target to replace: its own name with links resolved, and whether and
// how it exists. The reason when it must not be written.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat info {};
};

std::optional<QString> findTarget(const QString &path, Target &target)
{
    target.path = pathBytes(path);
    if (target.path.isEmpty())
        return systemError(ENOENT);
    struct stat link {};
    if (::lstat(target.path.constData(), &link) != 0) {
        if (errno != ENOENT)
            return systemError(errno);
        return std::nullopt; // a new file
    }
    if (S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(target.path.constData(), resolved))
            return errno == ENOENT ? QStringLiteral("is a symbolic link to a file that does not exist; it is not written")
                                   : systemError(errno);
        target.path = QByteArray(resolved);
        if (::stat(target.path.constData(), &target.info) != 0)
            return systemError(errno);
    } else {
        target.info = link;
    }
    target.exists = true;
    if (!S_ISREG(target.info.st_mode))
        return QStringLiteral("is %1, not a regular file; it is not replaced").arg(fileKindName(target.info.st_mode));
    if (target.info.st_nlink > 1)
        return QStringLiteral("has %1 hard links; replacing it would split them, so it is not written")
            .arg(target.info.st_nlink);
    if (::access(target.path.constData(), W_OK) != 0)
        return systemError(errno);
    return std::nullopt;
}

// Gives the new file the old one's owner, group and mode bits (or, for a new
// file, the mode a plain create would give). The reason when they cannot be kept.
std::optional<QString> takeOverPermissions(int fd, const Target &target)
{
    if (!target.exists) {
        if (::fchmod(fd, 0666 & ~currentUmask()) != 0)
            return systemError(errno);
        return std::nullopt;
    }
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0)
        return systemError(errno);
    if ((fresh.st_uid != target.info.st_uid || fresh.st_gid != target.info.st_gid)
        && ::fchown(fd, target.info.st_uid, target.info.st_gid) != 0)
        return QStringLiteral("belongs to user %1 and group %2, which the replacement could not keep (%3); "
                              "it is not written")
            .arg(target.info.st_uid)
            .arg(target.info.st_gid)
            .arg(systemError(errno));
    // After the owner: changing the owner clears the set-ID bits.
    if (::fchmod(fd, target.info.st_mode & 07777) != 0)
        return QStringLiteral("has mode %1, which the replacement could not keep (%2); it is not written")
            .arg(target.info.st_mode & 07777, 4, 8, QLatin1Char('0'))
            .arg(systemError(errno));
    return std::nullopt;
}

} // namespace

std::optional<QString> refusedTarget(const QString &path)
{
    Target target;
    if (auto refused = findTarget(path, target))
        return refused;
    if (!target.exists && ::access(folderOf(target.path).constData(), W_OK | X_OK) != 0)
        return systemError(errno);
    return std::nullopt;
}

StagedFile::StagedFile(StagedFile &&other) noexcept
    : temporary_(std::exchange(other.temporary_, QByteArray())), target_(std::move(other.target_))
{
}

StagedFile &StagedFile::operator=(StagedFile &&other) noexcept
{
    if (this != &other) {
        discard();
        temporary_ = std::exchange(other.temporary_, QByteArray());
        target_ = std::move(other.target_);
    }
    return *this;
}

StagedFile::~StagedFile()
{
    discard();
}

std::optional<QString> StagedFile::stage(const QString &path, const QByteArray &content)
{
    discard();
    Target target;
    if (auto refused = findTarget(path, target))
        return refused;
    QByteArray temporary = folderOf(target.path) + '/' + '.' + nameOf(target.path) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    std::optional<QString> error = takeOverPermissions(fd, target);
    if (!error && !(writeAll(fd, content) && ::fsync(fd) == 0))
        error = systemError(errno);
    if (::close(fd) != 0 && !error)
        error = systemError(errno);
    if (error) {
        ::unlink(temporary.constData());
        return error;
    }
    temporary_ = temporary;
    target_ = target.path;
    return std::nullopt;
}

QString StagedFile::temporaryPath() const
{
    return pathFromBytes(temporary_);
}

std::optional<QString> StagedFile::commit()
{
    if (temporary_.isEmpty())
        return systemError(ENOENT);
    if (::rename(temporary_.constData(), target_.constData()) != 0) {
        const int error = errno;
        discard();
        return systemError(error);
    }
    temporary_.clear();
    // The new name reaches the disk with the folder.
    const int folder = ::open(folderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

void StagedFile::discard()
{
    if (temporary_.isEmpty())
        return;
    ::unlink(temporary_.constData());
    temporary_.clear();
}

std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content)
{
    StagedFile file;
    if (auto error = file.stage(path, content))
        return error;
    return file.commit();
}
