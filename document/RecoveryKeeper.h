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
class RecoveryKeeper {
public:
    // folder: empty means the user's state folder (XDG_STATE_HOME, by
    // default ~/.local/state) with the program's name and "recovery".
    explicit RecoveryKeeper(const QString &folder = QString());
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper &) = delete;
    RecoveryKeeper &operator=(const RecoveryKeeper &) = delete;

    static QString defaultFolder();
    QString folder() const { return folder_; }

    // Writes (or replaces) this window's recovery file with a staged,
    // verified save; the message when that failed.
    std::optional<QString> keep(const QByteArray &document);
    // Removes this window's recovery file: the work was saved or given up.
    void discard();
    // The window closes: its lock goes, its recovery file stays where it is.
    void release();
    QString filePath() const;

    // The recovery files of windows that are no longer open, newest first.
    QStringList leftBehind() const;
    // Reads a recovery file left behind: its bytes, or the message why not.
    struct Found {
        QByteArray content;
        std::optional<QString> error;
    };
    static Found read(const QString &path);
    // Removes a recovery file left behind, with its lock.
    static void remove(const QString &path);

private:
    bool holdLock();

    QString folder_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    bool written_ = false;
};
