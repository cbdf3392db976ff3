#pragma once
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Where a window keeps its unsaved work while it is open, so that an end by
// "Ende", a crash or a kill loses at most the edit in progress. Each window
// has a recovery file of its own and holds a lock beside it while it is open;
// a recovery file whose lock nobody holds belongs to a window that is gone.
// The folders are the user's alone (0700) and so are the files (0600),
// whatever the umask.
class RecoveryKeeper {
public:
    // folder: empty means the user's state folder (XDG_STATE_HOME, by
    // default ~/.local/state) with the program's name and "recovery". The
    // folder and the one above it are the program's own.
    explicit RecoveryKeeper(const QString &folder = QString());
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper &) = delete;
    RecoveryKeeper &operator=(const RecoveryKeeper &) = delete;

    static QString defaultFolder();
    QString folder() const { return folder_; }

    // Writes (or replaces) this window's recovery file with a staged,
    // verified save; the message when that failed.
    std::optional<QString> keep(const QByteArray &document);
    // True when the last keep() failed and so did the one before it: the
    // user has been told already.
    bool failedBefore() const { return failuresInARow_ > 1; }
    // Removes this window's recovery file and its lock: the work was saved
    // or given up.
    void discard();
    // The window closes: its lock goes, its recovery file stays where it is.
    void release();
    QString filePath() const;

    // The recovery files of windows that are no longer open, newest first.
    // Locks left by processes that are gone, with no recovery file beside
    // them, are removed on the way.
    QStringList leftBehind() const;
    // A recovery file left behind, taken for one window while it is asked
    // about: no other window offers it meanwhile. Empty when another holds it.
    using Claim = std::unique_ptr<QLockFile>;
    static Claim claim(const QString &path);
    // Reads a recovery file left behind: its bytes, or the message why not.
    struct Found {
        QByteArray content;
        std::optional<QString> error;
    };
    static Found read(const QString &path);
    // Removes a recovery file left behind; its lock goes with the claim.
    static void remove(const QString &path);
    // Renames a recovery file that cannot be brought back so that its name
    // ends in "-" and why (a number added where that name is taken); it is
    // offered no more and nothing of it is lost. The new path, or the
    // message why it stays where it is.
    struct KeptAside {
        QString path;
        std::optional<QString> error;
    };
    static KeptAside keepAside(const QString &path, const QString &why);

private:
    std::optional<QString> holdLock();

    QString folder_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    bool written_ = false;
    int failuresInARow_ = 0;
};
