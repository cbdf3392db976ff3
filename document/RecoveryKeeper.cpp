#include "document/RecoveryKeeper.h"

#include "document/RecoveryDocument.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SystemErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Suffix = QStringLiteral(".recovery");
const QString LockSuffix = QStringLiteral(".lock");
constexpr mode_t PrivateFolderMode = 0700;
constexpr mode_t PrivateFileMode = 0600;

QString lockPathOf(const QString &recoveryPath)
{
    return recoveryPath + LockSuffix;
}

QString systemReason()
{
    return systemErrorText(errno);
}

// A folder of the program's own: made 0700, and narrowed to the owner where
// it is the user's and others may look in. A link to a folder is followed.
std::optional<QString> makePrivateFolder(const QString &path)
{
    const QByteArray bytes = pathBytes(path);
    if (::mkdir(bytes.constData(), PrivateFolderMode) != 0 && errno != EEXIST)
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "der Ordner lässt sich nicht anlegen (%1)").arg(systemReason()));
    struct stat info {};
    if (::stat(bytes.constData(), &info) != 0) {
        struct stat link {};
        if (::lstat(bytes.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "ist ein Link auf einen Ordner, den es nicht gibt"));
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "der Ordner lässt sich nicht lesen (%1)").arg(systemReason()));
    }
    if (!S_ISDIR(info.st_mode))
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "ist %1, kein Ordner").arg(fileKindName(info.st_mode)));
    // Narrowed only: the owner's own bits stay as the owner set them.
    if (info.st_uid == ::geteuid() && (info.st_mode & 07077) != 0
        && ::chmod(bytes.constData(), info.st_mode & PrivateFolderMode) != 0)
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "der Ordner lässt sich nicht privat machen (%1)").arg(systemReason()));
    // By the effective user: root without the right to pass over
    // permissions is told the truth too.
    if (::faccessat(AT_FDCWD, bytes.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "der Ordner ist nicht beschreibbar (%1)").arg(systemReason()));
    return std::nullopt;
}

// The recovery folder and the program's state folder above it are the
// program's own; the folders above those are made as any program makes them.
std::optional<QString> makeFolders(const QString &folder)
{
    const QString program = QFileInfo(folder).path();
    const QString above = QFileInfo(program).path();
    if (!QDir().mkpath(above))
        return fileMessage(above, QCoreApplication::translate("RecoveryKeeper", "der Ordner lässt sich nicht anlegen"));
    if (auto fault = makePrivateFolder(program))
        return fault;
    return makePrivateFolder(folder);
}

// The first recovery file is made empty and private before the content goes
// in: a replaced file keeps its mode.
std::optional<QString> makePrivateFile(const QString &path)
{
    const QByteArray bytes = pathBytes(path);
    const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, PrivateFileMode);
    if (fd < 0)
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "lässt sich nicht anlegen (%1)").arg(systemReason()));
    const bool narrowed = ::fchmod(fd, PrivateFileMode) == 0;
    const QString reason = narrowed ? QString() : systemReason();
    ::close(fd);
    if (!narrowed)
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "lässt sich nicht privat machen (%1)").arg(reason));
    return std::nullopt;
}

QString lockFault(const QString &path, QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::LockFailedError:
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "ein anderes Fenster hält die Sperre"));
    case QLockFile::PermissionError:
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "die Sperre lässt sich nicht anlegen: der Ordner ist nicht beschreibbar"));
    default:
        return fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "die Sperre lässt sich nicht nehmen"));
    }
}

// A lock with no recovery file beside it is left by a window that gave its
// work up, or by a process that ended before it could remove it. Taking it
// removes one whose process is gone; unlocking removes the file.
void removeOrphanLocks(const QString &folder)
{
    const QStringList locks = QDir(folder).entryList({QStringLiteral("*") + Suffix + LockSuffix},
                                                      QDir::Files | QDir::Hidden);
    for (const QString &name : locks) {
        const QString lockPath = QDir(folder).filePath(name);
        if (QFileInfo::exists(lockPath.chopped(LockSuffix.size())))
            continue;
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            lock.unlock();
    }
}

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString &folder)
    : folder_(folder.isEmpty() ? defaultFolder() : folder),
      name_(QStringLiteral("window-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + Suffix)
{
    // A write past the file size limit (ulimit -f) fails as any write
    // error does, and is told, instead of ending the process and its work.
    std::signal(SIGXFSZ, SIG_IGN);
}

RecoveryKeeper::~RecoveryKeeper()
{
    release();
}

// A relative XDG_STATE_HOME is no state folder: it is ignored, as the
// desktop's base directory rules say.
QString RecoveryKeeper::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    QString program = QCoreApplication::applicationName();
    if (program.isEmpty())
        program = QStringLiteral("Quaxel");
    return QDir(state).filePath(program + QStringLiteral("/recovery"));
}

QString RecoveryKeeper::filePath() const
{
    return QDir(folder_).filePath(name_);
}

// The lock is taken with the first recovery file: a window that never had
// unsaved work leaves nothing in the folder.
std::optional<QString> RecoveryKeeper::holdLock()
{
    if (lock_ && lock_->isLocked())
        return std::nullopt;
    if (auto fault = makeFolders(folder_))
        return fault;
    lock_ = std::make_unique<QLockFile>(lockPathOf(filePath()));
    // Held as long as the window is open, however long that is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return std::nullopt;
    return lockFault(lockPathOf(filePath()), lock_->error());
}

std::optional<QString> RecoveryKeeper::keep(const QByteArray &document)
{
    auto failure = holdLock();
    const bool first = !written_;
    if (!failure && first)
        failure = makePrivateFile(filePath());
    if (!failure)
        failure = saveVerifiedFile(filePath(), document);
    if (failure) {
        // An empty file made for the first content is no work to offer.
        if (first)
            QFile::remove(filePath());
        ++failuresInARow_;
        return failure;
    }
    failuresInARow_ = 0;
    written_ = true;
    return std::nullopt;
}

void RecoveryKeeper::discard()
{
    if (written_)
        QFile::remove(filePath());
    written_ = false;
    failuresInARow_ = 0;
    release();
}

void RecoveryKeeper::release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

QStringList RecoveryKeeper::leftBehind() const
{
    removeOrphanLocks(folder_);
    QFileInfoList candidates = QDir(folder_).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files | QDir::Hidden,
                                                           QDir::Time);
    QStringList found;
    for (const QFileInfo &info : candidates) {
        if (info.fileName() == name_)
            continue;
        // A lock that can be taken is nobody's: its window is closed or its
        // process is gone (a dead process's lock counts as stale).
        if (claim(info.filePath()))
            found.append(info.filePath());
    }
    return found;
}

RecoveryKeeper::Claim RecoveryKeeper::claim(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(path));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

RecoveryKeeper::Found RecoveryKeeper::read(const QString &path)
{
    const InputFile file = readInputFile(path, RecoveryDocument::MaxFileSize);
    return {file.content, file.error};
}

void RecoveryKeeper::remove(const QString &path)
{
    QFile::remove(path);
}

RecoveryKeeper::KeptAside RecoveryKeeper::keepAside(const QString &path, const QString &why)
{
    const QString named = path + u'-' + why;
    for (int n = 1; n < 1000; ++n) {
        const QString aside = n == 1 ? named : named + u'-' + QString::number(n);
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            continue;
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
            return {aside, std::nullopt};
        return {path, fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "lässt sich nicht umbenennen (%1)").arg(systemReason()))};
    }
    return {path, fileMessage(path, QCoreApplication::translate("RecoveryKeeper", "lässt sich nicht umbenennen: jeder neue Name ist vergeben"))};
}
