#include "document/RecoveryKeeper.h"

#include "document/RecoveryDocument.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>

namespace {

const QString Suffix = QStringLiteral(".recovery");
const QString LockSuffix = QStringLiteral(".lock");

QString lockPathOf(const QString &recoveryPath)
{
    return recoveryPath + LockSuffix;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString &folder)
    : folder_(folder.isEmpty() ? defaultFolder() : folder),
      name_(QStringLiteral("window-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + Suffix)
{
}

RecoveryKeeper::~RecoveryKeeper()
{
    release();
}

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
bool RecoveryKeeper::holdLock()
{
    if (lock_ && lock_->isLocked())
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    lock_ = std::make_unique<QLockFile>(lockPathOf(filePath()));
    // Held as long as the window is open, however long that is.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

std::optional<QString> RecoveryKeeper::keep(const QByteArray &document)
{
    if (!holdLock())
        return fileMessage(lockPathOf(filePath()), QStringLiteral("the lock cannot be taken"));
    if (auto failure = saveVerifiedFile(filePath(), document))
        return failure;
    written_ = true;
    return std::nullopt;
}

void RecoveryKeeper::discard()
{
    if (written_)
        QFile::remove(filePath());
    written_ = false;
}

void RecoveryKeeper::release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

QStringList RecoveryKeeper::leftBehind() const
{
    QFileInfoList candidates = QDir(folder_).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files | QDir::Hidden,
                                                           QDir::Time);
    QStringList found;
    for (const QFileInfo &info : candidates) {
        if (info.fileName() == name_)
            continue;
        // A lock that can be taken is nobody's: its window is closed or its
        // process is gone (a dead process's lock counts as stale).
        QLockFile lock(lockPathOf(info.filePath()));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            lock.unlock();
            found.append(info.filePath());
        }
    }
    return found;
}

RecoveryKeeper::Found RecoveryKeeper::read(const QString &path)
{
    const InputFile file = readInputFile(path, RecoveryDocument::MaxFileSize);
    return {file.content, file.error};
}

void RecoveryKeeper::remove(const QString &path)
{
    QFile::remove(path);
    QFile::remove(lockPathOf(path));
}
